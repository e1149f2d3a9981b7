#include "engine/search_turn.h"

#include "ui/clocks.h"

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

// While the search runs in the window's thread the clock still ticks.
bool tickClock(void* game) {
  Timer1_Timer(*static_cast<Game*>(game));
  return true;
}

std::optional<ComCandidate> choose(const Game& g, int level, search::KeepGoing keepGoing, void* context) {
  const search::Position root = search::Position::fromGame(g, search::Com);
  const search::Result result = searcher().think(root, searchLimits(level), keepGoing, context);
  if (result.move == search::NoMove) return std::nullopt;
  const search::GameMove m = search::toGameMove(root, result.move);
  return ComCandidate{m.fromX, m.fromY, m.toX, m.toY, m.placed, m.moving, static_cast<double>(result.score)};
}

}  // namespace

search::Limits searchLimits(int level) {
  search::Limits limits;
  if (level >= StrongestLevel)
    limits.seconds = Level5Seconds;
  else
    limits.nodes = Level4Nodes;
  return limits;
}

std::optional<ComCandidate> chooseSearchMove(const Game& g, int level) { return choose(g, level, nullptr, nullptr); }

void searchComTurn(Game& g, ComSearchHooks& hooks) {
  beginComTurn(g);
  g.Screen->refresh();
  const std::optional<ComCandidate> move = choose(g, g.Level, tickClock, &g);
  if (!move) {
    passComTurn(g);
    return;
  }
  g.BestScore = move->score;
  hooks.chosen(*move);
  playComMove(g, *move);
}

}  // namespace vudeve
