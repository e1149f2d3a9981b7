// Applying a legal move: capture, hands, king square, winner, redraws.
#pragma once

#include "rules/game.h"

namespace vudeve {

// Drops: fromX 11 with fromY the clicked row 3..9 of MAN's hand, or fromX -1
// with fromY the hand index 1..7 of COM's hand. piece is the code that ends
// up on the destination (the promoted code when the mover promotes).
void 駒移動(Game& g, int fromX, int fromY, int toX, int toY, int piece);
// Puts a captured piece, demoted, into the captor's hand, or names the winner
// when it is a king.
void 駒取得(Game& g, int captured);
// The hand index 1..7 a captured code goes to (promoted pieces demoted); 0
// for kings and codes that are not pieces. The captor is the other colour.
int capturedHandIndex(int captured);
// Whether some square of the board holds the code (a king that was taken
// stands nowhere).
bool standsOnBoard(const Game& g, int code);
// TrueValue when the move may promote; PromotedCode then holds the code.
int 調査_駒成(Game& g, int fromX, int fromY, int toX, int toY, int piece);

}  // namespace vudeve
