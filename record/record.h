// The game record: one full snapshot of the position before every move, and
// of the position after the last one.
#pragma once

#include "rules/game.h"

namespace vudeve {

// Stores Board, both hands and the four clock values at index MoveNumber and
// sets LastMoveNumber = MoveNumber. The move itself is passed by the callers
// but not kept. The record grows as needed.
void 手順保存(Game& g, int fromX, int fromY, int toX, int toY, int piece, int captured,
              double manBefore, double manAfter, double comBefore, double comAfter);

// Stores the position on the board at MoveNumber, both clocks before = after
// as they stand, and makes it the last entry. Every mover calls it once its
// move is made and its clock has grown, so that the record ends with the
// position shown: entry k is the position after k moves. The next move's
// 手順保存 overwrites it with the same position and that move's clocks.
void storePositionAfterMove(Game& g);

// Grows every record array together so that index is valid in all of them
// (a negative index is ignored). Whoever writes a snapshot other than through
// 手順保存, such as the record-file reader, calls this first.
void ensureRecordCapacity(Game& g, int index);

}  // namespace vudeve
