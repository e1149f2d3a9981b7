#include "record/replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/handlers/match_commands.h"
#include "app/handlers/position_commands.h"
#include "app/handlers/record_panel_commands.h"
#include "record/record_file.h"
#include "support/fakes.h"
#include "support/presses.h"
#include "support/record_helpers.h"
#include "support/temp_folder.h"

namespace vudeve {
namespace {

using testing::evenBoard;
using testing::FakePlatform;
using testing::pressMove;
using testing::shift;
using testing::storeAndCount;
using testing::TempFolder;

constexpr SoundHandle Piece = 11;
constexpr SoundHandle Forbidden = 12;

class ReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.attach(g);
    g.PieceSound = Piece;
    g.ForbiddenSound = Forbidden;
    g.Menus->setChecked(MenuItem::KEIKA, true);
    初期設定(g);
  }

  // A game against the computer, MAN first: 7六歩 (12 s), 3四歩 (5 s),
  // stored as the movers store it.
  void playTwoMoves() {
    g.ManSide = SenteSide;
    g.ComSide = GoteSide;
    g.GameMode = ModeCom;
    g.Turn = SenteSide;
    storeAndCount(g, 0, 12, 0, 0);
    shift(g, 3, 7, 3, 6, ManPawn);
    g.ManSeconds = 12;
    g.Turn = GoteSide;
    storeAndCount(g, 12, 12, 0, 5);
    shift(g, 7, 3, 7, 4, ComPawn);
    g.ComSeconds = 5;
    g.Turn = SenteSide;
    storePositionAfterMove(g);
  }

  void loadGolden() {
    testing::readGoldenRecord(g, platform.panel, folder.path());
    ASSERT_EQ(g.LastMoveNumber, 3);
    platform.messages.shown.clear();
    platform.sound.log.clear();
  }

  void clearLogs() {
    platform.surface.clear();
    platform.sound.log.clear();
    platform.messages.shown.clear();
  }

  // Last-move texts are erased by tiling their cells with the background.
  // The computer's cell (-1, 8) is also tiled once by erasing the thinking
  // notice, which every step does.
  bool manTextErased() const { return !platform.surface.picturesAt(13, 2).empty(); }
  bool comTextErased() const { return platform.surface.picturesAt(-1, 8).size() == 2; }

  std::vector<std::string> printed() const {
    std::vector<std::string> out;
    for (const auto& p : platform.surface.printed()) out.push_back(p.text);
    return out;
  }
  bool printedText(const std::string& text) const {
    std::vector<std::string> all = printed();
    return std::find(all.begin(), all.end(), text) != all.end();
  }

  TempFolder folder;
  FakePlatform platform;
  Game g;
};

TEST_F(ReplayTest, BackAtTheStartIsRefused) {
  playTwoMoves();
  g.MoveNumber = 0;
  const BoardMap board = g.Board;
  clearLogs();
  REPLAY_Click(g);
  EXPECT_EQ(platform.messages.texts(), std::vector<std::string>{"できません"});
  EXPECT_EQ(platform.messages.shown[0].caption, "戻る");
  EXPECT_EQ(platform.sound.log, std::vector<std::string>{"play 12"});
  EXPECT_EQ(g.ResumePending, TrueValue);
  EXPECT_EQ(g.Board, board);
}

TEST_F(ReplayTest, BackAtOneRestoresTheStartingPosition) {
  g.ManSide = SenteSide;
  g.ComSide = GoteSide;
  g.Turn = SenteSide;
  storeAndCount(g, 0, 12, 0, 0);
  shift(g, 3, 7, 3, 6, ManPawn);
  g.ManSeconds = 12;
  g.Turn = GoteSide;
  g.SelectState = 1;
  g.Timer1->setEnabled(true);
  clearLogs();

  REPLAY_Click(g);
  EXPECT_EQ(g.Board, evenBoard());
  EXPECT_EQ(g.MoveNumber, 0);
  EXPECT_EQ(g.MoveCount, 0);
  EXPECT_EQ(g.Turn, SenteSide);
  EXPECT_EQ(g.ManSeconds, 0);
  EXPECT_EQ(g.SelectState, 0);
  EXPECT_FALSE(g.Timer1->enabled());
  EXPECT_EQ(g.ResumePending, TrueValue);
  EXPECT_EQ(platform.sound.log, std::vector<std::string>{"play 11"});
  EXPECT_TRUE(manTextErased());
  EXPECT_FALSE(comTextErased());
}

TEST_F(ReplayTest, BackFromTheLastMoveErasesTheTextOfItsMover) {
  playTwoMoves();
  clearLogs();
  REPLAY_Click(g);
  EXPECT_EQ(g.Board, g.RecordBoard[1]);
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_TRUE(comTextErased());
  EXPECT_FALSE(manTextErased());
  EXPECT_EQ(g.ComSeconds, 0) << "the clocks before the move taken back";
  EXPECT_EQ(g.ManSeconds, 12);
}

