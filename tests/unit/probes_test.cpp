#include <gtest/gtest.h>

#include <ostream>

#include "engine/probes.h"
#include "rules/influence.h"
#include "support/board_builder.h"

namespace vudeve {
namespace {

using testing::mapSum;
using testing::placeOnly;

struct CrowdCase {
  int x, y;
  int expected;
};

void PrintTo(const CrowdCase& c, std::ostream* os) { *os << "(" << c.x << ", " << c.y << ")"; }

class Surroundings : public ::testing::TestWithParam<CrowdCase> {};

// Majors of both sides and the computer king around the corners and the
// centre; only computer codes of 800 and more count.
TEST_P(Surroundings, CountsComputerMajorsAndKingOnTheBoardOnly) {
  Game g;
  placeOnly(g, {{1, 2, ComBishop}, {2, 1, ComRook}, {2, 2, ComKing}, {3, 3, ComGold}, {1, 3, ComHorse},
                {9, 8, ComDragon}, {8, 9, ManRook}, {8, 8, ComPromSilver},
                {4, 4, ComRook}, {5, 4, ComHorse}, {6, 4, ComDragon}, {4, 5, ComBishop}, {6, 5, ComKing},
                {4, 6, ComBishop}, {5, 6, ManDragon}, {6, 6, ComPawn}, {5, 5, ComRook}});
  EXPECT_EQ(調査_周辺状況(g, GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Corners, Surroundings, ::testing::Values(
    CrowdCase{1, 1, -3},   // (1,2), (2,1), (2,2)
    CrowdCase{9, 9, -1},   // dragon only; the human rook and promoted silver do not count
    CrowdCase{9, 1, 0},
    CrowdCase{5, 5, -6},   // the centre itself is not counted
    CrowdCase{1, 9, 0}));

TEST(SafeDestinations, NoLegalMoveAndEveryDestinationCoveredBothGiveZero) {
  Game g;
  // A computer pawn blocked by its own piece, and a computer king in the
  // corner whose three squares the human covers.
  placeOnly(g, {{1, 8, ComPawn}, {1, 9, ComGold}, {9, 1, ComKing}, {7, 3, ManGold}, {9, 3, ManGold},
                {5, 9, ManKing}});
  勢力調査(g);
  EXPECT_EQ(調査_移動可場所数(g, 1, 8, ComPawn), 0);
  EXPECT_EQ(g.ManInfluence[8][1], 0);
  EXPECT_EQ(調査_移動可場所数(g, 9, 1, ComKing), 1);  // (8, 1) stays free
  g.Board[8][5] = ManLance;
  勢力調査(g);
  EXPECT_EQ(調査_移動可場所数(g, 9, 1, ComKing), 0);
}

TEST(SafeDestinations, KingInAFreeCornerAndAPieceThatIsNotThere) {
  Game g;
  placeOnly(g, {{1, 1, ComKing}, {9, 9, ManKing}});
  勢力調査(g);
  EXPECT_EQ(調査_移動可場所数(g, 1, 1, ComKing), 3);
  // The square need not hold the piece: a rook on the empty (5, 5).
  EXPECT_EQ(調査_移動可場所数(g, 5, 5, ComRook), 16);
  // The human side counts the computer's cover instead.
  EXPECT_EQ(調査_移動可場所数(g, 2, 3, ManKing), 6);
}

TEST(FileGuard, FindsAHumanLanceRookOrDragonBelow) {
  Game g;
  placeOnly(g, {{3, 2, ComSilver}, {3, 7, ManRook}, {5, 3, ComGold}, {5, 5, ManPawn}, {5, 8, ManLance},
                {7, 3, ManGold}, {7, 5, ComPawn}, {7, 9, ManDragon}, {1, 1, ComKing}, {9, 9, ManKing}});
  // The piece on the square itself is lifted and put back.
  EXPECT_EQ(調査_自守駒MAN_直進駒(g, 3, 2), TrueValue);
  EXPECT_EQ(g.Board[3][2], ComSilver);
  // A human pawn in between is passed over by the look but blocks the lance.
  EXPECT_EQ(調査_自守駒MAN_直進駒(g, 5, 3), FalseValue);
  EXPECT_EQ(調査_自守駒MAN_直進駒(g, 5, 6), TrueValue);
  // A computer piece in between ends the look.
  EXPECT_EQ(調査_自守駒MAN_直進駒(g, 7, 3), FalseValue);
  EXPECT_EQ(調査_自守駒MAN_直進駒(g, 7, 6), TrueValue);
  // Nothing lies below row 9.
  EXPECT_EQ(調査_自守駒MAN_直進駒(g, 3, 9), FalseValue);
  EXPECT_EQ(調査_自守駒MAN_直進駒(g, 7, 9), FalseValue);
}

TEST(PinnedPieces, HumanPieceShieldingItsKingFromALinePiece) {
  Game g;
  placeOnly(g, {{5, 1, ComRook}, {5, 6, ManSilver}, {5, 9, ManKing}, {6, 8, ManGold}, {7, 7, ManPawn},
                {9, 5, ComBishop}, {1, 1, ComKing}, {2, 9, ManLance}});
  const BoardMap before = g.Board;
  勢力調査(g);
  調査_移動不可駒(g);
  EXPECT_EQ(g.ManPinned[5][6], 1);
  // Two pieces on the bishop's diagonal: lifting either leaves it blocked.
  EXPECT_EQ(g.ManPinned[6][8], 0);
  EXPECT_EQ(g.ManPinned[7][7], 0);
  EXPECT_EQ(g.ManPinned[5][9], 0);
  EXPECT_EQ(mapSum(g.ManPinned), 1);
  EXPECT_EQ(g.AnyComPinned, FalseValue);
  EXPECT_EQ(g.Board, before);
}

TEST(PinnedPieces, CheckFromALinePieceMarksEveryPieceOfThatSide) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {5, 9, ManRook}, {1, 9, ManKing}, {9, 1, ComGold}, {1, 1, ComRook},
                {3, 7, ManPawn}});
  g.ManPinned[9][9] = 1;  // the survey clears what an earlier turn left
  勢力調査(g);
  調査_移動不可駒(g);
  EXPECT_EQ(g.AnyComPinned, TrueValue);
  // The computer rook on file 1 checks the human king down the file.
  EXPECT_EQ(g.ManPinned[5][9], 1);
  EXPECT_EQ(g.ManPinned[3][7], 1);
  EXPECT_EQ(g.ManPinned[1][9], 1);
  EXPECT_EQ(g.ManPinned[9][9], 0);
}

TEST(BishopCheckSquares, EmptyUncoveredSquaresOnTheKingsDiagonals) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {7, 3, ComPawn}, {2, 4, ComGold}, {9, 9, ManKing}});
  g.ManBishopCheckSquares[5][5] = 1;
  勢力調査(g);
  調査_持角狙座標(g);
  // (4, 2) and (6, 2) are covered by the king, (2, 4) and (7, 3) are
  // occupied and block what lies behind them, and the gold covers (1, 5).
  EXPECT_EQ(g.ManBishopCheckSquares[3][3], 1);
  EXPECT_EQ(g.ManBishopCheckSquares[1][5], 0);
  EXPECT_EQ(g.ManBishopCheckSquares[4][2], 0);
  EXPECT_EQ(g.ManBishopCheckSquares[8][4], 0);
  EXPECT_EQ(g.ManBishopCheckSquares[5][5], 0);
  EXPECT_EQ(mapSum(g.ManBishopCheckSquares), 1);
}

