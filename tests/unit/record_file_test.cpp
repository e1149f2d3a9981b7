#include "record/record_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handlers/record_panel_commands.h"
#include "platform/text_encoding.h"
#include "record/kif_notation.h"
#include "record/notation.h"
#include "record/record_line.h"
#include "rules/handicap.h"
#include "support/fakes.h"
#include "support/record_helpers.h"
#include "support/temp_folder.h"

namespace vudeve {
namespace {

using testing::evenBoard;
using testing::FakePlatform;
using testing::readBytes;
using testing::shift;
using testing::storeAndCount;
using testing::TempFolder;
using testing::writeBytes;

const std::string GoldenTitle = "第1局　テスト対局";
const std::string GoldenTop = "ｺﾝﾋﾟｭｰﾀ";
const std::string GoldenBottom = "山田 花子";

class RecordFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.attach(g);
    platform.panel.fileFolder = folder.path().string();
  }

  // The game of the golden file, MAN moving first: 7六歩, 3四歩, 2二角成,
  // then one more move whose position is not stored.
  void playGoldenGame() {
    初期設定(g);
    g.ManSide = SenteSide;
    g.ComSide = GoteSide;
    storeAndCount(g, 0, 12.7, 0, 0);
    shift(g, 3, 7, 3, 6, ManPawn);
    storeAndCount(g, 12.7, 12.7, 0, 5.3);
    shift(g, 7, 3, 7, 4, ComPawn);
    storeAndCount(g, 12.7, 1247.2, 5.3, 5.3);
    shift(g, 2, 8, 8, 2, ManHorse);
    g.ManHand[6] = 1;
    storeAndCount(g, 1247.2, 1247.2, 5.3, 25.99);
  }

  std::vector<BoardMap> goldenBoards() const {
    std::vector<BoardMap> boards(4, evenBoard());
    for (int k = 1; k <= 3; ++k) {
      boards[k] = boards[k - 1];
      if (k == 1) boards[k][3][7] = Empty, boards[k][3][6] = ManPawn;
      if (k == 2) boards[k][7][3] = Empty, boards[k][7][4] = ComPawn;
      if (k == 3) boards[k][2][8] = Empty, boards[k][8][2] = ManHorse;
    }
    return boards;
  }

  void copyGolden(const std::string& name) {
    writeBytes(folder / name, readBytes(std::filesystem::path(VUDEVE_TEST_DATA) / "golden.棋譜"));
  }

  void readFile(const std::string& name) {
    platform.panel.chosenFile = name;
    File1_Click(g);
  }

  void writeLines(const std::string& name, const std::vector<std::string>& lines) {
    ASSERT_EQ(writeTextFile(folder / name, lines), TextFileStatus::Ok);
  }

  void fillTexts(const std::string& file) {
    platform.panel.texts = {{PanelText::Text1, file},
                            {PanelText::Text2, GoldenTitle},
                            {PanelText::Text3, GoldenBottom},
                            {PanelText::Text4, GoldenTop}};
  }

  std::vector<std::string> messages() const { return platform.messages.texts(); }

  TempFolder folder;
  FakePlatform platform;
  Game g;
};

