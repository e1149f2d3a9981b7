#include <gtest/gtest.h>

#include <string>

#include "rules/position_text.h"
#include "rules/setup.h"

namespace vudeve {
namespace {

TEST(PositionText, EvenPositionMatchesInitialSetup) {
  Game setUp;
  初期設定(setUp);
  Game loaded;
  std::string error;
  ASSERT_TRUE(readPositionText(loaded, EvenPositionText, error)) << error;
  EXPECT_EQ(loaded.Board, setUp.Board);
  EXPECT_EQ(writePositionText(setUp), std::string(EvenPositionText) + " b");
}

TEST(PositionText, LoadingFillsHandsTotalsKingsAndTurn) {
  Game g;
  g.ManSide = GoteSide;
  g.ComSide = SenteSide;
  g.ManHand[5] = 3;
  std::string error;
  ASSERT_TRUE(readPositionText(g, "4k4/9/9/9/9/9/9/9/3K5 2PRb3n w", error)) << error;
  EXPECT_EQ(g.Board[5][1], ComKing);
  EXPECT_EQ(g.Board[4][9], ManKing);
  EXPECT_EQ(g.ManHand, (HandArray{0, 2, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(g.ComHand, (HandArray{0, 0, 0, 3, 0, 0, 1, 0}));
  EXPECT_EQ(g.ManHandTotal, 3);
  EXPECT_EQ(g.ComHandTotal, 4);
  EXPECT_EQ(g.ManKingX, 4);
  EXPECT_EQ(g.ManKingY, 9);
  EXPECT_EQ(g.ComKingX, 5);
  EXPECT_EQ(g.ComKingY, 1);
  EXPECT_EQ(g.Turn, SenteSide);  // 'w' is COM, who moves first here

  ASSERT_TRUE(readPositionText(g, "4k4/9/9/9/9/9/9/9/3K5 -", error)) << error;
  EXPECT_EQ(g.Turn, GoteSide);
  EXPECT_EQ(g.ManHand, HandArray{});
  EXPECT_EQ(g.ManHandTotal, 0);
}

TEST(PositionText, EveryPieceCodeRoundTrips) {
  const char* texts[] = {
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL - b",
      "+l+n+sgk3+p/1+r5+b1/9/9/9/9/9/1+B5+R1/+L+N+SGK3+P - w",
      "8k/9/9/9/9/9/9/9/K8 RB2G3S4N2L18Prb2g3s4n2l17p b",
      "9/9/9/9/9/9/9/9/9 - b",
      "p8/1P7/2l6/3L5/4n4/5N3/6s2/7S1/8g G2p w",
  };
  for (const char* text : texts) {
    Game g;
    std::string error;
    ASSERT_TRUE(readPositionText(g, text, error)) << text << ": " << error;
    EXPECT_EQ(writePositionText(g), text);
  }
}

TEST(PositionText, PromotedCodesAndColours) {
  Game g;
  std::string error;
  ASSERT_TRUE(readPositionText(g, "+p+l+n+s1+b+rgk/+P+L+N+S1+B+RGK/9/9/9/9/9/9/9 -", error)) << error;
  const int com[] = {ComTokin, ComPromLance, ComPromKnight, ComPromSilver, Empty, ComHorse, ComDragon, ComGold, ComKing};
  for (int x = 1; x <= 9; ++x) {
    EXPECT_EQ(g.Board[x][1], com[x - 1]) << x;
    EXPECT_EQ(g.Board[x][2], -com[x - 1]) << x;
  }
}

TEST(PositionText, SurroundingBlanksAreAccepted) {
  Game g;
  std::string error;
  EXPECT_TRUE(readPositionText(g, "  9/9/9/9/9/9/9/9/9   -   w \n", error)) << error;
  EXPECT_EQ(g.Turn, g.ComSide);
}

struct MalformedCase {
  const char* text;
  std::size_t index;
  const char* reason;
};

class MalformedPosition : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedPosition, IsRefusedAndNothingIsLoaded) {
  const MalformedCase& c = GetParam();
  Game g;
  初期設定(g);
  g.ManHand[2] = 1;
  g.ManHandTotal = 1;
  g.Turn = g.ComSide;
  const BoardMap board = g.Board;
  std::string error;
  EXPECT_FALSE(readPositionText(g, c.text, error));
  EXPECT_EQ(error, "bad position at index " + std::to_string(c.index) + ": " + c.reason);
  EXPECT_EQ(g.Board, board);
  EXPECT_EQ(g.ManHand, (HandArray{0, 0, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g.ManHandTotal, 1);
  EXPECT_EQ(g.Turn, g.ComSide);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MalformedPosition, ::testing::Values(
  MalformedCase{"", 0, "the text is empty"},
  MalformedCase{"   ", 3, "the text is empty"},
  MalformedCase{"9/9/9/9/9/9/9/9/8 -", 16, "rank 9 has 8 squares (9 expected)"},
  MalformedCase{"9/9/8/9/9/9/9/9/9 -", 4, "rank 3 has 8 squares (9 expected)"},
  MalformedCase{"9/9/45p/9/9/9/9/9/9 -", 6, "rank 3 has more than 9 squares"},
  MalformedCase{"9/9/9/9/9/9/9/9/9p -", 17, "rank 9 has more than 9 squares"},
  MalformedCase{"9/9/9/9/9/9/9/9/9/9 -", 17, "more than 9 ranks"},
  MalformedCase{"9/9/9/9/9/9/9/9 -", 15, "only 8 ranks (9 expected)"},
  MalformedCase{"9/9/9/9/x8/9/9/9/9 -", 8, "unknown piece letter 'x'"},
  MalformedCase{"9/9/9/9/4+G4/9/9/9/9 -", 9, "'G' cannot be promoted"},
  MalformedCase{"9/9/9/9/4+k4/9/9/9/9 -", 9, "'k' cannot be promoted"},
  MalformedCase{"9/9/9/9/4+4/9/9/9/9 -", 9, "'+' must be followed by a piece letter"},
  MalformedCase{"9/9/9/9/8+ -", 9, "'+' must be followed by a piece letter"},
  MalformedCase{"9/9/9/9/0/9/9/9/9 -", 8, "'0' is not a number of empty squares"},
  MalformedCase{"9/9/9/9/9/9/9/9/9", 17, "the hands are missing (write '-' for none)"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 ", 18, "the hands are missing (write '-' for none)"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 0P", 18, "a count of zero"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 P0p", 19, "a count of zero"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 19P", 18, "a count above 18"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 P3", 19, "a count without a piece letter"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 Pq", 19, "unknown piece letter 'q' in the hands"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 +P", 18, "unknown piece letter '+' in the hands"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 k", 18, "a king cannot be held in hand"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 P2P", 19, "'P' appears twice in the hands"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 -P", 19, "'-' stands for empty hands on its own"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 - x", 20, "the side to move must be 'b' or 'w'"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 - bw", 20, "the side to move must be 'b' or 'w'"},
  MalformedCase{"9/9/9/9/9/9/9/9/9 - b 1", 22, "unexpected text after the side to move"}));

}  // namespace
}  // namespace vudeve
