#include <gtest/gtest.h>

#include "record/notation.h"
#include "support/fakes.h"

namespace vudeve {
namespace {

using testing::FakePlatform;
using testing::DrawCall;
using testing::RecordingSurface;

struct NotationCase {
  int code;
  const char* text;
};

void PrintTo(const NotationCase& c, std::ostream* os) { *os << c.code; }

class Notation : public ::testing::TestWithParam<NotationCase> {};

TEST_P(Notation, CodeGivesItsText) { EXPECT_EQ(文字列変換(GetParam().code), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Table, Notation,
    ::testing::Values(NotationCase{111, ""}, NotationCase{-111, ""}, NotationCase{0, ""}, NotationCase{5, "５"},
                      NotationCase{1, "１"}, NotationCase{9, "９"}, NotationCase{1005, "五"},
                      NotationCase{1001, "一"}, NotationCase{1009, "九"}, NotationCase{-801, "角成"},
                      NotationCase{801, "角成"}, NotationCase{-10, "歩"}, NotationCase{11, "と"},
                      NotationCase{-21, "香成"}, NotationCase{31, "桂成"}, NotationCase{-101, "銀成"},
                      NotationCase{110, "金"}, NotationCase{-900, "飛"}, NotationCase{901, "飛成"},
                      NotationCase{950, "王"}, NotationCase{-950, "王"},
                      // Only piece codes match for either sign.
                      NotationCase{-5, ""}, NotationCase{-1005, ""}, NotationCase{10, "歩"},
                      NotationCase{1000, ""}, NotationCase{1010, ""}, NotationCase{12, ""},
                      NotationCase{951, ""}));

TEST(RecordTextPosition, CountsCharactersAndDividesExactly) {
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(""), 1050 + 5.6 * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("先手"), 1050 + 5.2 * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("abcd"), 1050 + 4.8 * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("あいうえ"), 1050 + 4.8 * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("ﾊﾝﾃﾞｨ"), 1050 + 4.6 * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("abcdefghijklmnopqrstuvwxyz"), 1050 + 0.4 * 495);
}

// --- Move number ---

struct MoveNumberCase {
  int count;
  double shadowX, textX;
};

void PrintTo(const MoveNumberCase& c, std::ostream* os) { *os << c.count; }

class MoveNumber : public ::testing::TestWithParam<MoveNumberCase> {};

TEST_P(MoveNumber, MovesLeftAsTheNumberGrows) {
  Game g;
  FakePlatform platform;
  platform.attach(g);
  g.BackgroundCode = TatamiCode;
  const MoveNumberCase c = GetParam();
  描画_手数(g, c.count, SelectColor);

  EXPECT_EQ(platform.surface.picturesAt(13, 3), std::vector<int>{TatamiCode});
  EXPECT_EQ(platform.surface.picturesAt(14, 3), std::vector<int>{TatamiCode});
  const auto printed = platform.surface.printed();
  ASSERT_EQ(printed.size(), 4u);
  const std::string number = std::to_string(c.count);
  EXPECT_EQ(printed[0].text, number);
  EXPECT_EQ(printed[0].color, ShadowColor);
  EXPECT_DOUBLE_EQ(printed[0].x, RecordingSurface::cellX(c.shadowX));
  EXPECT_DOUBLE_EQ(printed[0].y, RecordingSurface::cellY(3.4));
  EXPECT_EQ(printed[1].text, number);
  EXPECT_EQ(printed[1].color, TextColor);  // the colour passed in is not used
  EXPECT_DOUBLE_EQ(printed[1].x, RecordingSurface::cellX(c.textX));
  EXPECT_DOUBLE_EQ(printed[1].y, RecordingSurface::cellY(3.3));
  EXPECT_DOUBLE_EQ(printed[1].size, 12);

  EXPECT_EQ(printed[2].text, "手目");
  EXPECT_EQ(printed[2].color, ShadowColor);
  EXPECT_DOUBLE_EQ(printed[2].x, RecordingSurface::cellX(13.9) + 120);
  EXPECT_EQ(printed[3].text, "手目");
  EXPECT_EQ(printed[3].color, TextColor);
  EXPECT_DOUBLE_EQ(printed[3].x, RecordingSurface::cellX(13.8) + 120);
  EXPECT_DOUBLE_EQ(printed[3].y, RecordingSurface::cellY(3.1) + 160);
  EXPECT_DOUBLE_EQ(printed[3].size, 10);
}

INSTANTIATE_TEST_SUITE_P(Placement, MoveNumber,
                         ::testing::Values(MoveNumberCase{0, 13.3, 13.2}, MoveNumberCase{9, 13.3, 13.2},
                                           MoveNumberCase{10, 13.2, 13.1}, MoveNumberCase{99, 13.2, 13.1},
                                           MoveNumberCase{100, 13.1, 13.0}, MoveNumberCase{1234, 13.1, 13.0}));

// --- Last move of each side ---

struct Placed {
  std::string text;
  int color;
  double x, y;
};

std::vector<Placed> placedTexts(const RecordingSurface& surface) {
  std::vector<Placed> out;
  for (const auto& p : surface.printed()) out.push_back({p.text, p.color, p.x, p.y});
  return out;
}

void expectPlaced(const std::vector<Placed>& placed, std::size_t i, const std::string& text, int color, double x,
                  double y) {
  SCOPED_TRACE(i);
  ASSERT_LT(i, placed.size());
  EXPECT_EQ(placed[i].text, text);
  EXPECT_EQ(placed[i].color, color);
  EXPECT_NEAR(placed[i].x, RecordingSurface::cellX(x), 1e-6);
  EXPECT_NEAR(placed[i].y, RecordingSurface::cellY(y), 1e-6);
}

TEST(MoveResult, HumanMoveIsWrittenAtTheRight) {
  Game g;
  FakePlatform platform;
  platform.attach(g);
  g.ManSide = SenteSide;
  g.ComSide = GoteSide;
  g.BackgroundCode = TakeCode;
  描画_移動結果(g, g.ManSide, 3, 6, ManPawn, MoveTextColor);

  for (double x : {12, 13, 14}) EXPECT_EQ(platform.surface.picturesAt(x, 2), std::vector<int>{TakeCode});
  const auto placed = placedTexts(platform.surface);
  ASSERT_EQ(placed.size(), 6u);
  expectPlaced(placed, 0, "７", ShadowColor, 12.5, 2.5);
  expectPlaced(placed, 1, "７", MoveTextColor, 12.4, 2.4);
  expectPlaced(placed, 2, "六", ShadowColor, 12.9, 2.5);
  expectPlaced(placed, 3, "六", MoveTextColor, 12.8, 2.4);
  expectPlaced(placed, 4, "歩", ShadowColor, 13.5, 2.5);
  expectPlaced(placed, 5, "歩", MoveTextColor, 13.4, 2.4);
}

TEST(MoveResult, ComputerMoveIsWrittenAtTheLeftAndTheCornerSquareRedrawn) {
  Game g;
  FakePlatform platform;
  platform.attach(g);
  g.BackgroundCode = UchuCode;
  描画_移動結果(g, g.ComSide, 1, 9, ComPromSilver, SelectColor);

  EXPECT_EQ(platform.surface.picturesAt(-1, 8), std::vector<int>{UchuCode});
  EXPECT_EQ(platform.surface.picturesAt(0, 8), std::vector<int>{UchuCode});
  const auto placed = placedTexts(platform.surface);
  ASSERT_EQ(placed.size(), 6u);
  expectPlaced(placed, 0, "９", ShadowColor, -1.5, 8.5);
  expectPlaced(placed, 1, "９", SelectColor, -1.6, 8.4);
  expectPlaced(placed, 2, "九", ShadowColor, -1.1, 8.5);
  expectPlaced(placed, 3, "九", SelectColor, -1.2, 8.4);
  expectPlaced(placed, 4, "銀成", ShadowColor, -0.5, 8.5);
  expectPlaced(placed, 5, "銀成", SelectColor, -0.6, 8.4);

  const DrawCall& last = platform.surface.calls.back();
  EXPECT_EQ(last.kind, DrawCall::Box);
  EXPECT_EQ(last.code, BackColorIndex);
  EXPECT_DOUBLE_EQ(last.x, RecordingSurface::cellX(1));
  EXPECT_DOUBLE_EQ(last.y, RecordingSurface::cellY(8));
}

TEST(MoveResult, NoSideDrawsNothing) {
  Game g;
  FakePlatform platform;
  platform.attach(g);
  描画_移動結果(g, NoSide, 5, 5, ManGold, TextColor);
  消去_移動結果(g, NoSide);
  EXPECT_TRUE(platform.surface.calls.empty());
}

TEST(MoveResult, ErasingTheComputerTextRestoresTheOutlinesAround) {
  Game g;
  FakePlatform platform;
  platform.attach(g);
  g.BackgroundCode = RengaCode;
  消去_移動結果(g, g.ComSide);
  std::vector<std::pair<double, double>> boxes;
  for (const DrawCall& c : platform.surface.calls)
    if (c.kind == DrawCall::Box) {
      EXPECT_EQ(c.code, BackColorIndex);
      boxes.emplace_back(c.x, c.y);
    }
  EXPECT_EQ(boxes, (std::vector<std::pair<double, double>>{
                       {RecordingSurface::cellX(-1), RecordingSurface::cellY(7)},
                       {RecordingSurface::cellX(1), RecordingSurface::cellY(8)}}));
  EXPECT_EQ(platform.surface.picturesAt(-1, 8), std::vector<int>{RengaCode});
  EXPECT_EQ(platform.surface.picturesAt(0, 8), std::vector<int>{RengaCode});
}

}  // namespace
}  // namespace vudeve
