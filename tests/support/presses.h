// Mouse presses on the board for headless tests, as the window delivers them.
#pragma once

#include "app/handlers/mouse_input.h"
#include "rules/game.h"

namespace vudeve::testing {

// Presses the centre of cell (x, y).
inline void press(Game& g, double x, double y, int button = LeftButton) { pressCell(g, button, x, y); }

// A move by two presses: the piece, then its destination.
inline void pressMove(Game& g, int fromX, int fromY, int toX, int toY, int button = LeftButton) {
  press(g, fromX, fromY);
  press(g, toX, toY, button);
}

}  // namespace vudeve::testing
