#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "engine/com_turn.h"
#include "engine/search_turn.h"
#include "engine/tool_game.h"
#include "rules/compulsory.h"
#include "rules/handicap.h"
#include "rules/influence.h"
#include "rules/legality.h"
#include "rules/mate.h"
#include "rules/perft.h"
#include "support/fakes.h"

namespace vudeve {
namespace {

using MoveKey = std::tuple<int, int, int, int, int>;
constexpr int ManHandColumn = 11;

std::vector<MoveKey> gameMoves(Game& g, bool man) {
  auto list = std::make_unique<MoveList>();
  generateMoves(g, man, *list);
  keepCompulsoryCaptures(g, man, *list);
  std::vector<MoveKey> keys;
  for (int i = 0; i < list->size; ++i) {
    const Move& m = list->moves[i];
    // MAN's drops name the hand row; the search names the hand index.
    const int fromY = m.fromX == ManHandColumn ? m.fromY - 2 : m.fromY;
    keys.emplace_back(m.fromX, fromY, m.toX, m.toY, m.piece);
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

std::vector<MoveKey> searchMoves(const search::Position& p, const search::MoveList& list) {
  std::vector<MoveKey> keys;
  for (int i = 0; i < list.size; ++i) {
    const search::GameMove m = search::toGameMove(p, list.moves[i]);
    keys.emplace_back(m.fromX, m.fromY, m.toX, m.toY, m.placed);
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

// Random games from several starts: at every position both sides' moves as
// the search generates them are the game's own moves after its compulsory
// capture filter, and the search's test of the person's mating win agrees
// with the game's.
TEST(SearchPosition, MovesAndMatesAgreeWithTheGame) {
  std::mt19937 random(20240523);
  int positions = 0, checks = 0;
  for (const int grade : {0, 2, -2, 6}) {
    for (int game = 0; game < 4; ++game) {
      std::unique_ptr<Game> played = makeToolGame(1);
      Game& g = *played;
      設定_ハンデ局面(g, grade);
      for (int ply = 0; ply < 200; ++ply) {
        const int side = ply % 2 == 0 ? search::Man : search::Com;
        search::Position p = search::Position::fromGame(g, side);
        ASSERT_EQ(p.key, p.computeKey());
        search::MoveList mine;
        p.generate(mine);
        ASSERT_EQ(searchMoves(p, mine), gameMoves(g, side == search::Man)) << "ply " << ply << " grade " << grade;
        ++positions;
        if (side == search::Com && p.kingAttacked(search::Com)) {
          勢力調査(g);
          調査_2歩フラグ設定(g);
          EXPECT_EQ(p.comMated(), 詰めかCOM(g) == TrueValue) << "ply " << ply;
          ++checks;
        }
        if (mine.size == 0) break;
        const search::Move chosen = mine.moves[random() % mine.size];
        const search::GameMove m = search::toGameMove(p, chosen);
        // The search's make and unmake leave the position and its key as they were.
        const search::Undo undo = p.make(chosen);
        ASSERT_EQ(p.key, p.computeKey());
        p.unmake(chosen, undo);
        ASSERT_EQ(p.key, search::Position::fromGame(g, side).key);
        const int fromY = m.fromX == ManHandColumn ? m.fromY + 2 : m.fromY;
        const MoveUndo taken = makeMove(g, {m.fromX, fromY, m.toX, m.toY, m.placed});
        if (taken.captured == ComKing || taken.captured == ManKing) break;
      }
    }
  }
  EXPECT_GT(positions, 1000);
  EXPECT_GT(checks, 20);
}

// Positions whose right move needs a look past the first reply; the
// computer (lowercase, the top side) to move.
struct Tactic {
  const char* name;
  const char* position;
  std::vector<ComCandidate> moves;  // right answers: from, to and the code placed; none: any
  bool wins;
};

class SearchTactics : public ::testing::TestWithParam<Tactic> {};

TEST_P(SearchTactics, Level4FindsTheMove) {
  const Tactic& t = GetParam();
  std::unique_ptr<Game> game = makeToolGame(4);
  std::string error;
  ASSERT_TRUE(loadPositionForComputer(*game, t.position, error)) << error;
  const std::optional<ComCandidate> chosen = chooseSearchMove(*game, 4);
  ASSERT_TRUE(chosen);
  const auto same = [&](const ComCandidate& c) {
    return std::tie(chosen->fromX, chosen->fromY, chosen->toX, chosen->toY, chosen->placed) ==
           std::tie(c.fromX, c.fromY, c.toX, c.toY, c.placed);
  };
  EXPECT_TRUE(t.moves.empty() || std::any_of(t.moves.begin(), t.moves.end(), same))
      << chosen->fromX << chosen->fromY << chosen->toX << chosen->toY << " " << chosen->placed;
  EXPECT_EQ(chosen->score > search::WinBound, t.wins) << chosen->score;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, SearchTactics,
    ::testing::Values(
        // Both captures are compulsory choices; the rook's pawn is guarded
        // by a gold that must take back.
        Tactic{"CaptureThatLosesToTheRecapture", "k8/4r4/9/7s1/7P1/4P4/4G4/9/8K - w", {{8, 4, 8, 5, ComSilver}}, false},
        // The pawn must be taken by the rook, which the silver then takes.
        Tactic{"SacrificeForcesALosingCapture", "k8/9/3sP4/9/4R4/9/9/9/4K4 p w", {{-1, 1, 5, 4, ComPawn}}, false},
        // A silver dropped where the guard of the gold's square must take
        // it; the gold then mates, and the king falls next.
        Tactic{"MateInTwoUnderCompulsoryCapture",
               "8k/9/9/9/9/9/3pp4/9/3SK4 gs w",
               {{-1, 4, 4, 8, ComSilver}, {-1, 4, 3, 8, ComSilver}},
               true},
        // A rook dropped on the file checks a king walled in by its own
        // pieces; a drop in between still saves it, so nothing is won.
        Tactic{"CheckAnsweredByADropWinsNothing", "k8/9/9/9/9/9/9/3P1P3/3LKL3 G2Pr w", {}, false}),
    [](const ::testing::TestParamInfo<Tactic>& info) { return std::string(info.param.name); });

// The search reads the game and leaves it as it was; the same position
// gives the same move at LEVEL4, whatever was searched before.
TEST(SearchTurn, Level4IsRepeatableAndLeavesTheGameAlone) {
  const char* positions[] = {
      "ln1gk2nl/4g1s2/pp1pppr1p/2ps2p2/7p1/2P1P1P2/PP1P1P1PP/1S2G2R1/LN1GK1SNL Bb w",
      "lnsgk1snl/5g1b1/p1ppppp1p/7p1/9/1P7/P1PPPPP1P/1B1G5/LNS1KGSNL RPrp w",
  };
  std::vector<ComCandidate> first;
  for (const char* position : positions) {
    std::unique_ptr<Game> game = makeToolGame(4);
    std::string error;
    ASSERT_TRUE(loadPositionForComputer(*game, position, error)) << error;
    const BoardMap board = game->Board, influence = game->ComInfluence;
    const HandArray manHand = game->ManHand, comHand = game->ComHand;
    const std::optional<ComCandidate> chosen = chooseSearchMove(*game, 4);
    ASSERT_TRUE(chosen);
    first.push_back(*chosen);
    EXPECT_EQ(game->Board, board);
    EXPECT_EQ(game->ComInfluence, influence);
    EXPECT_EQ(game->ManHand, manHand);
    EXPECT_EQ(game->ComHand, comHand);
  }
  for (std::size_t i = 0; i < std::size(positions); ++i) {
    std::unique_ptr<Game> game = makeToolGame(4);
    std::string error;
    ASSERT_TRUE(loadPositionForComputer(*game, positions[i], error)) << error;
    const std::optional<ComCandidate> again = chooseSearchMove(*game, 4);
    ASSERT_TRUE(again);
    EXPECT_EQ(std::tie(again->fromX, again->fromY, again->toX, again->toY, again->placed, again->score),
              std::tie(first[i].fromX, first[i].fromY, first[i].toX, first[i].toY, first[i].placed, first[i].score));
  }
}

// Back at a position it stood at before, the computer plays another move
// when it is ahead (going round in circles wins nothing) and the same one
// when it is behind (there it is glad to).
TEST(SearchTurn, ComingBackToAPositionChangesTheMoveOnlyWhenAhead) {
  const struct {
    const char* position;
    bool changes;
  } cases[] = {
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/9/LNSGKGSNL - w", true},
      {"lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL - w", false},
  };
  for (const auto& c : cases) {
    std::unique_ptr<Game> game = makeToolGame(4);
    std::string error;
    ASSERT_TRUE(loadPositionForComputer(*game, c.position, error)) << error;
    const std::optional<ComCandidate> first = chooseSearchMove(*game, 4);
    // The record shows the same position two moves ago.
    game->MoveNumber = 2;
    game->RecordBoard[0] = game->Board;
    game->RecordManHand[0] = game->ManHand;
    game->RecordComHand[0] = game->ComHand;
    const std::optional<ComCandidate> again = chooseSearchMove(*game, 4);
    ASSERT_TRUE(first && again);
    const bool same = std::tie(first->fromX, first->fromY, first->toX, first->toY, first->placed) ==
                      std::tie(again->fromX, again->fromY, again->toX, again->toY, again->placed);
    EXPECT_EQ(!same, c.changes) << c.position;
  }
}

// However small the budget, a side with moves gets one: here the king is
// in check with a full hand, where the first depth alone is costly.
TEST(SearchTurn, AnswersAMoveWhenTheBudgetEndsEarly) {
  std::unique_ptr<Game> game = makeToolGame(4);
  std::string error;
  ASSERT_TRUE(loadPositionForComputer(*game, "1n1gk3R/l1s6/pp1ppl3/2p6/9/9/PPGPPPP2/L5K2/9 BG3SL5Prbg3n2p w", error))
      << error;
  search::Searcher searcher;
  search::Limits limits;
  limits.nodes = 1;
  EXPECT_NE(searcher.think(search::Position::fromGame(*game, search::Com), limits).move, search::NoMove);
}

// Makes the one-move search play a given move, so that a LEVEL4 turn can be
// compared with the same move played through the levels' common path.
class PlayThis final : public ComSearchHooks {
 public:
  explicit PlayThis(const ComCandidate& move) : move_(move) {}
  double score(Game&, int, int placed, int fromX, int fromY, int toX, int toY) override {
    return fromX == move_.fromX && fromY == move_.fromY && toX == move_.toX && toY == move_.toY &&
                   placed == move_.placed
               ? 1
               : 0;
  }

 private:
  ComCandidate move_;
};

class Chosen final : public ComSearchHooks {
 public:
  std::optional<ComCandidate> move;
  void chosen(const ComCandidate& c) override { move = c; }
};

TEST(SearchTurn, PlaysItsMoveLikeEveryLevel) {
  // The computer's rook takes the person's king, and a gold drop mates:
  // each is announced as the game announces it.
  const char* positions[] = {
      "3k5/4r4/9/9/9/9/PPPP1PPPP/9/4K4 - w",
      "4k4/9/9/9/9/9/P3p3P/9/R3K4 g w",
  };
  for (const char* position : positions) {
    testing::FakePlatform searched, replayed;
    std::unique_ptr<Game> a = makeToolGame(4), b = makeToolGame(3);
    searched.attach(*a);
    replayed.attach(*b);
    std::string error;
    ASSERT_TRUE(loadPositionForComputer(*a, position, error)) << error;
    ASSERT_TRUE(loadPositionForComputer(*b, position, error)) << error;
    Chosen chosen;
    com_ban(*a, chosen);
    ASSERT_TRUE(chosen.move);
    PlayThis hooks(*chosen.move);
    com_ban(*b, hooks);
    EXPECT_EQ(a->Board, b->Board);
    EXPECT_EQ(a->ManHand, b->ManHand);
    EXPECT_EQ(a->ComHand, b->ComHand);
    EXPECT_EQ(a->ComHandTotal, b->ComHandTotal);
    EXPECT_EQ(a->Winner, b->Winner);
    EXPECT_EQ(a->Turn, b->Turn);
    EXPECT_EQ(a->MoveCount, b->MoveCount);
    EXPECT_EQ(a->MoveNumber, b->MoveNumber);
    EXPECT_EQ(a->RecordBoard[1], b->RecordBoard[1]);
    EXPECT_EQ(a->RecordComHand[1], b->RecordComHand[1]);
    EXPECT_EQ(a->ManInfluence, b->ManInfluence);
    EXPECT_EQ(a->ComInfluence, b->ComInfluence);
    EXPECT_EQ(a->RecordComTimeAfter[1], b->RecordComTimeAfter[1]);
    EXPECT_EQ(searched.messages.texts(), replayed.messages.texts());
  }
}

}  // namespace
}  // namespace vudeve
