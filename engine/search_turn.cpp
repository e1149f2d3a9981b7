#include "engine/search_turn.h"

#include <atomic>
#include <memory>

namespace vudeve {

namespace {

// Nodes of LEVEL4, seconds of LEVEL5: within 0.3 s and 3 s a move on a
// shared two-core machine.
constexpr std::uint64_t Level4Nodes = 150000;
constexpr double Level5Seconds = 2.5;

// One table for every turn: the search clears it, never reallocates it.
search::Searcher& searcher() {
  static search::Searcher instance;
  return instance;
}

bool keepGoing(void* stop) { return !static_cast<const std::atomic<bool>*>(stop)->load(std::memory_order_relaxed); }

std::optional<ComCandidate> choose(const search::Position& root, int level, const std::atomic<bool>* stop) {
  const search::Result result =
      searcher().think(root, searchLimits(level), stop ? keepGoing : nullptr, const_cast<std::atomic<bool>*>(stop));
  if (result.move == search::NoMove) return std::nullopt;
  const search::GameMove m = search::toGameMove(root, result.move);
  return ComCandidate{m.fromX, m.fromY, m.toX, m.toY, m.placed, m.moving, static_cast<double>(result.score)};
}

// What the turn hands to the search and the search hands back. The search
// reads the root alone, so the window may read the game meanwhile.
struct SearchTask {
  search::Position root;
  int level;
  std::optional<ComCandidate> answer;
};

}  // namespace

search::Limits searchLimits(int level) {
  search::Limits limits;
  if (level >= StrongestLevel)
    limits.seconds = Level5Seconds;
  else
    limits.nodes = Level4Nodes;
  return limits;
}

std::optional<ComCandidate> chooseSearchMove(const Game& g, int level) {
  return choose(search::Position::fromGame(g, search::Com), level, nullptr);
}

void searchComTurn(Game& g, ComSearchHooks& hooks) {
  beginComTurn(g);
  g.Screen->refresh();
  auto task = std::make_shared<SearchTask>(SearchTask{search::Position::fromGame(g, search::Com), g.Level, {}});
  g.ComThinking = true;
  g.Background->start([task](const std::atomic<bool>& stop) { task->answer = choose(task->root, task->level, &stop); },
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
