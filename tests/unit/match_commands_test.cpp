#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "app/handlers/lifecycle.h"
#include "app/handlers/match_commands.h"
#include "app/handlers/mouse_input.h"
#include "app/handlers/position_commands.h"
#include "app/handlers/record_panel_commands.h"
#include "record/replay.h"
#include "rules/position_text.h"
#include "rules/setup.h"
#include "support/fakes.h"
#include "support/presses.h"
#include "support/record_helpers.h"
#include "support/temp_folder.h"
#include "ui/clocks.h"

namespace vudeve {
namespace {

using testing::FakePlatform;
using testing::pressMove;
using testing::TempFolder;

class MatchCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.attach(g);
    初期設定(g);
  }
  int count(int code) const {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += g.Board[x][y] == code;
    return n;
  }
  int piecesOf(int sign) const {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += sign * g.Board[x][y] >= 10;
    return n;
  }
  bool printed(const std::string& text) const {
    for (const auto& p : fake.surface.printed())
      if (p.text == text) return true;
    return false;
  }
  std::string lastMessage() const { return fake.messages.shown.empty() ? "" : fake.messages.shown.back().text; }

  Game g;
  FakePlatform fake;
};

TEST_F(MatchCommands, StartOnAFreshBoardGivesSenteTheFirstMove) {
  START_Click(g);
  EXPECT_EQ(lastMessage(), "先手の番です");
  EXPECT_EQ(fake.messages.shown.back().caption, " ");
  EXPECT_EQ(g.ManSide, SenteSide);
  EXPECT_EQ(g.Turn, SenteSide);
  EXPECT_EQ(g.GameMode, ModeHuman);
}

TEST_F(MatchCommands, StartAfterMovesAgainstTheComputerContinuesThePosition) {
  GOTE_Click(g);  // the computer moves first
  ASSERT_EQ(g.MoveNumber, 1);
  START_Click(g);
  EXPECT_EQ(g.GameMode, ModeHuman);
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_EQ(lastMessage(), g.Turn == SenteSide ? "先手の番です" : "後手の番です");
}

TEST_F(MatchCommands, GoteLetsTheComputerMoveAtOnceAndSenteWaitsForTheMan) {
  GOTE_Click(g);
  EXPECT_EQ(g.ComSide, SenteSide);
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_EQ(g.Turn, g.ManSide);

  Game fresh;
  FakePlatform other;
  other.attach(fresh);
  初期設定(fresh);
  SENTE_Click(fresh);
  EXPECT_EQ(other.messages.shown.back().text, "MANの番です");
  EXPECT_EQ(fresh.ManSide, SenteSide);
  EXPECT_EQ(fresh.Turn, fresh.ManSide);
  EXPECT_EQ(fresh.MoveNumber, 0);
}

// Resuming against the computer ends the record at the position shown:
// 進 must not step into positions of the game left behind, also when the
// move count runs ahead of the record after 反転.
TEST_F(MatchCommands, ResumingEndsTheRecordAtThePositionShown) {
  for (bool reverse : {false, true}) {
    初期設定(g);
    GOTE_Click(g);  // the computer's first move: entry 0 stored, MoveNumber 1
    if (reverse) {
      REVERSE_Click(g);  // MoveNumber and the record back to 0, MoveCount stays 1
      SENTE_Click(g);    // the computer is to move after the turn round
      ASSERT_EQ(g.MoveNumber, 1);
    }
    SENTE_Click(g);
    EXPECT_EQ(g.LastMoveNumber, g.MoveNumber) << "reverse " << reverse;
    const BoardMap shown = g.Board;
    AFTER_Click(g);
    EXPECT_EQ(lastMessage(), "できません") << "reverse " << reverse;
    EXPECT_EQ(g.Board, shown) << "reverse " << reverse;
  }
}

