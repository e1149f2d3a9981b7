#include "engine/search_turn.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <vector>

#include "engine/tool_game.h"
#include "rules/board_fields.h"

namespace vudeve {

namespace {

// LEVEL4 counts nodes, so that a position always gets the same move;
// LEVEL5 counts seconds, within 3 s a move on a shared two-core machine:
// the candidates are checked in what is left of the turn's seconds once
// the search and the one-ply scores are done.
struct Budget {
  std::uint64_t searchNodes, checkNodes;
  double searchSeconds, turnSeconds;
  int checkedCandidates;
};
constexpr Budget Level4Budget{60000, 90000, 0, 0, 6};
constexpr Budget Level5Budget{0, 0, 1.0, 2.5, 10};
// The least the check gets, however long the one-ply scores took.
constexpr double LeastCheckSeconds = 0.2;
// A candidate whose searched value falls this far below the best one loses
// something to a forced line that the one-ply scores do not see.
constexpr int RefutationMargin = 120;
// Once this far ahead the one-ply order no longer guides: the move the
// search values most is played.
constexpr int WinningLead = 400;

const Budget& budgetOf(int level) { return level >= StrongestLevel ? Level5Budget : Level4Budget; }

// One table for every turn: the search clears it, never reallocates it.
search::Searcher& searcher() {
  static search::Searcher instance;
  return instance;
}

bool keepGoing(void* stop) { return !static_cast<const std::atomic<bool>*>(stop)->load(std::memory_order_relaxed); }

class CandidateList final : public ComSearchHooks {
 public:
  void scored(const ComCandidate& candidate) override { all.push_back(candidate); }
  std::vector<ComCandidate> all;
};

// The one-ply candidates of LEVEL3 on a copy of the position, best first
// (among equal scores the first in search order, as in play).
std::vector<ComCandidate> onePlyCandidates(const Placement& pieces) {
  std::unique_ptr<Game> copy = makeToolGame(3);
  placePiecesForComputer(*copy, pieces);
  CandidateList candidates;
  searchComMoves(*copy, candidates, true);
  std::stable_sort(candidates.all.begin(), candidates.all.end(),
                   [](const ComCandidate& a, const ComCandidate& b) { return a.score > b.score; });
  return std::move(candidates.all);
}

bool sameMove(const search::GameMove& m, const ComCandidate& c) {
  return m.fromX == c.fromX && m.fromY == c.fromY && m.toX == c.toX && m.toY == c.toY && m.placed == c.placed;
}

ComCandidate candidateOf(const search::Position& root, search::Move move, int score) {
  const search::GameMove m = search::toGameMove(root, move);
  return ComCandidate{m.fromX, m.fromY, m.toX, m.toY, m.placed, m.moving, static_cast<double>(score)};
}

// The one-ply order keeps the positional sense of LEVEL3; the deep search
// checks its best candidates against forced lines. The best candidate that
// no forced line refutes is played, or the search's own move when it wins
// by force or every candidate checked loses something; well ahead, the
// move the search values most. Ahead and back at a position it has stood
// at `repeats` times before, the next acceptable candidate is played each
// time: the one-ply scores would walk the king to and fro for ever.
std::optional<ComCandidate> choose(const search::Position& root, const Placement& pieces, int level, int repeats,
                                   const std::atomic<bool>* stop) {
  const search::KeepGoing keepGoing = stop ? vudeve::keepGoing : nullptr;
  void* const context = const_cast<std::atomic<bool>*>(stop);
  const Budget& budget = budgetOf(level);
  const auto turnStart = std::chrono::steady_clock::now();
  search::Limits limits;
  limits.nodes = budget.searchNodes;
  limits.seconds = budget.searchSeconds;
  const search::Result found = searcher().think(root, limits, keepGoing, context);
  if (found.move == search::NoMove) return std::nullopt;
  if (found.score > search::WinBound) return candidateOf(root, found.move, found.score);

  search::MoveList legal;
  root.generate(legal);
  std::vector<search::Move> checked;
  for (const ComCandidate& c : onePlyCandidates(pieces)) {
    if (static_cast<int>(checked.size()) >= budget.checkedCandidates) break;
    for (int i = 0; i < legal.size; ++i) {
      if (!sameMove(search::toGameMove(root, legal.moves[i]), c)) continue;
      checked.push_back(legal.moves[i]);
      break;
    }
  }
  if (std::find(checked.begin(), checked.end(), found.move) == checked.end()) checked.push_back(found.move);
  std::vector<int> values(checked.size());
  limits.nodes = budget.checkNodes;
  if (budget.turnSeconds > 0) {
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - turnStart;
    limits.seconds = std::max(LeastCheckSeconds, budget.turnSeconds - spent.count());
  }
  if (searcher().valueMoves(root, checked.data(), static_cast<int>(checked.size()), values.data(), limits, keepGoing,
                            context) == 0)
    return candidateOf(root, found.move, found.score);
  const int best = *std::max_element(values.begin(), values.end());
  if (best > search::WinBound) {
    const auto winning = std::max_element(values.begin(), values.end()) - values.begin();
    return candidateOf(root, checked[winning], best);
  }
  std::vector<std::size_t> acceptable;
  for (std::size_t i = 0; i < checked.size(); ++i)
    if (values[i] >= best - RefutationMargin) acceptable.push_back(i);
  if (best >= WinningLead)
    std::stable_sort(acceptable.begin(), acceptable.end(),
                     [&values](std::size_t a, std::size_t b) { return values[a] > values[b]; });
  const std::size_t chosen = acceptable[best > 0 ? static_cast<std::size_t>(repeats) % acceptable.size() : 0];
  return candidateOf(root, checked[chosen], values[chosen]);
}

// How many times the computer has stood at this position before in the
// game, it to move: the record keeps the position before every move.
int timesSeenBefore(const Game& g) {
  const auto samePieces = [&g](int k) {
    if (g.RecordBoard[k] != g.Board) return false;
    for (int kind = 1; kind <= 7; ++kind)
      if (g.RecordManHand[k][kind] != g.ManHand[kind] || g.RecordComHand[k][kind] != g.ComHand[kind]) return false;
    return true;
  };
  int seen = 0;
  const int last = std::min(g.MoveNumber, static_cast<int>(g.RecordBoard.size()));
  for (int k = last - 2; k >= 0; k -= 2)
    if (samePieces(k)) ++seen;
  return seen;
}

Placement piecesOf(const Game& g) { return Placement{g.Board, g.ManHand, g.ComHand}; }

// What the turn hands to the search and the search hands back. The search
// reads its own copies alone, so the window may read the game meanwhile.
struct SearchTask {
  search::Position root;
  Placement pieces;
  int level;
  int repeats;
  std::optional<ComCandidate> answer;
};

}  // namespace

search::Limits searchLimits(int level) {
  const Budget& budget = budgetOf(level);
  search::Limits limits;
  limits.nodes = budget.searchNodes + budget.checkNodes;
  limits.seconds = budget.turnSeconds;
  return limits;
}

std::optional<ComCandidate> chooseSearchMove(const Game& g, int level) {
  return choose(search::Position::fromGame(g, search::Com), piecesOf(g), level, timesSeenBefore(g), nullptr);
}

void searchComTurn(Game& g, ComSearchHooks& hooks) {
  beginComTurn(g);
  g.Screen->refresh();
  auto task = std::make_shared<SearchTask>(
      SearchTask{search::Position::fromGame(g, search::Com), piecesOf(g), g.Level, timesSeenBefore(g), {}});
  g.ComThinking = true;
  g.Background->start(
      [task](const std::atomic<bool>& stop) {
        task->answer = choose(task->root, task->pieces, task->level, task->repeats, &stop);
      },
      [&g, &hooks, task] {
        g.ComThinking = false;
        if (!task->answer) {
          passComTurn(g);
          return;
        }
        g.BestScore = task->answer->score;
        hooks.chosen(*task->answer);
        playComMove(g, *task->answer);
      });
}

void abandonComThinking(Game& g) {
  if (!g.ComThinking) return;
  g.Background->abandon();
  g.ComThinking = false;
}

}  // namespace vudeve
