#include "rules/invariants.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/handicap.h"
#include "rules/setup.h"
#include "ui/settings.h"

namespace vudeve {
namespace {

class Invariants : public ::testing::Test {
 protected:
  void SetUp() override {
    初期設定(g);
    チェック設定(g, MidoriCode);
    g.Menus->setChecked(MenuItem::LEVEL3, true);
  }
  Game g;
};

TEST_F(Invariants, HoldForTheEvenPosition) { EXPECT_EQ(checkInvariants(g, 0), ""); }

TEST_F(Invariants, CountThePiecesAHandicapTookAway) {
  設定_ハンデ局面(g, 4);
  EXPECT_EQ(checkInvariants(g, 4), "");
  EXPECT_NE(checkInvariants(g, 0), "");
}

TEST_F(Invariants, CountATakenKingOnlyOnceTheGameIsOverOrInARecordRead) {
  g.Board[5][1] = Empty;
  EXPECT_NE(checkInvariants(g, 0), "");
  g.Winner = g.ManSide;
  EXPECT_EQ(checkInvariants(g, 0), "") << "as restored from the record";
  g.ManHandTotal = 1;
  EXPECT_EQ(checkInvariants(g, 0), "") << "as the capture left it";
  g.ComHandTotal = 1;
  EXPECT_NE(checkInvariants(g, 0), "") << "only the taker counts it";
  g.ComHandTotal = 0;
  g.Winner = NoSide;
  EXPECT_NE(checkInvariants(g, 0), "");
  g.RecordMode = TrueValue;
  EXPECT_EQ(checkInvariants(g, 0), "");
}

TEST_F(Invariants, CatchAPieceCapturedIntoNowhere) {
  g.Board[1][3] = Empty;  // a pawn gone without reaching a hand
  EXPECT_NE(checkInvariants(g, 0), "");
  g.ManHand[1] = 1;
  g.ManHandTotal = 1;
  EXPECT_EQ(checkInvariants(g, 0), "");
}

struct Broken {
  const char* what;
  void (*breakIt)(Game&);
};

class InvariantsCatch : public Invariants, public ::testing::WithParamInterface<Broken> {};

TEST_P(InvariantsCatch, EachBrokenPromise) {
  GetParam().breakIt(g);
  EXPECT_NE(checkInvariants(g, 0), "") << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    All, InvariantsCatch,
    ::testing::Values(Broken{"no piece code", [](Game& g) { g.Board[5][5] = 12; }},
                      Broken{"unused square written", [](Game& g) { g.Board[0][5] = ComPawn; }},
                      Broken{"negative hand", [](Game& g) { g.Board[1][3] = Empty, g.ComHand[1] = 2, g.ComHand[2] = -1; }},
                      Broken{"hand total off", [](Game& g) { g.ManHandTotal = 1; }},
                      Broken{"MoveNumber past the record", [](Game& g) { g.MoveNumber = 2; }},
                      Broken{"position shown not stored",
                             [](Game& g) {
                               g.RecordBoard[1] = g.Board;
                               g.MoveNumber = g.LastMoveNumber = 1;
                               g.RecordManHand[1][1] = 1;
                             }},
                      Broken{"LastMoveNumber past the record",
                             [](Game& g) { g.LastMoveNumber = static_cast<int>(g.RecordBoard.size()); }},
                      Broken{"two backgrounds", [](Game& g) { g.Menus->setChecked(MenuItem::UCHU, true); }},
                      Broken{"no background", [](Game& g) { チェック設定(g, 0); }},
                      Broken{"level mark off", [](Game& g) { g.Level = 2; }}),
    [](const ::testing::TestParamInfo<Broken>& info) {
      std::string name = info.param.what;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

}  // namespace
}  // namespace vudeve
