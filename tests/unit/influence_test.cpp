#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "rules/influence.h"
#include "rules/setup.h"
#include "support/board_builder.h"

namespace vudeve {
namespace {

using testing::mapSum;
using testing::placeOnly;
using Square = std::pair<int, int>;

std::set<Square> reached(const BoardMap& influence) {
  std::set<Square> squares;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (influence[x][y] != 0) squares.insert({x, y});
  return squares;
}

TEST(InfluenceSurvey, TwoKingsAloneRecordOnlyInfluenceAndTheirSquares) {
  Game g;
  placeOnly(g, {{3, 3, ComKing}, {7, 7, ManKing}});
  勢力調査(g);

  EXPECT_EQ(reached(g.ComInfluence),
            (std::set<Square>{{2, 2}, {3, 2}, {4, 2}, {2, 3}, {4, 3}, {2, 4}, {3, 4}, {4, 4}}));
  EXPECT_EQ(reached(g.ManInfluence),
            (std::set<Square>{{6, 6}, {7, 6}, {8, 6}, {6, 7}, {8, 7}, {6, 8}, {7, 8}, {8, 8}}));
  EXPECT_EQ(mapSum(g.ComInfluence), 8);
  EXPECT_EQ(mapSum(g.ManInfluence), 8);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(g.ManGuardCode[x][y], 999);
      EXPECT_EQ(g.ComGuardCode[x][y], 999);
      EXPECT_EQ(g.ManAttackerCode[x][y], -999);
      EXPECT_EQ(g.ComAttackerCode[x][y], 999);
      EXPECT_EQ(g.ManAttackerX[x][y], 0);
      EXPECT_EQ(g.ComKingChecks[x][y], 0);
      EXPECT_EQ(g.ManKingChecks[x][y], 0);
    }
  }
  EXPECT_EQ(g.ComKingX, 3);
  EXPECT_EQ(g.ComKingY, 3);
  EXPECT_EQ(g.ManKingX, 7);
  EXPECT_EQ(g.ManKingY, 7);
}

TEST(InfluenceSurvey, MissingKingKeepsItsLastSquare) {
  Game g;
  g.ComKingX = 4;
  g.ComKingY = 2;
  placeOnly(g, {{7, 7, ManKing}});
  勢力調査(g);
  EXPECT_EQ(g.ComKingX, 4);
  EXPECT_EQ(g.ComKingY, 2);
}

TEST(InfluenceSurvey, ResetClearsEverySurveyedMapOfAnEarlierPosition) {
  Game g;
  初期設定(g);
  勢力調査(g);
  placeOnly(g, {});
  勢力調査(g);
  EXPECT_EQ(mapSum(g.ManInfluence), 0);
  EXPECT_EQ(mapSum(g.ComInfluence), 0);
  EXPECT_EQ(mapSum(g.ManAttackerX), 0);
  EXPECT_EQ(mapSum(g.ManAttackerY), 0);
  EXPECT_EQ(mapSum(g.ManGuardCode), 81 * 999);
  EXPECT_EQ(mapSum(g.ManAttackerCode), 81 * -999);
}

TEST(InfluenceSurvey, PawnCheckMarksOnlyThePawn) {
  Game g;
  placeOnly(g, {{5, 5, ComKing}, {5, 6, ManPawn}, {1, 9, ManKing}});
  勢力調査(g);
  EXPECT_EQ(g.ManInfluence[5][5], 1);
  EXPECT_EQ(g.ManAttackerCode[5][5], ManPawn);
  EXPECT_EQ(g.ManAttackerX[5][5], 5);
  EXPECT_EQ(g.ManAttackerY[5][5], 6);
  EXPECT_EQ(g.ComKingChecks[5][6], 9);
  EXPECT_EQ(mapSum(g.ComKingChecks), 9);
  EXPECT_EQ(mapSum(g.ManKingChecks), 0);
}

TEST(InfluenceSurvey, RookCheckSeesThroughTheKingUpToTheNextPiece) {
  Game g;
  placeOnly(g, {{5, 9, ManRook}, {5, 5, ComKing}, {5, 2, ComPawn}, {1, 9, ManKing}});
  勢力調査(g);
  for (int y = 6; y <= 8; ++y) EXPECT_EQ(g.ComKingChecks[5][y], 1) << y;
  EXPECT_EQ(g.ComKingChecks[5][9], 9);
  EXPECT_EQ(g.ComKingChecks[5][5], 0);
  EXPECT_EQ(mapSum(g.ComKingChecks), 12);
  EXPECT_EQ(g.ManInfluence[5][4], 1);
  EXPECT_EQ(g.ManInfluence[5][3], 1);
  EXPECT_EQ(g.ManInfluence[5][2], 1);
  EXPECT_EQ(g.ManAttackerCode[5][2], ManRook);
  EXPECT_EQ(g.ManInfluence[5][1], 0);
  EXPECT_EQ(g.ManAttackerCode[5][5], ManRook);
}

