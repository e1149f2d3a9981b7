#include <gtest/gtest.h>

#include <ostream>

#include "engine/evaluation.h"
#include "engine/probes.h"
#include "rules/influence.h"
#include "support/board_builder.h"

namespace vudeve {
namespace {

using testing::placeOnly;

constexpr double Tolerance = 1e-9;

// Maps for the position on the board, with turn-start copies equal to it,
// so nothing reads as newly attacked or newly captured.
void survey(Game& g) {
  勢力調査(g);
  g.SavedComInfluence = g.ComInfluence;
  g.BoardBackup = g.Board;
}

// The computer king on row 1 with its front square attacked by a human
// gold on (5, 3): -50, -250 as the attack is at least the defence, and a
// further -700 with a silver or gold in hand. Besides, the three attacked
// squares next to the king cost half of their cover each (-1.5), 10 each
// with a silver or gold in hand, (4, 3) and (6, 3) cost 0.1 each, and with
// anything in hand the 20 uncovered empty squares of rows 1 to 3 cost 0.1.
struct KingRowCase {
  int handIndex;  // 0: empty hand
  double expected;
};

void PrintTo(const KingRowCase& c, std::ostream* os) { *os << "hand index " << c.handIndex; }

class KingOnRowOne : public ::testing::TestWithParam<KingRowCase> {};

TEST_P(KingOnRowOne, PenaltyGrowsWithASilverOrGoldInHand) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {5, 3, ManGold}, {9, 9, ManKing}});
  if (GetParam().handIndex > 0) {
    g.ManHand[GetParam().handIndex] = 1;
    g.ManHandTotal = 1;
  }
  survey(g);
  EXPECT_NEAR(盤評価_COM危険座標(g, ComKing, 5, 1), GetParam().expected, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Hands, KingOnRowOne, ::testing::Values(
    KingRowCase{0, -1.5 - 0.2 - 50 - 250},
    KingRowCase{1, -1.5 - 0.2 - 2.0 - 50 - 250},
    KingRowCase{4, -1.5 - 30 - 0.2 - 2.0 - 50 - 250 - 700},
    KingRowCase{5, -1.5 - 30 - 0.2 - 2.0 - 50 - 250 - 700}));

// A computer rook on (5, 5) that nothing attacks, with undefended human
// pieces on its lines. The knight's two squares (1, 3) and (3, 3) cost 0.1
// each as uncovered squares of the computer's camp.
TEST(ForkBonus, OneTargetGivesATenthTwoAddTheCheaperOne) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {5, 5, ComRook}, {2, 5, ManKnight}, {9, 9, ManKing}});
  survey(g);
  EXPECT_NEAR(盤評価_COM危険座標(g, ComRook, 5, 5), -0.2 + 0.1, Tolerance);

  g.Board[8][5] = ManGold;
  survey(g);
  EXPECT_NEAR(盤評価_COM危険座標(g, ComRook, 5, 5), -0.2 + 0.2 + 30, Tolerance);

  // A defended piece is no target.
  g.Board[9][6] = ManSilver;
  survey(g);
  EXPECT_NEAR(盤評価_COM危険座標(g, ComRook, 5, 5), -0.2 + 0.1, Tolerance);

  // Nor does anything count while the moved piece itself is attacked: the
  // rook is then lost to a lance (-900 + 20) and hangs (-900), and the
  // lance stands on the king's file (-1).
  g.Board[9][6] = Empty;
  g.Board[5][7] = ManLance;
  survey(g);
  EXPECT_NEAR(盤評価_COM危険座標(g, ComRook, 5, 5), -0.2 - 900 + 20 - 900 - 1, Tolerance);
}

// An empty (5, 5) that the human covers, under a computer silver with a
// horse further up the file: a lance dropped there skewers them, and half
// the horse's 801 keeps its half point.
TEST(LanceSkewer, HalfOfTheSecondPieceIsARealDivision) {
  Game g;
  auto danger_with = [&g](int handIndex) {
    g.ManHand.fill(0);
    g.ManHand[handIndex] = 1;
    g.ManHandTotal = 1;
    survey(g);
    return 盤評価_COM危険座標(g, ComKing, 1, 1);
  };
  placeOnly(g, {{1, 1, ComKing}, {5, 2, ComHorse}, {5, 4, ComSilver}, {5, 6, ManPawn}, {9, 9, ManKing}});
  EXPECT_NEAR(danger_with(2) - danger_with(1), -100 - 400.5, Tolerance);

  // A pawn in between ends the look: it is worth no more than a lance.
  g.Board[5][3] = ComPawn;
  EXPECT_NEAR(danger_with(2) - danger_with(1), 0, Tolerance);
}

