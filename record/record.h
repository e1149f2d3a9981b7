// The game record: one full snapshot of the position before every move.
#pragma once

#include "rules/game.h"

namespace vudeve {

// Stores Board, both hands and the four clock values at index MoveNumber and
// sets LastMoveNumber = MoveNumber. The move itself is passed by the callers
// but not kept. The record grows as needed.
void 手順保存(Game& g, int fromX, int fromY, int toX, int toY, int piece, int captured,
              double manBefore, double manAfter, double comBefore, double comAfter);

}  // namespace vudeve
