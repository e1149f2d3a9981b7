#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/com_turn.h"
#include "engine/tool_game.h"
#include "rules/influence.h"
#include "rules/position_text.h"
#include "support/fakes.h"

namespace vudeve {
namespace {

using testing::FakePlatform;

// Scores by a rule of the test (the real evaluation when there is none) and
// keeps everything the search reports.
class RecordingHooks final : public ComSearchHooks {
 public:
  using Rule = std::function<double(Game&, int captured, int placed, int fromX, int fromY, int toX, int toY)>;
  Rule rule;
  std::vector<ComCandidate> scoredCandidates;
  std::optional<ComCandidate> chosenMove;
  int scoreCalls = 0;

  double score(Game& g, int captured, int placed, int fromX, int fromY, int toX, int toY) override {
    ++scoreCalls;
    if (rule) return rule(g, captured, placed, fromX, fromY, toX, toY);
    return ComSearchHooks::score(g, captured, placed, fromX, fromY, toX, toY);
  }
  void scored(const ComCandidate& c) override { scoredCandidates.push_back(c); }
  void chosen(const ComCandidate& c) override { chosenMove = c; }
};

bool sameMove(const ComCandidate& c, int fromX, int fromY, int toX, int toY) {
  return c.fromX == fromX && c.fromY == fromY && c.toX == toX && c.toY == toY;
}

class ComTurn : public ::testing::Test {
 protected:
  std::unique_ptr<Game> game = makeToolGame(3);
  Game& g = *game;
  FakePlatform platform;
  RecordingHooks hooks;

  void SetUp() override { platform.attach(g); }

