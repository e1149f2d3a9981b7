#include <gtest/gtest.h>

#include "rules/move.h"
#include "support/fakes.h"

namespace vudeve {
namespace {

using testing::FakePlatform;

class PieceMove : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.attach(g);
    g.ManSide = SenteSide;
    g.ComSide = GoteSide;
  }
  int handSum(const HandArray& hand) {
    int sum = 0;
    for (int i = 1; i <= 7; ++i) sum += hand[i];
    return sum;
  }
  Game g;
  FakePlatform platform;
};

TEST_F(PieceMove, BoardMoveLeavesTheFromSquareEmptyAndDrawsBoth) {
  g.Board[3][7] = ManPawn;
  駒移動(g, 3, 7, 3, 6, ManPawn);
  EXPECT_EQ(g.Board[3][7], Empty);
  EXPECT_EQ(g.Board[3][6], ManPawn);
  EXPECT_EQ(platform.surface.picturesAt(3, 7), std::vector<int>{Empty});
  EXPECT_EQ(platform.surface.picturesAt(3, 6), std::vector<int>{ManPawn});
  EXPECT_EQ(g.ManHandTotal, 0);
  EXPECT_EQ(g.ComHandTotal, 0);
  EXPECT_EQ(g.Winner, NoSide);
}

TEST_F(PieceMove, PromotedCodeEndsUpOnTheDestination) {
  g.Board[2][8] = ManBishop;
  駒移動(g, 2, 8, 8, 2, ManHorse);
  EXPECT_EQ(g.Board[8][2], ManHorse);
  EXPECT_EQ(g.Board[2][8], Empty);
}

struct CaptureCase {
  int mover, captured;
  int handIndex;  // 0: nothing goes into hand
};

TEST_F(PieceMove, CapturedPiecesGoDemotedIntoTheCaptorsHand) {
  const CaptureCase cases[] = {
      {ManGold, ComPawn, 1},   {ManGold, ComTokin, 1},     {ManGold, ComLance, 2},  {ManGold, ComPromLance, 2},
      {ManGold, ComKnight, 3}, {ManGold, ComPromKnight, 3}, {ManGold, ComSilver, 4}, {ManGold, ComPromSilver, 4},
      {ManGold, ComGold, 5},   {ManGold, ComBishop, 6},     {ManGold, ComHorse, 6},  {ManGold, ComRook, 7},
      {ManGold, ComDragon, 7}, {ComGold, ManPawn, 1},       {ComGold, ManTokin, 1},  {ComGold, ManPromLance, 2},
      {ComGold, ManKnight, 3}, {ComGold, ManPromSilver, 4}, {ComGold, ManGold, 5},   {ComGold, ManHorse, 6},
      {ComGold, ManDragon, 7}, {ComGold, ManRook, 7},
  };
  for (const CaptureCase& c : cases) {
    Game fresh;
    fresh.Board[5][5] = c.mover;
    fresh.Board[5][4] = c.captured;
    駒移動(fresh, 5, 5, 5, 4, c.mover);
    const HandArray& captor = c.mover < 0 ? fresh.ManHand : fresh.ComHand;
    const HandArray& other = c.mover < 0 ? fresh.ComHand : fresh.ManHand;
    HandArray expected{};
    expected[c.handIndex] = 1;
    EXPECT_EQ(captor, expected) << c.captured;
    EXPECT_EQ(other, HandArray{}) << c.captured;
    EXPECT_EQ(c.mover < 0 ? fresh.ManHandTotal : fresh.ComHandTotal, 1) << c.captured;
    EXPECT_EQ(fresh.Board[5][4], c.mover);
    EXPECT_EQ(fresh.Winner, NoSide);
  }
}

TEST_F(PieceMove, HandStandsShowTheCapturedPieces) {
  g.Board[5][5] = ManSilver;
  g.Board[4][4] = ComHorse;
  駒移動(g, 5, 5, 4, 4, ManSilver);
  const std::vector<int> manBishopCell = platform.surface.picturesAt(11, 8);
  EXPECT_EQ(manBishopCell.back(), ManBishop);

  platform.surface.clear();
  g.Board[6][6] = ComGold;
  g.Board[6][7] = ManDragon;
  駒移動(g, 6, 6, 6, 7, ComGold);
  const std::vector<int> comRookCell = platform.surface.picturesAt(-1, 1);
  ASSERT_FALSE(comRookCell.empty());
  EXPECT_EQ(comRookCell.back(), ComRook);
  EXPECT_TRUE(platform.surface.picturesAt(11, 8).empty());  // MAN's stand unchanged
}

