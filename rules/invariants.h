// What a player relies on whatever he has done before: checks of the whole
// game state for the monkey test, the fuzz targets and the soak. Each
// returns "" when all holds, else what is wrong, in words.
#pragma once

#include <string>

#include "rules/game.h"

namespace vudeve {

// A full set: 20 pawns, 4 each of lances, knights, silvers and golds, 2
// each of bishops and rooks, 2 kings.
inline constexpr int FullSetPieces = 40;

bool isPieceCode(int code);

// Every board square holds Empty or a piece code, the unused row and column
// 0 stay empty, and no hand count is negative.
std::string checkSquares(const Game& g);

// checkSquares, and further: the board, the hands and the pieces the
// handicap grade took away make a full set (a king is missing only once the
// game has ended or in a record read from a file, and counts as the
// taker's; his hand total may count it too), and the hand totals match the
// hands.
std::string checkPosition(const Game& g, int removedByHandicap);

// checkPosition, and further: the record counters lie inside the record and
// MoveNumber never passes LastMoveNumber; from the first move on the position
// shown is the record's entry MoveNumber; exactly one background and one
// level are checked.
std::string checkInvariants(const Game& g, int removedByHandicap);

}  // namespace vudeve
