// The deep search of the strong levels: alpha-beta with iterative
// deepening, a quiescence search that follows forced captures, a
// transposition table and move ordering, over the compact position.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/search_position.h"

namespace vudeve::search {

// Scores are for the side to move, in hundredths of a pawn; a won game
// (the other king taken, or the computer mated by the person) scores near
// WinScore, less the plies it takes.
inline constexpr int WinScore = 30000;
inline constexpr int WinBound = WinScore - 1000;
inline constexpr int Infinite = 32000;

// The evaluation of a quiet position, for the side to move.
int evaluate(const Position& p);

struct Limits {
  // Stops once this many nodes have been searched (0: no node limit). A node
  // budget gives the same move for the same position on any machine.
  std::uint64_t nodes = 0;
  // Stops after this many seconds (0: no clock).
  double seconds = 0;
  int maxDepth = 64;
};

struct Result {
  Move move = NoMove;
  int score = 0;
  int depth = 0;  // the last depth completed
  std::uint64_t nodes = 0;
};

// Asked now and then while searching; answering false abandons the search
// (the best move of the last completed depth stands).
using KeepGoing = bool (*)(void* context);

class Searcher {
 public:
  Searcher();
  Searcher(const Searcher&) = delete;
  Searcher& operator=(const Searcher&) = delete;

  // The best move for the side to move of `root`; NoMove when it has none.
  // Every search starts from an empty table, so its answer depends on the
  // position and the limits alone.
  Result think(const Position& root, const Limits& limits, KeepGoing keepGoing = nullptr, void* context = nullptr);

  // The searched value of each of `moves` from `root`, for the side to move
  // of `root`, every move to the same depth: deepened one ply at a time
  // until the limits end it, the values of the last depth completed for all
  // of them stand (answers that depth, 0 when not even the first was done).
  int valueMoves(const Position& root, const Move* moves, int count, int* values, const Limits& limits,
                 KeepGoing keepGoing = nullptr, void* context = nullptr);

 private:
  struct Entry {
    std::uint64_t key;
    Move move;
    std::int16_t score;
    std::int8_t depth;
    std::uint8_t bound;
  };
  static constexpr int MaxPly = 128;

  int negamax(int depth, int alpha, int beta, int ply);
  int quiesce(int alpha, int beta, int ply, int qdepth);
  // A king capture, the computer mated, or a king gone: the score of the
  // node for the side to move, or 0 when the game goes on.
  int terminal(int ply) const;
  void order(MoveList& list, Move ttMove, int ply, int* scores);
  bool outOfBudget();
  void start(const Position& root, const Limits& limits, KeepGoing keepGoing, void* context);
  Entry& slot(std::uint64_t key) { return table_[key & (tableSize_ - 1)]; }

  Position pos_;
  std::unique_ptr<Entry[]> table_;
  std::size_t tableSize_;
  std::vector<MoveList> lists_;
  Move killers_[MaxPly][2]{};
  int history_[2][DropFrom + 8][Squares]{};
  Limits limits_;
  KeepGoing keepGoing_ = nullptr;
  void* context_ = nullptr;
  std::chrono::steady_clock::time_point start_;
  std::uint64_t nodes_ = 0;
  bool stopped_ = false;
  Move rootBest_ = NoMove;
  int rootBestScore_ = 0;
};

}  // namespace vudeve::search