TEST_F(PieceMove, DropsRedrawTheirOwnStand) {
  g.ManHand[1] = 2;
  g.ManHandTotal = 2;
  駒移動(g, 11, 3, 5, 5, ManPawn);
  EXPECT_EQ(platform.surface.picturesAt(11, 3).back(), ManPawn);  // one pawn left
  EXPECT_TRUE(platform.surface.picturesAt(-1, 7).empty());

  platform.surface.clear();
  g.ComHand[1] = 1;
  g.ComHandTotal = 1;
  駒移動(g, -1, 1, 5, 6, ComPawn);
  EXPECT_EQ(platform.surface.picturesAt(-1, 7).back(), Empty);  // none left
  EXPECT_EQ(platform.surface.picturesAt(5, 6).back(), ComPawn);
  EXPECT_TRUE(platform.surface.picturesAt(11, 3).empty());
}

TEST_F(PieceMove, TakingComsKingNamesManTheWinner) {
  g.Board[5][2] = ManGold;
  g.Board[5][1] = ComKing;
  駒移動(g, 5, 2, 5, 1, ManGold);
  EXPECT_EQ(g.Winner, g.ManSide);
  EXPECT_EQ(handSum(g.ManHand), 0);
  EXPECT_EQ(g.ManHandTotal, 1);  // counted before the king was recognised
}

TEST_F(PieceMove, TakingMansKingNamesComTheWinner) {
  g.ManSide = GoteSide;
  g.ComSide = SenteSide;
  g.Board[5][8] = ComDragon;
  g.Board[5][9] = ManKing;
  駒移動(g, 5, 8, 5, 9, ComDragon);
  EXPECT_EQ(g.Winner, SenteSide);
  EXPECT_EQ(handSum(g.ComHand), 0);
}

TEST_F(PieceMove, ManDropTakesTheHandIndexFromTheClickedRow) {
  for (int row = 3; row <= 9; ++row) {
    Game fresh;
    FakePlatform screen;
    screen.attach(fresh);
    fresh.ManHand[row - 2] = 2;
    fresh.ManHandTotal = 2;
    駒移動(fresh, 11, row, 4, 5, ManHandPiece[row - 2]);
    EXPECT_EQ(fresh.ManHand[row - 2], 1) << row;
    EXPECT_EQ(fresh.ManHandTotal, 1) << row;
    EXPECT_EQ(fresh.Board[4][5], ManHandPiece[row - 2]) << row;
    EXPECT_EQ(screen.surface.picturesAt(11, row).front(), Empty) << row;
  }
}

TEST_F(PieceMove, ComDropTakesTheHandIndexAndDrawsItsRow) {
  for (int index = 1; index <= 7; ++index) {
    Game fresh;
    FakePlatform screen;
    screen.attach(fresh);
    fresh.ComHand[index] = 1;
    fresh.ComHandTotal = 1;
    駒移動(fresh, -1, index, 6, 5, ComHandPiece[index]);
    EXPECT_EQ(fresh.ComHand[index], 0) << index;
    EXPECT_EQ(fresh.ComHandTotal, 0) << index;
    EXPECT_EQ(fresh.Board[6][5], ComHandPiece[index]) << index;
    EXPECT_EQ(screen.surface.picturesAt(-1, 8 - index).front(), Empty) << index;
  }
}

TEST_F(PieceMove, ManKingSquareFollowsTheKing) {
  g.Board[5][9] = ManKing;
  g.ManKingX = 5;
  g.ManKingY = 9;
  駒移動(g, 5, 9, 4, 8, ManKing);
  EXPECT_EQ(g.ManKingX, 4);
  EXPECT_EQ(g.ManKingY, 8);
  g.Board[5][1] = ComKing;
  g.ComKingX = 5;
  g.ComKingY = 1;
  駒移動(g, 5, 1, 5, 2, ComKing);
  EXPECT_EQ(g.ComKingX, 5);  // left to the next survey
  EXPECT_EQ(g.ComKingY, 1);
}

