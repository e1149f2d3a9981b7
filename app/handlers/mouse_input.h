// The person's moves: every mouse press on the main window.
#pragma once

#include "rules/game.h"

namespace vudeve {

// Button is LeftButton or RightButton; X and Y are the press in twips.
void Form_MouseDown(Game& g, int Button, int Shift, double X, double Y);
// A press in the middle of cell (x, y), as tools and tests make one.
void pressCell(Game& g, int button, double x, double y);

// The move-guidance overlay: resets the grid outlines, then (with guidance
// on) outlines every square the piece could move or be dropped to.
void 描画_移動可能桝色(Game& g, int fromX, int fromY, int color, int piece);

}  // namespace vudeve