  void load(std::string_view text) {
    std::string error;
    ASSERT_TRUE(loadPositionForComputer(g, text, error)) << error;
  }
  std::vector<std::pair<std::string, std::string>> messages() const {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& shown : platform.messages.shown) out.emplace_back(shown.text, shown.caption);
    return out;
  }
  bool printed(const std::string& text) const {
    for (const auto& p : platform.surface.printed())
      if (p.text == text) return true;
    return false;
  }
};

using Messages = std::vector<std::pair<std::string, std::string>>;

TEST_F(ComTurn, KingCaptureUnderCompulsoryCaptureIsTheOnlyCandidateScored) {
  // Rook takes the king; the pawn capture on column 9 and the gold in hand
  // would come later in the search.
  load("3k5/4r4/8p/8P/9/9/PPPP1PPP1/9/4K4 g w");
  com_ban(g, hooks);
  ASSERT_EQ(hooks.scoredCandidates.size(), 1u);
  EXPECT_TRUE(sameMove(hooks.scoredCandidates[0], 5, 2, 5, 9));
  EXPECT_EQ(hooks.scoredCandidates[0].score, 9999);
  // A rook that may promote always does.
  EXPECT_EQ(g.Board[5][9], ComDragon);
}

TEST_F(ComTurn, KingCaptureEndsTheSearchDropsIncluded) {
  // The computer king stands in check, so no capture is safe and quiet moves
  // and drops are searched too; taking the king still ends the search.
  load("k8/4r4/8p/R8/9/9/9/9/4K4 g w");
  com_ban(g, hooks);
  ASSERT_FALSE(hooks.scoredCandidates.empty());
  EXPECT_TRUE(sameMove(hooks.scoredCandidates.back(), 5, 2, 5, 9));
  for (const ComCandidate& c : hooks.scoredCandidates) EXPECT_LE(c.fromX, 5);
  ASSERT_TRUE(hooks.chosenMove);
  EXPECT_TRUE(sameMove(*hooks.chosenMove, 5, 2, 5, 9));
  EXPECT_EQ(g.Winner, g.ComSide);
}

struct KingTakenCase {
  const char* name;
  const char* position;
};

class KingTaken : public ComTurn, public ::testing::WithParamInterface<KingTakenCase> {};

TEST_P(KingTaken, AnnouncesTheWinAndSkipsTheMoveTextButNotItsTime) {
  load(GetParam().position);
  g.ComSeconds = 20;
  hooks.rule = [&](Game&, int captured, int, int, int, int, int) {
    platform.clock.timeOfDay += 7;
    return captured == ManKing ? 9999.0 : 0.0;
  };
  com_ban(g, hooks);
  EXPECT_EQ(g.Winner, g.ComSide);
  EXPECT_EQ(messages(), (Messages{{"ｺﾝﾋﾟｭｰﾀの勝ちです", "終了"}}));
  EXPECT_EQ(g.Turn, g.ManSide);
  const double turn = 7.0 * hooks.scoreCalls;
  EXPECT_EQ(g.ComSeconds, 20 + turn) << "the winning move's time is the computer's";
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_EQ(g.MoveCount, 1);
  EXPECT_EQ(g.LastMoveNumber, 1);
  EXPECT_EQ(g.RecordBoard[1], g.Board) << "the record ends with the king taken";
  EXPECT_EQ(g.RecordComTimeBefore[1], 20 + turn);
  EXPECT_FALSE(printed("飛成"));
  EXPECT_FALSE(g.Timer1->enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Positions, KingTaken,
    ::testing::Values(KingTakenCase{"OpenFile", "3k5/4r4/9/9/9/9/PPPP1PPPP/9/4K4 - w"},
                      // The king's old square is guarded and every square around
                      // it covered: a mate test there would answer yes.
                      KingTakenCase{"GuardedSquare", "4k4/4r4/9/9/9/9/9/5g3/4K4 - w"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComTurn, SafeCaptureExcludesQuietMovesDropsAndUnsafeCapturers) {
  // The gold could take the pawn on (4,3) only by opening the rook's file to
  // its king; the silver's capture is safe. Quiet moves would score far more.
  load("4k4/4g4/3P3s1/7P1/4R4/9/9/9/K8 g w");
  hooks.rule = [](Game&, int captured, int, int, int, int, int) { return captured == Empty ? 1000.0 : 1.0; };
  com_ban(g, hooks);
  ASSERT_EQ(hooks.scoredCandidates.size(), 1u);
  EXPECT_TRUE(sameMove(hooks.scoredCandidates[0], 8, 3, 8, 4));
  EXPECT_EQ(g.Board[8][4], ComSilver);
  EXPECT_EQ(g.ComHand[5], 1);
}

TEST_F(ComTurn, SearchAloneWithoutCompulsoryCaptureTriesQuietMovesAndDropsAndPlaysNothing) {
  // The silver's safe capture would make the turn score it alone.
  load("4k4/4g4/3P3s1/7P1/4R4/9/9/9/K8 g w");
  const std::string before = writePositionText(g);
  searchComMoves(g, hooks, false);
  EXPECT_FALSE(hooks.chosenMove);
  EXPECT_EQ(writePositionText(g), before);
  EXPECT_EQ(g.MoveNumber, 0);
  const auto& all = hooks.scoredCandidates;
  EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const ComCandidate& c) { return c.fromX == -1; }));
  EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const ComCandidate& c) {
    return c.fromX != -1 && g.Board[c.toX][c.toY] == Empty;
  }));
}

TEST_F(ComTurn, SearchAloneScoresWhatTheTurnScoresWhenNoCaptureIsCompulsory) {
  const char* position = "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL g w";
  load(position);
  searchComMoves(g, hooks, false);
  std::unique_ptr<Game> played = makeToolGame(3);
  std::string error;
  ASSERT_TRUE(loadPositionForComputer(*played, position, error)) << error;
  RecordingHooks turn;
  com_ban(*played, turn);
  ASSERT_GT(turn.scoredCandidates.size(), 30u);  // the moves and the gold's drops
  ASSERT_EQ(hooks.scoredCandidates.size(), turn.scoredCandidates.size());
  for (std::size_t i = 0; i < turn.scoredCandidates.size(); ++i) {
    const ComCandidate& a = hooks.scoredCandidates[i];
    const ComCandidate& b = turn.scoredCandidates[i];
    EXPECT_TRUE(sameMove(a, b.fromX, b.fromY, b.toX, b.toY) && a.placed == b.placed && a.score == b.score) << i;
  }
}

