// The elapsed-time clocks and their tick.
#pragma once

#include "rules/game.h"

namespace vudeve {

void Timer1_Timer(Game& g);
// TurnSeconds := the seconds since TurnStartTime. A turn is measured when it
// ends, whether or not the tick runs: the tick only shows the clock running.
void updateTurnSeconds(Game& g);
double 調査_経過秒(double start, double now);
void 消去_思考中(Game& g);

}  // namespace vudeve
