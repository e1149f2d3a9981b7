#include <gtest/gtest.h>

#include "record/notation.h"
#include "support/fakes.h"

namespace vudeve {
namespace {

using testing::DrawCall;
using testing::FakePlatform;
using testing::RecordingSurface;

TEST(Notation, TableGivesTheTextOfEachCode) {
  const std::vector<std::pair<int, std::string>> cases = {
      {111, ""}, {-111, ""}, {0, ""}, {5, "５"}, {1, "１"}, {9, "９"}, {1005, "五"}, {1001, "一"},
      {1009, "九"}, {-801, "角成"}, {801, "角成"}, {-10, "歩"}, {11, "と"}, {-21, "香成"}, {31, "桂成"},
      {-101, "銀成"}, {110, "金"}, {-900, "飛"}, {901, "飛成"}, {950, "王"}, {-950, "王"},
      // Only piece codes match for either sign.
      {-5, ""}, {-1005, ""}, {1000, ""}, {1010, ""}, {12, ""}, {951, ""}};
  for (const auto& [code, text] : cases) EXPECT_EQ(文字列変換(code), text) << code;
}

TEST(Notation, RecordTextPositionCountsCharactersAndDividesExactly) {
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(""), 1050 + 5.6 * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("先手"), 1050 + 5.2 * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("abcd"), 1050 + 4.8 * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("あいうえ"), 1050 + 4.8 * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("abcdefghijklmnopqrstuvwxyz"), 1050 + 0.4 * 495);
}

// Text, colour and cell position of every string printed.
struct Placed {
  std::string text;
  int color;
  double x, y;
  bool operator==(const Placed& o) const {
    return text == o.text && color == o.color && RecordingSurface::near(x, o.x) && RecordingSurface::near(y, o.y);
  }
};

void PrintTo(const Placed& p, std::ostream* os) { *os << p.text << " c" << p.color << " (" << p.x << "," << p.y << ")"; }

std::vector<Placed> placed(const RecordingSurface& surface) {
  std::vector<Placed> out;
  for (const auto& p : surface.printed())
    out.push_back({p.text, p.color, (p.x - BoardLeft) / CellWidth, (p.y - BoardTop) / CellHeight});
  return out;
}

class Drawing : public ::testing::Test {
 protected:
  void SetUp() override { platform.attach(g); }
  Game g;
  FakePlatform platform;
};

TEST_F(Drawing, MoveNumberMovesLeftAsItGrows) {
  g.BackgroundCode = TatamiCode;
  const double labelX = 120.0 / CellWidth, labelY = 160.0 / CellHeight;
  for (auto [count, shadowX] : std::vector<std::pair<int, double>>{{9, 13.3}, {10, 13.2}, {99, 13.2}, {100, 13.1}}) {
    platform.surface.clear();
    描画_手数(g, count, SelectColor);  // the colour passed in is not used
    const std::string n = std::to_string(count);
    EXPECT_EQ(placed(platform.surface),
              (std::vector<Placed>{{n, ShadowColor, shadowX, 3.4},
                                   {n, TextColor, shadowX - 0.1, 3.3},
                                   {"手目", ShadowColor, 13.9 + labelX, 3.2 + labelY},
                                   {"手目", TextColor, 13.8 + labelX, 3.1 + labelY}}))
        << count;
    EXPECT_EQ(platform.surface.picturesAt(13, 3), std::vector<int>{TatamiCode});
    EXPECT_EQ(platform.surface.picturesAt(14, 3), std::vector<int>{TatamiCode});
  }
}

TEST_F(Drawing, HumanMoveIsWrittenAtTheRight) {
  g.ManSide = SenteSide;
  g.ComSide = GoteSide;
  g.BackgroundCode = TakeCode;
  描画_移動結果(g, g.ManSide, 3, 6, ManPawn, MoveTextColor);
  for (double x : {12, 13, 14}) EXPECT_EQ(platform.surface.picturesAt(x, 2), std::vector<int>{TakeCode});
  EXPECT_EQ(placed(platform.surface),
            (std::vector<Placed>{{"７", ShadowColor, 12.5, 2.5}, {"７", MoveTextColor, 12.4, 2.4},
                                 {"六", ShadowColor, 12.9, 2.5}, {"六", MoveTextColor, 12.8, 2.4},
                                 {"歩", ShadowColor, 13.5, 2.5}, {"歩", MoveTextColor, 13.4, 2.4}}));
}

TEST_F(Drawing, ComputerMoveIsWrittenAtTheLeftAndTheCornerSquareRedrawn) {
  g.BackgroundCode = UchuCode;
  描画_移動結果(g, g.ComSide, 1, 9, ComPromSilver, SelectColor);
  EXPECT_EQ(platform.surface.picturesAt(-1, 8), std::vector<int>{UchuCode});
  EXPECT_EQ(platform.surface.picturesAt(0, 8), std::vector<int>{UchuCode});
  EXPECT_EQ(placed(platform.surface),
            (std::vector<Placed>{{"９", ShadowColor, -1.5, 8.5}, {"９", SelectColor, -1.6, 8.4},
                                 {"九", ShadowColor, -1.1, 8.5}, {"九", SelectColor, -1.2, 8.4},
                                 {"銀成", ShadowColor, -0.5, 8.5}, {"銀成", SelectColor, -0.6, 8.4}}));
  const DrawCall& last = platform.surface.calls.back();
  EXPECT_EQ(last.kind, DrawCall::Box);
  EXPECT_EQ(last.code, BackColorIndex);
  EXPECT_DOUBLE_EQ(last.x, RecordingSurface::cellX(1));
  EXPECT_DOUBLE_EQ(last.y, RecordingSurface::cellY(8));
}

TEST_F(Drawing, ErasingTheComputerTextRestoresTheOutlinesAround) {
  g.BackgroundCode = RengaCode;
  消去_移動結果(g, g.ComSide);
  std::vector<std::pair<double, double>> boxes;
  for (const DrawCall& c : platform.surface.calls)
    if (c.kind == DrawCall::Box && c.code == BackColorIndex) boxes.emplace_back(c.x, c.y);
  EXPECT_EQ(boxes, (std::vector<std::pair<double, double>>{
                       {RecordingSurface::cellX(-1), RecordingSurface::cellY(7)},
                       {RecordingSurface::cellX(1), RecordingSurface::cellY(8)}}));
  EXPECT_EQ(platform.surface.picturesAt(-2, 8), std::vector<int>{RengaCode});
  EXPECT_EQ(platform.surface.picturesAt(-1, 8), std::vector<int>{RengaCode});
  EXPECT_EQ(platform.surface.picturesAt(0, 8), std::vector<int>{RengaCode});
}

TEST_F(Drawing, NoSideDrawsNothing) {
  描画_移動結果(g, NoSide, 5, 5, ManGold, TextColor);
  消去_移動結果(g, NoSide);
  EXPECT_TRUE(platform.surface.calls.empty());
}

}  // namespace
}  // namespace vudeve
