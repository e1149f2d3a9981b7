// Resetting the game to the even starting position.
#pragma once

#include "rules/game.h"

namespace vudeve {

// The board of the even position, COM at the top.
BoardMap evenBoard();

// Resets every game variable, lays out the even position and repaints the
// window. Leaves ManSide, ComSide, Level, LastMoveNumber, the record and the
// king squares as they are.
void 初期設定(Game& g);

}  // namespace vudeve
