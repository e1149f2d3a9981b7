// Turning the position round by half a turn with the colours exchanged, so
// that each army stands where the other stood and plays the other's part.
#pragma once

#include "rules/board_fields.h"
#include "rules/game.h"

namespace vudeve {

// Board (x, y) -> (10 - x, 10 - y) with every code negated.
BoardMap turnedRound(const BoardMap& board);

// The board turned round; the hands, their totals and the king squares are
// exchanged to match. Twice gives back the position it started from.
void turnPositionRound(Game& g);

// The pieces alone, turned the same way.
Placement turnedRound(const Placement& pieces);

}  // namespace vudeve