TEST(InfluenceSurvey, LineStopsAtItsOwnKing) {
  Game g;
  placeOnly(g, {{1, 9, ManRook}, {1, 5, ManKing}, {9, 1, ComKing}});
  勢力調査(g);
  EXPECT_EQ(g.ManInfluence[1][5], 1);
  EXPECT_EQ(g.ManGuardCode[1][5], ManRook);
  EXPECT_EQ(g.ManInfluence[1][3], 0);
}

TEST(InfluenceSurvey, BishopCheckMarksTheDiagonalAndRecordsTheAttacker) {
  Game g;
  placeOnly(g, {{2, 2, ComBishop}, {5, 5, ManKing}, {9, 1, ComKing}});
  勢力調査(g);
  EXPECT_EQ(g.ManKingChecks[3][3], 1);
  EXPECT_EQ(g.ManKingChecks[4][4], 1);
  EXPECT_EQ(g.ManKingChecks[2][2], 9);
  EXPECT_EQ(mapSum(g.ManKingChecks), 11);
  for (int d = 6; d <= 9; ++d) EXPECT_EQ(g.ComInfluence[d][d], 1) << d;
  EXPECT_EQ(g.ComAttackerCode[5][5], ComBishop);
  EXPECT_EQ(g.ComAttackerX[5][5], 2);
  EXPECT_EQ(g.ComAttackerY[5][5], 2);
}

TEST(InfluenceSurvey, PieceBehindTheKingIsRecordedAndStopsTheLine) {
  Game g;
  placeOnly(g, {{1, 5, ComRook}, {4, 5, ManKing}, {6, 5, ManGold}, {9, 9, ComKing}});
  勢力調査(g);
  EXPECT_EQ(g.ComInfluence[5][5], 1);
  EXPECT_EQ(g.ComInfluence[6][5], 1);
  EXPECT_EQ(g.ComAttackerCode[6][5], ComRook);
  EXPECT_EQ(g.ComInfluence[7][5], 0);
}

TEST(InfluenceSurvey, KingAmongTheGuardsGivesMostValuableHumanAndCheapestComGuard) {
  Game g;
  placeOnly(g, {{5, 7, ManSilver}, {5, 8, ManPawn}, {4, 8, ManKing},
                {5, 3, ComGold}, {5, 2, ComPawn}, {4, 2, ComKing}});
  勢力調査(g);
  EXPECT_EQ(g.ManGuardCode[5][7], ManKing);
  EXPECT_EQ(g.ManInfluence[5][7], 2);
  EXPECT_EQ(g.ComGuardCode[5][3], ComPawn);
  EXPECT_EQ(g.ComInfluence[5][3], 2);
}

TEST(InfluenceSurvey, PromotedPiecesGuardWithTheirCodeOnlyForTheHumanSide) {
  Game g;
  placeOnly(g, {{5, 4, ComTokin}, {5, 5, ComSilver}, {5, 6, ManTokin}, {5, 7, ManSilver}});
  勢力調査(g);
  EXPECT_EQ(g.ComGuardCode[5][5], ComGold);
  EXPECT_EQ(g.ManGuardCode[5][7], ManTokin);
}

TEST(InfluenceSurvey, OnlyComLinePiecesEnterTheComAttacker) {
  Game g;
  // The same human target attacked by a silver and a rook of each side.
  placeOnly(g, {{5, 4, ComSilver}, {1, 5, ComRook}, {5, 5, ManGold}});
  勢力調査(g);
  EXPECT_EQ(g.ComInfluence[5][5], 2);
  EXPECT_EQ(g.ComAttackerCode[5][5], ComRook);
  EXPECT_EQ(g.ComAttackerX[5][5], 1);
  EXPECT_EQ(g.ComAttackerY[5][5], 5);

  placeOnly(g, {{5, 6, ManSilver}, {9, 5, ManRook}, {5, 5, ComGold}});
  勢力調査(g);
  EXPECT_EQ(g.ManAttackerCode[5][5], ManSilver);
  EXPECT_EQ(g.ManAttackerX[5][5], 5);
  EXPECT_EQ(g.ManAttackerY[5][5], 6);
}

