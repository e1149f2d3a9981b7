#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "rules/setup.h"
#include "support/fakes.h"
#include "ui/draw.h"

namespace vudeve {
namespace {

using testing::DrawCall;
using testing::FakePlatform;
using testing::RecordingSurface;

struct DrawFixture : ::testing::Test {
  Game g;
  FakePlatform platform;
  RecordingSurface& screen = platform.surface;

  DrawFixture() {
    platform.attach(g);
    g.BackgroundCode = MidoriCode;
  }

  // The text printed at cell position (x, y), if any.
  std::optional<RecordingSurface::PrintedText> findPrinted(const std::string& text, double x, double y) const {
    for (const auto& t : screen.printed())
      if (t.text == text && RecordingSurface::near(t.x, RecordingSurface::cellX(x)) &&
          RecordingSurface::near(t.y, RecordingSurface::cellY(y)))
        return t;
    return std::nullopt;
  }
  // Index of the first recorded call matching the predicate, or -1.
  template <class P>
  int firstCall(P pred, int from = 0) const {
    for (size_t i = from; i < screen.calls.size(); ++i)
      if (pred(screen.calls[i])) return static_cast<int>(i);
    return -1;
  }
  int pictureCallAt(int code, double x, double y, int from = 0) const {
    return firstCall(
        [&](const DrawCall& c) {
          return c.kind == DrawCall::Picture && c.code == code &&
                 RecordingSurface::near(c.x, RecordingSurface::cellX(x)) &&
                 RecordingSurface::near(c.y, RecordingSurface::cellY(y));
        },
        from);
  }
  int countPictures() const {
    return static_cast<int>(std::count_if(screen.calls.begin(), screen.calls.end(),
                                          [](const DrawCall& c) { return c.kind == DrawCall::Picture; }));
  }
};

// --- Pictures ---

struct PictureCase {
  int code;
  bool drawn;
};

class PictureCodes : public DrawFixture, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(PictureCodes, OnlyKnownCodesDraw) {
  描画_絵(g, GetParam().code, 2, 3);
  if (GetParam().drawn) {
    ASSERT_EQ(screen.calls.size(), 1u);
    EXPECT_EQ(screen.calls[0].code, GetParam().code);
    EXPECT_DOUBLE_EQ(screen.calls[0].x, BoardLeft + 2 * CellWidth);
    EXPECT_DOUBLE_EQ(screen.calls[0].y, BoardTop + 3 * CellHeight);
  } else {
    EXPECT_TRUE(screen.calls.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureCodes,
    ::testing::Values(PictureCase{Empty, true}, PictureCase{ManPawn, true}, PictureCase{ManTokin, true},
                      PictureCase{ManGold, true}, PictureCase{ManDragon, true}, PictureCase{ManKing, true},
                      PictureCase{ComPromKnight, true}, PictureCase{ComHorse, true}, PictureCase{ComKing, true},
                      PictureCase{TitleCode, true}, PictureCase{MidoriCode, true}, PictureCase{RengaCode, true},
                      PictureCase{111, false}, PictureCase{-111, false}, PictureCase{951, false},
                      PictureCase{-951, false}, PictureCase{7, false}, PictureCase{-1, false}, PictureCase{12, false}));

TEST_F(DrawFixture, OutlineSpansOneCell) {
  描画_桝輪郭(g, SelectColor, 3, 4);
  ASSERT_EQ(screen.calls.size(), 1u);
  const DrawCall& c = screen.calls[0];
  EXPECT_EQ(c.kind, DrawCall::Box);
  EXPECT_EQ(c.code, SelectColor);
  EXPECT_DOUBLE_EQ(c.x, RecordingSurface::cellX(3));
  EXPECT_DOUBLE_EQ(c.y, RecordingSurface::cellY(4));
  EXPECT_DOUBLE_EQ(c.x2, RecordingSurface::cellX(4));
  EXPECT_DOUBLE_EQ(c.y2, RecordingSurface::cellY(5));
}

// --- Texts and numbers ---

TEST_F(DrawFixture, StringCodesPrintTheirLabelsOffsetIntoTheCell) {
  struct Row {
    int code;
    const char* text;
  };
  const Row rows[] = {{-10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"}, {-2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"}, {0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},
                      {8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"}, {10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"}, {99, "手目"}};
  for (const Row& row : rows) {
    screen.clear();
    描画_文字列(g, 11, 1, row.code, TextColor, 10);
    const auto texts = screen.printed();
    ASSERT_EQ(texts.size(), 1u) << row.code;
    EXPECT_EQ(texts[0].text, row.text);
    EXPECT_EQ(texts[0].color, TextColor);
    EXPECT_DOUBLE_EQ(texts[0].size, 10);
    EXPECT_DOUBLE_EQ(texts[0].x, RecordingSurface::cellX(11) + 120);
    EXPECT_DOUBLE_EQ(texts[0].y, RecordingSurface::cellY(1) + 160);
  }
  for (int code : {11, -11, 98, 100}) {
    screen.clear();
    描画_文字列(g, 11, 1, code, TextColor, 10);
    EXPECT_TRUE(screen.printed().empty()) << code;
  }
}

TEST_F(DrawFixture, NumbersInDecimalAndKanji) {
  struct Row {
    int value, mode;
    const char* text;  // nullptr: nothing printed
  };
  const Row rows[] = {{0, 0, "0"},        {10, 0, "10"},       {-3, 0, "-3"},       {1, 1, "一"},
                      {5, 1, "五"},       {9, 1, "九"},        {9, 2, "九"},        {0, 1, nullptr},
                      {10, 1, nullptr},   {-1, 1, nullptr}};
  for (const Row& row : rows) {
    screen.clear();
    描画_数値(g, 10.1, 1.3, row.value, LabelColor, row.mode, 12);
    const auto texts = screen.printed();
    if (row.text == nullptr) {
      EXPECT_TRUE(texts.empty()) << row.value << " mode " << row.mode;
      continue;
    }
    ASSERT_EQ(texts.size(), 1u) << row.value;
    EXPECT_EQ(texts[0].text, row.text);
    EXPECT_EQ(texts[0].color, LabelColor);
    EXPECT_DOUBLE_EQ(texts[0].x, RecordingSurface::cellX(10.1));
    EXPECT_DOUBLE_EQ(texts[0].y, RecordingSurface::cellY(1.3));
  }
}

TEST_F(DrawFixture, TextValueIsPrintedUnchangedInModeZero) {
  描画_数値(g, -1.5, 0.1, "LEVEL", TextColor, 0, 10);
  ASSERT_EQ(screen.printed().size(), 1u);
  EXPECT_EQ(screen.printed()[0].text, "LEVEL");
}

TEST(NumberText, TwoCharactersOrNothing) {
  EXPECT_EQ(変換_数字から文字(0), "00");
  EXPECT_EQ(変換_数字から文字(7), "07");
  EXPECT_EQ(変換_数字から文字(59), "59");
  EXPECT_EQ(変換_数字から文字(100), "");
}

TEST(ClockText, HoursMinutesSeconds) {
  struct Row {
    double seconds;
    const char* text;
  };
  const Row rows[] = {{0, "00:00:00"},         {59.9, "00:00:59"},      {60, "00:01:00"},
                      {3599.99, "00:59:59"},   {3600, "01:00:00"},      {3725.4, "01:02:05"},
                      {99 * 3600 + 61, "99:01:01"}, {100 * 3600, ":00:00"}, {1e12, ":46:40"}};
  for (const Row& row : rows) EXPECT_EQ(調査_時間秒追加結果(row.seconds), row.text) << row.seconds;
}

// --- Clocks ---

TEST_F(DrawFixture, ClockIsNotDrawnWhileElapsedTimeIsOff) {
  g.Menus->setChecked(MenuItem::KEIKA, false);
  描画_所有時間(g, g.ManSide, 61);
  描画_所有時間(g, g.ComSide, 61);
  EXPECT_TRUE(screen.calls.empty());
}

TEST_F(DrawFixture, ClocksOfBothSides) {
  g.Menus->setChecked(MenuItem::KEIKA, true);
  描画_所有時間(g, g.ManSide, 3725.4);
  for (int x = 13; x <= 15; ++x) EXPECT_EQ(screen.picturesAt(x, 9), std::vector<int>{MidoriCode}) << x;
  ASSERT_TRUE(findPrinted("01:02:05", 13.1, 9.3).has_value());
  EXPECT_EQ(findPrinted("01:02:05", 13.1, 9.3)->color, ShadowColor);
  ASSERT_TRUE(findPrinted("01:02:05", 13, 9.2).has_value());
  EXPECT_EQ(findPrinted("01:02:05", 13, 9.2)->color, TextColor);
  EXPECT_DOUBLE_EQ(findPrinted("01:02:05", 13, 9.2)->size, 12);

  screen.clear();
  描画_所有時間(g, g.ComSide, 5);
  for (int x = -2; x <= 0; ++x) EXPECT_EQ(screen.picturesAt(x, 9), std::vector<int>{MidoriCode}) << x;
  ASSERT_TRUE(findPrinted("00:00:05", -1.5, 9.3).has_value());
  ASSERT_TRUE(findPrinted("00:00:05", -1.6, 9.2).has_value());
  ASSERT_EQ(screen.calls.back().kind, DrawCall::Box);
  EXPECT_DOUBLE_EQ(screen.calls.back().x, RecordingSurface::cellX(1));
  EXPECT_DOUBLE_EQ(screen.calls.back().y, RecordingSurface::cellY(9));

  screen.clear();
  描画_所有時間(g, NoSide, 5);
  EXPECT_TRUE(screen.calls.empty());
}

// --- Composites ---

TEST_F(DrawFixture, BackgroundLeavesTheBoardAlone) {
  描画_背景(g, TatamiCode);
  EXPECT_EQ(countPictures(), 32 * 20 - 81);
  for (const DrawCall& c : screen.calls) {
    ASSERT_EQ(c.code, TatamiCode);
    const double x = (c.x - BoardLeft) / CellWidth, y = (c.y - BoardTop) / CellHeight;
    EXPECT_FALSE(x >= 1 && x <= 9 && y >= 1 && y <= 9) << x << "," << y;
  }
  EXPECT_EQ(screen.picturesAt(0, 0), std::vector<int>{TatamiCode});
  EXPECT_EQ(screen.picturesAt(10, 10), std::vector<int>{TatamiCode});
  EXPECT_EQ(screen.picturesAt(-3, -2), std::vector<int>{TatamiCode});
  EXPECT_EQ(screen.picturesAt(28, 17), std::vector<int>{TatamiCode});
}

TEST_F(DrawFixture, SquareNumeralsAreBoldWithShadows) {
  描画_桝_数値(g);
  ASSERT_FALSE(screen.calls.empty());
  EXPECT_EQ(screen.calls[0].kind, DrawCall::Bold);
  EXPECT_TRUE(screen.calls[0].bold);
  for (int i = 1; i <= 9; ++i) {
    const std::string column = std::to_string(10 - i);
    ASSERT_TRUE(findPrinted(column, i + 0.2, 0.5).has_value()) << i;
    EXPECT_EQ(findPrinted(column, i + 0.2, 0.5)->color, ShadowColor);
    ASSERT_TRUE(findPrinted(column, i + 0.1, 0.4).has_value()) << i;
    EXPECT_EQ(findPrinted(column, i + 0.1, 0.4)->color, LabelColor);
    EXPECT_DOUBLE_EQ(findPrinted(column, i + 0.1, 0.4)->size, 16);
    EXPECT_TRUE(findPrinted(column, i + 0.1, 0.4)->bold);
    EXPECT_EQ(screen.picturesAt(i, 0), std::vector<int>{MidoriCode});
    EXPECT_EQ(screen.picturesAt(10, i), std::vector<int>{MidoriCode});
  }
  const char* kanji[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
  for (int i = 1; i <= 9; ++i) {
    ASSERT_TRUE(findPrinted(kanji[i - 1], 10.1, i + 0.3).has_value()) << i;
    EXPECT_EQ(findPrinted(kanji[i - 1], 10.1, i + 0.3)->color, LabelColor);
    EXPECT_DOUBLE_EQ(findPrinted(kanji[i - 1], 10.1, i + 0.3)->size, 12);
    ASSERT_TRUE(findPrinted(kanji[i - 1], 10.2, i + 0.4).has_value()) << i;
  }
}

TEST_F(DrawFixture, EmptyHandStandsShowEmptySquaresAndNoCounts) {
  描画_自持盤(g);
  描画_敵持盤(g);
  for (int r = 3; r <= 9; ++r) EXPECT_EQ(screen.picturesAt(11, r), std::vector<int>{Empty}) << r;
  for (int r = 1; r <= 7; ++r) EXPECT_EQ(screen.picturesAt(-1, r), std::vector<int>{Empty}) << r;
  for (int r = 3; r <= 9; ++r) EXPECT_EQ(screen.picturesAt(12, r), std::vector<int>{MidoriCode}) << r;
  for (int r = 1; r <= 7; ++r) EXPECT_EQ(screen.picturesAt(0, r), std::vector<int>{MidoriCode}) << r;
  EXPECT_TRUE(screen.printed().empty());
}

TEST_F(DrawFixture, HandStandsWithPieces) {
  g.ManHand[1] = 2;   // pawns, row 3
  g.ManHand[7] = 1;   // rook, row 9
  g.ComHand[7] = 1;   // rook, row 1
  g.ComHand[1] = 12;  // pawns, row 7
  g.ComHand[5] = 3;   // golds, row 3
  描画_自持盤(g);
  描画_敵持盤(g);
  EXPECT_EQ(screen.picturesAt(11, 3), (std::vector<int>{Empty, ManPawn}));
  EXPECT_EQ(screen.picturesAt(11, 9), (std::vector<int>{Empty, ManRook}));
  EXPECT_EQ(screen.picturesAt(11, 5), std::vector<int>{Empty});
  EXPECT_EQ(screen.picturesAt(-1, 1), (std::vector<int>{Empty, ComRook}));
  EXPECT_EQ(screen.picturesAt(-1, 7), (std::vector<int>{Empty, ComPawn}));
  EXPECT_EQ(screen.picturesAt(-1, 3), (std::vector<int>{Empty, ComGold}));
  EXPECT_EQ(screen.picturesAt(-1, 2), std::vector<int>{Empty});

  struct Count {
    const char* text;
    double x, y;
    int color;
  };
  const Count counts[] = {{"2", 12.1, 3.3, ShadowColor}, {"2", 12.0, 3.2, SelectColor},
                          {"1", 12.1, 9.3, ShadowColor}, {"1", 12.0, 9.2, SelectColor},
                          {"1", 0.1, 1.3, ShadowColor},  {"1", 0.0, 1.2, SelectColor},
                          {"12", 0.1, 7.3, ShadowColor}, {"12", 0.0, 7.2, SelectColor},
                          {"3", 0.0, 3.2, SelectColor}};
  for (const Count& c : counts) {
    const auto t = findPrinted(c.text, c.x, c.y);
    ASSERT_TRUE(t.has_value()) << c.text << " at " << c.x << "," << c.y;
    EXPECT_EQ(t->color, c.color);
    EXPECT_DOUBLE_EQ(t->size, 14);
  }
  EXPECT_EQ(screen.printed().size(), 10u);
}

TEST_F(DrawFixture, EnemyStandRedrawsTheBoardEdgeOutline) {
  描画_敵持盤(g);
  for (int i = 1; i <= 7; ++i) {
    const int box = firstCall([&](const DrawCall& c) {
      return c.kind == DrawCall::Box && RecordingSurface::near(c.x, RecordingSurface::cellX(1)) &&
             RecordingSurface::near(c.y, RecordingSurface::cellY(i));
    });
    EXPECT_GT(box, pictureCallAt(MidoriCode, 0, i)) << i;
  }
}

TEST_F(DrawFixture, RepaintDrawsEverythingInOrder) {
  g.Menus->setChecked(MenuItem::KEIKA, true);
  初期設定(g);
  const int backgroundTiles = 32 * 20 - 81;
  for (int i = 0; i < backgroundTiles; ++i) ASSERT_EQ(screen.calls[i].code, MidoriCode) << i;
  ASSERT_EQ(screen.calls[backgroundTiles].kind, DrawCall::Bold);

  const int numerals = pictureCallAt(MidoriCode, 1, 0, backgroundTiles);
  const int manStand = pictureCallAt(Empty, 11, 3);
  const int comStand = pictureCallAt(Empty, -1, 1);
  const int board = pictureCallAt(ComLance, 1, 1);
  const int comClock = pictureCallAt(MidoriCode, -2, 9, backgroundTiles);
  const int manClock = pictureCallAt(MidoriCode, 13, 9, backgroundTiles);
  const int title = pictureCallAt(TitleCode, 10.8, 0);
  EXPECT_LT(backgroundTiles, numerals);
  EXPECT_LT(numerals, manStand);
  EXPECT_LT(manStand, comStand);
  EXPECT_LT(comStand, board);
  EXPECT_LT(board, comClock);
  EXPECT_LT(comClock, manClock);
  EXPECT_LT(manClock, title);
  EXPECT_EQ(title, static_cast<int>(screen.calls.size()) - 1);

  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(screen.picturesAt(x, y), std::vector<int>{g.Board[x][y]}) << x << "," << y;
  EXPECT_EQ(screen.picturesAt(5, 9), std::vector<int>{ManKing});
  EXPECT_EQ(screen.picturesAt(8, 8), std::vector<int>{ManRook});
  EXPECT_EQ(screen.picturesAt(2, 2), std::vector<int>{ComRook});
  EXPECT_TRUE(findPrinted("00:00:00", 13, 9.2).has_value());
  EXPECT_TRUE(findPrinted("00:00:00", -1.6, 9.2).has_value());
  EXPECT_FALSE(findPrinted("LEVEL", -1.5, 0.1).has_value());
}

TEST_F(DrawFixture, RepaintAddsLevelAndHandicapBeforeTheTitle) {
  初期設定(g);
  g.GameMode = ModeCom;
  g.Level = 2;
  g.HandicapSet = TrueValue;
  g.HandicapGrade = -2;
  screen.clear();
  画面_再描画(g);
  const auto texts = screen.printed();
  ASSERT_GE(texts.size(), 6u);
  const size_t n = texts.size();
  EXPECT_EQ(texts[n - 6].text, "LEVEL");
  EXPECT_EQ(texts[n - 4].text, "2");
  EXPECT_DOUBLE_EQ(texts[n - 3].x, RecordingSurface::cellX(0));
  EXPECT_EQ(texts[n - 3].color, TextColor);
  EXPECT_EQ(texts[n - 1].text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
  EXPECT_DOUBLE_EQ(texts[n - 1].x, RecordingSurface::cellX(11) + 120);
  EXPECT_EQ(texts[n - 2].color, ShadowColor);
  EXPECT_EQ(screen.calls.back().code, TitleCode);
  EXPECT_EQ(screen.calls.back().kind, DrawCall::Picture);
}

TEST_F(DrawFixture, HandicapLabelClearsThePlaceOfTheLongestLabel) {
  描画_ハンデレベル(g, 8);
  for (int x = 11; x <= 14; ++x) EXPECT_EQ(screen.picturesAt(x, 1), std::vector<int>{MidoriCode}) << x;
  EXPECT_EQ(screen.picturesAt(15, 1), std::vector<int>{});
  // Every tile goes down before the text.
  const int firstPrint = firstCall([](const DrawCall& c) { return c.kind == DrawCall::Print; });
  const int lastTile = static_cast<int>(screen.calls.size()) - 1 -
                       static_cast<int>(std::find_if(screen.calls.rbegin(), screen.calls.rend(),
                                                     [](const DrawCall& c) { return c.kind == DrawCall::Picture; }) -
                                        screen.calls.rbegin());
  EXPECT_LT(lastTile, firstPrint);
}

TEST_F(DrawFixture, RecordAreaEraseClearsRowTenAcrossTheWindow) {
  描画_棋譜読込み部分消去(g);
  for (int x = -3; x <= 28; ++x) EXPECT_EQ(screen.picturesAt(x, 10), std::vector<int>{MidoriCode}) << x;
  EXPECT_EQ(screen.picturesAt(5, 11), std::vector<int>{});
}

// --- Blinks and waits ---

TEST_F(DrawFixture, BlinkAlternatesEmptySquareAndPiece) {
  platform.clock.step = 0.05;
  描画_駒点滅(g, ManSilver, 3, 9, 2);
  EXPECT_EQ(screen.picturesAt(3, 9), (std::vector<int>{Empty, ManSilver, Empty, ManSilver}));
  EXPECT_EQ(std::count_if(screen.calls.begin(), screen.calls.end(),
                          [](const DrawCall& c) { return c.kind == DrawCall::Refresh; }),
            4);
  EXPECT_NEAR(platform.clock.monotonic, 0.8, 0.051);
}

TEST_F(DrawFixture, BlinkOfMovablePiecesTouchesOnlyFlaggedSquares) {
  初期設定(g);
  screen.clear();
  g.CapturerFlags[2][8] = TrueValue;
  g.CapturerFlags[7][7] = TrueValue;
  描画_駒点滅_移動可能駒(g, 1);
  EXPECT_EQ(screen.picturesAt(2, 8), (std::vector<int>{Empty, ManBishop}));
  EXPECT_EQ(screen.picturesAt(7, 7), (std::vector<int>{Empty, ManPawn}));
  EXPECT_EQ(countPictures(), 4);
}

// A time of day that restarts at midnight while the monotonic clock goes on.
class MidnightClock final : public Clock {
 public:
  double monotonic = 0;
  int pauses = 0;
  double secondsSinceMidnight() override { return monotonic < 0.1 ? 86399.95 + monotonic : monotonic - 0.05; }
  CalendarTime now() override { return {}; }
  double monotonicSeconds() override { return monotonic; }
  void pause() override {
    monotonic += 0.001;
    ++pauses;
  }
};

TEST_F(DrawFixture, WaitAcrossMidnightEndsOnTime) {
  MidnightClock clock;
  g.Time = &clock;
  待ち時間(g, 0.2);
  EXPECT_GE(clock.monotonic, 0.2 - 1e-9);
  EXPECT_LE(clock.pauses, 201);
}

// --- Messages and the record panel ---

TEST_F(DrawFixture, HandicapRefusalMessages) {
  const char* reasons[] = {"", "棋譜ﾓｰﾄﾞではできません", "対局途中ではできません", "反転後ではできません"};
  for (int reason = 0; reason <= 4; ++reason) {
    platform.messages.shown.clear();
    描画_メッセージ(g, reason);
    ASSERT_EQ(platform.messages.shown.size(), 1u);
    const auto& box = platform.messages.shown[0];
    const std::string line = reason >= 1 && reason <= 3 ? reasons[reason] : "";
    EXPECT_EQ(box.text, line + "\r\r局面→最初にして下さい");
    EXPECT_EQ(box.caption, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
  }
}

TEST_F(DrawFixture, RecordPanelSwitches) {
  testing::FakePanel panel;
  g.Panel = &panel;
  panel.texts[PanelText::Text1] = "kifu";
  描画_可視(g, true, false, true);
  EXPECT_TRUE(panel.driveVisible);
  EXPECT_FALSE(panel.dirVisible);
  EXPECT_TRUE(panel.fileVisible);
  描画_棋譜_IO(g, 0);
  EXPECT_TRUE(panel.textPanelVisible);
  EXPECT_EQ(panel.text(PanelText::Text1), "kifu");
  描画_棋譜_IO(g, -1);
  EXPECT_FALSE(panel.textPanelVisible);
  EXPECT_EQ(panel.text(PanelText::Text1), "");
}

}  // namespace
}  // namespace vudeve