TEST(LanceTarget, ValueOfThePieceDownTheFileWhenAMajorAttacksThePawn) {
  Game g;
  placeOnly(g, {{5, 7, ComPawn}, {5, 5, ComGold}, {5, 9, ManRook}, {1, 1, ComKing}, {9, 9, ManKing}});
  勢力調査(g);
  ASSERT_EQ(g.ManAttackerCode[5][7], ManRook);
  EXPECT_EQ(調査_香狙い(g, 5, 7), 900);

  // A cheaper attacker, the square behind covered by the human, or the
  // pawn not past row 6: nothing.
  g.Board[4][9] = ManKnight;
  勢力調査(g);
  EXPECT_EQ(調査_香狙い(g, 5, 7), 0);
  g.Board[4][9] = Empty;
  g.Board[4][7] = ManSilver;
  勢力調査(g);
  ASSERT_EQ(g.ManAttackerCode[5][7], ManRook);
  EXPECT_EQ(調査_香狙い(g, 5, 7), 0);

  placeOnly(g, {{5, 6, ComPawn}, {5, 4, ComGold}, {5, 9, ManRook}, {1, 1, ComKing}, {9, 9, ManKing}});
  勢力調査(g);
  EXPECT_EQ(調査_香狙い(g, 5, 6), 0);
}

TEST(KnightTarget, MajorPiecesTwoColumnsAwayThatAreNotTheAttacker) {
  Game g;
  placeOnly(g, {{5, 6, ComPawn}, {5, 9, ManRook}, {3, 6, ManBishop}, {7, 6, ManKing}, {1, 1, ComKing}});
  勢力調査(g);
  ASSERT_EQ(g.ManAttackerCode[5][6], ManRook);
  EXPECT_EQ(調査_桂狙い(g, 5, 6), 800 + 950);

  // The knight's square covered by the human on one side.
  g.Board[4][7] = ManLance;
  勢力調査(g);
  EXPECT_EQ(調査_桂狙い(g, 5, 6), 950);

  // The piece two columns away is itself the cheapest attacker.
  placeOnly(g, {{5, 6, ComPawn}, {7, 6, ManRook}, {1, 1, ComKing}, {9, 9, ManKing}});
  勢力調査(g);
  EXPECT_EQ(調査_桂狙い(g, 5, 6), 0);

  // At the edge only the inner side is looked at.
  placeOnly(g, {{2, 6, ComPawn}, {2, 9, ManRook}, {4, 6, ManDragon}, {1, 1, ComKing}, {9, 9, ManKing}});
  勢力調査(g);
  EXPECT_EQ(調査_桂狙い(g, 2, 6), 901);
}

}  // namespace
}  // namespace vudeve