TEST_F(ComTurn, PawnDropMateIsNeverPlayedWhileAnotherCandidateScoresHigher) {
  load("4k4/9/9/9/9/9/1g2P4/2s6/K8 p w");
  com_ban(g, hooks);
  bool dropScored = false;
  for (const ComCandidate& c : hooks.scoredCandidates) {
    if (sameMove(c, -1, 1, 1, 8)) {
      dropScored = true;
      EXPECT_EQ(c.score, -9998);
    }
  }
  EXPECT_TRUE(dropScored);
  ASSERT_TRUE(hooks.chosenMove);
  EXPECT_FALSE(sameMove(*hooks.chosenMove, -1, 1, 1, 8));
  EXPECT_GT(g.BestScore, -9998);
  EXPECT_EQ(g.Board[1][8], Empty);
}

struct AnnouncementCase {
  const char* name;
  int toX, toY;
  Messages expected;
};

class Announcement : public ComTurn, public ::testing::WithParamInterface<AnnouncementCase> {};

TEST_P(Announcement, AfterTheMoveThePersonMovesNext) {
  // Gold in hand: on (5,8) under the pawn it mates, on (4,8) it only checks.
  load("4k4/9/9/9/9/9/P3p3P/9/R3K4 g w");
  const AnnouncementCase& c = GetParam();
  hooks.rule = [&](Game&, int, int, int fromX, int, int toX, int toY) {
    return fromX == -1 && toX == c.toX && toY == c.toY ? 100.0 : 0.0;
  };
  com_ban(g, hooks);
  EXPECT_EQ(messages(), c.expected);
  EXPECT_EQ(g.Board[c.toX][c.toY], ComGold);
  EXPECT_EQ(g.ComHand[5], 0);
  EXPECT_EQ(g.Winner, NoSide);
  EXPECT_EQ(g.Turn, g.ManSide);
  EXPECT_EQ(g.MoveNumber, 1);
}

