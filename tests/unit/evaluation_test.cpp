#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "engine/evaluation.h"
#include "engine/probes.h"
#include "rules/influence.h"
#include "rules/mate.h"
#include "support/board_builder.h"

namespace vudeve {
namespace {

using testing::placeOnly;

constexpr double Tolerance = 1e-9;
constexpr int LanceHandIndex = 2;

// The copies and surveys the computer makes before it tries any candidate.
void startTurn(Game& g) {
  g.BoardBackup = g.Board;
  g.ManHandBackup = g.ManHand;
  g.ComHandBackup = g.ComHand;
  勢力調査(g);
  g.ManKingEscapes = {};
  g.EscapeCountAtStart = 調査_自王逃道(g);
  調査_持角狙座標(g);
  調査_移動不可駒(g);
  g.ComHandTotalAtStart = g.ComHandTotal;
  g.SavedManInfluence = g.ManInfluence;
  g.SavedComInfluence = g.ComInfluence;
  g.SavedComAttackerX = g.ComAttackerX;
  g.SavedComAttackerY = g.ComAttackerY;
}

// Places a board move as the computer tries it, scores it and puts the
// position back. placed is the promoted code when the move promotes.
double tryMove(Game& g, int fromX, int fromY, int toX, int toY, int placed = 0) {
  g.CandidatePiece = g.Board[fromX][fromY];
  g.ApproachDistance = std::max(std::abs(g.ManKingX - fromX), std::abs(g.ManKingY - fromY));
  const int captured = g.Board[toX][toY];
  g.Board[fromX][fromY] = Empty;
  g.Board[toX][toY] = placed != 0 ? placed : g.CandidatePiece;
  勢力調査(g);
  const double score = 盤評価(g, captured, g.Board[toX][toY], fromX, fromY, toX, toY);
  g.Board = g.BoardBackup;
  g.ManHand = g.ManHandBackup;
  g.ComHand = g.ComHandBackup;
  return score;
}

double tryDrop(Game& g, int handIndex, int toX, int toY) {
  const int piece = ComHandPiece[handIndex];
  g.CandidatePiece = piece;
  g.Board[toX][toY] = piece;
  勢力調査(g);
  const double score = 盤評価(g, Empty, piece, -1, handIndex, toX, toY);
  g.Board[toX][toY] = Empty;
  return score;
}

// The piece terms alone: the full score less the score without them.
double pieceTermsOfMove(Game& g, int fromX, int fromY, int toX, int toY, int placed = 0) {
  g.Level = 2;
  const double general = tryMove(g, fromX, fromY, toX, toY, placed);
  g.Level = 3;
  return tryMove(g, fromX, fromY, toX, toY, placed) - general;
}

TEST(BoardEvaluation, CapturingTheKingWinsEvenWithTheOwnKingAttacked) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {5, 9, ManRook}, {1, 5, ComRook}, {9, 5, ManKing}});
  startTurn(g);
  EXPECT_EQ(tryMove(g, 1, 5, 9, 5), 9999);
}

TEST(BoardEvaluation, OwnKingLeftAttackedScoresMinus9998) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {5, 2, ComGold}, {5, 9, ManRook}, {4, 9, ManLance}, {9, 9, ManKing}});
  startTurn(g);
  EXPECT_EQ(tryMove(g, 5, 2, 4, 3), -9998);  // the gold shielded the king
  EXPECT_EQ(tryMove(g, 5, 1, 4, 1), -9998);  // onto the lance's file
  EXPECT_GT(tryMove(g, 5, 1, 6, 1), -9998);
}

// The human king on (5, 9) between two lances and two knights of its own,
// with (5, 8) its only square; a computer gold on (4, 7) covers (5, 8).
class MateOnTheBackRow : public ::testing::Test {
 protected:
  void SetUp() override {
    placeOnly(g, {{1, 1, ComKing}, {4, 7, ComGold}, {5, 9, ManKing}, {4, 9, ManKnight}, {6, 9, ManKnight},
                  {4, 8, ManLance}, {6, 8, ManLance}});
  }
  Game g;
};

TEST_F(MateOnTheBackRow, MateByAPawnIsAvoidedAndByAnyOtherPieceWins) {
  g.ComHand[1] = 1;
  g.ComHand[5] = 1;
  g.ComHandTotal = 2;
  startTurn(g);
  EXPECT_EQ(tryDrop(g, 1, 5, 8), -9998);
  EXPECT_EQ(tryDrop(g, 5, 5, 8), 9998);
}

TEST_F(MateOnTheBackRow, APawnPushThatMatesIsAvoidedToo) {
  g.Board[5][7] = ComPawn;
  startTurn(g);
  EXPECT_EQ(tryMove(g, 5, 7, 5, 8), -9998);
  // The gold mates on the same square, guarded by the pawn.
  EXPECT_EQ(tryMove(g, 4, 7, 5, 8), 9998);
}

