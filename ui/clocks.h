// The elapsed-time clocks and their tick.
#pragma once

#include "rules/game.h"

namespace vudeve {

void Timer1_Timer(Game& g);
double 調査_経過秒(double start, double now);
void 消去_思考中(Game& g);

}  // namespace vudeve
