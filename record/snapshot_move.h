// The move that leads from one stored position to the next, found by
// comparing the two: the square that became empty (or, for a drop, the hand
// count that went down), the destination, and the piece before and after.
#pragma once

#include <optional>

#include "record/record_line.h"

namespace vudeve {

struct SnapshotMove {
  int fromX = 0, fromY = 0;  // a board move: the square it leaves
  int handIndex = 0;         // a drop: 1..7, pawn .. rook; 0 for a board move
  int toX = 0, toY = 0;
  int piece = 0;     // the moving piece's code before the move
  int placed = 0;    // the code on the destination after it
  int captured = 0;  // what the destination held before
  bool mayPromote = false;  // a board move into, within or out of the mover's zone by a piece that promotes
  bool drop() const { return handIndex != 0; }
  bool promotes() const { return placed != piece; }
};

// The one move or drop of either side that turns the board and hands of
// `before` into those of `after` (a piece taken goes, demoted, into the
// taker's hand, a king taken into none); nothing when no single move does.
// The clocks are not compared.
std::optional<SnapshotMove> 調査_局面間の指し手(const RecordEntry& before, const RecordEntry& after);

}  // namespace vudeve