INSTANTIATE_TEST_SUITE_P(Moves, Announcement,
                         ::testing::Values(AnnouncementCase{"Mate", 5, 8, {{"よし！!", "詰め ?"}}},
                                           AnnouncementCase{"Check", 4, 8, {{"   ** 王手 **", ""}}},
                                           AnnouncementCase{"Quiet", 9, 2, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComTurn, MateScoreFromADropStopsTheSearch) {
  load("4k4/9/9/9/9/9/P3p3P/9/R3K4 g w");
  hooks.rule = [](Game&, int, int, int fromX, int, int toX, int toY) {
    return fromX == -1 && toX == 5 && toY == 8 ? 9998.0 : 0.0;
  };
  com_ban(g, hooks);
  ASSERT_FALSE(hooks.scoredCandidates.empty());
  EXPECT_TRUE(sameMove(hooks.scoredCandidates.back(), -1, 5, 5, 8));
}

TEST_F(ComTurn, PlayingADropRecordsBlinksInTheHandAndSounds) {
  load("4k4/9/9/9/9/9/P3p3P/9/R3K4 g w");
  const BoardMap before = g.Board;
  g.PieceSound = 7;
  hooks.rule = [](Game&, int, int, int fromX, int, int toX, int toY) {
    return fromX == -1 && toX == 9 && toY == 2 ? 1.0 : 0.0;
  };
  com_ban(g, hooks);
  EXPECT_EQ(g.RecordBoard[0], before);
  EXPECT_EQ(g.RecordComHand[0][5], 1);
  EXPECT_EQ(g.RecordBoard[1], g.Board);
  EXPECT_EQ(g.RecordComHand[1][5], 0);
  EXPECT_EQ(g.LastMoveNumber, 1);
  // The gold blinks where the hand stand shows it: row 8 - hand index.
  const std::vector<int> blinked = platform.surface.picturesAt(-1, 3);
  EXPECT_NE(std::find(blinked.begin(), blinked.end(), ComGold), blinked.end());
  EXPECT_EQ(platform.sound.log, std::vector<std::string>{"play 7"});
  std::vector<int> labelColours;
  for (const auto& p : platform.surface.printed())
    if (p.text == "思考中") labelColours.push_back(p.color);
  EXPECT_EQ(labelColours, (std::vector<int>{ShadowColor, MoveTextColor}));
}

TEST_F(ComTurn, PromotingMoveBlinksThePieceBeforePromotion) {
  load("8k/9/9/9/9/4p4/9/9/K8 - w");
  hooks.rule = [](Game&, int, int, int fromX, int fromY, int, int) { return fromX == 5 && fromY == 6 ? 1.0 : 0.0; };
  com_ban(g, hooks);
  EXPECT_EQ(g.Board[5][7], ComTokin);
  const std::vector<int> blinked = platform.surface.picturesAt(5, 6);
  EXPECT_NE(std::find(blinked.begin(), blinked.end(), ComPawn), blinked.end());
  EXPECT_EQ(std::find(blinked.begin(), blinked.end(), ComTokin), blinked.end());
}

struct PromotionCase {
  const char* name;
  const char* position;
  int fromX, fromY, toX, toY;
  int piece, promoted;
  bool alwaysPromotes;
};

class OptionalPromotion : public ComTurn, public ::testing::WithParamInterface<PromotionCase> {};

TEST_P(OptionalPromotion, TakenByRuleOrWhenStrictlyBetter) {
  const PromotionCase& c = GetParam();
  struct Scores {
    double plain, promoted;
  };
  for (const Scores s : {Scores{5, 3}, Scores{4, 4}, Scores{3, 5}}) {
    SCOPED_TRACE(std::to_string(s.plain) + " / " + std::to_string(s.promoted));
    std::unique_ptr<Game> fresh = makeToolGame(3);
    Game& h = *fresh;
    std::string error;
    ASSERT_TRUE(loadPositionForComputer(h, c.position, error)) << error;
    RecordingHooks scores;
    scores.rule = [&](Game& at, int, int placed, int fromX, int fromY, int toX, int toY) {
      if (fromX != c.fromX || fromY != c.fromY || toX != c.toX || toY != c.toY) return -500.0;
      return placed == at.CandidatePiece ? s.plain : s.promoted;
    };
    com_ban(h, scores);
    ASSERT_TRUE(scores.chosenMove);
    EXPECT_TRUE(sameMove(*scores.chosenMove, c.fromX, c.fromY, c.toX, c.toY));
    const bool promotes = c.alwaysPromotes || s.promoted > s.plain;
    EXPECT_EQ(h.Board[c.toX][c.toY], promotes ? c.promoted : c.piece);
    EXPECT_EQ(h.BestScore, std::max(s.plain, s.promoted));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, OptionalPromotion,
    ::testing::Values(
        PromotionCase{"Pawn", "8k/9/9/9/9/4p4/9/9/K8 - w", 5, 6, 5, 7, ComPawn, ComTokin, true},
        PromotionCase{"Bishop", "8k/9/9/9/2b6/9/9/9/K8 - w", 3, 5, 5, 7, ComBishop, ComHorse, true},
        PromotionCase{"Rook", "8k/9/9/9/4r4/9/9/9/K8 - w", 5, 5, 5, 7, ComRook, ComDragon, true},
        PromotionCase{"Lance", "8k/9/9/9/4l4/9/9/9/K8 - w", 5, 5, 5, 7, ComLance, ComPromLance, false},
        PromotionCase{"Knight", "8k/9/9/9/4n4/9/9/9/K8 - w", 5, 5, 4, 7, ComKnight, ComPromKnight, false},
        PromotionCase{"Silver", "8k/9/9/9/9/4s4/9/9/K8 - w", 5, 6, 5, 7, ComSilver, ComPromSilver, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComTurn, ForcedPromotionIsScoredOnceAsPromoted) {
  load("8k/9/9/9/4l4/9/9/9/K8 - w");
  std::vector<int> placedOnLastRow;
  hooks.rule = [&](Game&, int, int placed, int, int, int toX, int toY) {
    if (toX == 5 && toY == 9) placedOnLastRow.push_back(placed);
    return 0.0;
  };
  com_ban(g, hooks);
  EXPECT_EQ(placedOnLastRow, std::vector<int>{ComPromLance});
}

struct TieCase {
  const char* name;
  const char* position;
  RecordingHooks::Rule rule;
  int fromX, fromY, toX, toY;
};

class Ties : public ComTurn, public ::testing::WithParamInterface<TieCase> {};

TEST_P(Ties, FirstCandidateInLoopOrderKeepsTheBestPlace) {
  load(GetParam().position);
  hooks.rule = GetParam().rule;
  com_ban(g, hooks);
  ASSERT_TRUE(hooks.chosenMove);
  const TieCase& c = GetParam();
  EXPECT_TRUE(sameMove(*hooks.chosenMove, c.fromX, c.fromY, c.toX, c.toY))
      << hooks.chosenMove->fromX << hooks.chosenMove->fromY << hooks.chosenMove->toX << hooks.chosenMove->toY;
}

double allEqual(Game&, int, int, int, int, int, int) { return 0; }
double laterDropBetter(Game&, int, int, int fromX, int, int toX, int toY) {
  return fromX == -1 && toX == 5 && toY == 5 ? 0.1 : 0;
}
double twoBest(Game&, int, int, int fromX, int fromY, int, int) {
  return (fromX == 7 && fromY == 3) || (fromX == 3 && fromY == 3) ? 1 : 0;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, Ties,
    ::testing::Values(
        TieCase{"LowestColumnFirst", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL - w", allEqual, 1,
                1, 1, 2},
        TieCase{"BoardMoveBeforeDrop", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL g w", allEqual, 1,
                1, 1, 2},
        TieCase{"StrictlyBetterDropWins", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL g w",
                laterDropBetter, -1, 5, 5, 5},
        TieCase{"EqualBestKeepsTheEarlier", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL - w", twoBest,
                3, 3, 3, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComTurn, CandidateWithoutPromotionRestoresBoardHandsAndWinner) {
  load("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL P w");
  // An evaluation that disturbs the state it should only read.
  hooks.rule = [](Game& at, int, int, int, int, int, int) {
    at.ComHand[1] += 3;
    at.ManHand[2] += 1;
    at.Winner = at.ComSide;
    at.Board[9][9] = Empty;
    return 0.0;
  };
  com_ban(g, hooks);
  ASSERT_TRUE(hooks.chosenMove);
  EXPECT_TRUE(sameMove(*hooks.chosenMove, 1, 1, 1, 2));
  EXPECT_EQ(g.ManHand[1], 1);
  EXPECT_EQ(g.ManHand[2], 0);
  EXPECT_EQ(g.ComHand[1], 0);
  EXPECT_EQ(g.Board[9][9], ManLance);
  EXPECT_EQ(g.Winner, NoSide);
}

TEST_F(ComTurn, ClockRunsDuringTheSearchWhenKeikaIsChecked) {
  load(EvenPositionText);
  g.Menus->setChecked(MenuItem::KEIKA, true);
  platform.clock.timeOfDay = 1000;
  g.ManSeconds = 12;
  g.ComSeconds = 30;
  // Every scored candidate takes a hundredth of a second.
  hooks.rule = [&](Game&, int, int, int, int, int, int) {
    platform.clock.timeOfDay += 0.01;
    return 0.0;
  };
  com_ban(g, hooks);
  EXPECT_GT(g.TurnSeconds, 0);
  EXPECT_DOUBLE_EQ(g.ComSeconds, 30 + g.TurnSeconds);
  EXPECT_EQ(g.RecordComTimeBefore[0], 30);
  EXPECT_DOUBLE_EQ(g.RecordComTimeAfter[0], g.ComSeconds);
  EXPECT_EQ(g.RecordManTimeBefore[0], 12);
  EXPECT_EQ(g.RecordManTimeAfter[0], 12);
  EXPECT_EQ(g.TurnStartTime, platform.clock.timeOfDay);
  EXPECT_TRUE(g.Timer1->enabled());
}

// Without the tick TurnSeconds is never recomputed by it: the computer's
// turn is measured when the move is played, not taken from an older turn.
TEST_F(ComTurn, WithoutKeikaTheClockStaysOffAndTheTurnIsStillMeasured) {
  load(EvenPositionText);
  g.TurnSeconds = 200;  // left from an earlier turn
  g.ComSeconds = 30;
  platform.clock.timeOfDay = 1000;
  hooks.rule = [&](Game&, int, int, int, int, int, int) {
    platform.clock.timeOfDay += 0.25;
    return 0.0;
  };
  com_ban(g, hooks);
  const double searched = 0.25 * hooks.scoreCalls;
  EXPECT_FALSE(g.Timer1->enabled());
  EXPECT_DOUBLE_EQ(g.TurnSeconds, searched);
  EXPECT_DOUBLE_EQ(g.ComSeconds, 30 + searched);
  EXPECT_EQ(g.RecordComTimeBefore[0], 30);
  EXPECT_DOUBLE_EQ(g.RecordComTimeAfter[0], 30 + searched);
  EXPECT_DOUBLE_EQ(g.RecordComTimeBefore[1], 30 + searched);
}

TEST_F(ComTurn, WithoutAnyCandidateTheTurnPassesBackUnplayed) {
  // A lone computer pawn on the last row has no move; the computer has no king.
  for (auto& column : g.Board) column.fill(Empty);
  g.Board[5][9] = ComPawn;
  g.Board[1][5] = ManKing;
  勢力調査(g);
  const BoardMap before = g.Board;
  g.TurnSeconds = 4;  // left from an earlier turn; the pass took no time
  com_ban(g, hooks);
  EXPECT_FALSE(hooks.chosenMove);
  EXPECT_EQ(hooks.scoreCalls, 0);
  EXPECT_EQ(g.Board, before);
  EXPECT_EQ(g.MoveNumber, 0);
  EXPECT_EQ(g.MoveCount, 0);
  EXPECT_EQ(g.Turn, g.ManSide);
  EXPECT_EQ(g.ComSeconds, 0);
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(ComTurn, DoesNothingOnceTheGameIsOver) {
  load(EvenPositionText);
  g.Winner = g.ManSide;
  com_ban(g, hooks);
  EXPECT_EQ(hooks.scoreCalls, 0);
  EXPECT_EQ(g.MoveNumber, 0);
  EXPECT_EQ(g.Turn, g.ComSide);
}

class EvenPositionAtLevel : public ::testing::TestWithParam<int> {};

TEST_P(EvenPositionAtLevel, AnswersAMove) {
  std::unique_ptr<Game> game = makeToolGame(GetParam());
  Game& g = *game;
  std::string error;
  ASSERT_TRUE(loadPositionForComputer(g, EvenPositionText, error)) << error;
  RecordingHooks hooks;
  com_ban(g, hooks);
  ASSERT_TRUE(hooks.chosenMove);
  EXPECT_EQ(g.Board[hooks.chosenMove->toX][hooks.chosenMove->toY], hooks.chosenMove->placed);
  EXPECT_EQ(g.Board[hooks.chosenMove->fromX][hooks.chosenMove->fromY], Empty);
  EXPECT_EQ(g.BestScore, hooks.chosenMove->score);
  EXPECT_EQ(g.MoveNumber, 1);
  EXPECT_EQ(g.Turn, g.ManSide);
}

INSTANTIATE_TEST_SUITE_P(Levels, EvenPositionAtLevel, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace vudeve
