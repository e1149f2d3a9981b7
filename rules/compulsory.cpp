#include "rules/compulsory.h"

#include "rules/mate.h"

namespace vudeve {

namespace {
constexpr int Unknown = -1;
}  // namespace

void keepCompulsoryCaptures(Game& g, bool man, MoveList& list) {
  const int side = man ? g.ManSide : g.ComSide;
  if (調査_移動先あるか(g, side) != TrueValue) return;
  // Each piece is asked once, however many captures it has.
  BoardMap canCapture;
  for (auto& column : canCapture) column.fill(Unknown);
  int kept = 0;
  for (int i = 0; i < list.size; ++i) {
    const Move& m = list.moves[i];
    if (m.fromX < 1 || m.fromX > BoardSize || !isCapture(g, m)) continue;
    int& answer = canCapture[m.fromX][m.fromY];
    if (answer == Unknown) answer = 調査_移動先あるか2(g, side, m.fromX, m.fromY);
    if (answer == TrueValue) list.moves[kept++] = m;
  }
  list.size = kept;
}

}  // namespace vudeve