TEST_F(ReplayTest, ForwardThroughALoadedRecordShowsEachMoveAndEndsWithItsEnd) {
  loadGolden();
  const struct {
    const char* column;
    const char* row;
    const char* piece;
    bool computer;
    double man, com;
  } steps[] = {{"７", "六", "歩", false, 12, 0}, {"３", "四", "歩", true, 12, 5}, {"２", "二", "角成", false, 1247, 5}};
  for (int i = 0; i < 3; ++i) {
    clearLogs();
    AFTER_Click(g);
    EXPECT_TRUE(platform.messages.shown.empty());
    EXPECT_EQ(g.MoveNumber, i + 1);
    EXPECT_EQ(g.MoveCount, i + 1);
    EXPECT_EQ(g.Board, g.RecordBoard[i + 1]);
    EXPECT_EQ(g.ManHand, g.RecordManHand[i + 1]);
    EXPECT_EQ(g.ManHandTotal, i == 2 ? 1 : 0);
    EXPECT_EQ(g.ManSeconds, steps[i].man) << "before-move clocks of the entry shown";
    EXPECT_EQ(g.ComSeconds, steps[i].com);
    EXPECT_TRUE(printedText(steps[i].column)) << i;
    EXPECT_TRUE(printedText(steps[i].row)) << i;
    EXPECT_TRUE(printedText(steps[i].piece)) << i;
    EXPECT_EQ(steps[i].computer ? comTextErased() : manTextErased(), true) << i;
    EXPECT_EQ(platform.sound.log, std::vector<std::string>{"play 11"});
    EXPECT_EQ(g.ResumePending, TrueValue);
  }
  clearLogs();
  AFTER_Click(g);
  EXPECT_EQ(platform.messages.texts(), std::vector<std::string>{"終わり"});
  EXPECT_EQ(platform.messages.shown[0].caption, "進む");
  EXPECT_TRUE(platform.sound.log.empty());
  EXPECT_EQ(g.MoveNumber, 3);

  REPLAY_Click(g);
  EXPECT_EQ(g.Board, g.RecordBoard[2]);
  EXPECT_TRUE(manTextErased()) << "the horse was MAN's";
}

// The record keeps the position after the last move, in play and in the
// file: 進 reaches it, and 戻 from it and 進 again come back to it.
TEST_F(ReplayTest, APlayedGameEndsWithItsLastPositionInPlayAndInItsFile) {
  START_Click(g);
  pressMove(g, 3, 7, 3, 6);                // 7六歩
  pressMove(g, 7, 3, 7, 4);                // 3四歩
  pressMove(g, 2, 8, 8, 2, RightButton);  // 2二角成, compulsory
  ASSERT_EQ(g.Board[8][2], ManHorse);
  const BoardMap last = g.Board;
  const HandArray lastHand = g.ManHand;
  EXPECT_EQ(g.LastMoveNumber, 3);

  // In play: 進 at the end is refused; one step back and forward again.
  clearLogs();
  AFTER_Click(g);
  EXPECT_EQ(platform.messages.texts(), std::vector<std::string>{"できません"});
  REPLAY_Click(g);
  EXPECT_EQ(g.MoveNumber, 2);
  EXPECT_TRUE(manTextErased());
  clearLogs();
  AFTER_Click(g);
  EXPECT_TRUE(platform.messages.shown.empty());
  EXPECT_EQ(g.Board, last);
  EXPECT_EQ(g.ManHand, lastHand);
  EXPECT_TRUE(printedText("角成"));

  // Written and read back: three positions, the last one the horse's.
  platform.panel.fileFolder = folder.path().string();
  KIFU_WRITE_Click(g);
  platform.panel.texts = {{PanelText::Text1, "played"}};
  Command1_Click(g);
  Game back;
  FakePlatform backPlatform;
  backPlatform.attach(back);
  testing::readRecordFile(back, backPlatform.panel, folder.path(), "played.棋譜");
  ASSERT_EQ(back.LastMoveNumber, 3);
  for (int k = 1; k <= 3; ++k) AFTER_Click(back);
  EXPECT_EQ(back.Board, last);
  EXPECT_EQ(back.ManHand, lastHand);
  const auto shown = backPlatform.surface.printed();
  EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const auto& p) { return p.text == "角成"; }));
  backPlatform.messages.shown.clear();
  AFTER_Click(back);
  EXPECT_EQ(backPlatform.messages.texts(), std::vector<std::string>{"終わり"});
  REPLAY_Click(back);
  EXPECT_EQ(back.Board, g.RecordBoard[2]);
  AFTER_Click(back);
  EXPECT_EQ(back.Board, last);
}

TEST_F(ReplayTest, ForwardBeforeAnyGameAsksForOne) {
  AFTER_Click(g);
  EXPECT_EQ(platform.messages.texts(), std::vector<std::string>{"「対局」で始めて下さい"});
  EXPECT_EQ(platform.messages.shown[0].caption, "開始");
  EXPECT_EQ(platform.sound.log, std::vector<std::string>{"play 12"});
  EXPECT_EQ(g.ResumePending, FalseValue);
}

