// The influence survey: who reaches every square, the cheapest attackers and
// recorded guards, the check lines, and both king squares.
#pragma once

#include "rules/game.h"

namespace vudeve {

void 勢力調査(Game& g);

void 勢力確定上直進(Game& g, int code, int x, int y);
void 勢力確定下直進(Game& g, int code, int x, int y);
void 勢力確定右直進(Game& g, int code, int x, int y);
void 勢力確定左直進(Game& g, int code, int x, int y);
void 勢力確定自角(Game& g, int x, int y);
void 勢力確定敵角(Game& g, int code, int x, int y);
void 勢力確定自金(Game& g, int code, int x, int y);
void 勢力確定敵金(Game& g, int x, int y);

}  // namespace vudeve
