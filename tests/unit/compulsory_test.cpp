#include <gtest/gtest.h>

#include <string>

#include "rules/compulsory.h"
#include "rules/perft.h"
#include "rules/position_text.h"
#include "support/position_loading.h"

namespace vudeve {
namespace {

using testing::loadSenteFirst;

int filteredCount(Game& g, bool man) {
  MoveList list;
  generateMoves(g, man, list);
  keepCompulsoryCaptures(g, man, list);
  return list.size;
}

TEST(CompulsoryMoves, SafeCaptureRemovesQuietMovesAndDrops) {
  Game g;
  // COM king on (1, 1) may take the unguarded pawn on (2, 2); it holds a pawn.
  loadSenteFirst(g, "k8/1P7/9/9/9/9/9/9/4K4 p w");
  MoveList list;
  generateMoves(g, false, list);
  ASSERT_GT(list.size, 3);
  keepCompulsoryCaptures(g, false, list);
  ASSERT_EQ(list.size, 1);
  EXPECT_EQ(list.moves[0].fromX, 1);
  EXPECT_EQ(list.moves[0].toX, 2);
  EXPECT_EQ(list.moves[0].toY, 2);
  EXPECT_EQ(g.Board[1][1], ComKing);
  EXPECT_EQ(g.Board[2][2], ManPawn);
}

TEST(CompulsoryMoves, PieceWhoseCapturesAllExposeTheKingIsLeftOut) {
  Game g;
  // The gold on (5, 2) is pinned by the rook; the silver on (8, 6) may take
  // the pawn on (8, 7), promoted or not. Every other move goes.
  loadSenteFirst(g, "4k4/4g4/3P5/9/9/7s1/7P1/9/K3R4 - w");
  EXPECT_EQ(filteredCount(g, false), 2);

  // Without the silver no capture is safe: nothing is filtered.
  g.Board[8][6] = Empty;
  MoveList all;
  generateMoves(g, false, all);
  EXPECT_EQ(filteredCount(g, false), all.size);
}

TEST(CompulsoryMoves, EvenPositionPerft) {
  Game g;
  loadSenteFirst(g, EvenPositionText.data());
  Perft perft(g, keepCompulsoryCaptures);
  EXPECT_EQ(perft.count(1), 30u);
  EXPECT_EQ(perft.count(2), 900u);
  // After the pawn in front of the bishop moves, the bishop must take.
  EXPECT_EQ(perft.count(3), 24419u);
}

}  // namespace
}  // namespace vudeve