TEST_F(ReplayTest, ReverseTwiceBringsBackThePiecesButNotTheRecord) {
  playTwoMoves();
  g.ManHand[1] = 2;
  g.ComHand[6] = 1;
  g.ManHandTotal = 2;
  g.ComHandTotal = 1;
  const BoardMap board = g.Board;
  const HandArray manHand = g.ManHand, comHand = g.ComHand;

  REVERSE_Click(g);
  EXPECT_EQ(g.Board[5][1], ComKing) << "MAN's king, now the top army's";
  EXPECT_EQ(g.Board[5][9], ManKing);
  EXPECT_EQ(g.Board[7][4], ComPawn) << "MAN's advanced pawn (3, 6), turned round";
  EXPECT_EQ(g.Board[3][6], ManPawn);
  EXPECT_EQ(g.ManHand, comHand);
  EXPECT_EQ(g.ComHand, manHand);
  EXPECT_EQ(g.ManHandTotal, 1);
  EXPECT_EQ(g.ComHandTotal, 2);
  EXPECT_EQ(g.Turn, GoteSide);
  EXPECT_EQ(g.Reversed, TrueValue);
  EXPECT_EQ(g.MoveNumber, 0);
  EXPECT_EQ(g.LastMoveNumber, 0);

  REVERSE_Click(g);
  EXPECT_EQ(g.Board, board);
  EXPECT_EQ(g.ManHand, manHand);
  EXPECT_EQ(g.ComHand, comHand);
  EXPECT_EQ(g.Turn, SenteSide);
  EXPECT_EQ(g.Reversed, TrueValue);
  EXPECT_EQ(g.LastMoveNumber, 0);
  EXPECT_EQ(std::count(platform.sound.log.begin(), platform.sound.log.end(), "play 11"), 2);
}

TEST_F(ReplayTest, ReverseTurnsTheHandicapRound) {
  g.HandicapSet = TrueValue;
  g.HandicapGrade = 3;
  REVERSE_Click(g);
  EXPECT_EQ(g.HandicapGrade, -3);
  EXPECT_TRUE(printedText("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"));
}

TEST_F(ReplayTest, ReverseOnALoadedRecordIsRefused) {
  loadGolden();
  REVERSE_Click(g);
  EXPECT_EQ(platform.messages.texts(), std::vector<std::string>{"棋譜ﾓｰﾄﾞではできません"});
  EXPECT_EQ(platform.messages.shown[0].caption, "反転");
  EXPECT_EQ(platform.sound.log, std::vector<std::string>{"play 12"});
  EXPECT_EQ(g.Reversed, FalseValue);
  EXPECT_EQ(g.LastMoveNumber, 3);
  EXPECT_EQ(g.Board, evenBoard());
}

TEST_F(ReplayTest, FirstReturnsToTheStartAndKeepsTheRecord) {
  loadGolden();
  AFTER_Click(g);
  CANCEL_Click(g);
  EXPECT_EQ(g.Board, evenBoard());
  EXPECT_EQ(g.RecordMode, FalseValue);
  EXPECT_EQ(g.Turn, NoSide);
  EXPECT_EQ(g.MoveNumber, 0);
  EXPECT_EQ(g.LastMoveNumber, 3);
  EXPECT_EQ(platform.sound.log.back(), "play 11");
}

TEST_F(ReplayTest, PositionMenuClosesTheFilePanel) {
  platform.panel.driveVisible = platform.panel.fileVisible = platform.panel.textPanelVisible = true;
  platform.panel.texts[PanelText::Text1] = "name";
  STOP_Click(g);
  EXPECT_FALSE(platform.panel.driveVisible || platform.panel.fileVisible || platform.panel.textPanelVisible);
  EXPECT_EQ(platform.panel.text(PanelText::Text1), "");
}

TEST(HandCount, SumsThePositiveCountsOfTheSide) {
  Game g;
  g.ManHand = {0, 3, 0, -1, 1, 0, 0, 2};
  g.ComHand = {0, 0, 1, 0, 0, 0, 1, 0};
  EXPECT_EQ(調査_持駒数(g, g.ManSide), 6);
  EXPECT_EQ(調査_持駒数(g, g.ComSide), 2);
  EXPECT_EQ(調査_持駒数(g, NoSide), 0);
  EXPECT_EQ(調査_持駒数(g, 5), 0);
}

TEST(MoveResult, FindsTheDestinationOrLeavesTheOutputs) {
  Game g;
  g.RecordBoard[0] = evenBoard();
  g.RecordBoard[1] = evenBoard();
  int x = -5, y = -5, piece = -5;
  調査_移動結果(g, 1, x, y, piece);
  EXPECT_EQ(x, -5) << "equal positions name no move";
  調査_移動結果(g, 0, x, y, piece);
  調査_移動結果(g, static_cast<int>(g.RecordBoard.size()), x, y, piece);
  EXPECT_EQ(piece, -5) << "no index outside the record is read";

  g.RecordBoard[1][8][2] = ManHorse;  // captures the bishop
  g.RecordBoard[1][2][8] = Empty;
  調査_移動結果(g, 1, x, y, piece);
  EXPECT_EQ(x, 8);
  EXPECT_EQ(y, 2);
  EXPECT_EQ(piece, ManHorse);
}

}  // namespace
}  // namespace vudeve