TEST_F(RecordFileTest, GoldenFileReadsIntoTheExpectedPositions) {
  copyGolden("golden.棋譜");
  g.RecordBoard[0][5][5] = ComKing;  // left over from an earlier game
  readFile("golden.棋譜");

  EXPECT_EQ(messages(), (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
  EXPECT_EQ(platform.messages.shown[0].caption, "棋譜");
  EXPECT_EQ(platform.messages.shown[1].caption, "棋譜");
  EXPECT_EQ(g.RecordMode, TrueValue);
  EXPECT_EQ(g.Turn, SenteSide);
  EXPECT_EQ(g.LastMoveNumber, 3);
  EXPECT_EQ(g.MoveNumber, 0);
  EXPECT_EQ(g.MoveCount, 0);
  EXPECT_EQ(g.Board, evenBoard());

  const std::vector<BoardMap> boards = goldenBoards();
  for (int k = 0; k <= 3; ++k) EXPECT_EQ(g.RecordBoard[k], boards[k]) << "index " << k;
  EXPECT_EQ(g.RecordManHand[0], HandArray{});
  EXPECT_EQ(g.RecordManHand[2], HandArray{});
  EXPECT_EQ(g.RecordManHand[3], (HandArray{0, 0, 0, 0, 0, 0, 1, 0}));
  EXPECT_EQ(g.RecordComHand[3], HandArray{});
  // Entry 0 ends with the clocks line 1 begins with.
  const double times[4][4] = {{0, 12, 0, 0}, {12, 12, 0, 5}, {12, 1247, 5, 5}, {1247, 1247, 5, 25}};
  for (int k = 0; k <= 3; ++k) {
    EXPECT_EQ(g.RecordManTimeBefore[k], times[k][0]) << k;
    EXPECT_EQ(g.RecordManTimeAfter[k], times[k][1]) << k;
    EXPECT_EQ(g.RecordComTimeBefore[k], times[k][2]) << k;
    EXPECT_EQ(g.RecordComTimeAfter[k], times[k][3]) << k;
  }
}

TEST_F(RecordFileTest, HeaderLinesArePrintedWhereTheyBelong) {
  copyGolden("golden.棋譜");
  readFile("golden.棋譜");
  std::vector<testing::RecordingSurface::PrintedText> headers;
  for (const auto& p : platform.surface.printed())
    if (p.text == GoldenTitle || p.text == GoldenTop || p.text == GoldenBottom) headers.push_back(p);
  ASSERT_EQ(headers.size(), 3u);
  const struct {
    std::string text;
    double x, y;
    int color;
  } expected[] = {{GoldenTitle, 0, 6350, SelectColor},  // nine characters: at the left edge
                  {GoldenTop, 取得_棋譜のX座標(GoldenTop), 100, TextColor},
                  {GoldenBottom, 取得_棋譜のX座標(GoldenBottom), 6350, TextColor}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(headers[i].text, expected[i].text);
    EXPECT_DOUBLE_EQ(headers[i].x, expected[i].x);
    EXPECT_DOUBLE_EQ(headers[i].y, expected[i].y);
    EXPECT_EQ(headers[i].color, expected[i].color);
    EXPECT_EQ(headers[i].size, 12);
  }
}

// The fake surface's font makes a full-width character 240 twips wide at
// 12 points; the bottom player's name "山田 花子" starts at 3327 twips.
TEST_F(RecordFileTest, HeaderLinesStayInsideTheWindowAndClearOfTheName) {
  const std::string longTitle = "第三十六期竜王戦七番勝負第二局　山田一郎竜王対鈴木誠七段戦（京都）";
  std::string longName;
  for (int i = 0; i < 40; ++i) longName += "名";
  const struct {
    std::vector<std::string> lines;
    std::size_t shown;  // the line looked at
    std::string text;
    double x;
  } rows[] = {
      {{"第1局", "先手", GoldenBottom}, 0, "第1局", 取得_棋譜のX座標("第1局") - 3000},
      {{GoldenTitle, "先手", GoldenBottom}, 0, GoldenTitle, 0},
      {{longTitle, "先手", GoldenBottom}, 0, "第三十六期竜王戦七番勝負…", 0},
      {{longTitle}, 0, longTitle, 0},
      {{"", longName, ""}, 1, longName.substr(0, 38 * 3) + "…", 0},
  };
  for (const auto& row : rows) {
    platform.surface.clear();
    描画_棋譜見出し(g, row.lines);
    const auto printed = platform.surface.printed();
    ASSERT_EQ(printed.size(), row.lines.size());
    EXPECT_EQ(printed[row.shown].text, row.text) << row.lines[row.shown];
    EXPECT_DOUBLE_EQ(printed[row.shown].x, row.x) << row.lines[row.shown];
  }
}

TEST_F(RecordFileTest, WriterReproducesTheGoldenFileByteForByte) {
  playGoldenGame();
  fillTexts("copy");
  platform.panel.textPanelVisible = true;
  platform.panel.driveVisible = platform.panel.dirVisible = true;
  Command1_Click(g);

  EXPECT_EQ(messages(), std::vector<std::string>{"棋譜を書き込みました"});
  EXPECT_EQ(platform.messages.shown[0].caption, "  ");
  EXPECT_EQ(readBytes(folder / "copy.棋譜"), readBytes(std::filesystem::path(VUDEVE_TEST_DATA) / "golden.棋譜"));
  EXPECT_FALSE(platform.panel.textPanelVisible);
  EXPECT_FALSE(platform.panel.driveVisible || platform.panel.dirVisible || platform.panel.fileVisible);
  EXPECT_EQ(platform.panel.refreshes, 1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary left";
}

TEST_F(RecordFileTest, NamesGoByRoleWhenTheComputerMovedFirst) {
  playGoldenGame();
  g.ManSide = GoteSide;
  fillTexts("gote");
  Command1_Click(g);
  std::vector<std::string> lines;
  ASSERT_EQ(readTextFile(folder / "gote.棋譜", lines), TextFileStatus::Ok);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1], GoldenBottom) << "Text3, the first mover, is the top player";
  EXPECT_EQ(lines[2], GoldenTop);
}

TEST_F(RecordFileTest, WrittenAndReadBackKeepsCodesHandsAndWholeSeconds) {
  初期設定(g);
  storeAndCount(g, 0, 0, 0, 0);
  // Every promoted code once, both sides.
  g.Board[1][9] = ManPromLance;
  g.Board[2][9] = ManPromKnight;
  g.Board[3][9] = ManPromSilver;
  g.Board[2][8] = ManHorse;
  g.Board[8][8] = ManDragon;
  g.Board[1][7] = ManTokin;
  g.Board[9][1] = ComPromLance;
  g.Board[8][1] = ComPromKnight;
  g.Board[7][1] = ComPromSilver;
  g.Board[8][2] = ComHorse;
  g.Board[2][2] = ComDragon;
  g.Board[9][3] = ComTokin;
  storeAndCount(g, 0.99, 59.5, 3599.999, 86399.5);
  // Hand counts past nine and clocks past five digits.
  for (int x = 1; x <= 9; ++x) g.Board[x][3] = g.Board[x][7] = Empty;
  g.ManHand = {0, 12, 0, 0, 0, 0, 0, 0};
  g.ComHand = {0, 6, 0, 0, 0, 0, 0, 0};
  storeAndCount(g, 99999.9, 100000.0, 123456.7, 1e9);
  storeAndCount(g, 0, 0, 0, 0);
  fillTexts("round");
  Command1_Click(g);

  std::vector<std::string> lines;
  ASSERT_EQ(readTextFile(folder / "round.棋譜", lines), TextFileStatus::Ok);
  // Entry 1 is no move from the even position: entry 0 goes first.
  ASSERT_EQ(lines.size(), 7u);
  for (std::size_t i = 3; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), RecordLineLength);
  EXPECT_EQ(lines[5].substr(324, 14), "C6000000000000");
  EXPECT_EQ(lines[5].substr(338), "99999A0000A0I3KZZZZZ");

  Game back;
  FakePlatform backPlatform;
  backPlatform.attach(back);
  testing::readRecordFile(back, backPlatform.panel, folder.path(), "round.棋譜");
  ASSERT_EQ(back.LastMoveNumber, 3);
  for (int k = 0; k <= 3; ++k) {
    EXPECT_EQ(back.RecordBoard[k], g.RecordBoard[k]) << k;
    EXPECT_EQ(back.RecordManHand[k], g.RecordManHand[k]) << k;
    EXPECT_EQ(back.RecordComHand[k], g.RecordComHand[k]) << k;
  }
  EXPECT_EQ(back.RecordManTimeBefore[1], 0);
  EXPECT_EQ(back.RecordManTimeAfter[1], 59);
  EXPECT_EQ(back.RecordComTimeBefore[1], 3599);
  EXPECT_EQ(back.RecordComTimeAfter[1], 86399);
  EXPECT_EQ(back.RecordManTimeBefore[2], 99999);
  EXPECT_EQ(back.RecordManTimeAfter[2], 100000);
  EXPECT_EQ(back.RecordComTimeBefore[2], 123456);
  EXPECT_EQ(back.RecordComTimeAfter[2], 43770015) << "the largest clock the field holds";
}