// 後手 on the person's turn of a paused game starts his turn clock, as 先手
// does: the pause is nobody's time.
TEST_F(MatchCommands, GoteResumingOnThePersonsTurnRestartsHisClock) {
  g.Menus->setChecked(MenuItem::KEIKA, true);
  fake.clock.timeOfDay = 1000;
  SENTE_Click(g);
  pressMove(g, 3, 7, 3, 6);               // and the computer answers 3四歩
  pressMove(g, 2, 8, 8, 2, RightButton);  // the bishop must take the bishop
  ASSERT_EQ(g.MoveNumber, 4);
  REPLAY_Click(g);
  REPLAY_Click(g);  // paused on the person's turn, after 3四歩
  fake.clock.timeOfDay += 100;
  GOTE_Click(g);
  EXPECT_EQ(lastMessage(), "MANの番です");
  const double before = g.ManSeconds;
  fake.clock.timeOfDay += 5;
  Timer1_Timer(g);
  pressMove(g, 2, 8, 8, 2, RightButton);
  ASSERT_EQ(g.MoveNumber, 4);
  EXPECT_DOUBLE_EQ(g.RecordManTimeAfter[2] - g.RecordManTimeBefore[2], 5);
  EXPECT_DOUBLE_EQ(g.ManSeconds, before + 5);
}