TEST_F(PieceMove, MovesOutsideTheBoardOrHandsChangeNothing) {
  g.Board[5][5] = ManGold;
  g.ManHand[1] = 1;
  g.ComHand[1] = 1;
  const BoardMap board = g.Board;
  駒移動(g, 5, 5, 5, 0, ManGold);
  駒移動(g, 5, 5, 10, 5, ManGold);
  駒移動(g, 0, 5, 5, 4, ManGold);
  駒移動(g, 11, 2, 5, 4, ManPawn);
  駒移動(g, 11, 10, 5, 4, ManPawn);
  駒移動(g, -1, 0, 5, 4, ComPawn);
  駒移動(g, -1, 8, 5, 4, ComPawn);
  EXPECT_EQ(g.Board, board);
  EXPECT_EQ(g.ManHand[1], 1);
  EXPECT_EQ(g.ComHand[1], 1);
  EXPECT_TRUE(platform.surface.calls.empty());
}

TEST(TakePiece, CodesThatAreNotPiecesChangeNothing) {
  Game g;
  for (int code : {0, 5, -5, 12, 111, -111, 949, -951, 1000}) {
    駒取得(g, code);
    EXPECT_EQ(g.ManHand, HandArray{}) << code;
    EXPECT_EQ(g.ComHand, HandArray{}) << code;
    EXPECT_EQ(g.Winner, NoSide) << code;
  }
}

struct PromotionCase {
  const char* what;
  int fromX, fromY, toY, piece;
  int expected;
};

TEST(PromotionCheck, ZonesAndPieces) {
  const PromotionCase cases[] = {
      {"man pawn into row 3", 5, 4, 3, ManPawn, TrueValue},
      {"man pawn to row 4", 5, 5, 4, ManPawn, FalseValue},
      {"man lance into row 1", 5, 5, 1, ManLance, TrueValue},
      {"man knight to row 4", 5, 6, 4, ManKnight, FalseValue},
      {"man knight into row 3", 5, 5, 3, ManKnight, TrueValue},
      {"man silver into zone", 5, 4, 3, ManSilver, TrueValue},
      {"man silver leaving zone", 5, 3, 4, ManSilver, TrueValue},
      {"man silver outside zone", 5, 5, 4, ManSilver, FalseValue},
      {"man bishop leaving zone", 2, 2, 5, ManBishop, TrueValue},
      {"man rook leaving zone", 2, 1, 9, ManRook, TrueValue},
      {"man rook outside zone", 2, 9, 4, ManRook, FalseValue},
      {"com pawn into row 7", 5, 6, 7, ComPawn, TrueValue},
      {"com pawn to row 6", 5, 5, 6, ComPawn, FalseValue},
      {"com knight into row 9", 5, 7, 9, ComKnight, TrueValue},
      {"com silver leaving zone", 5, 7, 6, ComSilver, TrueValue},
      {"com bishop leaving zone", 8, 8, 5, ComBishop, TrueValue},
      {"com rook outside zone", 8, 1, 6, ComRook, FalseValue},
      {"com pawn never leaves its zone", 5, 7, 6, ComPawn, FalseValue},
      {"man gold", 5, 4, 3, ManGold, FalseValue},
      {"com gold", 5, 6, 7, ComGold, FalseValue},
      {"man king", 5, 4, 3, ManKing, FalseValue},
      {"com king", 5, 6, 7, ComKing, FalseValue},
      {"man tokin", 5, 4, 3, ManTokin, FalseValue},
      {"man horse", 5, 4, 3, ManHorse, FalseValue},
      {"com dragon", 5, 6, 7, ComDragon, FalseValue},
      {"com promoted silver", 5, 6, 7, ComPromSilver, FalseValue},
      {"man drop into zone", 11, 9, 1, ManRook, FalseValue},
      {"com drop into zone", -1, 7, 9, ComRook, FalseValue},
  };
  for (const PromotionCase& c : cases) {
    Game g;
    g.PromotedCode = 4242;
    const int answer = 調査_駒成(g, c.fromX, c.fromY, 5, c.toY, c.piece);
    EXPECT_EQ(answer, c.expected) << c.what;
    const int promoted = c.piece < 0 ? c.piece - 1 : c.piece + 1;
    EXPECT_EQ(g.PromotedCode, c.expected == TrueValue ? promoted : 4242) << c.what;
  }
}

}  // namespace
}  // namespace vudeve
