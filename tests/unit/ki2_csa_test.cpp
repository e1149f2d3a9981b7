#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handlers/record_panel_commands.h"
#include "record/csa_read.h"
#include "record/csa_write.h"
#include "record/kif_file.h"
#include "record/kif_write.h"
#include "record/record_file.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace vudeve {
namespace {

using testing::FakePlatform;
using testing::TempFolder;
using testing::writeBytes;

std::vector<std::string> split(const std::string& text) { return splitLines(text); }

struct ReaderRow {
  const char* what;
  bool csa;
  std::string text;
  std::size_t moves;       // 0 with a refusal
  std::size_t errorLine;   // 0 when read
  std::string endWord;
  int winner;
  std::string reason = {};  // part of the refusal
};

// KI2 and CSA as Kifu for Windows, Shogidokoro, floodgate and 81Dojo write
// them, and what each reader refuses, with the line it names.
TEST(Ki2CsaReaders, ReadEachFeatureAndRefuseWhatIsWrong) {
  const std::string ki2Head = "手合割：平手\n先手：甲\n後手：乙\n";
  const std::string csaHead = "V2.2\nN+甲\nN-乙\nPI\n+\n";
  const std::vector<ReaderRow> rows = {
      {"KI2 moves several to a line, the result from まで", false,
       ki2Head + "▲７六歩    △３四歩    ▲２二角成\n△同　銀    ▲４五角\nまで5手で先手の勝ち\n", 5, 0, "投了",
       kif::Bottom},
      {"KI2 右 左 上 引 寄 and comments", false,
       ki2Head + "▲５六歩 △５四歩 ▲５八金右 △５二金左\n*コメント\n▲６八金上 △６二金寄 ▲６九金引 △５二金寄\n"
                 "まで8手で中断\n",
       8, 0, "中断", 0},
      {"KI2 variation not read, 千日手", false,
       ki2Head + "▲２六歩 △８四歩\nまで2手で千日手\n\n変化：2手\n△３四歩\n", 2, 0, "千日手", 0},
      {"KI2 handicap, 上手 first", false, "手合割：香落ち\n△３四歩 ▲７六歩\nまで2手で上手の勝ち\n", 2, 0, "投了",
       kif::Top},
      {"KI2 wrong side's mark", false, ki2Head + "▲７六歩 ▲２六歩\n", 0, 4, "", 0, "手番"},
      {"KI2 two golds, no word", false, ki2Head + "▲５八金\n", 0, 4, "", 0, "どの金"},
      {"CSA 2.2 with times, comments, commas, %TORYO", true,
       "'コメント\nV2.2\nN+甲\nN-乙\n$EVENT:研究会\n$START_TIME:2024/05/01 10:00:00\nPI\n+\n+7776FU,T12\n-3334FU\nT5\n"
       "+8822UM,T3\n-3122GI\nT1\n%TORYO\n",
       4, 0, "投了", kif::Top},
      {"CSA 3.0 fraction in a time, %SENNICHITE", true, "'CSA encoding=UTF-8\nV3.0\nPI\n+\n+2726FU\nT1.500\n%SENNICHITE\n",
       1, 0, "千日手", 0},
      {"CSA PI with pieces taken off, - first", true, "V2.2\nPI82HI22KA\n-\n-5142OU\n+7776FU\n%KACHI\n", 2, 0,
       "入玉勝ち", kif::Top},
      {"CSA diagram and hands, 00AL", true,
       "P1-KY-KE-GI-KI-OU-KI-GI-KE-KY\nP2 *  *  *  *  *  *  *  *  * \nP3 *  *  *  *  *  *  *  *  * \n"
       "P4 *  *  *  *  *  *  *  *  * \nP5 *  *  *  *  *  *  *  *  * \nP6 *  *  *  *  *  *  *  *  * \n"
       "P7 *  *  *  *  *  *  *  *  * \nP8 *  *  *  *  *  *  *  *  * \nP9+KY+KE+GI+KI+OU+KI+GI+KE+KY\nP+00HI00FU\nP-00AL\n+\n"
       "+0055HI\n-0054FU\n%+ILLEGAL_ACTION\n",
       2, 0, "反則負け", kif::Top},
      {"CSA %-ILLEGAL_ACTION said by +", true, csaHead + "+7776FU\n-3334FU\n%-ILLEGAL_ACTION\n", 2, 0, "反則勝ち",
       kif::Bottom},
      {"CSA %TIME_UP", true, csaHead + "+7776FU\n%TIME_UP\n", 1, 0, "切れ負け", kif::Bottom},
      {"CSA move of the wrong side", true, csaHead + "-3334FU\n", 0, 6, "", 0, "手番"},
      {"CSA impossible move", true, csaHead + "+7775FU\nT3\n", 0, 6, "", 0, "動けません"},
      {"CSA move before the side to move", true, "V2.2\nPI\n+7776FU\n", 0, 3, "", 0, "手番"},
      {"CSA a piece that is not there", true, "V2.2\nPI82KA\n+\n", 0, 2, "", 0, "その駒"},
      {"CSA bad time", true, csaHead + "+7776FU\nTx\n", 0, 7, "", 0, "消費時間"},
  };
  for (const ReaderRow& row : rows) {
    SCOPED_TRACE(row.what);
    KifRecord record;
    const std::optional<KifError> error = row.csa ? readCsa(split(row.text), record) : readKi2(split(row.text), record);
    if (row.errorLine != 0) {
      ASSERT_TRUE(error);
      EXPECT_EQ(error->line, row.errorLine);
      EXPECT_NE(error->reason.find(row.reason), std::string::npos) << error->reason;
      continue;
    }
    ASSERT_FALSE(error) << error->line << " " << error->reason;
    EXPECT_EQ(record.entries.size(), row.moves + 1);
    EXPECT_EQ(record.header.endWord, row.endWord);
    EXPECT_EQ(record.header.winner, row.winner);
  }
}

class OutsideRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override { platform.attach(g); }
  TempFolder folder;
  FakePlatform platform;
  Game g;
};

