// Whether a single move or drop obeys the movement rules of its piece.
// Pure tests on the board: no side effects, no allocation, no drawing.
#pragma once

#include "rules/game.h"

namespace vudeve {

// fromX 11 (MAN's hand) or -1 (COM's hand) marks a drop; piece is the code
// of the moving piece (not necessarily what stands on the from-square).
int 移動チェック(const Game& g, int fromX, int fromY, int toX, int toY, int piece);
int 移動チェック飛車(const Game& g, int fromX, int fromY, int toX, int toY);
int 移動チェック角(const Game& g, int fromX, int fromY, int toX, int toY);
// FalseValue when an unpromoted pawn, lance or knight on row toY would have
// no move left, so it must promote.
int 移動後チェック(int toY, int piece);
// Refreshes ManPawnFiles and ComPawnFiles for the two-pawns rule.
void 調査_2歩フラグ設定(Game& g);

}  // namespace vudeve
