#include <gtest/gtest.h>

#include "rules/setup.h"

namespace vudeve {
namespace {

TEST(InitialSetup, EvenPositionAndResetFlags) {
  Game g;
  g.Turn = SenteSide;
  g.Winner = g.ComSide;
  g.GameMode = ModeCom;
  g.ManHand[3] = 2;
  g.MoveNumber = 7;
  g.LastMoveNumber = 7;
  g.Level = 1;
  g.ManKingX = 3;
  初期設定(g);

  int pieces = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) pieces += g.Board[x][y] != Empty;
  EXPECT_EQ(pieces, 40);
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(g.ManHand[i], 0);
    EXPECT_EQ(g.ComHand[i], 0);
  }
  EXPECT_EQ(g.ManHandTotal, 0);
  EXPECT_EQ(g.ComHandTotal, 0);
  EXPECT_EQ(g.Turn, NoSide);
  EXPECT_EQ(g.Winner, NoSide);
  EXPECT_EQ(g.GameMode, ModeHuman);
  EXPECT_EQ(g.MoveNumber, 0);
  // Left untouched.
  EXPECT_EQ(g.LastMoveNumber, 7);
  EXPECT_EQ(g.Level, 1);
  EXPECT_EQ(g.ManKingX, 3);
}

TEST(InitialSetup, ArmiesAreSymmetricUnderAHalfTurn) {
  Game g;
  初期設定(g);
  EXPECT_EQ(g.Board[5][9], ManKing);
  EXPECT_EQ(g.Board[5][1], ComKing);
  EXPECT_EQ(g.Board[8][8], ManRook);
  EXPECT_EQ(g.Board[2][8], ManBishop);
  EXPECT_EQ(g.Board[2][2], ComRook);
  EXPECT_EQ(g.Board[8][2], ComBishop);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(g.Board[x][y], -g.Board[10 - x][10 - y]) << x << "," << y;
}

}  // namespace
}  // namespace vudeve
