#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/handlers/match_commands.h"
#include "app/handlers/position_commands.h"
#include "app/handlers/record_panel_commands.h"
#include "record/kif_file.h"
#include "record/kif_write.h"
#include "record/record_file.h"
#include "record/replay.h"
#include "record/usi_notation.h"
#include "rules/move.h"
#include "rules/position_text.h"
#include "rules/setup.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace vudeve {
namespace {

using testing::FakePlatform;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

const std::string Even(EvenPositionText);

struct PlayedMove {
  const char* usi;
  double seconds;  // on the mover's clock
};

RecordEntry snapshot(const Game& g, double man, double com) {
  return {g.Board, g.ManHand, g.ComHand, man, man, com, com};
}

// A record as the game keeps it: entry k is the position after k moves,
// with the clocks after k moves as its before-move pair and those after
// k + 1 moves as its after-move pair. MAN moves first unless the position
// says 'w'.
std::vector<RecordEntry> playRecord(const std::string& position, const std::vector<PlayedMove>& moves) {
  Game g;
  std::string error;
  EXPECT_TRUE(readPositionText(g, position, error)) << error;
  bool manToMove = g.Turn == g.ManSide;
  double man = 0, com = 0;
  std::vector<RecordEntry> entries = {snapshot(g, man, com)};
  for (const PlayedMove& m : moves) {
    const std::optional<UsiMove> move = parseUsiMove(m.usi);
    EXPECT_TRUE(move) << m.usi;
    if (!move) break;
    int fromX = move->fromX, fromY = move->fromY, piece = 0;
    if (move->drop) {
      piece = (manToMove ? ManHandPiece : ComHandPiece)[move->handIndex];
      fromX = manToMove ? 11 : -1;
      fromY = manToMove ? move->handIndex + 2 : move->handIndex;
    } else {
      piece = g.Board[fromX][fromY];
      if (move->promote) piece += piece > 0 ? 1 : -1;
    }
    駒移動(g, fromX, fromY, move->toX, move->toY, piece);
    (manToMove ? man : com) += m.seconds;
    entries.back().manAfter = man;
    entries.back().comAfter = com;
    entries.push_back(snapshot(g, man, com));
    manToMove = !manToMove;
  }
  return entries;
}

RecordEntry positionOf(const std::string& text) {
  Game g;
  std::string error;
  EXPECT_TRUE(readPositionText(g, text, error)) << text << ": " << error;
  return snapshot(g, 0, 0);
}

std::string joined(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

class KifTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.attach(g);
    platform.panel.fileFolder = folder.path().string();
    初期設定(g);
  }

  void storeRecord(const std::vector<RecordEntry>& entries) {
    for (std::size_t k = 0; k < entries.size(); ++k) storeRecordEntry(g, static_cast<int>(k), entries[k]);
    g.LastMoveNumber = static_cast<int>(entries.size()) - 1;
  }

  void write(const std::string& name, const std::string& title = "", const std::string& first = "",
             const std::string& second = "") {
    KIFU_WRITE_Click(g);
    platform.panel.texts = {{PanelText::Text1, name}, {PanelText::Text2, title}, {PanelText::Text3, first},
                            {PanelText::Text4, second}};
    Command1_Click(g);
  }

  void read(const std::string& name) {
    platform.panel.chosenFile = name;
    File1_Click(g);
  }

  std::string lastMessage() const {
    return platform.messages.shown.empty() ? std::string() : platform.messages.shown.back().text;
  }

  TempFolder folder;
  FakePlatform platform;
  Game g;
};

// --- Writing ---

