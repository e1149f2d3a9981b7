#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "rules/legality.h"

namespace vudeve {
namespace {

struct Placed {
  int x, y, code;
};

struct MoveCase {
  const char* name;
  std::vector<Placed> board;
  int fromX, fromY, toX, toY, piece;
  int expected;
};

void place(Game& g, const std::vector<Placed>& pieces) {
  for (const Placed& p : pieces) g.Board[p.x][p.y] = p.code;
  調査_2歩フラグ設定(g);
}

class MoveCheck : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveCheck, Answers) {
  const MoveCase& c = GetParam();
  Game g;
  place(g, c.board);
  EXPECT_EQ(移動チェック(g, c.fromX, c.fromY, c.toX, c.toY, c.piece), c.expected);
}

std::string caseName(const ::testing::TestParamInfo<MoveCase>& info) { return info.param.name; }

// Board moves: the piece stands on the from-square.
INSTANTIATE_TEST_SUITE_P(BoardMoves, MoveCheck, ::testing::Values(
  MoveCase{"ManPawnForward", {{5, 5, ManPawn}}, 5, 5, 5, 4, ManPawn, TrueValue},
  MoveCase{"ManPawnBackward", {{5, 5, ManPawn}}, 5, 5, 5, 6, ManPawn, FalseValue},
  MoveCase{"ComPawnForward", {{5, 5, ComPawn}}, 5, 5, 5, 6, ComPawn, TrueValue},
  MoveCase{"ManPawnOntoLastRow", {{5, 2, ManPawn}}, 5, 2, 5, 1, ManPawn, TrueValue},
  MoveCase{"ComPawnOntoLastRow", {{5, 8, ComPawn}}, 5, 8, 5, 9, ComPawn, TrueValue},
  MoveCase{"StayOnTheSameSquare", {{5, 5, ManKing}}, 5, 5, 5, 5, ManKing, FalseValue},
  MoveCase{"ToColumnZero", {{1, 5, ManKing}}, 1, 5, 0, 5, ManKing, FalseValue},
  MoveCase{"ToColumnTen", {{9, 5, ManKing}}, 9, 5, 10, 5, ManKing, FalseValue},
  MoveCase{"ToRowZero", {{5, 1, ManKing}}, 5, 1, 5, 0, ManKing, FalseValue},
  MoveCase{"ToRowTen", {{5, 9, ComKing}}, 5, 9, 5, 10, ComKing, FalseValue},
  MoveCase{"ManCapturesOwnPiece", {{5, 5, ManGold}, {5, 4, ManPawn}}, 5, 5, 5, 4, ManGold, FalseValue},
  MoveCase{"ComCapturesOwnPiece", {{5, 5, ComGold}, {5, 6, ComTokin}}, 5, 5, 5, 6, ComGold, FalseValue},
  MoveCase{"ManCapturesComKing", {{5, 5, ManGold}, {5, 4, ComKing}}, 5, 5, 5, 4, ManGold, TrueValue},
  MoveCase{"ComCapturesManKing", {{5, 5, ComSilver}, {4, 6, ManKing}}, 5, 5, 4, 6, ComSilver, TrueValue},
  MoveCase{"ManLanceSlides", {{5, 9, ManLance}}, 5, 9, 5, 1, ManLance, TrueValue},
  MoveCase{"ManLanceBlockedByOwn", {{5, 9, ManLance}, {5, 5, ManPawn}}, 5, 9, 5, 1, ManLance, FalseValue},
  MoveCase{"ManLanceBlockedByEnemy", {{5, 9, ManLance}, {5, 5, ComPawn}}, 5, 9, 5, 1, ManLance, FalseValue},
  MoveCase{"ManLanceCapturesBlocker", {{5, 9, ManLance}, {5, 5, ComPawn}}, 5, 9, 5, 5, ManLance, TrueValue},
  MoveCase{"ManLanceBackward", {{5, 5, ManLance}}, 5, 5, 5, 7, ManLance, FalseValue},
  MoveCase{"ComLanceSlides", {{5, 1, ComLance}}, 5, 1, 5, 9, ComLance, TrueValue},
  MoveCase{"ComLanceBlocked", {{5, 1, ComLance}, {5, 4, ManPawn}}, 5, 1, 5, 9, ComLance, FalseValue},
  MoveCase{"ComLanceSideways", {{5, 1, ComLance}}, 5, 1, 6, 2, ComLance, FalseValue},
  MoveCase{"ManKnightLeft", {{5, 9, ManKnight}}, 5, 9, 4, 7, ManKnight, TrueValue},
  MoveCase{"ManKnightRight", {{5, 9, ManKnight}}, 5, 9, 6, 7, ManKnight, TrueValue},
  MoveCase{"ManKnightStraight", {{5, 9, ManKnight}}, 5, 9, 5, 7, ManKnight, FalseValue},
  MoveCase{"ManKnightBackward", {{5, 5, ManKnight}}, 5, 5, 4, 7, ManKnight, FalseValue},
  MoveCase{"ComKnightJumpsOverPieces", {{5, 1, ComKnight}, {5, 2, ComPawn}, {4, 2, ManPawn}}, 5, 1, 4, 3, ComKnight, TrueValue},
  MoveCase{"ManSilverForward", {{5, 5, ManSilver}}, 5, 5, 5, 4, ManSilver, TrueValue},
  MoveCase{"ManSilverForwardDiagonal", {{5, 5, ManSilver}}, 5, 5, 4, 4, ManSilver, TrueValue},
  MoveCase{"ManSilverBackDiagonal", {{5, 5, ManSilver}}, 5, 5, 6, 6, ManSilver, TrueValue},
  MoveCase{"ManSilverSideways", {{5, 5, ManSilver}}, 5, 5, 4, 5, ManSilver, FalseValue},
  MoveCase{"ManSilverStraightBack", {{5, 5, ManSilver}}, 5, 5, 5, 6, ManSilver, FalseValue},
  MoveCase{"ComSilverForward", {{5, 5, ComSilver}}, 5, 5, 5, 6, ComSilver, TrueValue},
  MoveCase{"ComSilverBackDiagonal", {{5, 5, ComSilver}}, 5, 5, 4, 4, ComSilver, TrueValue},
  MoveCase{"ComSilverStraightBack", {{5, 5, ComSilver}}, 5, 5, 5, 4, ComSilver, FalseValue},
  MoveCase{"ComSilverSideways", {{5, 5, ComSilver}}, 5, 5, 6, 5, ComSilver, FalseValue},
  MoveCase{"ManGoldForwardDiagonal", {{5, 5, ManGold}}, 5, 5, 6, 4, ManGold, TrueValue},
  MoveCase{"ManGoldSideways", {{5, 5, ManGold}}, 5, 5, 6, 5, ManGold, TrueValue},
  MoveCase{"ManGoldStraightBack", {{5, 5, ManGold}}, 5, 5, 5, 6, ManGold, TrueValue},
  MoveCase{"ManGoldBackDiagonal", {{5, 5, ManGold}}, 5, 5, 4, 6, ManGold, FalseValue},
  MoveCase{"ComGoldBackDiagonal", {{5, 5, ComGold}}, 5, 5, 4, 4, ComGold, FalseValue},
  MoveCase{"ComGoldForwardDiagonal", {{5, 5, ComGold}}, 5, 5, 4, 6, ComGold, TrueValue},
  MoveCase{"ComGoldStraightBack", {{5, 5, ComGold}}, 5, 5, 5, 4, ComGold, TrueValue},
  MoveCase{"ManTokinMovesAsGold", {{5, 5, ManTokin}}, 5, 5, 4, 6, ManTokin, FalseValue},
  MoveCase{"ManPromSilverSideways", {{5, 5, ManPromSilver}}, 5, 5, 4, 5, ManPromSilver, TrueValue},
  MoveCase{"ComPromKnightBackDiagonal", {{5, 5, ComPromKnight}}, 5, 5, 6, 4, ComPromKnight, FalseValue},
  MoveCase{"ComPromLanceForwardDiagonal", {{5, 5, ComPromLance}}, 5, 5, 6, 6, ComPromLance, TrueValue},
  MoveCase{"KingStep", {{5, 5, ManKing}}, 5, 5, 6, 6, ManKing, TrueValue},
  MoveCase{"KingTwoSquares", {{5, 5, ComKing}}, 5, 5, 5, 7, ComKing, FalseValue},
  MoveCase{"BishopRisingUp", {{2, 8, ManBishop}}, 2, 8, 8, 2, ManBishop, TrueValue},
  MoveCase{"BishopRisingDown", {{8, 2, ComBishop}}, 8, 2, 2, 8, ComBishop, TrueValue},
  MoveCase{"BishopFallingUp", {{8, 8, ManBishop}}, 8, 8, 2, 2, ManBishop, TrueValue},
  MoveCase{"BishopFallingDown", {{2, 2, ComBishop}}, 2, 2, 8, 8, ComBishop, TrueValue},
  MoveCase{"BishopRisingUpBlocked", {{2, 8, ManBishop}, {6, 4, ComPawn}}, 2, 8, 8, 2, ManBishop, FalseValue},
  MoveCase{"BishopRisingDownBlocked", {{8, 2, ComBishop}, {3, 7, ComPawn}}, 8, 2, 2, 8, ComBishop, FalseValue},
  MoveCase{"BishopFallingUpBlocked", {{8, 8, ManBishop}, {3, 3, ManPawn}}, 8, 8, 2, 2, ManBishop, FalseValue},
  MoveCase{"BishopFallingDownBlocked", {{2, 2, ComBishop}, {7, 7, ManPawn}}, 2, 2, 8, 8, ComBishop, FalseValue},
  MoveCase{"BishopCapturesAtLineEnd", {{2, 2, ComBishop}, {8, 8, ManPawn}}, 2, 2, 8, 8, ComBishop, TrueValue},
  MoveCase{"BishopOffDiagonal", {{5, 5, ManBishop}}, 5, 5, 6, 7, ManBishop, FalseValue},
  MoveCase{"BishopOrthogonalStep", {{5, 5, ManBishop}}, 5, 5, 5, 4, ManBishop, FalseValue},
  MoveCase{"HorseOrthogonalStep", {{5, 5, ManHorse}}, 5, 5, 5, 4, ManHorse, TrueValue},
  MoveCase{"HorseSlides", {{5, 5, ComHorse}}, 5, 5, 9, 9, ComHorse, TrueValue},
  MoveCase{"HorseSlideBlocked", {{5, 5, ComHorse}, {7, 7, ComPawn}}, 5, 5, 9, 9, ComHorse, FalseValue},
  MoveCase{"HorseTwoOrthogonal", {{5, 5, ManHorse}}, 5, 5, 5, 3, ManHorse, FalseValue},
  MoveCase{"RookSlidesUp", {{5, 9, ManRook}}, 5, 9, 5, 1, ManRook, TrueValue},
  MoveCase{"RookSlidesDown", {{5, 1, ComRook}}, 5, 1, 5, 9, ComRook, TrueValue},
  MoveCase{"RookSlidesLeft", {{9, 5, ManRook}}, 9, 5, 1, 5, ManRook, TrueValue},
  MoveCase{"RookSlidesRight", {{1, 5, ComRook}}, 1, 5, 9, 5, ComRook, TrueValue},
  MoveCase{"RookBlockedVertically", {{5, 9, ManRook}, {5, 2, ComGold}}, 5, 9, 5, 1, ManRook, FalseValue},
  MoveCase{"RookBlockedHorizontally", {{9, 5, ManRook}, {2, 5, ManPawn}}, 9, 5, 1, 5, ManRook, FalseValue},
  MoveCase{"RookCapturesAtLineEnd", {{9, 5, ManRook}, {1, 5, ComGold}}, 9, 5, 1, 5, ManRook, TrueValue},
  MoveCase{"RookDiagonal", {{5, 5, ComRook}}, 5, 5, 6, 6, ComRook, FalseValue},
  MoveCase{"DragonDiagonalStep", {{5, 5, ComDragon}}, 5, 5, 6, 6, ComDragon, TrueValue},
  MoveCase{"DragonSlides", {{5, 5, ManDragon}}, 5, 5, 5, 1, ManDragon, TrueValue},
  MoveCase{"DragonTwoDiagonal", {{5, 5, ManDragon}}, 5, 5, 7, 7, ManDragon, FalseValue},
  MoveCase{"HypotheticalPieceOnEmptySquare", {}, 5, 5, 5, 1, ManRook, TrueValue},
  MoveCase{"NotAPiece", {}, 5, 5, 5, 4, Empty, FalseValue}),
  caseName);

INSTANTIATE_TEST_SUITE_P(Drops, MoveCheck, ::testing::Values(
  MoveCase{"ManPawnRow2", {}, 11, 3, 5, 2, ManPawn, TrueValue},
  MoveCase{"ManPawnRow1", {}, 11, 3, 5, 1, ManPawn, FalseValue},
  MoveCase{"ComPawnRow8", {}, -1, 1, 5, 8, ComPawn, TrueValue},
  MoveCase{"ComPawnRow9", {}, -1, 1, 5, 9, ComPawn, FalseValue},
  MoveCase{"ManLanceRow1", {}, 11, 4, 5, 1, ManLance, FalseValue},
  MoveCase{"ManLanceRow2", {}, 11, 4, 5, 2, ManLance, TrueValue},
  MoveCase{"ComLanceRow9", {}, -1, 2, 5, 9, ComLance, FalseValue},
  MoveCase{"ManKnightRow3", {}, 11, 5, 5, 3, ManKnight, TrueValue},
  MoveCase{"ManKnightRow2", {}, 11, 5, 5, 2, ManKnight, FalseValue},
  MoveCase{"ManKnightRow1", {}, 11, 5, 5, 1, ManKnight, FalseValue},
  MoveCase{"ComKnightRow7", {}, -1, 3, 5, 7, ComKnight, TrueValue},
  MoveCase{"ComKnightRow8", {}, -1, 3, 5, 8, ComKnight, FalseValue},
  MoveCase{"ComKnightRow9", {}, -1, 3, 5, 9, ComKnight, FalseValue},
  MoveCase{"ManGoldOnLastRow", {}, 11, 7, 5, 1, ManGold, TrueValue},
  MoveCase{"ComRookAnywhere", {{5, 3, ComPawn}}, -1, 7, 5, 9, ComRook, TrueValue},
  MoveCase{"ManBishopFarFromHand", {}, 11, 8, 1, 1, ManBishop, TrueValue},
  MoveCase{"PawnOnFileWithOwnPawn", {{5, 7, ManPawn}}, 11, 3, 5, 4, ManPawn, FalseValue},
  MoveCase{"PawnOnFileWithOwnTokin", {{5, 2, ManTokin}}, 11, 3, 5, 4, ManPawn, TrueValue},
  MoveCase{"PawnOnFileWithEnemyPawn", {{5, 3, ComPawn}}, 11, 3, 5, 4, ManPawn, TrueValue},
  MoveCase{"ComPawnOnFileWithOwnPawn", {{2, 3, ComPawn}}, -1, 1, 2, 6, ComPawn, FalseValue},
  MoveCase{"ComPawnOnFileWithOwnTokin", {{2, 8, ComTokin}}, -1, 1, 2, 6, ComPawn, TrueValue},
  MoveCase{"OntoEnemyPiece", {{5, 5, ComPawn}}, 11, 6, 5, 5, ManSilver, FalseValue},
  MoveCase{"OntoOwnPiece", {{5, 5, ComPawn}}, -1, 6, 5, 5, ComGold, FalseValue},
  MoveCase{"ToColumnZero", {}, 11, 3, 0, 5, ManGold, FalseValue},
  MoveCase{"ToRowTen", {}, -1, 3, 5, 10, ComGold, FalseValue}),
  caseName);

TEST(MoveCheck, DropNeverReadsTheHandCell) {
  // Whatever the caller passes as the hand row, only the target matters.
  Game g;
  調査_2歩フラグ設定(g);
  for (int fromY : {INT_MIN, -5, 0, 1, 9, 12, INT_MAX}) {
    EXPECT_EQ(移動チェック(g, 11, fromY, 5, 5, ManGold), TrueValue) << fromY;
    EXPECT_EQ(移動チェック(g, -1, fromY, 5, 5, ComGold), TrueValue) << fromY;
  }
}

TEST(MoveCheck, FromSquaresOffTheBoardStayInBounds) {
  // Hypothetical from-squares on the margin or far away: the answer follows
  // the piece's geometry and nothing is read outside the board array.
  Game g;
  g.Board[5][5] = ComPawn;
  EXPECT_EQ(移動チェック(g, 0, 5, 1, 5, ManKing), TrueValue);
  EXPECT_EQ(移動チェック(g, 5, 0, 5, 9, ComLance), FalseValue);  // blocked at (5, 5)
  EXPECT_EQ(移動チェック(g, 4, 0, 4, 9, ComLance), TrueValue);
  EXPECT_EQ(移動チェック(g, 10, 9, 1, 9, ManRook), TrueValue);
  EXPECT_EQ(移動チェック(g, 0, 0, 9, 9, ManBishop), FalseValue);  // blocked at (5, 5)
  for (int far : {-1000, -2, 12, 1000}) {
    for (int piece : {ManLance, ComLance, ManRook, ComDragon, ManBishop, ComHorse}) {
      EXPECT_EQ(移動チェック(g, 5, far, 5, 4, piece), FalseValue) << far << " " << piece;
      EXPECT_EQ(移動チェック(g, far, 4, 5, 4, piece), FalseValue) << far << " " << piece;
    }
  }
}

TEST(LineChecks, DestinationItselfIsNotExamined) {
  Game g;
  g.Board[5][1] = ManKing;
  g.Board[1][1] = ComKing;
  EXPECT_EQ(移動チェック飛車(g, 5, 9, 5, 1), TrueValue);
  EXPECT_EQ(移動チェック角(g, 9, 9, 1, 1), TrueValue);
}

TEST(LineChecks, AdjacentSquaresNeedNoEmptySquares) {
  Game g;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) g.Board[x][y] = ComGold;
  EXPECT_EQ(移動チェック飛車(g, 5, 5, 5, 4), TrueValue);
  EXPECT_EQ(移動チェック飛車(g, 5, 5, 6, 5), TrueValue);
  EXPECT_EQ(移動チェック角(g, 5, 5, 6, 4), TrueValue);
  EXPECT_EQ(移動チェック角(g, 5, 5, 4, 6), TrueValue);
  EXPECT_EQ(移動チェック飛車(g, 5, 5, 5, 3), FalseValue);
  EXPECT_EQ(移動チェック角(g, 5, 5, 3, 7), FalseValue);
}

