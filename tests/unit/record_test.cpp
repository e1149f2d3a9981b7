#include <gtest/gtest.h>

#include "record/record.h"
#include "rules/setup.h"

namespace vudeve {
namespace {

// Plays one "move" the way the movers do: snapshot first, then change the
// board, count the move, and store the position reached.
void playMove(Game& g, int mark) {
  手順保存(g, 1, 1, 1, 1, ManPawn, Empty, mark, mark + 0.5, 2.0 * mark, 2.0 * mark + 0.25);
  g.Board[5][5] = mark;
  g.ManHand[1] = mark % 19;
  g.ComHand[7] = mark % 3;
  ++g.MoveNumber;
  g.ManSeconds = mark + 0.5;
  g.ComSeconds = 2.0 * mark + 0.25;
  storePositionAfterMove(g);
}

TEST(Record, FirstMoveStoresTheStartingPositionAtIndexZero) {
  Game g;
  初期設定(g);
  g.ManHand[2] = 1;
  g.ComHand[6] = 2;
  g.LastMoveNumber = 40;  // left over from an earlier game
  手順保存(g, 3, 7, 3, 6, ManPawn, Empty, 1.0, 4.5, 2.0, 2.0);

  EXPECT_EQ(g.LastMoveNumber, 0);
  EXPECT_EQ(g.MoveNumber, 0);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(g.RecordBoard[0][x][y], g.Board[x][y]) << x << "," << y;
  EXPECT_EQ(g.RecordManHand[0][2], 1);
  EXPECT_EQ(g.RecordComHand[0][6], 2);
  EXPECT_DOUBLE_EQ(g.RecordManTimeBefore[0], 1.0);
  EXPECT_DOUBLE_EQ(g.RecordManTimeAfter[0], 4.5);
  EXPECT_DOUBLE_EQ(g.RecordComTimeBefore[0], 2.0);
  EXPECT_DOUBLE_EQ(g.RecordComTimeAfter[0], 2.0);
}

TEST(Record, AfterNMovesEntryKIsThePositionAfterKMoves) {
  Game g;
  初期設定(g);
  for (int n = 1; n <= 7; ++n) playMove(g, n);
  EXPECT_EQ(g.MoveNumber, 7);
  EXPECT_EQ(g.LastMoveNumber, 7);
  EXPECT_EQ(g.RecordBoard[0][5][5], Empty);
  EXPECT_EQ(g.RecordBoard[3][5][5], 3);
  EXPECT_EQ(g.RecordManHand[3][1], 3);
  // The last entry holds the clocks after the last move, twice.
  EXPECT_EQ(g.RecordBoard[7], g.Board);
  EXPECT_EQ(g.RecordManHand[7], g.ManHand);
  EXPECT_EQ(g.RecordComHand[7], g.ComHand);
  EXPECT_DOUBLE_EQ(g.RecordManTimeBefore[7], 7.5);
  EXPECT_DOUBLE_EQ(g.RecordManTimeAfter[7], 7.5);
  EXPECT_DOUBLE_EQ(g.RecordComTimeBefore[7], 14.25);
  EXPECT_DOUBLE_EQ(g.RecordComTimeAfter[7], 14.25);
}

TEST(Record, ALongGameKeepsEverySnapshot) {
  Game g;
  初期設定(g);
  for (int n = 0; n < 1200; ++n) playMove(g, n);
  EXPECT_EQ(g.LastMoveNumber, 1200);

  const std::size_t size = g.RecordBoard.size();
  EXPECT_GE(size, 1200u);
  EXPECT_EQ(g.RecordManHand.size(), size);
  EXPECT_EQ(g.RecordComHand.size(), size);
  EXPECT_EQ(g.RecordManTimeBefore.size(), size);
  EXPECT_EQ(g.RecordManTimeAfter.size(), size);
  EXPECT_EQ(g.RecordComTimeBefore.size(), size);
  EXPECT_EQ(g.RecordComTimeAfter.size(), size);

  for (int k : {0, 1, 499, 500, 501, 600, 1199}) {
    SCOPED_TRACE(k);
    EXPECT_EQ(g.RecordBoard[k][5][5], k == 0 ? Empty : k - 1);
    EXPECT_EQ(g.RecordBoard[k][5][9], ManKing);
    EXPECT_EQ(g.RecordManHand[k][1], k == 0 ? 0 : (k - 1) % 19);
    EXPECT_EQ(g.RecordComHand[k][7], k == 0 ? 0 : (k - 1) % 3);
    EXPECT_DOUBLE_EQ(g.RecordManTimeBefore[k], k);
    EXPECT_DOUBLE_EQ(g.RecordManTimeAfter[k], k + 0.5);
    EXPECT_DOUBLE_EQ(g.RecordComTimeBefore[k], 2.0 * k);
    EXPECT_DOUBLE_EQ(g.RecordComTimeAfter[k], 2.0 * k + 0.25);
  }
}

TEST(Record, ANewGameOverwritesOnlyWhatItReaches) {
  Game g;
  初期設定(g);
  for (int n = 0; n < 10; ++n) playMove(g, 100 + n);
  初期設定(g);
  for (int n = 0; n < 3; ++n) playMove(g, n);
  EXPECT_EQ(g.LastMoveNumber, 3);
  EXPECT_EQ(g.RecordBoard[2][5][5], 1);
  EXPECT_EQ(g.RecordBoard[8][5][5], 107);
}

TEST(Record, RoomForAnIndexMakesItValidInEveryArray) {
  Game g;
  g.RecordComTimeAfter.resize(10);  // however the arrays got out of step
  ensureRecordCapacity(g, 800);
  for (std::size_t size : {g.RecordBoard.size(), g.RecordManHand.size(), g.RecordComHand.size(),
                           g.RecordManTimeBefore.size(), g.RecordManTimeAfter.size(),
                           g.RecordComTimeBefore.size(), g.RecordComTimeAfter.size()})
    EXPECT_GT(size, 800u);
  const std::size_t before = g.RecordBoard.size();
  ensureRecordCapacity(g, -5);
  ensureRecordCapacity(g, 3);
  EXPECT_EQ(g.RecordBoard.size(), before);
}

}  // namespace
}  // namespace vudeve
