// Speed of reading a host's `position startpos moves …`: GUIs send the whole
// game again before every `go`, so a long game must read in at once.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "engine/usi_engine.h"

namespace {

// An opening, then both kings stepping aside and back: 300 moves in all,
// every piece still on the board to be looked at.
std::string longGame() {
  std::string command = "position startpos moves 7g7f 3c3d 2g2f 8c8d";
  for (int round = 0; round < 74; ++round) command += " 5i4h 5a4b 4h5i 4b5a";
  return command;
}

void UsiPositionWith300Moves(benchmark::State& state) {
  std::ostringstream out;
  vudeve::UsiEngine engine(out);
  const std::string command = longGame();
  for (auto _ : state) {
    engine.command(command);
    benchmark::DoNotOptimize(engine.position());
  }
  if (!engine.position() || engine.position()->moveNumber != 301) state.SkipWithError(out.str().c_str());
}
BENCHMARK(UsiPositionWith300Moves)->Unit(benchmark::kMicrosecond);

}  // namespace
