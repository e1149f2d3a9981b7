#include "ui/clocks.h"

#include <cmath>

#include "ui/draw.h"

namespace vudeve {

double 調査_経過秒(double start, double now) {
  if (start <= now) return now - start;
  return now + 86400 - start;  // midnight has passed
}

void updateTurnSeconds(Game& g) { g.TurnSeconds = 調査_経過秒(g.TurnStartTime, g.Time->secondsSinceMidnight()); }

void Timer1_Timer(Game& g) {
  if (!g.Timer1->enabled() || g.Winner != NoSide) return;
  // Recomputed from the turn's start, so a tick that comes late (after a
  // blink or the computer's search) catches up at once.
  updateTurnSeconds(g);
  const double whole = std::floor(g.TurnSeconds);
  if (whole == g.ShownSecond) return;
  g.ShownSecond = whole;
  if (g.Turn == g.ComSide) {
    描画_所有時間(g, g.ComSide, g.TurnSeconds + g.ComSeconds);
  } else if (g.Turn == g.ManSide) {
    描画_所有時間(g, g.ManSide, g.TurnSeconds + g.ManSeconds);
  }
  g.Screen->refresh();
}

void 消去_思考中(Game& g) {
  描画_絵(g, g.BackgroundCode, -2, 8);
  描画_絵(g, g.BackgroundCode, -1, 8);
  描画_絵(g, g.BackgroundCode, 0, 8);
  描画_桝輪郭(g, BackColorIndex, -1, 7);
}

}  // namespace vudeve