struct AfterMoveCase {
  int piece;
  int freeRows;  // rows 1..freeRows (MAN) or 10-freeRows..9 (COM) force promotion
};

TEST(AfterMoveCheck, ForcedPromotionRows) {
  const AfterMoveCase cases[] = {{ManPawn, 1}, {ManLance, 1}, {ManKnight, 2},
                                 {ComPawn, 1}, {ComLance, 1}, {ComKnight, 2}};
  for (const AfterMoveCase& c : cases) {
    for (int y = 1; y <= 9; ++y) {
      const bool stuck = c.piece < 0 ? y <= c.freeRows : y >= 10 - c.freeRows;
      EXPECT_EQ(移動後チェック(y, c.piece), stuck ? FalseValue : TrueValue) << c.piece << " row " << y;
    }
  }
  for (int piece : {ManSilver, ManTokin, ManGold, ManRook, ComBishop, ComPromLance, ComKing})
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(移動後チェック(y, piece), TrueValue) << piece << " row " << y;
}

TEST(TwoPawnFlags, OnlyUnpromotedPawnsOfEachSideCount) {
  Game g;
  g.ManPawnFiles[4] = 1;  // stale flag, must be cleared
  g.Board[1][7] = ManPawn;
  g.Board[2][2] = ManTokin;
  g.Board[3][3] = ComPawn;
  g.Board[9][9] = ManPawn;
  g.Board[9][1] = ComPawn;
  g.Board[6][6] = ComTokin;
  調査_2歩フラグ設定(g);
  const std::array<int, 10> man = {0, 1, 0, 0, 0, 0, 0, 0, 0, 1};
  const std::array<int, 10> com = {0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
  EXPECT_EQ(g.ManPawnFiles, man);
  EXPECT_EQ(g.ComPawnFiles, com);
}

}  // namespace
}  // namespace vudeve
