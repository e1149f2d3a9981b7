// The deep search of LEVEL4 and LEVEL5: LEVEL4's time per move on each
// position of the suite (its budget is fixed in nodes), and the nodes the
// search visits per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/position_suite.h"
#include "engine/search_turn.h"
#include "engine/tool_game.h"

namespace vudeve {
namespace {

std::unique_ptr<Game> loaded(const std::string& position, benchmark::State& state) {
  std::unique_ptr<Game> game = makeToolGame(FirstSearchLevel);
  std::string error;
  if (!loadPositionForComputer(*game, position, error)) state.SkipWithError(error.c_str());
  return game;
}

void level4Move(benchmark::State& state, const std::string& position) {
  std::unique_ptr<Game> game = loaded(position, state);
  for (auto _ : state) benchmark::DoNotOptimize(chooseSearchMove(*game, FirstSearchLevel));
}

// Nodes per second over the whole suite at LEVEL4's budget.
void searchNodes(benchmark::State& state, const std::vector<std::string>& suite) {
  search::Searcher searcher;
  std::vector<search::Position> roots;
  for (const std::string& position : suite) {
    std::unique_ptr<Game> game = loaded(position, state);
    roots.push_back(search::Position::fromGame(*game, search::Com));
  }
  std::uint64_t nodes = 0;
  for (auto _ : state)
    for (const search::Position& root : roots) nodes += searcher.think(root, searchLimits(FirstSearchLevel)).nodes;
  state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

const bool registered = [] {
  const std::vector<std::string> suite = readSuite();
  if (suite.empty()) return false;
  benchmark::RegisterBenchmark("search/nodes-per-second", searchNodes, suite)->Unit(benchmark::kMillisecond);
  for (std::size_t i = 0; i < suite.size(); ++i) {
    char name[48];
    std::snprintf(name, sizeof name, "search/L4/P%02zu", i + 1);
    benchmark::RegisterBenchmark(name, level4Move, suite[i])->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace vudeve
