#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/selfplay.h"
#include "rules/handicap.h"
#include "rules/position_text.h"
#include "rules/turn_round.h"

namespace vudeve {
namespace {

void load(Game& g, std::string_view text) {
  std::string error;
  ASSERT_TRUE(readPositionText(g, text, error)) << error;
}

TEST(TurnPositionRound, MirrorsTheBoardAndExchangesColoursHandsAndKings) {
  Game turned, expected;
  load(turned, "k8/9/9/9/9/9/9/1+r7/7NK 2Pg w");
  load(expected, "kn7/7+R1/9/9/9/9/9/9/8K G2p w");
  turnPositionRound(turned);
  EXPECT_EQ(turned.Board, expected.Board);
  EXPECT_EQ(turned.ManHand, expected.ManHand);
  EXPECT_EQ(turned.ComHand, expected.ComHand);
  EXPECT_EQ(turned.ManHandTotal, 1);
  EXPECT_EQ(turned.ComHandTotal, 2);
  EXPECT_EQ(turned.ManKingX, 9);
  EXPECT_EQ(turned.ManKingY, 9);
  EXPECT_EQ(turned.ComKingX, 1);
  EXPECT_EQ(turned.ComKingY, 1);
}

TEST(TurnPositionRound, TwiceGivesBackThePosition) {
  Game g;
  load(g, "l6nl/4g1k2/p1n1pps1p/2p3pp1/9/2P1+b4/PP1PP1PPP/1+r2G2S1/LN2K1GNL RBSPgs2p w");
  const BoardMap board = g.Board;
  const HandArray man = g.ManHand, com = g.ComHand;
  turnPositionRound(g);
  EXPECT_NE(g.Board, board);
  turnPositionRound(g);
  EXPECT_EQ(g.Board, board);
  EXPECT_EQ(g.ManHand, man);
  EXPECT_EQ(g.ComHand, com);
}

TEST(SelfPlay, StopsAtThePlyLimitAsADraw) {
  SelfPlayOptions options;
  options.topLevel = 1;
  options.bottomLevel = 2;
  options.maxPlies = 4;
  const SelfPlayResult result = playSelfGame(options);
  EXPECT_EQ(result.plies, 4);
  EXPECT_EQ(result.winner, SelfPlayWinner::Draw);
  EXPECT_EQ(result.moveMilliseconds.size(), 4u);
}

TEST(SelfPlay, BottomSideMovesFirstFromTheHandicapPosition) {
  Game even;
  load(even, EvenPositionText);
  SelfPlayOptions options;
  options.handicap = 2;
  options.maxPlies = 1;
  const SelfPlayResult result = playSelfGame(options);
  // The top side's rook and bishop are gone; one bottom piece has moved.
  EXPECT_EQ(result.finalBoard[2][2], Empty);
  EXPECT_EQ(result.finalBoard[8][2], Empty);
  int topChanged = 0, bottomChanged = 0;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (result.finalBoard[x][y] == even.Board[x][y]) continue;
      (y <= 3 ? topChanged : bottomChanged) += 1;
    }
  }
  EXPECT_EQ(topChanged, 2);
  EXPECT_EQ(bottomChanged, 2);
}

TEST(SelfPlay, SeedsVaryTheFirstMoveAndRepeatExactly) {
  SelfPlayOptions options;
  options.maxPlies = 1;
  std::set<BoardMap> firstMoves;
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    options.seed = seed;
    firstMoves.insert(playSelfGame(options).finalBoard);
  }
  EXPECT_GT(firstMoves.size(), 1u);
  options.seed = 3;
  EXPECT_EQ(playSelfGame(options).finalBoard, playSelfGame(options).finalBoard);
}

}  // namespace
}  // namespace vudeve
