// A headless game of the computer against itself, for tools and benchmarks.
// The top side plays as the computer always does; for the bottom side the
// position is turned round, so it too moves as the top side, then turned
// back. The bottom side moves first.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "rules/game.h"

namespace vudeve {

struct SelfPlayOptions {
  int topLevel = 3;
  int bottomLevel = 3;
  int handicap = 0;  // -10..10
  int maxPlies = 300;
  // With a seed, the first move is drawn at random among the legal ones.
  std::optional<std::uint32_t> seed;
};

// Who took the other's king; Draw when the ply limit came first.
enum class SelfPlayWinner { Draw, Top, Bottom };

struct SelfPlayResult {
  SelfPlayWinner winner = SelfPlayWinner::Draw;
  int plies = 0;
  std::vector<double> moveMilliseconds;  // thinking time of each ply
  BoardMap finalBoard{};
};

SelfPlayResult playSelfGame(const SelfPlayOptions& options);

}  // namespace vudeve
