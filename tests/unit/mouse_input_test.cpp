#include <gtest/gtest.h>

#include <cmath>

#include "app/handlers/match_commands.h"
#include "app/handlers/mouse_input.h"
#include "app/handlers/record_panel_commands.h"
#include "platform/text_encoding.h"
#include "record/record_file.h"
#include "rules/setup.h"
#include "support/fakes.h"
#include "support/presses.h"
#include "support/temp_folder.h"
#include "ui/clocks.h"

namespace vudeve {
namespace {

using testing::DrawCall;
using testing::FakePlatform;
using testing::press;
using testing::pressMove;
using testing::RecordingSurface;
using testing::TempFolder;

class MouseInput : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.attach(g);
    初期設定(g);
  }
  // Only the two kings on the board, MAN to move in a two-person game.
  void startWithKingsOnly() {
    START_Click(g);
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) g.Board[x][y] = Empty;
    g.Board[5][9] = ManKing;
    g.Board[5][1] = ComKing;
    g.ManKingX = 5, g.ManKingY = 9, g.ComKingX = 5, g.ComKingY = 1;
    fake.messages.shown.clear();
  }
  std::string lastMessage() const { return fake.messages.shown.empty() ? "" : fake.messages.shown.back().text; }
  std::string lastCaption() const {
    return fake.messages.shown.empty() ? "" : fake.messages.shown.back().caption;
  }

  Game g;
  FakePlatform fake;
};

TEST_F(MouseInput, RefusesPressesOutsideARunningGame) {
  press(g, 7, 7);
  EXPECT_EQ(lastMessage(), "「対局」で始めて下さい");
  EXPECT_EQ(lastCaption(), "開始");

  g.Turn = SenteSide;
  g.Winner = g.ManSide;
  press(g, 7, 7);
  EXPECT_EQ(lastMessage(), "新規に対局してください");
  EXPECT_EQ(lastCaption(), "終局");
}

TEST_F(MouseInput, RecordModeAsksAndNoResetsTheGame) {
  g.RecordMode = TrueValue;
  g.Turn = SenteSide;
  fake.messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
  press(g, 7, 7);
  EXPECT_EQ(g.RecordMode, TrueValue);
  press(g, 7, 7);
  EXPECT_EQ(g.RecordMode, FalseValue);
  EXPECT_EQ(g.Turn, NoSide);
  EXPECT_EQ(fake.messages.shown.back().buttons, MessageButtons::YesNo);
}

TEST_F(MouseInput, TwoPersonMoveIsRecordedAndPassesTheTurn) {
  START_Click(g);
  EXPECT_EQ(lastMessage(), "先手の番です");
  press(g, 7, 7);
  EXPECT_EQ(g.SelectState, 1);
  press(g, 7, 6);
  EXPECT_EQ(g.Board[7][6], ManPawn);
  EXPECT_EQ(g.Board[7][7], Empty);
  EXPECT_EQ(g.Turn, GoteSide);
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_EQ(g.MoveCount, 1);
  EXPECT_EQ(g.LastMoveNumber, 1);
  EXPECT_EQ(g.RecordBoard[0][7][7], ManPawn);
  EXPECT_EQ(g.RecordBoard[1], g.Board);
}

// After 後手 against the computer the bottom player is 後手. In the
// two-person game that follows each player's time goes to his own clock (the
// bottom player's to MAN's, where the tick shows it), in the game, the record
// and the file, and taking the top king is a win for 後手.
TEST_F(MouseInput, TwoPersonGameAfterGoteChargesEachMoverAndNamesTheWinner) {
  TempFolder folder;
  g.Menus->setChecked(MenuItem::KEIKA, true);
  fake.clock.timeOfDay = 1000;
  GOTE_Click(g);  // the computer's move as 先手, in no time on the fake clock
  ASSERT_EQ(g.ManSide, GoteSide);
  ASSERT_EQ(g.MoveNumber, 1);
  ASSERT_EQ(g.ManSeconds + g.ComSeconds, 0);
  START_Click(g);
  EXPECT_EQ(lastMessage(), "後手の番です");
  for (auto& column : g.Board) column.fill(Empty);
  g.Board[9][9] = ManKing;
  g.Board[5][1] = ComKing;
  g.Board[1][5] = ManRook;
  g.Board[9][3] = ComPawn;

  // The bottom rook checks along the top row, the top player ignores it,
  // and the rook takes the king: 10, 20 and 5 seconds, the tick running.
  const struct {
    int fromX, fromY, toX, toY;
    double seconds;
  } moves[] = {{1, 5, 1, 1, 10}, {9, 3, 9, 4, 20}, {1, 1, 5, 1, 5}};
  for (const auto& m : moves) {
    fake.clock.timeOfDay += m.seconds;
    Timer1_Timer(g);
    pressMove(g, m.fromX, m.fromY, m.toX, m.toY);
  }
  EXPECT_EQ(g.Winner, GoteSide);
  EXPECT_EQ(lastMessage(), "後手の勝ちです");
  EXPECT_EQ(lastCaption(), "終了");
  EXPECT_DOUBLE_EQ(g.ManSeconds, 15);
  EXPECT_DOUBLE_EQ(g.ComSeconds, 20);

  // MAN before and after, COM before and after, entries 1 (before the rook's
  // check) to 4 (the king taken), as the file's clock columns.
  const std::string clocks[] = {"    0   10    0    0", "   10   10    0   20", "   10   15   20   20",
                                "   15   15   20   20"};
  ASSERT_EQ(g.LastMoveNumber, 4);
  EXPECT_EQ(g.RecordBoard[4], g.Board);
  fake.panel.fileFolder = folder.path().string();
  KIFU_WRITE_Click(g);
  fake.panel.texts = {{PanelText::Text1, "gote"}};
  Command1_Click(g);
  std::vector<std::string> lines;
  ASSERT_EQ(readTextFile(folder / "gote.棋譜", lines), TextFileStatus::Ok);
  // The game began from a position of its own, which goes first.
  ASSERT_EQ(lines.size(), 3u + 5u);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(lines[3 + k].substr(338), clocks[k - 1]) << "entry " << k;
}

