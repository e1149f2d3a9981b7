// The computer's turn on a fixed suite of positions at each level, on the
// null platform (no drawing, no waits, no sound). Reports ms per turn.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/position_suite.h"
#include "engine/com_turn.h"
#include "engine/tool_game.h"

namespace vudeve {
namespace {

void comTurn(benchmark::State& state, const std::string& position, int level) {
  std::unique_ptr<Game> game = makeToolGame(level);
  Game& g = *game;
  std::string error;
  for (auto _ : state) {
    state.PauseTiming();
    g.Winner = NoSide;
    g.MoveNumber = 0;
    g.MoveCount = 0;
    const bool loaded = loadPositionForComputer(g, position, error);
    state.ResumeTiming();
    if (!loaded) {
      state.SkipWithError(error.c_str());
      break;
    }
    com_ban(g);
  }
}

const bool registered = [] {
  const std::vector<std::string> suite = readSuite();
  if (suite.empty()) {
    benchmark::RegisterBenchmark("com_ban/no-positions", [](benchmark::State& state) {
      for (auto _ : state) state.SkipWithError("bench/positions.txt is missing or empty");
    });
  }
  for (int level = 1; level <= 3; ++level) {
    for (std::size_t i = 0; i < suite.size(); ++i) {
      char name[48];
      std::snprintf(name, sizeof name, "com_ban/L%d/P%02zu", level, i + 1);
      benchmark::RegisterBenchmark(name, comTurn, suite[i], level)->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
}  // namespace vudeve