TEST(InfluenceSurvey, FirstOfEqualAttackersInScanOrderKeepsItsSquare) {
  Game g;
  placeOnly(g, {{4, 6, ManSilver}, {6, 6, ManSilver}, {5, 5, ComGold}});
  勢力調査(g);
  EXPECT_EQ(g.ManInfluence[5][5], 2);
  EXPECT_EQ(g.ManAttackerX[5][5], 4);
  EXPECT_EQ(g.ManAttackerY[5][5], 6);

  // Same column: the smaller row is met first.
  placeOnly(g, {{5, 3, ComGold}, {4, 2, ManSilver}, {4, 4, ManSilver}});
  勢力調査(g);
  EXPECT_EQ(g.ManInfluence[5][3], 2);
  EXPECT_EQ(g.ManAttackerX[5][3], 4);
  EXPECT_EQ(g.ManAttackerY[5][3], 2);
}

TEST(InfluenceSurvey, ComPawnLowersTheAttackerButLeavesTheLinePiecesSquare) {
  Game g;
  placeOnly(g, {{1, 5, ComRook}, {5, 5, ManGold}, {5, 4, ComPawn}});
  勢力調査(g);
  EXPECT_EQ(g.ComAttackerCode[5][5], ComPawn);
  EXPECT_EQ(g.ComAttackerX[5][5], 1);
  EXPECT_EQ(g.ComAttackerY[5][5], 5);
}

TEST(InfluenceSurvey, ComGuardCoordinatesComeOnlyFromKindsThatStoreThem) {
  Game g;
  // Rook stores its square, the pawn lowers the code without one.
  placeOnly(g, {{1, 5, ComRook}, {5, 5, ComSilver}, {5, 4, ComPawn}});
  勢力調査(g);
  EXPECT_EQ(g.ComGuardCode[5][5], ComPawn);
  EXPECT_EQ(g.ComGuardX[5][5], 1);
  EXPECT_EQ(g.ComGuardY[5][5], 5);

  // Knight and silver store guard coordinates but never attack.
  placeOnly(g, {{4, 3, ComKnight}, {5, 5, ComGold}, {3, 5, ManGold}});
  勢力調査(g);
  EXPECT_EQ(g.ComGuardCode[5][5], ComKnight);
  EXPECT_EQ(g.ComGuardX[5][5], 4);
  EXPECT_EQ(g.ComGuardY[5][5], 3);
  EXPECT_EQ(g.ComInfluence[3][5], 1);
  EXPECT_EQ(g.ComAttackerCode[3][5], 999);
}

TEST(InfluenceSurvey, ComCoordinatesSurviveLaterSurveys) {
  Game g;
  placeOnly(g, {{1, 5, ComRook}, {5, 5, ManGold}});
  勢力調査(g);
  ASSERT_EQ(g.ComAttackerX[5][5], 1);

  placeOnly(g, {{5, 5, ManGold}});
  勢力調査(g);
  EXPECT_EQ(g.ComAttackerCode[5][5], 999);
  EXPECT_EQ(g.ComAttackerX[5][5], 1);
  EXPECT_EQ(g.ComAttackerY[5][5], 5);
}

TEST(InfluenceSurvey, HumanHorseDiagonalsCountAsABishop) {
  Game g;
  placeOnly(g, {{5, 5, ManHorse}, {7, 3, ComGold}, {5, 4, ComSilver}});
  勢力調査(g);
  EXPECT_EQ(g.ManAttackerCode[7][3], ManBishop);
  EXPECT_EQ(g.ManAttackerCode[5][4], ManHorse);
}

TEST(InfluenceSurvey, ComHorseStepsGiveInfluenceAndCheckButNoAttacker) {
  Game g;
  placeOnly(g, {{5, 4, ComHorse}, {5, 5, ManKing}, {6, 5, ManGold}});
  勢力調査(g);
  EXPECT_EQ(g.ComInfluence[5][5], 1);
  EXPECT_EQ(g.ManKingChecks[5][4], 9);
  EXPECT_EQ(mapSum(g.ManKingChecks), 9);
  EXPECT_EQ(g.ComAttackerCode[5][5], 999);
  // Its diagonal does record, with the horse's own code.
  EXPECT_EQ(g.ComAttackerCode[6][5], ComHorse);
  EXPECT_EQ(g.ComAttackerX[6][5], 5);
}

