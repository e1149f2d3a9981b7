// Builds test positions square by square, so rule and engine tests need no
// position parser.
#pragma once

#include <initializer_list>

#include "rules/game.h"

namespace vudeve::testing {

struct Placed {
  int x, y, code;
};

// Empties the board and the hands, then places the given pieces.
inline void placeOnly(Game& g, std::initializer_list<Placed> pieces) {
  for (auto& column : g.Board) column.fill(Empty);
  g.ManHand.fill(0);
  g.ComHand.fill(0);
  g.ManHandTotal = 0;
  g.ComHandTotal = 0;
  for (const Placed& p : pieces) g.Board[p.x][p.y] = p.code;
}

// Sums of a map over the board, for "nothing else was recorded" checks.
inline int mapSum(const BoardMap& map) {
  int sum = 0;
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) sum += map[x][y];
  return sum;
}

}  // namespace vudeve::testing