TEST_F(KifTest, WritesWhatCommonProgramsWriteInEitherEncoding) {
  const std::vector<std::string> expected = {
      "開始日時：2024/05/01 10:00:00",
      "棋戦：練習対局",
      "手合割：平手",
      "先手：あなた",
      "後手：vudeve LEVEL2",
      "手数----指手---------消費時間--",
      "   1 ７六歩(77)   ( 0:01/00:00:01)",
      "   2 ３四歩(33)   ( 0:02/00:00:02)",
      "   3 ２二角成(88) (62:05/01:02:06)",
      "   4 同　銀(31)   ( 0:01/00:00:03)",
      "   5 ５五角打     ( 0:00/01:02:06)",
      "   6 ３三銀(22)   ( 0:00/00:00:03)",
      "   7 同　角不成(55) ( 0:00/01:02:06)",
      "まで7手で先手の勝ち",
  };
  const struct {
    const char* file;
    std::string bytes;
  } files[] = {{"game.kifu", joined(expected, "\r\n")}, {"game.KIF", *toCodePage932(joined(expected, "\r\n"))}};

  g.Level = 2;
  SENTE_Click(g);  // notes when the game began
  // Fractions of a second add up on the clock: 2.5 + 0.6 shows 3 seconds.
  storeRecord(playRecord(Even, {{"7g7f", 1}, {"3c3d", 2.5}, {"8h2b+", 3725}, {"3a2b", 0.6}, {"B*5e", 0},
                                {"2b3c", 0}, {"5e3c", 0}}));
  g.Winner = g.ManSide;  // as after the person's mate
  for (const auto& file : files) {
    write(file.file, "練習対局");
    EXPECT_EQ(lastMessage(), "棋譜を書き込みました") << file.file;
    EXPECT_EQ(readBytes(folder / file.file), file.bytes) << file.file;
  }
}

