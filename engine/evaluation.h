// Scoring one candidate move of the computer; higher is better for it.
#pragma once

#include "rules/game.h"

namespace vudeve {

// captured is what stood on (toX, toY) before the move, placed the code now
// standing there. A drop has fromX -1 and fromY the hand index.
double 盤評価(Game& g, int captured, int placed, int fromX, int fromY, int toX, int toY);
// Whole-board weaknesses of the candidate position for the computer.
double 盤評価_COM危険座標(Game& g, int placed, int toX, int toY);
// The value of the moved piece when it stands on an open line to a square
// from which a human bishop would check the computer king, else 0.
int 盤評価_自角注意_COM(const Game& g, int toX, int toY, int placed);

}  // namespace vudeve