TEST(InfluenceSurvey, KnightCheckMarksTheKingsSquareToo) {
  Game g;
  placeOnly(g, {{4, 7, ManKnight}, {3, 5, ComKing}, {6, 3, ComKnight}, {7, 5, ManKing}});
  勢力調査(g);
  EXPECT_EQ(g.ComKingChecks[4][7], 9);
  EXPECT_EQ(g.ComKingChecks[3][5], 9);
  EXPECT_EQ(mapSum(g.ComKingChecks), 18);
  EXPECT_EQ(g.ManKingChecks[6][3], 9);
  EXPECT_EQ(g.ManKingChecks[7][5], 9);
  EXPECT_EQ(mapSum(g.ManKingChecks), 18);
}

TEST(InfluenceSurvey, StepCheckMarksTheSteppingPiece) {
  Game g;
  placeOnly(g, {{5, 5, ManKing}, {4, 4, ComSilver}, {6, 4, ComDragon}, {5, 1, ComKing}, {5, 2, ManGold}});
  勢力調査(g);
  EXPECT_EQ(g.ManKingChecks[4][4], 9);
  EXPECT_EQ(g.ManKingChecks[6][4], 9);
  EXPECT_EQ(g.ComKingChecks[5][2], 9);
  EXPECT_EQ(g.ComAttackerCode[5][5], ComDragon);
  EXPECT_EQ(g.ComAttackerX[5][5], 6);
}

TEST(InfluenceSurvey, KingsNeverMarkChecks) {
  Game g;
  placeOnly(g, {{5, 5, ManKing}, {5, 4, ComKing}});
  勢力調査(g);
  EXPECT_EQ(mapSum(g.ManKingChecks), 0);
  EXPECT_EQ(mapSum(g.ComKingChecks), 0);
  EXPECT_EQ(g.ManAttackerCode[5][4], ManKing);
  EXPECT_EQ(g.ComAttackerCode[5][5], 999);
}

struct ReachCase {
  const char* name;
  int code, x, y;
  std::set<Square> squares;
};

class PieceReach : public ::testing::TestWithParam<ReachCase> {};

TEST_P(PieceReach, ReachesExactlyTheseSquares) {
  const ReachCase& c = GetParam();
  Game g;
  placeOnly(g, {{c.x, c.y, c.code}});
  勢力調査(g);
  EXPECT_EQ(reached(c.code < 0 ? g.ManInfluence : g.ComInfluence), c.squares);
  EXPECT_EQ(mapSum(c.code < 0 ? g.ComInfluence : g.ManInfluence), 0);
}

std::set<Square> line(int x, int y, int dx, int dy) {
  std::set<Square> squares;
  for (x += dx, y += dy; x >= 1 && x <= 9 && y >= 1 && y <= 9; x += dx, y += dy) squares.insert({x, y});
  return squares;
}

std::set<Square> joined(std::initializer_list<std::set<Square>> parts) {
  std::set<Square> all;
  for (const auto& part : parts) all.insert(part.begin(), part.end());
  return all;
}

INSTANTIATE_TEST_SUITE_P(
    EdgesAndCorners, PieceReach,
    ::testing::Values(
        ReachCase{"ManKingCorner", ManKing, 1, 9, {{1, 8}, {2, 8}, {2, 9}}},
        ReachCase{"ComKingCorner", ComKing, 9, 1, {{8, 1}, {8, 2}, {9, 2}}},
        ReachCase{"ManKnightRow2", ManKnight, 5, 2, {}},
        ReachCase{"ManKnightRow1", ManKnight, 5, 1, {}},
        ReachCase{"ManKnightEdge", ManKnight, 1, 5, {{2, 3}}},
        ReachCase{"ComKnightRow8", ComKnight, 5, 8, {}},
        ReachCase{"ComKnightRow9", ComKnight, 5, 9, {}},
        ReachCase{"ComKnightEdge", ComKnight, 9, 5, {{8, 7}}},
        ReachCase{"ComSilverRow9", ComSilver, 5, 9, {{4, 8}, {6, 8}}},
        ReachCase{"ManSilverRow1", ManSilver, 5, 1, {{4, 2}, {6, 2}}},
        ReachCase{"ManSilver", ManSilver, 5, 5, {{5, 4}, {4, 4}, {6, 4}, {4, 6}, {6, 6}}},
        ReachCase{"ComSilver", ComSilver, 5, 5, {{5, 6}, {4, 6}, {6, 6}, {4, 4}, {6, 4}}},
        ReachCase{"ManGold", ManGold, 5, 5, {{5, 4}, {4, 4}, {6, 4}, {5, 6}, {4, 5}, {6, 5}}},
        ReachCase{"ComPromSilver", ComPromSilver, 5, 5, {{5, 4}, {5, 6}, {4, 6}, {6, 6}, {4, 5}, {6, 5}}},
        ReachCase{"ManPromKnightRow9", ManPromKnight, 9, 9, {{9, 8}, {8, 8}, {8, 9}}},
        ReachCase{"ManPawnRow1", ManPawn, 3, 1, {}},
        ReachCase{"ComPawnRow9", ComPawn, 3, 9, {}},
        ReachCase{"ComPawn", ComPawn, 3, 3, {{3, 4}}},
        ReachCase{"ManLance", ManLance, 4, 7, line(4, 7, 0, -1)},
        ReachCase{"ComLance", ComLance, 4, 3, line(4, 3, 0, 1)},
        ReachCase{"ManRookRow1Column9", ManRook, 9, 1, joined({line(9, 1, 0, 1), line(9, 1, -1, 0)})},
        ReachCase{"ComDragonCorner", ComDragon, 1, 1, joined({line(1, 1, 0, 1), line(1, 1, 1, 0), {{2, 2}}})},
        ReachCase{"ManHorseEdge", ManHorse, 1, 5,
                  joined({line(1, 5, 1, -1), line(1, 5, 1, 1), {{1, 4}, {1, 6}, {2, 5}}})},
        ReachCase{"ComBishopCenter", ComBishop, 5, 5,
                  joined({line(5, 5, -1, -1), line(5, 5, 1, -1), line(5, 5, -1, 1), line(5, 5, 1, 1)})}),
    [](const ::testing::TestParamInfo<ReachCase>& info) { return std::string(info.param.name); });