// Without 経過時間 the tick never runs; each turn is still measured when it
// ends and goes to the clocks and the record.
TEST_F(MouseInput, WithoutKeikaEachMoveIsStillTimed) {
  fake.clock.timeOfDay = 500;
  START_Click(g);
  ASSERT_FALSE(g.Timer1->enabled());
  fake.clock.timeOfDay += 7;
  pressMove(g, 3, 7, 3, 6);
  fake.clock.timeOfDay += 3;
  pressMove(g, 7, 3, 7, 4);
  EXPECT_DOUBLE_EQ(g.ManSeconds, 7);
  EXPECT_DOUBLE_EQ(g.ComSeconds, 3);
  EXPECT_DOUBLE_EQ(g.RecordManTimeAfter[0], 7);
  EXPECT_DOUBLE_EQ(g.RecordComTimeBefore[1], 0);
  EXPECT_DOUBLE_EQ(g.RecordComTimeAfter[1], 3);
  EXPECT_DOUBLE_EQ(g.RecordManTimeBefore[2], 7);
  EXPECT_DOUBLE_EQ(g.RecordComTimeBefore[2], 3);
}

TEST_F(MouseInput, IllegalDestinationAndOwnPieceCancelThePickUp) {
  START_Click(g);
  press(g, 7, 7);
  press(g, 7, 5);  // a pawn moves one square
  EXPECT_EQ(g.SelectState, 0);
  EXPECT_EQ(g.Board[7][7], ManPawn);
  press(g, 7, 7);
  press(g, 8, 8);  // own rook
  EXPECT_EQ(g.SelectState, 0);
  EXPECT_EQ(g.MoveNumber, 0);
}

TEST_F(MouseInput, ForcedPromotionWantsTheRightButton) {
  startWithKingsOnly();
  g.Board[3][2] = ManPawn;
  press(g, 3, 2);
  press(g, 3, 1);
  EXPECT_EQ(lastMessage(), "マウスの右をクリックして下さい");
  EXPECT_EQ(lastCaption(), "成り");
  EXPECT_EQ(g.SelectState, 1);
  EXPECT_EQ(g.Board[3][2], ManPawn);
  press(g, 3, 1, RightButton);
  EXPECT_EQ(g.Board[3][1], ManTokin);
}

TEST_F(MouseInput, RightButtonWithoutPromotionMovesPlainly) {
  startWithKingsOnly();
  g.Board[3][6] = ManGold;
  g.Board[4][6] = ManSilver;
  press(g, 3, 6);
  press(g, 3, 5, RightButton);
  EXPECT_EQ(g.Board[3][5], ManGold);
  g.Turn = SenteSide;
  press(g, 4, 6);
  press(g, 4, 5, RightButton);  // outside the zone: no promotion
  EXPECT_EQ(g.Board[4][5], ManSilver);
}