// A record read from a file becomes a game at the position shown: the
// player of its first move is 先手, the side to move is the record's, the
// record ends there. A position whose king was taken starts a new game.
TEST_F(MatchCommands, StartingAfterReadingARecordPlaysOnFromThePositionShown) {
  TempFolder folder;
  const struct {
    const char* name;
    void (*start)(Game&);
    int steps;
    const char* message;
    int fromX, fromY, toX, toY;
    int button;
    int movesAfter;
    bool bottomNext;
  } cases[] = {
      {"START, 先手 to move", START_Click, 2, "先手の番です", 2, 8, 8, 2, RightButton, 3, false},
      {"START, 後手 to move", START_Click, 1, "後手の番です", 7, 3, 7, 4, LeftButton, 2, true},
      {"SENTE, the computer to move", SENTE_Click, 1, nullptr, 0, 0, 0, 0, 0, 2, true},
      {"START, at the start", START_Click, 0, "先手の番です", 7, 7, 7, 6, LeftButton, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    初期設定(g);
    testing::readGoldenRecord(g, fake.panel, folder.path());
    for (int i = 0; i < c.steps; ++i) AFTER_Click(g);
    const BoardMap shown = g.Board;
    fake.messages.shown.clear();
    c.start(g);
    EXPECT_EQ(g.RecordMode, FalseValue);
    if (c.message) {
      EXPECT_EQ(lastMessage(), c.message);
    }
    EXPECT_EQ(g.RecordBoard[c.steps], shown);
    if (c.button != 0) pressMove(g, c.fromX, c.fromY, c.toX, c.toY, c.button);
    for (const auto& box : fake.messages.shown) EXPECT_NE(box.text, "棋譜を '進 'で進めて下さい");
    EXPECT_EQ(g.MoveNumber, c.movesAfter);
    EXPECT_EQ(g.LastMoveNumber, c.movesAfter);
    EXPECT_EQ(g.Turn, c.bottomNext ? g.ManSide : g.ComSide);
  }

  初期設定(g);
  testing::readGoldenRecord(g, fake.panel, folder.path());
  g.RecordBoard[3][5][1] = Empty;  // as if the last move had taken the king
  for (int i = 0; i < 3; ++i) AFTER_Click(g);
  START_Click(g);
  EXPECT_EQ(g.Board, testing::evenBoard());
  EXPECT_EQ(g.MoveNumber, 0);
  EXPECT_EQ(g.RecordMode, FalseValue);
  EXPECT_EQ(lastMessage(), "先手の番です");
}

// The title of a record read from a file starts left of the board's
// numerals, often left of the window; starting a game erases all of it.
TEST_F(MatchCommands, StartingAGameErasesTheTitleOfARecordRead) {
  TempFolder folder;
  for (void (*start)(Game&) : {START_Click, SENTE_Click, GOTE_Click}) {
    初期設定(g);
    fake.surface.clear();
    testing::readGoldenRecord(g, fake.panel, folder.path());
    const auto printed = fake.surface.printed();
    const auto title = std::find_if(printed.begin(), printed.end(),
                                    [](const auto& p) { return p.text == "第1局　テスト対局"; });
    ASSERT_NE(title, printed.end());
    const int firstCell = static_cast<int>(std::floor((title->x - BoardLeft) / CellWidth));
    ASSERT_LT(firstCell, -1);
    fake.surface.clear();
    start(g);
    // Cell -3 is the first the window shows.
    for (int x = std::max(firstCell, -3); x <= 9; ++x)
      EXPECT_FALSE(fake.surface.picturesAt(x, 10).empty()) << "cell " << x;
  }
}

TEST_F(MatchCommands, HandicapUpTenTimesLeavesTheComputerKingAndPawns) {
  for (int i = 0; i < 10; ++i) LBEL_UP_Click(g);
  EXPECT_EQ(g.HandicapGrade, 10);
  EXPECT_EQ(piecesOf(+1), 10);
  EXPECT_EQ(count(ComPawn), 9);
  EXPECT_EQ(count(ComKing), 1);
  EXPECT_EQ(piecesOf(-1), 20);
  EXPECT_TRUE(printed("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"));

  fake.surface.clear();
  LBEL_UP_Click(g);
  EXPECT_EQ(g.HandicapGrade, 10);
  EXPECT_EQ(g.HandicapSet, TrueValue);
  EXPECT_EQ(piecesOf(+1), 10);
}

TEST_F(MatchCommands, HandicapDownTenTimesLeavesTheManKingAndPawns) {
  for (int i = 0; i < 10; ++i) LEBEL_DOWN_Click(g);
  EXPECT_EQ(g.HandicapGrade, -10);
  EXPECT_EQ(piecesOf(-1), 10);
  EXPECT_EQ(count(ManKing), 1);
  EXPECT_TRUE(printed("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"));
}

TEST_F(MatchCommands, HandicapGradesRemoveInTheListedOrder) {
  LEBEL_DOWN_Click(g);
  EXPECT_EQ(g.Board[2][8], Empty);  // 1級: MAN's bishop
  LEBEL_DOWN_Click(g);
  LEBEL_DOWN_Click(g);
  EXPECT_EQ(g.Board[1][9], Empty);  // 2段: and the lance on (1,9)
  EXPECT_EQ(g.Board[9][9], ManLance);
  for (int i = 0; i < 3; ++i) LBEL_UP_Click(g);
  for (int i = 0; i < 7; ++i) LBEL_UP_Click(g);
  EXPECT_EQ(g.Board[7][1], Empty);  // 9級: COM's silver on (7,1)
  EXPECT_EQ(g.Board[3][1], ComSilver);
}

TEST_F(MatchCommands, HandicapUpThenDownRestoresTheEvenPosition) {
  Game even;
  初期設定(even);
  LBEL_UP_Click(g);
  EXPECT_EQ(g.Board[8][2], Empty);
  LEBEL_DOWN_Click(g);
  EXPECT_EQ(g.Board, even.Board);
  EXPECT_EQ(g.HandicapGrade, 0);
}

TEST_F(MatchCommands, HandicapIsRefusedAfterTheFirstMove) {
  g.MoveNumber = 1;
  LBEL_UP_Click(g);
  EXPECT_EQ(lastMessage(), "対局途中ではできません\r\r局面→最初にして下さい");
  EXPECT_EQ(fake.messages.shown.back().caption, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
  EXPECT_EQ(g.Board[8][2], ComBishop);
  EXPECT_EQ(g.HandicapSet, FalseValue);
}

TEST_F(MatchCommands, LevelsChangeDuringAGame) {
  SENTE_Click(g);
  LEVEL1_Click(g);
  EXPECT_EQ(g.Level, 1);
  EXPECT_TRUE(g.Menus->isChecked(MenuItem::LEVEL1));
  EXPECT_FALSE(g.Menus->isChecked(MenuItem::LEVEL3));
  LEVEL5_Click(g);
  EXPECT_EQ(g.Level, 5);
  EXPECT_TRUE(g.Menus->isChecked(MenuItem::LEVEL5));
  EXPECT_FALSE(g.Menus->isChecked(MenuItem::LEVEL1));
  レベル_設定(g, 7);
  EXPECT_EQ(g.Level, 5);
  EXPECT_FALSE(g.Menus->isChecked(MenuItem::LEVEL5));
}

// While LEVEL4 or LEVEL5 thinks in the background, a press or a command
// that would change the game is refused with the forbidden sound: nothing
// is drawn, changed or kept for later, so the answer that comes is the one
// a game left alone gets. 局面コピー only reads, and copies.
TEST_F(MatchCommands, WhileTheComputerThinksChangesAreRefused) {
  constexpr SoundHandle Forbidden = 7;
  g.ForbiddenSound = Forbidden;
  testing::HeldBackgroundWork background;
  g.Background = &background;
  LEVEL4_Click(g);
  GOTE_Click(g);
  ASSERT_TRUE(g.ComThinking);

  const auto state = [](const Game& g) {
    std::vector<bool> marks;
    for (MenuItem item : LevelItems) marks.push_back(g.Menus->isChecked(item));
    return std::tuple(writePositionText(g), g.Turn, g.ManSide, g.GameMode, g.Level, marks, g.MoveCount, g.MoveNumber,
                      g.LastMoveNumber, g.SelectState, g.ResumePending, g.RecordMode, g.Reversed, g.HandicapGrade,
                      g.HandicapSet, g.Timer1->enabled());
  };
  const auto before = state(g);
  struct Refused {
    const char* what;
    void (*run)(Game&);
  };
  const Refused refused[] = {
      {"press on a piece", [](Game& g) { pressCell(g, LeftButton, 7, 7); }},
      {"press on the hand stand", [](Game& g) { pressCell(g, LeftButton, ManHandColumn, 9); }},
      {"スタート", START_Click},
      {"先手", SENTE_Click},
      {"後手", GOTE_Click},
      {"戻", REPLAY_Click},
      {"進", AFTER_Click},
      {"最初", CANCEL_Click},
      {"反転", REVERSE_Click},
      {"LEVEL1", LEVEL1_Click},
      {"LEVEL2", LEVEL2_Click},
      {"LEVEL3", LEVEL3_Click},
      {"LEVEL4", LEVEL4_Click},
      {"LEVEL5", LEVEL5_Click},
      {"△", LBEL_UP_Click},
      {"▽", LEBEL_DOWN_Click},
      {"読込", KIFU_READ_Click},
      {"書込", KIFU_WRITE_Click},
      {"棋譜貼り付け", KIFU_PASTE_Click},
      {"a record file dropped", [](Game& g) { Form_DragDrop(g, "dropped.kif"); }},
  };
  fake.clipboard.contents = "position startpos moves 7g7f";
  for (const Refused& row : refused) {
    SCOPED_TRACE(row.what);
    fake.sound.log.clear();
    fake.surface.clear();
    row.run(g);
    EXPECT_EQ(fake.sound.log, std::vector<std::string>{"play 7"});
    EXPECT_TRUE(fake.surface.calls.empty());
    EXPECT_TRUE(state(g) == before);
    EXPECT_TRUE(background.holding());
  }
  EXPECT_TRUE(fake.messages.shown.empty());
  EXPECT_FALSE(fake.panel.driveVisible || fake.panel.textPanelVisible);
  fake.sound.log.clear();
  COPY_Click(g);
  EXPECT_EQ(fake.clipboard.contents, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
  EXPECT_TRUE(fake.sound.log.empty());

  background.finish();
  Game alone;
  FakePlatform other;
  other.attach(alone);
  初期設定(alone);
  LEVEL4_Click(alone);
  GOTE_Click(alone);
  EXPECT_FALSE(g.ComThinking);
  EXPECT_EQ(g.Board, alone.Board);
  EXPECT_EQ(g.RecordBoard[1], alone.RecordBoard[1]);
  EXPECT_EQ(g.MoveCount, 1);
  EXPECT_EQ(g.Turn, g.ManSide);
  EXPECT_EQ(fake.messages.texts(), other.messages.texts());
}

// However the person quits while the computer thinks, the search is
// abandoned there and its move never played.
TEST_F(MatchCommands, QuittingWhileTheComputerThinksAbandonsTheSearch) {
  const std::pair<const char*, void (*)(Game&)> ways[] = {
      {"終わり", OWARI_Click},
      {"Escape", [](Game& g) { Form_KeyPress(g, EscapeKey); }},
      {"closing the window", Form_Unload},
  };
  for (const auto& [what, quit] : ways) {
    SCOPED_TRACE(what);
    Game thinking;
    FakePlatform platform;
    platform.attach(thinking);
    testing::HeldBackgroundWork background;
    thinking.Background = &background;
    初期設定(thinking);
    LEVEL5_Click(thinking);
    GOTE_Click(thinking);
    ASSERT_TRUE(thinking.ComThinking);
    quit(thinking);
    EXPECT_EQ(background.abandoned, 1);
    EXPECT_FALSE(background.holding());
    EXPECT_FALSE(thinking.ComThinking);
    EXPECT_EQ(thinking.MoveCount, 0);
  }
}

TEST_F(MatchCommands, EscapeQuitsAndReleasesTheSoundOtherKeysDoNothing) {
  Form_KeyPress(g, 'a');
  EXPECT_FALSE(fake.window.quitted);
  Form_KeyPress(g, EscapeKey);
  EXPECT_TRUE(fake.window.quitted);
}

}  // namespace
}  // namespace vudeve
