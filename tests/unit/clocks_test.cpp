#include <gtest/gtest.h>

#include "support/fakes.h"
#include "ui/clocks.h"

namespace vudeve {
namespace {

using testing::FakePlatform;
using testing::DrawCall;
using testing::RecordingSurface;

TEST(ElapsedSeconds, CountsAcrossMidnight) {
  EXPECT_DOUBLE_EQ(調査_経過秒(86399.5, 0.5), 1.0);
  EXPECT_DOUBLE_EQ(調査_経過秒(100, 100), 0);
  EXPECT_DOUBLE_EQ(調査_経過秒(100, 130.25), 30.25);
  EXPECT_DOUBLE_EQ(調査_経過秒(86000, 400), 800);
}

class Tick : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.attach(g);
    g.Menus->setChecked(MenuItem::KEIKA, true);
    g.ManSide = SenteSide;
    g.ComSide = GoteSide;
    g.Turn = g.ManSide;
    g.Timer1->setEnabled(true);
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& p : platform.surface.printed()) out.push_back(p.text);
    return out;
  }

  Game g;
  FakePlatform platform;
};

TEST_F(Tick, DrawsTheRunningClockOncePerWholeSecond) {
  g.ManSeconds = 60;
  g.ComSeconds = 500;
  g.TurnStartTime = 1000;
  platform.clock.timeOfDay = 1001.25;
  Timer1_Timer(g);
  EXPECT_DOUBLE_EQ(g.TurnSeconds, 1.25);
  EXPECT_EQ(g.ShownSecond, 1);
  ASSERT_EQ(texts(), (std::vector<std::string>{"00:01:01", "00:01:01"}));
  // The human clock, text layer at (13, 9.2).
  EXPECT_DOUBLE_EQ(platform.surface.printed()[1].x, RecordingSurface::cellX(13));
  EXPECT_EQ(platform.surface.calls.back().kind, DrawCall::Refresh);

  platform.surface.clear();
  platform.clock.timeOfDay = 1001.875;
  Timer1_Timer(g);
  EXPECT_DOUBLE_EQ(g.TurnSeconds, 1.875);
  EXPECT_TRUE(platform.surface.calls.empty());

  // A late tick catches up in one step.
  platform.clock.timeOfDay = 1065.5;
  Timer1_Timer(g);
  EXPECT_EQ(g.ShownSecond, 65);
  EXPECT_EQ(texts(), (std::vector<std::string>{"00:02:05", "00:02:05"}));
}

TEST_F(Tick, TheComputersTurnRunsItsOwnClock) {
  g.Turn = g.ComSide;
  g.ComSeconds = 3600;
  g.TurnStartTime = 86399.5;
  platform.clock.timeOfDay = 1.5;
  Timer1_Timer(g);
  EXPECT_DOUBLE_EQ(g.TurnSeconds, 2);
  ASSERT_EQ(texts(), (std::vector<std::string>{"01:00:02", "01:00:02"}));
  EXPECT_DOUBLE_EQ(platform.surface.printed()[1].x, RecordingSurface::cellX(-1.6));
}

TEST_F(Tick, DoesNothingWhileTheTimerIsOffOrTheGameIsOver) {
  g.TurnStartTime = 0;
  platform.clock.timeOfDay = 10;
  g.Timer1->setEnabled(false);
  Timer1_Timer(g);
  EXPECT_DOUBLE_EQ(g.TurnSeconds, 0);
  g.Timer1->setEnabled(true);
  g.Winner = g.ComSide;
  Timer1_Timer(g);
  EXPECT_DOUBLE_EQ(g.TurnSeconds, 0);
  EXPECT_EQ(g.ShownSecond, 0);
  EXPECT_TRUE(platform.surface.calls.empty());
}

TEST_F(Tick, BeforeAnyGameOnlyTheSecondIsNoted) {
  g.Turn = NoSide;
  g.TurnStartTime = 0;
  platform.clock.timeOfDay = 3.5;
  Timer1_Timer(g);
  EXPECT_EQ(g.ShownSecond, 3);
  EXPECT_TRUE(texts().empty());
}

TEST(ThinkingNotice, ErasedWithTheBackground) {
  Game g;
  FakePlatform platform;
  platform.attach(g);
  g.BackgroundCode = MidoriCode;
  消去_思考中(g);
  for (double x : {-2, -1, 0}) EXPECT_EQ(platform.surface.picturesAt(x, 8), std::vector<int>{MidoriCode});
  const DrawCall& box = platform.surface.calls.back();
  EXPECT_EQ(box.kind, DrawCall::Box);
  EXPECT_EQ(box.code, BackColorIndex);
  EXPECT_DOUBLE_EQ(box.x, RecordingSurface::cellX(-1));
  EXPECT_DOUBLE_EQ(box.y, RecordingSurface::cellY(7));
}

}  // namespace
}  // namespace vudeve
