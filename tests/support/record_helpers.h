// Building game records for tests without playing through the rules.
#pragma once

#include "record/record.h"
#include "rules/game.h"
#include "rules/setup.h"

namespace vudeve::testing {

inline BoardMap evenBoard() {
  Game g;
  初期設定(g);
  return g.Board;
}

// Stores the position on the board, as a mover does before its move, and
// counts the move.
inline void storeAndCount(Game& g, double manBefore, double manAfter, double comBefore, double comAfter) {
  手順保存(g, 0, 0, 0, 0, 0, 0, manBefore, manAfter, comBefore, comAfter);
  ++g.MoveNumber;
  ++g.MoveCount;
}

// Moves a piece on the board directly (no hands, no rules).
inline void shift(Game& g, int fromX, int fromY, int toX, int toY, int piece) {
  g.Board[fromX][fromY] = Empty;
  g.Board[toX][toY] = piece;
}

}  // namespace vudeve::testing
