#include "engine/selfplay.h"

#include <algorithm>
#include <chrono>
#include <random>

#include "engine/com_turn.h"
#include "engine/search_turn.h"
#include "engine/tool_game.h"
#include "rules/handicap.h"
#include "rules/influence.h"
#include "rules/turn_round.h"

namespace vudeve {

namespace {

// Scores every candidate at random, so the search plays a random legal move
// under the same compulsory-capture and promotion rules.
class RandomScores final : public ComSearchHooks {
 public:
  explicit RandomScores(std::uint32_t seed) : random_(seed) {}
  double score(Game&, int, int, int, int, int, int) override { return uniform_(random_); }

 private:
  std::mt19937 random_;
  std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

int otherSide(const Game& g, int side) {
  if (side == g.ComSide) return g.ManSide;
  if (side == g.ManSide) return g.ComSide;
  return side;
}

}  // namespace

double playSelfPlayPly(Game& g, bool bottomToMove, int level, std::optional<std::uint32_t> randomSeed) {
  if (bottomToMove) turnPositionRound(g);
  // A random move is drawn among the candidates, which only the one-ply
  // levels list.
  g.Level = randomSeed ? std::min(level, FirstSearchLevel - 1) : level;
  g.Turn = g.ComSide;
  勢力調査(g);

  const auto start = std::chrono::steady_clock::now();
  if (randomSeed) {
    RandomScores random(*randomSeed);
    com_ban(g, random);
  } else {
    com_ban(g);
  }
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;

  if (bottomToMove) {
    turnPositionRound(g);
    g.Winner = otherSide(g, g.Winner);
  }
  return spent.count();
}

SelfPlayResult playSelfGame(const SelfPlayOptions& options) {
  std::unique_ptr<Game> game = makeToolGame(options.topLevel);
  Game& g = *game;
  g.GameMode = ModeCom;
  if (options.handicap >= -MaxHandicapGrade && options.handicap <= MaxHandicapGrade) {
    設定_ハンデ局面(g, options.handicap);
    g.HandicapGrade = options.handicap;
  }

  SelfPlayResult result;
  bool bottomToMove = true;
  while (result.plies < options.maxPlies && g.Winner == NoSide) {
    const int level = bottomToMove ? options.bottomLevel : options.topLevel;
    const auto seed = result.plies == 0 ? options.seed : std::nullopt;
    result.moveMilliseconds.push_back(playSelfPlayPly(g, bottomToMove, level, seed));
    ++result.plies;
    bottomToMove = !bottomToMove;
  }
  result.finalBoard = g.Board;
  if (g.Winner == g.ComSide) result.winner = SelfPlayWinner::Top;
  if (g.Winner == g.ManSide) result.winner = SelfPlayWinner::Bottom;
  return result;
}

}  // namespace vudeve
