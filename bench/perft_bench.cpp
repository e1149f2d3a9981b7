// Speed of the move rules: perft from the even position.
#include <benchmark/benchmark.h>

#include <string>

#include "rules/perft.h"
#include "rules/position_text.h"

namespace {

void PerftEvenPosition(benchmark::State& state) {
  vudeve::Game g;
  std::string error;
  vudeve::readPositionText(g, vudeve::EvenPositionText, error);
  vudeve::Perft perft(g);
  const int depth = static_cast<int>(state.range(0));
  std::uint64_t nodes = 0;
  for (auto _ : state) {
    nodes = perft.count(depth);
    benchmark::DoNotOptimize(nodes);
  }
  state.counters["leaves"] = static_cast<double>(nodes);
  state.counters["leaves/s"] =
      benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(PerftEvenPosition)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

}  // namespace
