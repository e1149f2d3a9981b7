#include "rules/turn_round.h"

#include <utility>

namespace vudeve {

namespace {

int mirrored(int coordinate) { return coordinate == 0 ? 0 : 10 - coordinate; }

}  // namespace

BoardMap turnedRound(const BoardMap& board) {
  BoardMap turned{};
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) turned[10 - x][10 - y] = -board[x][y];
  return turned;
}

void turnPositionRound(Game& g) {
  g.Board = turnedRound(g.Board);
  for (int i = 1; i <= 7; ++i) std::swap(g.ManHand[i], g.ComHand[i]);
  std::swap(g.ManHandTotal, g.ComHandTotal);
  // A king square never set stays 0 rather than becoming 10.
  const int manX = g.ManKingX, manY = g.ManKingY;
  g.ManKingX = mirrored(g.ComKingX);
  g.ManKingY = mirrored(g.ComKingY);
  g.ComKingX = mirrored(manX);
  g.ComKingY = mirrored(manY);
}

Placement turnedRound(const Placement& pieces) { return {turnedRound(pieces.board), pieces.comHand, pieces.manHand}; }

}  // namespace vudeve
