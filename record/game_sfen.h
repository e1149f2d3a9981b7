// The position the game shows as SFEN, facing the world as a KIF written of
// the game would: the same colours (an even game's 先手 and the player who
// gets a handicap black, 上手 white), the side to move, and the move number
// counting every move played before it.
#pragma once

#include "rules/game.h"
#include "rules/sfen.h"

namespace vudeve {

SfenPosition sfenOfGame(const Game& g);

}  // namespace vudeve
