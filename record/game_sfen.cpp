#include "record/game_sfen.h"

#include "record/kif_notation.h"
#include "record/kif_write.h"
#include "record/record_start.h"
#include "record/replay.h"
#include "rules/turn_round.h"

namespace vudeve {

SfenPosition sfenOfGame(const Game& g) {
  const Placement shown{g.Board, g.ManHand, g.ComHand};
  const RecordEntry shownEntry{.board = g.Board, .manHand = g.ManHand, .comHand = g.ComHand};
  // Before any game the player who usually begins from the position is to
  // move; after 反転 the armies, and Turn with them, have changed places.
  const int toMove = g.Turn == NoSide ? usualFirstMover(shownEntry) : g.Turn == g.ComSide ? kif::Top : kif::Bottom;
  // The record's start and first move while it leads to the position
  // shown; at its start the position shown is the start, and the player to
  // move makes the first move.
  RecordEntry start = shownEntry;
  int first = 0;
  if (g.MoveNumber >= 1 && recordHolds(g, g.MoveNumber)) {
    start = recordEntry(g, 0);
    first = firstMover({start, recordEntry(g, 1)});
  }
  if (first == 0) first = toMove;
  const bool turned = kifTurnsRound(start, first);

  SfenPosition position;
  position.pieces = turned ? turnedRound(shown) : shown;
  position.blackToMove = (toMove == kif::Bottom) != turned;
  position.moveNumber = g.MoveCount + 1;
  return position;
}

}  // namespace vudeve