TEST(InfluenceSurvey, RookGuardsItsPawnAndStops) {
  Game g;
  placeOnly(g, {{1, 9, ManRook}, {1, 7, ManPawn}});
  勢力調査(g);
  EXPECT_EQ(g.ManInfluence[1][8], 1);
  EXPECT_EQ(g.ManGuardCode[1][7], ManRook);
  EXPECT_EQ(g.ManInfluence[1][6], 1);  // the pawn's own step
  EXPECT_EQ(g.ManInfluence[1][5], 0);
}

// Turning a position round and swapping the sides must turn the influence and
// check maps round: both sides reach squares by the same rules.
void halfTurn(const Game& from, Game& to) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) to.Board[10 - x][10 - y] = -from.Board[x][y];
}

void expectMirrored(const Game& g, const Game& m) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(g.ManInfluence[x][y], m.ComInfluence[10 - x][10 - y]) << x << "," << y;
      EXPECT_EQ(g.ComInfluence[x][y], m.ManInfluence[10 - x][10 - y]) << x << "," << y;
      EXPECT_EQ(g.ManKingChecks[x][y], m.ComKingChecks[10 - x][10 - y]) << x << "," << y;
      EXPECT_EQ(g.ComKingChecks[x][y], m.ManKingChecks[10 - x][10 - y]) << x << "," << y;
    }
  }
}

TEST(InfluenceSurvey, EvenPositionIsSymmetric) {
  Game g;
  初期設定(g);
  勢力調査(g);
  Game m;
  halfTurn(g, m);
  勢力調査(m);
  expectMirrored(g, m);
  EXPECT_EQ(mapSum(g.ManInfluence), mapSum(g.ComInfluence));
  EXPECT_EQ(g.ManInfluence[5][8], 4);  // both golds, the king and the rook's leftward line
  EXPECT_EQ(g.ManInfluence[1][7], 3);  // lance, knight and bishop
  EXPECT_EQ(g.ManInfluence[2][7], 0);
}

TEST(InfluenceSurvey, CrowdedPositionWithChecksIsSymmetric) {
  Game g;
  placeOnly(g, {{5, 5, ManKing},   {5, 2, ComKing},   {5, 8, ComRook},    {2, 2, ComBishop},
                {7, 3, ManKnight}, {4, 6, ComSilver}, {6, 6, ComDragon},  {5, 4, ManHorse},
                {1, 1, ManLance},  {9, 9, ComLance},  {3, 7, ManPromSilver}, {8, 2, ComGold},
                {2, 8, ManGold},   {6, 1, ManDragon}, {4, 3, ComPawn},     {7, 7, ManPawn}});
  勢力調査(g);
  Game m;
  halfTurn(g, m);
  勢力調査(m);
  expectMirrored(g, m);
  EXPECT_GT(mapSum(g.ManKingChecks), 0);
  EXPECT_GT(mapSum(g.ComKingChecks), 0);
}

}  // namespace
}  // namespace vudeve