// A computer lance on (1, 3) that can take a human lance on (1, 5), which
// nothing defends, or just step to (1, 4).
class LevelCuts : public ::testing::Test {
 protected:
  void SetUp() override {
    placeOnly(g, {{5, 1, ComKing}, {1, 3, ComLance}, {1, 5, ManLance}, {9, 9, ManKing}});
    startTurn(g);
  }
  double at(int level, int toY) {
    g.Level = level;
    return tryMove(g, 1, 3, 1, toY);
  }
  Game g;
};

TEST_F(LevelCuts, Level1StopsACaptureAfterTheFirstMaterialTerm) {
  // The safe capture adds the lance's 20 at level 2, and the lance term
  // another 10 at level 3.
  EXPECT_NEAR(at(2, 5) - at(1, 5), 20, Tolerance);
  EXPECT_NEAR(at(3, 5) - at(2, 5), 10, Tolerance);
}

TEST_F(LevelCuts, Level1GivesAQuietMovePieceTermsAndLevel2DoesNot) {
  // A lance that captures nothing returns S - 0.9.
  EXPECT_NEAR(at(1, 4), at(3, 4), Tolerance);
  EXPECT_NEAR(at(2, 4) - at(3, 4), 0.9, Tolerance);
}

TEST(BoardEvaluation, ATenthDecidesBetweenTwoCandidates) {
  // The same gold ends on (1, 4) from (2, 4) or from (1, 3); only the move
  // from another file loses 0.1 to the human lance on (1, 9).
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {2, 4, ComGold}, {1, 7, ManPawn}, {1, 9, ManLance}, {9, 9, ManKing}});
  startTurn(g);
  const double sideways = tryMove(g, 2, 4, 1, 4);
  placeOnly(g, {{5, 1, ComKing}, {1, 3, ComGold}, {1, 7, ManPawn}, {1, 9, ManLance}, {9, 9, ManKing}});
  startTurn(g);
  const double straight = tryMove(g, 1, 3, 1, 4);
  EXPECT_GT(straight, sideways);
  EXPECT_NEAR(straight - sideways, 0.1, Tolerance);
}

TEST(RookTerms, FreeBesideTheKingReturnsPlus100AndBoxedInMinus35) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {3, 2, ComRook}, {5, 9, ManKing}});
  startTurn(g);
  EXPECT_NEAR(pieceTermsOfMove(g, 3, 2, 3, 9), 100, Tolerance);

  // Boxed in by its own pieces: the human king is its only safe target,
  // since the king covers (4, 9).
  placeOnly(g, {{5, 1, ComKing}, {4, 9, ComRook}, {3, 8, ComGold}, {2, 9, ComSilver}, {5, 9, ManKing}});
  startTurn(g);
  EXPECT_NEAR(pieceTermsOfMove(g, 4, 9, 3, 9), -35, Tolerance);
}

// A human gold on (5, 7), defended by a silver, is pinned against its king
// by a computer rook on the file. A computer silver that only the gold
// attacks, on a square from which it could take the gold, wins it.
class PinnedAttacker : public ::testing::Test {
 protected:
  void SetUp() override {
    placeOnly(g, {{1, 1, ComKing}, {5, 1, ComRook}, {4, 5, ComSilver}, {5, 7, ManGold}, {6, 8, ManSilver},
                  {5, 9, ManKing}});
    g.ComHand[4] = 1;
    g.ComHandTotal = 1;
    startTurn(g);
    ASSERT_EQ(g.ManPinned[5][7], 1);
  }
  // The gain from the pin: the score less the score with the gold free.
  template <typename Try>
  double gain(Try score) {
    const double pinned = score();
    g.ManPinned[5][7] = 0;
    const double free = score();
    g.ManPinned[5][7] = 1;
    return pinned - free;
  }
  Game g;
};

TEST_F(PinnedAttacker, ABoardMoveOrADropWinsThePinnedPiece) {
  EXPECT_NEAR(gain([&] { return tryMove(g, 4, 5, 4, 6); }), 110, Tolerance);
  EXPECT_NEAR(gain([&] { return tryDrop(g, 4, 4, 6); }), 110, Tolerance);
}

TEST_F(PinnedAttacker, NothingForABoardMoveWhenTheTurnStartAttackerSquareIsEmpty) {
  // As if the piece that attacked the gold at the start of the turn had
  // stood on (9, 5), now empty.
  g.SavedComAttackerX[5][7] = 9;
  g.SavedComAttackerY[5][7] = 5;
  EXPECT_NEAR(gain([&] { return tryMove(g, 4, 5, 4, 6); }), 0, Tolerance);
  EXPECT_NEAR(gain([&] { return tryDrop(g, 4, 4, 6); }), 110, Tolerance);
}