// A game written and read back gives the same snapshots; a game the top
// player began from the even position comes back turned round, its first
// mover at the bottom as 先手.
TEST_F(KifTest, WrittenAndReadBackGivesTheSameSnapshots) {
  const std::string WithoutBishop = "lnsgkgsnl/1r7/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL -";
  const struct {
    const char* what;
    std::string position;
    std::vector<PlayedMove> moves;
    const char* file;
    bool turnedRound;
    const char* startLine;
  } cases[] = {
      {"even, the bottom player first", Even, {{"7g7f", 3}, {"3c3d", 4}, {"8h2b+", 61}, {"3a2b", 1}, {"B*4e", 0}, {"4a3b", 7}},
       "a.kifu", false, "手合割：平手"},
      {"even, the top player first", Even + " w", {{"3c3d", 2}, {"7g7f", 5}, {"2b8h+", 1}, {"7i8h", 9}, {"B*5e", 3}},
       "b.kif", true, "手合割：平手"},
      {"角落ち, the top player first", WithoutBishop + " w", {{"3c3d", 1}, {"7g7f", 1}, {"4a3b", 1}, {"8h3c+", 1}},
       "c.kifu", false, "手合割：角落ち"},
      {"handicap, the bottom player first", WithoutBishop, {{"7g7f", 1}, {"3c3d", 1}}, "d.kifu", false,
       "後手の持駒：なし"},
      {"a diagram with hands, the top player first", "4k4/9/4+R4/9/9/9/9/9/4K4 2Pbg w",
       {{"G*4b", 1}, {"5c5b", 2}, {"4b5b", 3}, {"P*5c", 4}, {"B*5h", 5}}, "e.kif", false, "後手番"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<RecordEntry> played = playRecord(c.position, c.moves);
    storeRecord(played);
    write(c.file);
    ASSERT_EQ(lastMessage(), "棋譜を書き込みました");
    std::vector<std::string> lines;
    ASSERT_EQ(readTextFile(folder / c.file, lines, *kifEncodingOf(c.file)), TextFileStatus::Ok);
    EXPECT_NE(std::find(lines.begin(), lines.end(), c.startLine), lines.end());

    初期設定(g);
    read(c.file);
    std::vector<RecordEntry> expected = played;
    if (c.turnedRound)
      for (RecordEntry& e : expected) e = turnedRound(e);
    EXPECT_EQ(recordEntries(g), expected);
    EXPECT_EQ(g.RecordMode, TrueValue);
    EXPECT_EQ(g.MoveNumber, 0);
    EXPECT_EQ(g.Board, expected[0].board) << "the start is shown";
    EXPECT_EQ(g.ManSide, c.turnedRound || c.position.back() != 'w' ? SenteSide : GoteSide) << "先手 moves first";
  }
}

// --- Reading ---

// Made with Python's cp932 codec, not with our writer: headers, 同, 成,
// 不成, 打, a move without its square, a comment, a bookmark, then a 変化
// that is not read.
TEST_F(KifTest, HandMadeFileReadsIntoThePositionsWorkedOutByHand) {
  const std::string kif = readBytes(std::filesystem::path(VUDEVE_TEST_DATA) / "hand_made.kif");
  std::vector<std::string> lines;
  ASSERT_EQ(readTextFile(std::filesystem::path(VUDEVE_TEST_DATA) / "hand_made.kif", lines), TextFileStatus::Ok);
  writeBytes(folder / "hand_made.kif", kif);
  writeBytes(folder / "with_mark.kifu", "\xEF\xBB\xBF" + joined(lines, "\r\n"));

  const struct {
    int k;
    const char* position;
    double man, com;  // clocks after k moves
  } expected[] = {
      {0, EvenPositionText.data(), 0, 0},
      {4, "lnsgkg1nl/1r5s1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL Bb", 68, 12},
      {5, "lnsgkg1nl/1r5s1/pppppp1pp/6p2/5B3/2P6/PP1PPPPPP/7R1/LNSGKGSNL b", 68, 12},
      {7, "lnsgk2nl/1r4gs1/pppBpp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL Pb", 68, 12},
      {10, "lnsg3nl/1r2k1gs1/p1p1pp1pp/1p4p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL P2b", 68, 13},
  };
  for (const char* file : {"hand_made.kif", "with_mark.kifu"}) {
    SCOPED_TRACE(file);
    初期設定(g);
    platform.messages.shown.clear();
    platform.surface.clear();
    read(file);
    EXPECT_EQ(platform.messages.texts(), (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
    ASSERT_EQ(g.LastMoveNumber, 10) << "the 変化 is not read";
    for (const auto& e : expected) {
      const RecordEntry position = positionOf(e.position);
      EXPECT_EQ(g.RecordBoard[e.k], position.board) << e.k;
      EXPECT_EQ(g.RecordManHand[e.k], position.manHand) << e.k;
      EXPECT_EQ(g.RecordComHand[e.k], position.comHand) << e.k;
      EXPECT_EQ(g.RecordManTimeBefore[e.k], e.man) << e.k;
      EXPECT_EQ(g.RecordComTimeBefore[e.k], e.com) << e.k;
    }
    EXPECT_EQ(g.GameStartTime, (CalendarTime{2023, 11, 3, 13, 0, 0}));
    std::vector<std::string> printed;
    for (const auto& p : platform.surface.printed()) printed.push_back(p.text);
    for (const char* header : {"テスト", "田中", "山田"})
      EXPECT_NE(std::find(printed.begin(), printed.end(), header), printed.end()) << header;

    // Replayed like a ".棋譜" file.
    for (int k = 1; k <= 10; ++k) AFTER_Click(g);
    EXPECT_EQ(g.Board, positionOf(expected[4].position).board);
    AFTER_Click(g);
    EXPECT_EQ(lastMessage(), "終わり");
    REVERSE_Click(g);
    EXPECT_EQ(lastMessage(), "棋譜ﾓｰﾄﾞではできません");
  }
}

// Files as other programs write them, each read whole as the panel reads
// it: blanks in the times, the end words, the encoding the file declares, a
// diagram that ends with a move, a start of the writer's own.
TEST_F(KifTest, ReadsFilesAsOtherProgramsWriteThem) {
  struct Row {
    std::string what, file, bytes;
    std::size_t moves;
    std::string endWord;
    long long endMove;
    std::string summary;
    std::string last;                  // the position after the last move; "" not looked at
    double bottomSeconds, topSeconds;  // the clocks after the last move
  };
  const std::string header = "手合割：平手\r\n先手：甲\r\n後手：乙\r\n手数----指手---------消費時間--\r\n";
  const std::string twoMoves = header + joined({"   1 ７六歩(77)", "   2 ３四歩(33)"});
  const std::string afterTwo = "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL -";
  const std::vector<std::string> withoutKnights = {
      "  ９ ８ ７ ６ ５ ４ ３ ２ １",   "+---------------------------+", "|v香 ・v銀v金v玉v金v銀 ・v香|一",
      "| ・v飛 ・ ・ ・ ・ ・v角 ・|二", "|v歩v歩v歩v歩v歩v歩v歩v歩v歩|三", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四",
      "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|六", "| 歩 歩 歩 歩 歩 歩 歩 歩 歩|七",
      "| ・ 角 ・ ・ ・ ・ ・ 飛 ・|八", "| 香 桂 銀 金 玉 金 銀 桂 香|九", "+---------------------------+"};
  std::vector<Row> rows = {
      {"Shogidokoro's times, blanks around the slash, minutes and hours of any width", "times.kifu",
       header + joined({"   1 ７六歩(77)      (00:31 / 00:00:31)", "   2 ３四歩(33)      ( 1:05 / 0:01:05 )",
                        "   3 ２六歩(27)      (120:00 / 2:00:31)"}),
       3, "", 0, "", "", 7231, 65},
      {"封じ手 with its time", "sealed.kifu",
       header + joined({"   1 ７六歩(77)   ( 0:10/00:00:10)", "   2 封じ手       (25:00/04:07:00)"}), 1, "封じ手", 2, "", "",
       10, 0},
      {"投了, then the summary line and a variation", "resigned.kifu",
       twoMoves + joined({"   3 投了", "まで2手で後手の勝ち", "", "変化：2手", "   2 ８四歩(83)"}), 2, "投了", 3,
       "まで2手で後手の勝ち", afterTwo, 0, 0},
      {"the summary line alone", "summary.kifu", twoMoves + joined({"まで2手で中断", "   3 ２六歩(27)"}), 2, "中断", 0,
       "まで2手で中断", afterTwo, 0, 0},
      {"UTF-8 with a byte-order mark, named .kif", "marked.kif", "\xEF\xBB\xBF" + twoMoves, 2, "", 0, "", afterTwo, 0, 0},
      {"UTF-8 declared in the first line, named .kif", "declared.kif", "#KIF version=2.0 encoding=UTF-8\r\n" + twoMoves, 2,
       "", 0, "", afterTwo, 0, 0},
      {"Shift_JIS declared in a comment line, named .kifu", "declared.kifu",
       *toCodePage932("# ---- 棋譜ファイル ----\r\n#KIF version=2.0 encoding=Shift_JIS\r\n" + twoMoves), 2, "", 0, "",
       afterTwo, 0, 0},
      {"同 after a diagram's last move", "bod.kifu",
       joined({"後手の持駒：なし", "  ９ ８ ７ ６ ５ ４ ３ ２ １", "+---------------------------+",
               "|v香v桂v銀v金v玉v金v銀v桂v香|一", "| ・v飛 ・ ・ ・ ・ ・ 馬 ・|二", "|v歩v歩v歩v歩v歩v歩 ・v歩v歩|三",
               "| ・ ・ ・ ・ ・ ・v歩 ・ ・|四", "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五", "| ・ ・ 歩 ・ ・ ・ ・ ・ ・|六",
               "| 歩 歩 ・ 歩 歩 歩 歩 歩 歩|七", "| ・ ・ ・ ・ ・ ・ ・ 飛 ・|八", "| 香 桂 銀 金 玉 金 銀 桂 香|九",
               "+---------------------------+", "先手の持駒：角", "手数＝3  ▲２二角成(88)  まで", "", "後手番",
               "   4 同　銀(31)", "   5 ４五角打"}),
       2, "", 0, "", "lnsgkg1nl/1r5s1/pppppp1pp/6p2/5B3/2P6/PP1PPPPPP/7R1/LNSGKGSNL b", 0, 0},
      {"その他 with a diagram, 上手 first", "other.kifu",
       "手合割：その他\r\n上手の持駒：なし\r\n" + joined(withoutKnights) +
           joined({"下手の持駒：なし", "上手番", "手数----指手---------消費時間--", "   1 ５二玉(51)"}),
       1, "", 0, "", "l1sg1gs1l/1r2k2b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL -", 0, 0},
  };
  // Every end word ends the main line, a time after it or not; what
  // follows is no move.
  const char* endWords[] = {"投了",     "中断",     "千日手",   "持将棋", "切れ負け", "反則勝ち", "反則負け",
                            "入玉勝ち", "不戦勝",   "不戦敗",   "詰み",   "不詰",     "封じ手"};
  for (std::size_t i = 0; i < std::size(endWords); ++i) {
    const std::string line = std::string("   3 ") + endWords[i] + (i % 2 ? "   ( 0:03/00:00:03)" : "");
    rows.push_back({line, "end.kifu", twoMoves + joined({line, "   4 これは指し手ではない"}), 2, endWords[i], 3, "",
                    afterTwo, 0, 0});
  }
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    writeBytes(folder / row.file, row.bytes);
    KifRecord record;
    ASSERT_EQ(readRecordOfKind(folder / row.file, record), "");
    ASSERT_EQ(record.entries.size(), row.moves + 1);
    EXPECT_EQ(record.header.endWord, row.endWord);
    EXPECT_EQ(record.endMoveNumber, row.endMove);
    EXPECT_EQ(record.summary, row.summary);
    const RecordEntry& last = record.entries.back();
    if (!row.last.empty()) {
      const RecordEntry expected = positionOf(row.last);
      EXPECT_EQ(last.board, expected.board);
      EXPECT_EQ(last.manHand, expected.manHand);
      EXPECT_EQ(last.comHand, expected.comHand);
    }
    EXPECT_EQ(last.manBefore, row.bottomSeconds);
    EXPECT_EQ(last.comBefore, row.topSeconds);
  }
}

// A ".棋譜" file keeps no line for the start, yet every move's time comes
// back from one, the first move's too.
TEST_F(KifTest, MoveTimesSurviveATripThroughARecordFile) {
  const std::vector<std::string> moves = {
      "   1 ７六歩(77)   ( 0:16/00:00:16)",
      "   2 ３四歩(33)   ( 0:05/00:00:05)",
      "   3 ２六歩(27)   ( 1:02/00:01:18)",
      "   4 ８四歩(83)   (10:00/00:10:05)",
  };
  std::vector<std::string> lines = {"手合割：平手", "先手：甲", "後手：乙", "手数----指手---------消費時間--"};
  lines.insert(lines.end(), moves.begin(), moves.end());
  writeBytes(folder / "in.kifu", joined(lines));
  read("in.kifu");
  write("trip");
  ASSERT_EQ(lastMessage(), "棋譜を書き込みました");
  初期設定(g);
  read("trip.棋譜");
  write("out.kifu");
  ASSERT_EQ(lastMessage(), "棋譜を書き込みました");
  std::vector<std::string> out;
  ASSERT_EQ(readTextFile(folder / "out.kifu", out, TextEncoding::Utf8), TextFileStatus::Ok);
  std::erase_if(out, [](const std::string& line) { return !line.starts_with("   "); });
  EXPECT_EQ(out, moves);
}

TEST(KifHandicaps, NamedHandicapsReadAndWriteBack) {
  const struct {
    const char* name;
    std::vector<std::pair<int, int>> removed;
  } handicaps[] = {
      {"香落ち", {{9, 1}}},
      {"右香落ち", {{1, 1}}},
      {"角落ち", {{8, 2}}},
      {"飛車落ち", {{2, 2}}},
      {"飛香落ち", {{2, 2}, {9, 1}}},
      {"二枚落ち", {{2, 2}, {8, 2}}},
      {"四枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}}},
      {"六枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}}},
      {"八枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}, {3, 1}, {7, 1}}},
      {"十枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}, {3, 1}, {7, 1}, {4, 1}, {6, 1}}},
      // Left and right are the top player's own: his left lance is on 1一.
      {"三枚落ち", {{2, 2}, {8, 2}, {9, 1}}},
      {"五枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}}},
      {"左五枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {8, 1}}},
      {"左七枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}, {7, 1}}},
      {"右七枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}, {3, 1}}},
  };
  for (const auto& h : handicaps) {
    SCOPED_TRACE(h.name);
    RecordEntry start = positionOf(Even);
    for (const auto& [x, y] : h.removed) start.board[x][y] = Empty;
    const std::vector<std::string> lines = {std::string("手合割：") + h.name, "上手：師匠", "下手：弟子",
                                            "手数----指手---------消費時間--", "   1 ５二玉(51)"};
    KifRecord record;
    ASSERT_FALSE(readKif(lines, record));
    EXPECT_EQ(record.entries[0], start);
    EXPECT_EQ(record.firstMover, kif::Top) << "上手 moves first";
    ASSERT_EQ(record.entries.size(), 2u);
    EXPECT_EQ(record.entries[1].board[5][2], ComKing);

    std::vector<std::string> written;
    std::string error;
    ASSERT_TRUE(formatKif(record.entries, record.header, written, error)) << error;
    EXPECT_EQ(written, (std::vector<std::string>{std::string("手合割：") + h.name, "下手：弟子", "上手：師匠",
                                                  "手数----指手---------消費時間--", "   1 ５二玉(51)   ( 0:00/00:00:00)",
                                                  "まで1手で中断"}));
  }
}

// A file that cannot be read, or holds a move impossible where it stands,
// is named with its line and leaves the game as it was: nothing half read.
TEST_F(KifTest, BrokenFileLeavesTheGameAsItWas) {
  const std::string diagram8 = "|v香v桂v銀v金v玉v金v銀v桂v香|一";
  // Kings on 5一 and 5九, a bottom pawn on 1二.
  std::vector<std::string> pawnOnSecondRank(9, "| ・ ・ ・ ・ ・ ・ ・ ・ ・|");
  pawnOnSecondRank[0] = "| ・ ・ ・ ・v玉 ・ ・ ・ ・|";
  pawnOnSecondRank[1] = "| ・ ・ ・ ・ ・ ・ ・ ・ 歩|";
  pawnOnSecondRank[8] = "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|";
  pawnOnSecondRank.push_back("   1 １一歩(12)");
  const struct {
    std::string bytes;
    std::string message;
  } cases[] = {
      {"\xFF\xFE", "棋譜ﾌｧｲﾙが UTF-8 ではありません"},
      {joined({"手合割：平手", "   1 ７六歩(77)", "   2 ３三角(22)"}), "棋譜ﾌｧｲﾙの 3 行目が読めません：角は２二から３三へ動けません"},
      {joined({"   1 ７五歩(77)"}), "棋譜ﾌｧｲﾙの 1 行目が読めません：歩は７七から７五へ動けません"},
      {joined({"   1 ７六歩(78)"}), "棋譜ﾌｧｲﾙの 1 行目が読めません：７八に歩がありません"},
      {joined({"   1 同　歩(77)"}), "棋譜ﾌｧｲﾙの 1 行目が読めません：「同」の前に指し手がありません"},
      {joined({"   1 ５五角打"}), "棋譜ﾌｧｲﾙの 1 行目が読めません：持駒に角がありません"},
      {joined({"   1 ７六歩成(77)"}), "棋譜ﾌｧｲﾙの 1 行目が読めません：この歩は成れません"},
      {joined(pawnOnSecondRank), "棋譜ﾌｧｲﾙの 10 行目が読めません：この歩は成らなければ動けなくなります"},
      {joined({"   1 ５八金"}), "棋譜ﾌｧｲﾙの 1 行目が読めません：どの金を動かすのか決まりません"},
      {joined({"   1 ７六歩(77)", "   3 ３四歩(33)"}), "棋譜ﾌｧｲﾙの 2 行目が読めません：手数が続いていません（2手目のはずです）"},
      {joined({"   1 ７六ほ(77)"}), "棋譜ﾌｧｲﾙの 1 行目が読めません：指し手の形式ではありません"},
      {joined({"   1 ７六歩(77)", "これは何"}), "棋譜ﾌｧｲﾙの 2 行目が読めません：指し手の行ではありません"},
      {joined({"手合割：その他", "   1 ７六歩(77)"}), "棋譜ﾌｧｲﾙの 1 行目が読めません：手合割が分かりません"},
      {joined({"先手の持駒：歩十九"}), "棋譜ﾌｧｲﾙの 1 行目が読めません：駒の数が多すぎます"},
      {joined({diagram8, diagram8, "   1 ７六歩(77)"}), "棋譜ﾌｧｲﾙの 2 行目が読めません：局面図の段が足りません"},
      {joined({"後手の持駒：なし", "|v香v桂v銀v金v玉v金v銀v桂v香|", "| ・ ・|", "   1 ７六歩(77)"}),
       "棋譜ﾌｧｲﾙの 3 行目が読めません：局面図の行が読めません"},
  };
  // A game in progress: two moves, the position after the first shown.
  storeRecord(playRecord(Even, {{"7g7f", 1}, {"3c3d", 2}}));
  g.Board = g.RecordBoard[1];
  g.MoveNumber = g.MoveCount = 1;
  g.Turn = g.ComSide;
  const std::vector<RecordEntry> record = recordEntries(g);
  const BoardMap board = g.Board;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    writeBytes(folder / "bad.kifu", c.bytes);
    read("bad.kifu");
    EXPECT_EQ(lastMessage().substr(0, lastMessage().find('\r')), c.message);
    EXPECT_EQ(platform.messages.shown.back().caption, "棋譜");
    EXPECT_EQ(recordEntries(g), record);
    EXPECT_EQ(g.Board, board);
    EXPECT_EQ(g.MoveNumber, 1);
    EXPECT_EQ(g.Turn, g.ComSide);
    EXPECT_EQ(g.RecordMode, FalseValue);
  }
}

// --- The command line ---

struct CliRun {
  int status;
  std::string out, err;
};

CliRun runCli(const std::string& arguments, const TempFolder& folder) {
  const std::filesystem::path err = folder / "stderr.txt";
  const std::string command = std::string("'") + VUDEVE_CLI + "' " + arguments + " 2>'" + err.string() + "'";
  CliRun run{-1, "", ""};
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    run.status = WEXITSTATUS(pclose(pipe));
  }
  run.err = readBytes(err);
  return run;
}

TEST_F(KifTest, CommandLineConvertsBothWays) {
  const std::filesystem::path data(VUDEVE_TEST_DATA);
  const CliRun kif = runCli("kif '" + (data / "golden.棋譜").string() + "'", folder);
  EXPECT_EQ(kif.status, 0) << kif.err;
  EXPECT_EQ(kif.out, joined({"棋戦：第1局　テスト対局", "手合割：平手", "先手：山田 花子", "後手：ｺﾝﾋﾟｭｰﾀ",
                             "手数----指手---------消費時間--", "   1 ７六歩(77)   ( 0:12/00:00:12)",
                             "   2 ３四歩(33)   ( 0:05/00:00:05)", "   3 ２二角成(88) (20:35/00:20:47)",
                             "まで3手で中断"},
                            "\r\n"));

  const std::string out = (folder / "out.棋譜").string();
  const CliRun record = runCli("record '" + (data / "hand_made.kif").string() + "' '" + out + "'", folder);
  EXPECT_EQ(record.status, 0) << record.err;
  Game panelRead;
  testing::FakePanel panel;
  panel.fileFolder = (data).string();
  panelRead.Panel = &panel;
  panel.chosenFile = "hand_made.kif";
  File1_Click(panelRead);
  read("out.棋譜");
  ASSERT_EQ(g.LastMoveNumber, 10);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(g.RecordBoard[k], panelRead.RecordBoard[k]) << k;
    EXPECT_EQ(g.RecordManHand[k], panelRead.RecordManHand[k]) << k;
    EXPECT_EQ(g.RecordComHand[k], panelRead.RecordComHand[k]) << k;
  }

  writeBytes(folder / "bad.kifu", "   1 ７五歩(77)\r\n");
  const CliRun bad = runCli("record '" + (folder / "bad.kifu").string() + "' '" + out + "'", folder);
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "record: 棋譜ﾌｧｲﾙの 1 行目が読めません：歩は７七から７五へ動けません\n「   1 ７五歩(77)」\n");
  EXPECT_EQ(runCli("record a.txt b.棋譜", folder).status, 2);
}

}  // namespace
}  // namespace vudeve