TEST_F(RecordFileTest, ClockFieldsAreRightAlignedWholeSeconds) {
  初期設定(g);
  storeAndCount(g, 0, 0, 0, 0);
  storeAndCount(g, 7.9, 1234.9, 12.5, 999.01);
  const std::string line = formatRecordLine(g, 1);
  EXPECT_EQ(line.substr(338), "    7 1234   12  999");
  EXPECT_EQ(line.substr(0, 8), "  20   0") << "a lance, then an empty square";
  EXPECT_EQ(line.substr(4 * (4 * 9 + 8), 4), "-950") << "MAN's king fills its field";
}

TEST_F(RecordFileTest, RefusalsBeforeWriting) {
  const struct {
    const char* name;
    std::string message, caption;
  } cases[] = {
      {"", "ﾌｧｲﾙ名が入力されていません", "  "},
      {"../up", "ﾌｧｲﾙ名に「/」や「\\」は使えません", "  "},
      {"a\\b", "ﾌｧｲﾙ名に「/」や「\\」は使えません", "  "},
  };
  for (const auto& c : cases) {
    playGoldenGame();
    fillTexts(c.name);
    platform.messages.shown.clear();
    Command1_Click(g);
    ASSERT_EQ(platform.messages.shown.size(), 1u) << c.name;
    EXPECT_EQ(platform.messages.shown[0].text, c.message);
    EXPECT_EQ(platform.messages.shown[0].caption, c.caption);
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  EXPECT_FALSE(std::filesystem::exists(folder.path().parent_path() / "up.棋譜"));
}

TEST_F(RecordFileTest, NothingToSaveBeforeTheFirstMoveOneLineAfterIt) {
  初期設定(g);
  g.LastMoveNumber = 0;
  fillTexts("none");
  Command1_Click(g);
  EXPECT_EQ(messages(), std::vector<std::string>{"保存するデータがありません"});

  platform.messages.shown.clear();
  storeAndCount(g, 0, 1, 0, 0);
  shift(g, 3, 7, 3, 6, ManPawn);
  storePositionAfterMove(g);
  fillTexts("one");
  Command1_Click(g);
  EXPECT_EQ(messages(), std::vector<std::string>{"棋譜を書き込みました"});
  std::vector<std::string> lines;
  ASSERT_EQ(readTextFile(folder / "one.棋譜", lines), TextFileStatus::Ok);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3].substr(4 * (2 * 9 + 5), 4), " -10") << "the pawn moved to (3, 6)";
}