TEST_F(MouseInput, CompulsoryCaptureRefusesOtherMoves) {
  startWithKingsOnly();
  g.Board[3][7] = ManPawn;
  g.Board[3][6] = ComSilver;  // the pawn can take it safely
  g.Board[8][7] = ManPawn;
  press(g, 8, 7);
  press(g, 8, 6);
  EXPECT_EQ(lastMessage(), "　この駒は移動できません\r\r他に移動できる駒があります");
  EXPECT_EQ(lastCaption(), "警告");
  EXPECT_EQ(g.Board[8][7], ManPawn);
  EXPECT_EQ(g.CapturerFlags[3][7], TrueValue);
  EXPECT_EQ(g.SelectState, 0);

  g.Board[4][8] = ManGold;  // a capturer that could also step to an empty square
  g.Board[4][7] = ComPawn;
  press(g, 4, 8);
  press(g, 5, 8);
  EXPECT_EQ(lastMessage(), "相手駒を取って下さい");
  press(g, 3, 7);
  press(g, 3, 6);
  EXPECT_EQ(g.Board[3][6], ManPawn);
  EXPECT_EQ(g.ManHand[4], 1);
}

// A hand cell lies outside the board's grid, so a refusal must clear its
// outline itself or the hand piece looks held after it is put down.
TEST_F(MouseInput, CompulsoryCaptureRefusalClearsTheHandCellOutline) {
  startWithKingsOnly();
  g.Board[3][7] = ManPawn;
  g.Board[3][6] = ComSilver;
  g.ManHand[5] = 1;
  g.ManHandTotal = 1;
  press(g, 11, 7);
  fake.surface.clear();
  press(g, 5, 5);
  ASSERT_EQ(lastCaption(), "警告");
  EXPECT_EQ(g.SelectState, 0);
  int lastColor = -1;
  for (const DrawCall& c : fake.surface.calls)
    if (c.kind == DrawCall::Box && RecordingSurface::near(c.x, RecordingSurface::cellX(11)) &&
        RecordingSurface::near(c.y, RecordingSurface::cellY(7)))
      lastColor = c.code;
  EXPECT_EQ(lastColor, GridColor);
}

TEST_F(MouseInput, EachSideDropsFromItsOwnHandStand) {
  startWithKingsOnly();
  g.ComHand[1] = 1;
  g.ComHandTotal = 1;
  g.ManHand[5] = 1;
  g.ManHandTotal = 1;
  press(g, -1, 7);  // COM's pawn while Sente (MAN) is to move
  press(g, 5, 5);
  EXPECT_EQ(g.Board[5][5], Empty);
  EXPECT_EQ(g.SelectState, 0);
  press(g, 11, 7);  // MAN's gold
  press(g, 5, 5);
  EXPECT_EQ(g.Board[5][5], ManGold);
  EXPECT_EQ(g.ManHand[5], 0);
  EXPECT_EQ(g.Turn, GoteSide);
  press(g, -1, 7);
  press(g, 4, 4);
  EXPECT_EQ(g.Board[4][4], ComPawn);
  EXPECT_EQ(g.ComHand[1], 0);
}

TEST_F(MouseInput, PressWhileTheComputerIsToMoveLetsItMoveFirst) {
  SENTE_Click(g);
  g.Turn = g.ComSide;
  fake.messages.shown.clear();
  press(g, 7, 7);
  ASSERT_FALSE(fake.messages.shown.empty());
  EXPECT_EQ(fake.messages.shown.front().text, "OKですか？");
  EXPECT_EQ(fake.messages.shown.front().caption, "再開(COM)");
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_EQ(g.Turn, g.ManSide);
  EXPECT_EQ(g.SelectState, 1);  // and the press then picks up the pawn
}

TEST_F(MouseInput, TakingTheComputersKingWins) {
  SENTE_Click(g);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) g.Board[x][y] = Empty;
  g.Board[5][9] = ManKing;
  g.Board[5][2] = ComKing;
  g.Board[5][3] = ManGold;
  g.Board[1][1] = ComPawn;
  press(g, 5, 3);
  press(g, 5, 2);
  EXPECT_EQ(g.Winner, g.ManSide);
  EXPECT_EQ(lastMessage(), "あなたの勝ちです");
  EXPECT_EQ(lastCaption(), "終了");
  EXPECT_EQ(g.LastMoveNumber, 1);
  EXPECT_EQ(g.RecordBoard[1], g.Board) << "the record ends with the king taken";
}

TEST_F(MouseInput, PressesFarOutsideTheWindowAreHarmless) {
  START_Click(g);
  press(g, 7, 7);
  Form_MouseDown(g, LeftButton, 0, 1e300, -1e300);
  Form_MouseDown(g, RightButton, 0, std::nan(""), 0);
  EXPECT_EQ(g.SelectState, 0);
  EXPECT_EQ(g.MoveNumber, 0);
}

TEST_F(MouseInput, PressBesideTheBoardPutsThePieceDown) {
  START_Click(g);
  press(g, 7, 7);
  ASSERT_EQ(g.SelectState, 1);
  press(g, 16, 5);
  EXPECT_EQ(g.SelectState, 0);
  press(g, 7, 6);
  EXPECT_EQ(g.Board[7][6], Empty);
}

}  // namespace
}  // namespace vudeve
