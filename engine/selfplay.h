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

// One ply of such a game: the side to move (the bottom side on the position
// turned round) plays at `level`, with a random first move when a seed is
// given. Answers the milliseconds the computer thought.
double playSelfPlayPly(Game& g, bool bottomToMove, int level, std::optional<std::uint32_t> randomSeed);

}  // namespace vudeve