TEST_F(RecordFileTest, FileThatCannotBeWrittenIsNeverReportedWritten) {
  playGoldenGame();
  std::filesystem::create_directory(folder / "taken.棋譜");
  const struct {
    std::string folder, name;
  } cases[] = {{folder.path().string(), "taken"}, {(folder / "missing").string(), "x"}};
  for (const auto& c : cases) {
    platform.panel.fileFolder = c.folder;
    fillTexts(c.name);
    platform.panel.textPanelVisible = true;
    platform.messages.shown.clear();
    Command1_Click(g);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text.rfind("棋譜ﾌｧｲﾙを書き込めませんでした", 0), 0u);
    EXPECT_EQ(platform.messages.shown[0].caption, "棋譜保存");
    EXPECT_TRUE(platform.panel.textPanelVisible) << "the panel stays for another try";
    EXPECT_EQ(platform.panel.text(PanelText::Text1), c.name);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary left";
}

TEST_F(RecordFileTest, NameThatCodePage932CannotHoldIsRefused) {
  playGoldenGame();
  fillTexts("emoji");
  platform.panel.texts[PanelText::Text2] = "対局 \xF0\x9F\x98\x80";
  Command1_Click(g);
  EXPECT_EQ(messages(), std::vector<std::string>{"対局名・先手・後手にﾌｧｲﾙに書けない文字があります"});
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(RecordFileTest, FileOfFewerThanFourLinesHasNoData) {
  for (int lines = 0; lines <= 3; ++lines) {
    std::vector<std::string> content(lines, "見出し");
    writeLines("short.棋譜", content);
    platform.messages.shown.clear();
    platform.surface.clear();
    g.LastMoveNumber = 5;
    readFile("short.棋譜");
    EXPECT_EQ(messages(), std::vector<std::string>{"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"}) << lines;
    EXPECT_EQ(platform.messages.shown[0].caption, "棋譜");
    EXPECT_EQ(g.LastMoveNumber, 0);
    EXPECT_EQ(g.Turn, NoSide);
    int headers = 0;
    for (const auto& p : platform.surface.printed()) headers += p.text == "見出し";
    EXPECT_EQ(headers, lines);
  }
}

TEST_F(RecordFileTest, RecordOfMoreThanFiveHundredLinesReadsAndWrites) {
  初期設定(g);
  g.ManSide = SenteSide;
  for (int k = 0; k <= 600; ++k) {
    storeAndCount(g, k, k + 1, k, k);
    if (k % 2 == 0) shift(g, 5, 9, 5, 8, ManKing);
    else shift(g, 5, 8, 5, 9, ManKing);
  }
  ASSERT_EQ(g.LastMoveNumber, 600);
  fillTexts("long");
  Command1_Click(g);
  ASSERT_EQ(messages(), std::vector<std::string>{"棋譜を書き込みました"});

  Game back;
  FakePlatform backPlatform;
  backPlatform.attach(back);
  backPlatform.panel.fileFolder = folder.path().string();
  backPlatform.panel.chosenFile = "long.棋譜";
  File1_Click(back);
  ASSERT_EQ(back.LastMoveNumber, 600);
  EXPECT_EQ(back.RecordBoard[600], g.RecordBoard[600]);
  EXPECT_EQ(back.RecordComTimeAfter[600], 600);
}

TEST_F(RecordFileTest, TrailingEmptyLinesAreNoRecordLines) {
  copyGolden("golden.棋譜");
  writeBytes(folder / "golden.棋譜", readBytes(folder / "golden.棋譜") + "\r\n\r\n");
  readFile("golden.棋譜");
  EXPECT_EQ(g.LastMoveNumber, 3);
  EXPECT_EQ(g.RecordMode, TrueValue);
}

// A record line of the golden file with one field replaced.
std::string goldenLine(std::size_t column, const std::string& field) {
  Game g;
  初期設定(g);
  g.RecordBoard[1] = g.Board;
  std::string line = formatRecordLine(g, 1);
  return line.replace(column, field.size(), field);
}

struct DamagedCase {
  const char* name;
  std::string line;
};

const DamagedCase DamagedCases[] = {
    {"ShortLine", goldenLine(0, "").substr(0, 357)},
    {"LongLine", goldenLine(0, "") + " "},
    {"EmptyLine", ""},
    {"LetterInCode", goldenLine(0, "  2O")},
    {"BlankCode", goldenLine(0, "    ")},
    {"SignOnly", goldenLine(0, "   -")},
    {"CodeOfNoPiece", goldenLine(0, " 111")},
    {"CodeTwelve", goldenLine(4, "  12")},
    {"PawnsInHandAboveEighteen", goldenLine(324, "J")},
    {"NegativeLooksLikeLetter", goldenLine(324, "-")},
    {"TooManyPawns", goldenLine(325, "1")},
    {"LetterInClock", goldenLine(338, "12x45")},
    {"LowerCaseClock", goldenLine(338, "a0000")},
    {"TwoKingsOfOneSide", goldenLine(4 * 1, "-950")},
    {"NonAscii", goldenLine(0, "\xEF\xBC\x91")},  // a full-width digit
};

class DamagedFileTest : public RecordFileTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedFileTest, IsRefusedAndLeavesTheGameAsItWas) {
  初期設定(g);
  g.Turn = GoteSide;
  shift(g, 3, 7, 3, 6, ManPawn);
  const BoardMap before = g.Board;
  g.LastMoveNumber = 7;
  g.RecordBoard[1][1][1] = ComKing;
  const std::string good = goldenLine(0, "");
  writeLines("bad.棋譜", {"題", "上", "下", good, GetParam().line, good});
  readFile("bad.棋譜");

