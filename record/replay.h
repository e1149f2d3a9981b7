// Going back to a stored position: the snapshot copied back and shown, the
// move that led to it, the sides of a game going on from a record.
#pragma once

#include "rules/game.h"

namespace vudeve {

// Whether the record holds an entry at index k.
bool recordHolds(const Game& g, int k);


// The destination and the piece standing there of the move from record
// index k - 1 to k: the first square (x outer, y inner) that is not empty
// at k and differs from k - 1. The outputs stay as they are when there is
// none or k is not an index of two stored positions.
void 調査_移動結果(const Game& g, int k, int& x, int& y, int& piece);
// Copies the snapshot at index i into the board and the hands, sets the
// clocks to the values given and draws all of them.
void restoreSnapshot(Game& g, int i, double comSeconds, double manSeconds);
// Before a game goes on from a record read from a file, at the position
// shown: the player who made the record's first move is 先手 (ManSide and
// ComSide follow; the bottom player when the record names no move), and
// Turn is the side to move there.
void takeSidesFromRecord(Game& g);
// Sum of the positive hand counts of the side; 0 for other side values.
int 調査_持駒数(const Game& g, int side);

}  // namespace vudeve