TEST(PawnTerms, ADropThatStopsARookOnItsFileUnlessTheRookCanBeTaken) {
  Game g;
  placeOnly(g, {{1, 1, ComKing}, {5, 5, ComGold}, {5, 9, ManRook}, {9, 9, ManKing}});
  g.ComHand[1] = 1;
  g.ComHandTotal = 1;
  startTurn(g);
  auto pieceTerms = [&g] {
    g.Level = 2;
    const double general = tryDrop(g, 1, 5, 6);
    g.Level = 3;
    return tryDrop(g, 1, 5, 6) - general;
  };
  EXPECT_NEAR(pieceTerms(), 120, Tolerance);

  // A computer bishop already attacks the undefended rook.
  g.Board[7][7] = ComBishop;
  startTurn(g);
  EXPECT_NEAR(pieceTerms(), 0, Tolerance);
}

struct PromotedCase {
  int fromX, fromY, toX, toY, placed;
};

void PrintTo(const PromotedCase& c, std::ostream* os) { *os << "placed " << c.placed; }

class NoPieceTerm : public ::testing::TestWithParam<PromotedCase> {};

TEST_P(NoPieceTerm, ForPromotedLanceKnightAndSilver) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {2, 6, ComLance}, {4, 5, ComKnight}, {7, 6, ComSilver}, {5, 9, ManKing},
                {1, 9, ManLance}});
  startTurn(g);
  const PromotedCase& c = GetParam();
  EXPECT_NEAR(pieceTermsOfMove(g, c.fromX, c.fromY, c.toX, c.toY, c.placed), 0, Tolerance);
}

INSTANTIATE_TEST_SUITE_P(Promotions, NoPieceTerm, ::testing::Values(
    PromotedCase{2, 6, 2, 7, ComPromLance},
    PromotedCase{4, 5, 3, 7, ComPromKnight},
    PromotedCase{7, 6, 7, 7, ComPromSilver}));

TEST(PieceTerms, TheSameMovesUnpromotedDoHaveTerms) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {2, 6, ComLance}, {4, 5, ComKnight}, {7, 6, ComSilver}, {5, 9, ManKing},
                {1, 9, ManLance}});
  startTurn(g);
  EXPECT_NEAR(pieceTermsOfMove(g, 2, 6, 2, 7), -0.9, Tolerance);  // a quiet lance move
  EXPECT_NEAR(pieceTermsOfMove(g, 4, 5, 3, 7), -0.1, Tolerance);
  EXPECT_NEAR(pieceTermsOfMove(g, 7, 6, 7, 7), -0.1, Tolerance);  // straight forward
}

TEST(GoldTerms, RowFourBesideItsBishopLosesFiveWhenTheHumanCoversTheBishop) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {4, 3, ComGold}, {6, 4, ComBishop}, {9, 9, ManKing}});
  startTurn(g);
  // Diagonally forward (-0.5), then row 4 ends the gold's terms.
  EXPECT_NEAR(pieceTermsOfMove(g, 4, 3, 5, 4), -0.5, Tolerance);
  g.Board[6][5] = ManPawn;
  startTurn(g);
  EXPECT_NEAR(pieceTermsOfMove(g, 4, 3, 5, 4), -0.5 - 5, Tolerance);
}

// A pawn pushed to (5, 5) against a human gold on (5, 6); a computer gold
// on (4, 4) covers the pawn as often as the human does.
TEST(PawnTerms, AHumanPieceInFrontRewardsOutnumberingItLessThanMatchingIt) {
  Game g;
  placeOnly(g, {{1, 1, ComKing}, {4, 4, ComGold}, {5, 4, ComPawn}, {5, 6, ManGold}, {9, 9, ManKing}});
  startTurn(g);
  // -0.1 for the push, +0.6 for the gold behind, then S + 5 for an even count.
  EXPECT_NEAR(pieceTermsOfMove(g, 5, 4, 5, 5), -0.1 + 0.6 + 5, Tolerance);

  // A silver on (6, 4) makes it two against one: S + 1 instead.
  g.Board[6][4] = ComSilver;
  startTurn(g);
  EXPECT_NEAR(pieceTermsOfMove(g, 5, 4, 5, 5), -0.1 + 0.6 + 1, Tolerance);
}

// A lance dropped on (5, 5) above a human silver, with a human piece further
// down the file behind it.
double lanceDropTerms(int behind) {
  Game g;
  placeOnly(g, {{1, 1, ComKing}, {4, 4, ComGold}, {5, 6, ManSilver}, {5, 8, behind}, {9, 9, ManKing}});
  g.ComHand[LanceHandIndex] = 1;
  g.ComHandTotal = 1;
  startTurn(g);
  g.Level = 2;
  const double general = tryDrop(g, LanceHandIndex, 5, 5);
  g.Level = 3;
  return tryDrop(g, LanceHandIndex, 5, 5) - general;
}

TEST(LanceTerms, ADropSkewersOnlyAPieceWorthMoreThanALance) {
  EXPECT_NEAR(lanceDropTerms(ManRook), 900, Tolerance);
  EXPECT_NEAR(lanceDropTerms(ManLance), 0, Tolerance);
}

}  // namespace
}  // namespace vudeve
