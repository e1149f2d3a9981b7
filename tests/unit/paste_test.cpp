// 棋譜貼り付け: the clipboard read as whichever kind of record it holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/handlers/position_commands.h"
#include "record/record_line.h"
#include "rules/setup.h"
#include "rules/sfen.h"
#include "support/fakes.h"

namespace vudeve {
namespace {

using testing::FakePlatform;

// After 7g7f 3c3d.
constexpr const char* TwoMoves = "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 3";

struct PasteCase {
  const char* name;
  std::string text;
  int moves;            // -1: refused
  std::string reached;  // the SFEN of the last position, or the message's start
};

const PasteCase PasteCases[] = {
    {"Kif",
     "開始日時：2026/12/01 10:00:00\r\n手合割：平手\r\n先手：山田一郎\r\n後手：川村次郎\r\n"
     "手数----指手---------消費時間--\r\n   1 ７六歩(77)   ( 0:03/00:00:03)\r\n"
     "   2 ３四歩(33)   ( 0:02/00:00:02)\r\n   3 中断         ( 0:01/00:00:04)\r\n",
     2, TwoMoves},
    {"Ki2", "手合割：平手\n先手：山田一郎\n後手：川村次郎\n\n▲７六歩    △３四歩\nまで2手で中断\n", 2, TwoMoves},
    {"Csa", "V2.2\nN+山田一郎\nN-川村次郎\nPI\n+\n+7776FU,T3\n-3334FU,T2\n%CHUDAN\n", 2, TwoMoves},
    {"UsiPosition", "position startpos moves 7g7f 3c3d\n", 2, TwoMoves},
    {"SfenWithMoves", "sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1 moves 7g7f 3c3d", 2,
     TwoMoves},
    {"SfenAlone", std::string("  ") + TwoMoves + "\n", 0, TwoMoves},
    {"Utf8MarkAndBlankLines", "\xEF\xBB\xBF\n\nposition startpos moves 7g7f 3c3d", 2, TwoMoves},
    {"Empty", " \n", -1, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞに棋譜がありません"},
    {"NoRecord", "the shopping list\nmilk\n", -1, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの文字は"},
    {"ImpossibleUsiMove", "\nposition startpos moves 7g7f 3c3e", -1, "貼り付けた棋譜の 2 行目が読めません：3c3e："},
    {"BadSfen", "position sfen lnsgkgsnl/9 b - 1 moves 7g7f", -1,
     "貼り付けた棋譜の 1 行目が読めません：局面の SFEN が読めません（"},
    {"NoPieceToMove", "position startpos moves 5e5d", -1, "貼り付けた棋譜の 1 行目が読めません：5e5d：５五に駒がありません"},
    {"KifMoveImpossible", "手合割：平手\n   1 ７五歩(77)\n", -1, "貼り付けた棋譜の 2 行目が読めません："},
};

class Paste : public ::testing::TestWithParam<PasteCase> {
 protected:
  void SetUp() override {
    platform.attach(g);
    初期設定(g);
  }
  Game g;
  FakePlatform platform;
};

TEST_P(Paste, ReadsTheKindTheTextIs) {
  const PasteCase& c = GetParam();
  platform.clipboard.contents = c.text;
  const std::vector<RecordEntry> before = recordEntries(g);
  KIFU_PASTE_Click(g);
  if (c.moves < 0) {
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    EXPECT_EQ(platform.messages.shown[0].text.rfind(c.reached, 0), 0u) << platform.messages.shown[0].text;
    EXPECT_EQ(recordEntries(g), before);
    EXPECT_EQ(g.RecordMode, FalseValue);
    return;
  }
  ASSERT_EQ(g.LastMoveNumber, c.moves);
  EXPECT_EQ(g.RecordMode, TrueValue);
  SfenPosition expected;
  std::string error;
  ASSERT_TRUE(readSfen(c.reached, expected, error));
  const RecordEntry last = recordEntries(g).back();
  EXPECT_EQ(last.board, expected.pieces.board);
  EXPECT_EQ(last.manHand, expected.pieces.manHand);
  EXPECT_EQ(last.comHand, expected.pieces.comHand);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Paste, ::testing::ValuesIn(PasteCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vudeve
