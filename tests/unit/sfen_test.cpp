#include "rules/sfen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handlers/match_commands.h"
#include "app/handlers/position_commands.h"
#include "record/replay.h"
#include "rules/setup.h"
#include "support/fakes.h"

namespace vudeve {
namespace {

using testing::FakePlatform;

TEST(Sfen, ReadsAndWritesBackTheSameText) {
  const std::vector<std::string> texts = {
      std::string(StartSfen),
      "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2",
      "ln1g5/1ks4+R1/1ppp5/p8/9/2P6/PP1PPPPPP/1+b3S3/LNSGKG1NL b RB2S2Pgnl3p 57",
  };
  for (const std::string& text : texts) {
    SfenPosition position;
    std::string error;
    ASSERT_TRUE(readSfen(text, position, error)) << text << ": " << error;
    EXPECT_EQ(writeSfen(position), text);
  }
}

TEST(Sfen, BlackIsTheBottomPlayerAndTheMoveNumberMayBeLeftOut) {
  SfenPosition position;
  std::string error;
  ASSERT_TRUE(readSfen("8k/9/9/9/9/9/9/9/K8 w 2Pr", position, error)) << error;
  EXPECT_EQ(position.pieces.board[1][9], ManKing);  // 9i
  EXPECT_EQ(position.pieces.board[9][1], ComKing);  // 1a
  EXPECT_EQ(position.pieces.manHand, (HandArray{0, 2, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(position.pieces.comHand, (HandArray{0, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_FALSE(position.blackToMove);
  EXPECT_EQ(position.moveNumber, 1);
}

TEST(Sfen, MalformedTextIsRefusedWithTheReasonAndLeavesThePositionAlone) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "bad SFEN at index 0: the text is empty"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL", "the side to move is missing"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL - b 1", "index 58: the side to move must be"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b", "the hands are missing"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1x", "the move number must be a whole number"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 99999999", "the move number is above"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1 moves", "unexpected text after"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSN b - 1", "rank 9 has 8 squares"},
  };
  for (const auto& [text, reason] : cases) {
    SfenPosition position;
    position.moveNumber = 7;
    std::string error;
    EXPECT_FALSE(readSfen(text, position, error)) << text;
    EXPECT_NE(error.find(reason), std::string::npos) << text << ": " << error;
    EXPECT_EQ(position.moveNumber, 7) << text;
  }
}

class PositionCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.attach(g);
    初期設定(g);
  }
  Game g;
  FakePlatform platform;
};

TEST_F(PositionCopy, TheEvenPositionIsTheStartPosition) {
  platform.panel.textPanelVisible = true;
  COPY_Click(g);
  EXPECT_EQ(platform.clipboard.text, StartSfen);
  EXPECT_FALSE(platform.panel.textPanelVisible);  // the record panel closes as for the other 局面 commands
}

TEST_F(PositionCopy, AGameTheComputerBeganShowsItsArmyAsBlackFromItsOwnSide) {
  GOTE_Click(g);  // the computer, at the top, moves first
  ASSERT_EQ(g.ComSide, SenteSide);
  ASSERT_EQ(g.MoveCount, 1);
  COPY_Click(g);
  // Its first move (3c3d seen from the person) is black's 7g7f.
  EXPECT_EQ(platform.clipboard.text, "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2");
}

TEST_F(PositionCopy, HandsGoWithTheirPlayers) {
  g.ManSide = SenteSide;
  g.ComSide = GoteSide;
  g.Turn = GoteSide;
  g.MoveCount = 9;
  g.ManHand[6] = 1;  // the person's bishop
  g.ComHand[1] = 2;
  COPY_Click(g);
  EXPECT_EQ(platform.clipboard.text, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w B2p 10");

  g.ManSide = GoteSide;
  g.ComSide = SenteSide;
  COPY_Click(g);
  EXPECT_EQ(platform.clipboard.text, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w 2Pb 10");
}

}  // namespace
}  // namespace vudeve
