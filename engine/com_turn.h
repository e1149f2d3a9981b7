// The computer's turn: a one-move-deep search over every legal move and drop.
#pragma once

#include "rules/game.h"

namespace vudeve {

void com_ban(Game& g);

}  // namespace vudeve
