// Compulsory capture applied to a list of generated moves, as the game holds
// its players: when the side has a capture that leaves its king unattacked,
// only captures by pieces that have such a capture remain, and no drops.
#pragma once

#include "rules/game.h"
#include "rules/perft.h"

namespace vudeve {

// A MoveFilter. Like the capture tests it asks, it leaves the influence maps
// and the king squares describing the last position it tried.
void keepCompulsoryCaptures(Game& g, bool man, MoveList& list);

}  // namespace vudeve