// A KIF read keeps its ending when written again; KIF and CSA through a
// ".棋譜" file keep the moves and the times, and of the ending what the
// moves show (a ".棋譜" file has no place for a word).
TEST_F(OutsideRoundTrip, EndingMovesAndTimesSurvive) {
  const std::string kif = "手合割：平手\r\n先手：甲\r\n後手：乙\r\n手数----指手---------消費時間--\r\n"
                          "   1 ７六歩(77)   ( 0:16/00:00:16)\r\n   2 ３四歩(33)   ( 0:05/00:00:05)\r\n"
                          "   3 投了\r\nまで2手で後手の勝ち\r\n";
  writeBytes(folder.path() / "in.kifu", kif);
  読込_外部棋譜ファイル(g, folder.path() / "in.kifu");
  std::vector<std::string> lines;
  std::string error;
  ASSERT_TRUE(変換_棋譜からKIF(g, lines, error)) << error;
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 2], "   3 投了");
  EXPECT_EQ(lines.back(), "まで2手で後手の勝ち");
  EXPECT_EQ(lines[lines.size() - 4], "   1 ７六歩(77)   ( 0:16/00:00:16)");

  const std::string csa = "V2.2\r\nN+甲\r\nN-乙\r\nPI\r\n+\r\n+7776FU\r\nT16\r\n-3334FU\r\nT5\r\n%TORYO\r\n";
  for (const auto& [name, text] : {std::pair{"in.kifu", kif}, std::pair{"in.csa", csa}}) {
    SCOPED_TRACE(name);
    writeBytes(folder.path() / name, std::string(name) == "in.csa" ? *toCodePage932(text) : text);
    KifRecord record;
    ASSERT_EQ(readRecordOfKind(folder.path() / name, record), "");
    RecordFileContents contents;
    contents.entries = record.entries;
    ASSERT_EQ(writeRecordFile(folder.path() / "trip.棋譜", contents), "");
    RecordFileContents back;
    ASSERT_EQ(readRecordFile(folder.path() / "trip.棋譜", back), "");
    std::vector<std::string> again, direct;
    KifHeader plain;
    ASSERT_TRUE(formatCsa(back.entries, plain, again, error)) << error;
    ASSERT_TRUE(formatCsa(record.entries, plain, direct, error)) << error;
    EXPECT_EQ(again, direct) << "moves and times";
    EXPECT_EQ(again.back(), "%CHUDAN") << "the word does not go through a .棋譜 file";
    std::vector<std::string> kept;
    ASSERT_TRUE(formatCsa(record.entries, record.header, kept, error)) << error;
    EXPECT_EQ(kept[5], "+7776FU");
    EXPECT_EQ(kept[6], "T16");
    EXPECT_EQ(kept.back(), "%TORYO");
  }
}

}  // namespace
}  // namespace vudeve
