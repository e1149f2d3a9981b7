// Cost of one influence survey: the computer runs it for every candidate
// move, and the compulsory-capture test for every capture it tries.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "rules/influence.h"
#include "rules/position_text.h"
#include "rules/setup.h"

namespace vudeve {
namespace {

// A middle game with promoted pieces, pieces in hand and many crossing lines.
constexpr std::string_view CrowdedPositionText =
    "ln1g3+Rl/1r2gks2/p1pppp1pp/1s4p2/1p5P1/2P2SP2/PPBPPP2P/2G1G4/LN2K2NL 2Pbn b";

void surveyOf(benchmark::State& state, std::string_view text) {
  Game g;
  初期設定(g);
  std::string error;
  if (!readPositionText(g, text, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    勢力調査(g);
    benchmark::DoNotOptimize(g.ManInfluence);
    benchmark::DoNotOptimize(g.ComInfluence);
    benchmark::ClobberMemory();
  }
}

void BM_SurveyEvenPosition(benchmark::State& state) { surveyOf(state, EvenPositionText); }
void BM_SurveyCrowdedMiddleGame(benchmark::State& state) { surveyOf(state, CrowdedPositionText); }

BENCHMARK(BM_SurveyEvenPosition);
BENCHMARK(BM_SurveyCrowdedMiddleGame);

}  // namespace
}  // namespace vudeve