// A human gold on (5, 6) and silver on (4, 6) both reach (5, 5) and (4, 5).
// Where the computer covers such a square once, it costs 10 only next to
// the computer king.
TEST(SquaresNextToTheKing, OutnumberedSquareCostsOnlyBesideTheKing) {
  Game g;
  placeOnly(g, {{9, 1, ComKing}, {5, 4, ComGold}, {5, 6, ManGold}, {4, 6, ManSilver}, {1, 9, ManKing}});
  survey(g);
  EXPECT_NEAR(盤評価_COM危険座標(g, ComKing, 9, 1), 0, Tolerance);

  // The king alone covers them from (5, 4): half the human cover of (5, 5),
  // (4, 5) and (6, 5), and 10 on each of the two outnumbered squares.
  g.Board[9][1] = Empty;
  g.Board[5][4] = ComKing;
  survey(g);
  EXPECT_NEAR(盤評価_COM危険座標(g, ComKing, 5, 4), -1 - 10 - 1 - 10 - 0.5, Tolerance);
}

// Uncovered squares beside a computer major piece cost 1 more each, and 10
// more in the computer's camp, only while a silver or gold is in hand: the
// rook's four diagonal neighbours are the only squares the computer leaves
// uncovered next to a major piece. Nothing here is near the computer king.
TEST(CrowdedSquares, FurtherPenaltyNeedsASilverOrGoldInHand) {
  Game g;
  auto danger_with = [&g](int handIndex) {
    g.ManHand.fill(0);
    g.ManHand[handIndex] = 1;
    g.ManHandTotal = 1;
    survey(g);
    return 盤評価_COM危険座標(g, ComKing, 9, 1);
  };
  placeOnly(g, {{9, 1, ComKing}, {5, 5, ComRook}, {1, 9, ManKing}});
  EXPECT_NEAR(danger_with(5) - danger_with(1), -4, Tolerance);
  EXPECT_NEAR(danger_with(4) - danger_with(1), -4, Tolerance);

  g.Board[5][5] = Empty;
  g.Board[5][2] = ComRook;
  EXPECT_NEAR(danger_with(5) - danger_with(1), -4 * 11, Tolerance);
}

// A computer silver on (5, 5) attacked by a human pawn and not defended.
TEST(HangingPiece, LossRefundedWhenItCapturedThereAndSparedByAPinnedAttacker) {
  Game g;
  placeOnly(g, {{1, 1, ComKing}, {5, 5, ComSilver}, {5, 6, ManPawn}, {9, 9, ManKing}});
  survey(g);
  // Attacked by something cheaper (-100 + 10), and hanging (-100).
  EXPECT_NEAR(盤評価_COM危険座標(g, ComSilver, 5, 5), -90 - 100, Tolerance);
  // It took a gold there this turn.
  g.BoardBackup[5][5] = ManGold;
  EXPECT_NEAR(盤評価_COM危険座標(g, ComSilver, 5, 5), -90 - 100 + 110, Tolerance);
  // The pawn may not move: only the hanging term is left.
  g.ManPinned[5][6] = 1;
  EXPECT_NEAR(盤評価_COM危険座標(g, ComSilver, 5, 5), -100 + 110, Tolerance);
}

// The computer king on (5, 1); check squares for a human bishop are
// (3, 3), (2, 4), (1, 5), (7, 3), (8, 4) and (9, 5). A gold on (5, 5) lies
// on open diagonals to (3, 3), first in the scan, and to (7, 3).
class BishopCaution : public ::testing::Test {
 protected:
  void SetUp() override {
    placeOnly(g, {{5, 1, ComKing}, {5, 5, ComGold}, {9, 1, ManBishop}, {9, 9, ManKing}});
    勢力調査(g);
    調査_持角狙座標(g);
  }
  Game g;
};

TEST_F(BishopCaution, LooksAtTheFirstCheckSquareOnly) {
  // The bishop on (9, 1) reaches (7, 3) but not (3, 3).
  EXPECT_EQ(盤評価_自角注意_COM(g, 5, 5, ComGold), 0);
}

TEST_F(BishopCaution, ABishopThatReachesTheFirstSquareOrOneInHand) {
  g.Board[9][1] = Empty;
  g.Board[1][1] = ManBishop;
  EXPECT_EQ(盤評価_自角注意_COM(g, 5, 5, ComGold), ComGold);
  g.Board[1][1] = Empty;
  EXPECT_EQ(盤評価_自角注意_COM(g, 5, 5, ComGold), 0);
  g.ManHand[6] = 1;
  EXPECT_EQ(盤評価_自角注意_COM(g, 5, 5, ComGold), ComGold);
}

TEST_F(BishopCaution, ABlockedLineMakesTheNextSquareTheFirst) {
  g.Board[4][4] = ComPawn;
  EXPECT_EQ(盤評価_自角注意_COM(g, 5, 5, ComGold), ComGold);
  // No open line from the piece to any check square.
  EXPECT_EQ(盤評価_自角注意_COM(g, 9, 7, ComGold), 0);
}

}  // namespace
}  // namespace vudeve
