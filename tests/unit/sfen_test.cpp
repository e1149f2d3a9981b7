#include "rules/sfen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handlers/match_commands.h"
#include "app/handlers/position_commands.h"
#include "app/handlers/record_panel_commands.h"
#include "record/kif_read.h"
#include "record/kif_write.h"
#include "record/record_line.h"
#include "record/replay.h"
#include "rules/setup.h"
#include "support/fakes.h"
#include "support/presses.h"

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
  EXPECT_EQ(platform.clipboard.contents, StartSfen);
  EXPECT_FALSE(platform.panel.textPanelVisible);  // the record panel closes as for the other 局面 commands
}

TEST_F(PositionCopy, AGameTheComputerBeganShowsItsArmyAsBlackFromItsOwnSide) {
  GOTE_Click(g);  // the computer, at the top, moves first
  ASSERT_EQ(g.ComSide, SenteSide);
  ASSERT_EQ(g.MoveCount, 1);
  COPY_Click(g);
  // Its first move (3c3d seen from the person) is black's 7g7f.
  EXPECT_EQ(platform.clipboard.contents, "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2");
}

TEST_F(PositionCopy, HandsGoWithTheirPlayers) {
  g.ManSide = SenteSide;
  g.ComSide = GoteSide;
  g.Turn = GoteSide;
  g.MoveCount = 9;
  g.ManHand[6] = 1;  // the person's bishop
  g.ComHand[1] = 2;
  COPY_Click(g);
  EXPECT_EQ(platform.clipboard.contents, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w B2p 10");
}

// 局面コピー where the record starts elsewhere than the even position: the
// colours, the side to move and the move number the shogi world gives.
struct CopyCase {
  const char* name;
  std::vector<std::string> kif;  // read before copying; none: grade set
  int grade;
  const char* sfen;
};

const CopyCase CopyCases[] = {
    {"TopGivesBishopBeforeAnyGame", {}, 1, "lnsgkgsnl/1r7/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"BottomGivesBishopBeforeAnyGame", {}, -1, "lnsgkgsnl/1r7/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"LanceHandicapRead",
     {"手合割：香落ち", "上手：A", "下手：B", "手数----指手---------消費時間--", "   1 ５二玉(51)", "   2 ７六歩(77)"},
     0,
     "lnsgkgsn1/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"DiagramAfterOneMove",
     {"後手の持駒：なし", "  ９ ８ ７ ６ ５ ４ ３ ２ １", "+---------------------------+",
      "|v香v桂v銀v金v玉v金v銀v桂v香|一", "| ・v飛 ・ ・ ・ ・ ・v角 ・|二", "|v歩v歩v歩v歩v歩v歩v歩v歩v歩|三",
      "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五", "| ・ ・ 歩 ・ ・ ・ ・ ・ ・|六",
      "| 歩 歩 ・ 歩 歩 歩 歩 歩 歩|七", "| ・ 角 ・ ・ ・ ・ ・ 飛 ・|八", "| 香 桂 銀 金 玉 金 銀 桂 香|九",
      "+---------------------------+", "先手の持駒：なし", "後手番", "手数＝1  ▲７六歩(77)  まで",
      "手数----指手---------消費時間--", "   2 ３四歩(33)"},
     0,
     "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2"},
};

class PositionCopyFromAStart : public PositionCopy, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(PositionCopyFromAStart, FacesTheWorld) {
  const CopyCase& c = GetParam();
  for (int step = 0; step < std::abs(c.grade); ++step) (c.grade > 0 ? LBEL_UP_Click : LEBEL_DOWN_Click)(g);
  if (!c.kif.empty()) {
    KifRecord record;
    ASSERT_FALSE(readKif(c.kif, record));
    設定_KIF棋譜(g, record);
  }
  COPY_Click(g);
  EXPECT_EQ(platform.clipboard.contents, c.sfen);
}

// 棋譜コピー puts the KIF text the panel writes for the game shown.
TEST_F(PositionCopy, RecordCopyIsTheKifOfTheGame) {
  KIFU_COPY_Click(g);
  EXPECT_EQ(platform.messages.texts(), std::vector<std::string>{"保存するデータがありません"});
  EXPECT_EQ(platform.clipboard.contents, "");
  KifRecord record;
  ASSERT_FALSE(readKif(CopyCases[2].kif, record));
  設定_KIF棋譜(g, record);
  KIFU_COPY_Click(g);
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(変換_棋譜からKIF(g, lines, error));
  std::string expected;
  for (const std::string& line : lines) expected += line + "\n";
  EXPECT_EQ(platform.clipboard.contents, expected);
  EXPECT_NE(expected.find("手合割：香落ち\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Starts, PositionCopyFromAStart, ::testing::ValuesIn(CopyCases),
                         [](const auto& info) { return std::string(info.param.name); });

// In a handicap game the computer gives and begins, 局面コピー at each point
// is the position the KIF of the game reaches there.
TEST_F(PositionCopy, AgreesWithTheWrittenKifThroughAHandicapGame) {
  LBEL_UP_Click(g);
  LBEL_UP_Click(g);
  GOTE_Click(g);
  testing::pressMove(g, 1, 7, 1, 6);  // 9g9f
  ASSERT_EQ(g.LastMoveNumber, 3);
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(formatKif(recordEntries(g), {}, lines, error)) << error;
  KifRecord kif;
  ASSERT_FALSE(readKif(lines, kif));
  ASSERT_EQ(kif.entries.size(), 4u);

  for (int k = 3; k >= 0; --k) {
    if (k < 3) REPLAY_Click(g);
    ASSERT_EQ(g.MoveNumber, k);
    const RecordEntry& e = kif.entries[k];
    const int toMove = k % 2 == 0 ? kif.firstMover : -kif.firstMover;
    COPY_Click(g);
    EXPECT_EQ(platform.clipboard.contents, writeSfen({{e.board, e.manHand, e.comHand}, toMove == kif::Bottom, k + 1}))
        << "after " << k << " moves";
  }
}

}  // namespace
}  // namespace vudeve