  EXPECT_EQ(messages(), std::vector<std::string>{"棋譜ﾌｧｲﾙの 5 行目が棋譜の形式ではありません"});
  EXPECT_EQ(platform.messages.shown[0].caption, "棋譜");
  EXPECT_EQ(g.RecordMode, FalseValue);
  EXPECT_EQ(g.Turn, GoteSide);
  EXPECT_EQ(g.LastMoveNumber, 7);
  EXPECT_EQ(g.RecordBoard[1][1][1], ComKing) << "nothing stored";
  EXPECT_EQ(g.Board, before);
  for (const auto& p : platform.surface.printed()) EXPECT_NE(p.text, "題") << "no header printed";
}

INSTANTIATE_TEST_SUITE_P(Lines, DamagedFileTest, ::testing::ValuesIn(DamagedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file holds no start: reading one fills it with the start its first line
// is one move from, or takes that line as the start.
struct StartCase {
  const char* name;
  BoardMap start;
  bool topFirst;
  bool lineOneIsTheStart;
};

BoardMap handicapStart(int grade) {
  BoardMap board = evenBoard();
  設定_ハンデ局面(board, grade);
  return board;
}

BoardMap namedStart(std::string_view name) {
  BoardMap board{};
  kif::handicapBoard(name, board);
  return board;
}

BoardMap withoutGolds() {
  BoardMap board = evenBoard();
  board[4][1] = board[4][9] = Empty;
  return board;
}

const StartCase StartCases[] = {
    {"EvenBottomFirst", evenBoard(), false, false},
    {"EvenTopFirst", evenBoard(), true, false},
    {"TopGivesThreeTopFirst", handicapStart(3), true, false},
    {"TopGivesTenBottomFirst", handicapStart(10), false, false},
    {"BottomGivesTwoBottomFirst", handicapStart(-2), false, false},
    {"BottomGivesNineTopFirst", handicapStart(-9), true, false},
    {"NamedRightLance", namedStart("右香落ち"), true, false},
    {"NoStartFits", withoutGolds(), false, true},
};

class RecordStartTest : public RecordFileTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(RecordStartTest, IsFilledFromTheFirstLine) {
  const StartCase& c = GetParam();
  // A pawn of each side one square forward, the first mover's first.
  std::vector<RecordEntry> played(3, RecordEntry{.board = c.start});
  for (int k = 1; k <= 2; ++k) {
    played[k] = played[k - 1];
    const bool top = c.topFirst == (k == 1);
    const int x = top ? 7 : 3, y = top ? 3 : 7;
    played[k].board[x][y] = Empty;
    played[k].board[x][top ? 4 : 6] = top ? ComPawn : ManPawn;
  }
  writeLines("start.棋譜", {"題", "上", "下", formatRecordLine(played[1]), formatRecordLine(played[2])});
  readFile("start.棋譜");

  const int skipped = c.lineOneIsTheStart ? 1 : 0;
  ASSERT_EQ(g.LastMoveNumber, 2 - skipped);
  for (int k = 0; k <= g.LastMoveNumber; ++k) EXPECT_EQ(g.RecordBoard[k], played[k + skipped].board) << k;
  EXPECT_EQ(g.Board, g.RecordBoard[0]) << "the start is shown";
  const bool topMovesFirstFromTheStart = c.topFirst != c.lineOneIsTheStart;
  EXPECT_EQ(g.ManSide, topMovesFirstFromTheStart ? GoteSide : SenteSide);
  std::vector<std::string> kif;
  std::string error;
  EXPECT_TRUE(変換_棋譜からKIF(g, kif, error)) << error;
}

INSTANTIATE_TEST_SUITE_P(Starts, RecordStartTest, ::testing::ValuesIn(StartCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordFileTest, FileThatCannotBeReadGetsAMessage) {
  writeBytes(folder / "binary.棋譜", "\x80\xff\xfe");
  std::filesystem::create_directory(folder / "folder.棋譜");
  for (const char* name : {"missing.棋譜", "binary.棋譜", "folder.棋譜", ""}) {
    platform.messages.shown.clear();
    readFile(name);
    ASSERT_EQ(platform.messages.shown.size(), 1u) << name;
    EXPECT_EQ(platform.messages.shown[0].text.rfind("棋譜ﾌｧｲﾙを読み込めませんでした", 0), 0u) << name;
    EXPECT_EQ(g.RecordMode, FalseValue);
    EXPECT_EQ(g.Turn, NoSide);
  }
}

TEST_F(RecordFileTest, WriteCommandIsRefusedAfterReverseAndHandicap) {
  const struct {
    int reversed, handicap;
    const char* message;
  } cases[] = {{TrueValue, FalseValue, "反転後は書き込みできません"},
               {TrueValue, TrueValue, "反転後は書き込みできません"},
               {FalseValue, TrueValue, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"}};
  for (const auto& c : cases) {
    g.Reversed = c.reversed;
    g.HandicapSet = c.handicap;
    platform.messages.shown.clear();
    KIFU_WRITE_Click(g);
    EXPECT_EQ(messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(platform.messages.shown[0].caption, "棋譜書込");
    EXPECT_FALSE(platform.panel.dirVisible || platform.panel.textPanelVisible);
  }
}

TEST_F(RecordFileTest, OpeningThePanelForWritingKeepsTheTextsForReadingClearsThem) {
  platform.panel.texts[PanelText::Text2] = "typed";
  KIFU_WRITE_Click(g);
  EXPECT_TRUE(platform.panel.driveVisible && platform.panel.dirVisible);
  EXPECT_FALSE(platform.panel.fileVisible);
  EXPECT_TRUE(platform.panel.textPanelVisible);
  EXPECT_EQ(platform.panel.text(PanelText::Text2), "typed");

  KIFU_READ_Click(g);
  EXPECT_TRUE(platform.panel.driveVisible && platform.panel.dirVisible && platform.panel.fileVisible);
  EXPECT_FALSE(platform.panel.textPanelVisible);
  EXPECT_EQ(platform.panel.text(PanelText::Text2), "");
}

TEST_F(RecordFileTest, ListsFollowTheDriveAndTheFolder) {
  platform.panel.chosenDrive = folder.path().string();
  Drive1_Change(g);
  EXPECT_EQ(platform.panel.folder, folder.path().string());
  EXPECT_EQ(platform.panel.fileFolder, folder.path().string());

  platform.panel.folder = (folder / "sub").string();
  Dir1_Change(g);
  EXPECT_EQ(platform.panel.fileFolder, (folder / "sub").string());

  platform.panel.chosenDrive = (folder / "unmounted").string();
  Drive1_Change(g);
  EXPECT_EQ(messages(), std::vector<std::string>{"ﾃﾞﾊﾞｲｽが準備できていません"});
  EXPECT_EQ(platform.messages.shown[0].caption, "ｴﾗｰ");
  EXPECT_EQ(platform.panel.folder, (folder / "sub").string());
}

}  // namespace
}  // namespace vudeve
