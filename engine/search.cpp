#include "engine/search.h"

#include <algorithm>

namespace vudeve::search {

namespace {

// 16 MB, allocated once with the searcher.
constexpr std::size_t TableEntries = std::size_t{1} << 20;
constexpr std::uint8_t Exact = 0, LowerBound = 1, UpperBound = 2;
// Forced captures are followed this far past the nominal depth.
constexpr int MaxQuiescence = 24;
// Where a king that hangs without a forced capture still gets every answer
// looked at in the quiescence search.
constexpr int EvasionQuiescence = 2;
// How often the budget and the host are asked.
constexpr std::uint64_t PollMask = 1023;

// Victims and attackers for ordering captures (most valuable victim first,
// least valuable attacker first).
constexpr int OrderValue[KindCount] = {0, 1, 3, 4, 5, 6, 8, 10, 50, 6, 6, 6, 6, 11, 12};

int kindOf(int code) { return code < 0 ? -code : code; }

// Win scores are stored relative to the node, so that they stay right when
// the same position is reached at another ply.
int toTable(int score, int ply) {
  if (score > WinBound) return score + ply;
  if (score < -WinBound) return score - ply;
  return score;
}
int fromTable(int score, int ply) {
  if (score > WinBound) return score - ply;
  if (score < -WinBound) return score + ply;
  return score;
}

// Moves the best-scored remaining move to position i.
Move pick(MoveList& list, int* scores, int i) {
  int best = i;
  for (int j = i + 1; j < list.size; ++j)
    if (scores[j] > scores[best]) best = j;
  std::swap(list.moves[i], list.moves[best]);
  std::swap(scores[i], scores[best]);
  return list.moves[i];
}

// The computer promotes a pawn, bishop or rook whenever it may, as every
// level does; its opponent keeps both choices. Generation puts a move's
// promoted form right after its plain one.
void keepComputerPromotions(const Position& p, MoveList& list) {
  if (p.side != Com) return;
  int kept = 0;
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.moves[i];
    const bool twin = i + 1 < list.size && list.moves[i + 1] == (m | makeMove(0, 0, true));
    const int kind = isDrop(m) ? NoKind : kindOf(p.board[fromOf(m)]);
    if (twin && (kind == Pawn || kind == Bishop || kind == Rook)) continue;
    list.moves[kept++] = m;
  }
  list.size = kept;
}

}  // namespace

Searcher::Searcher()
    : table_(new Entry[TableEntries]), tableSize_(TableEntries), lists_(MaxPly + 1) {}

bool Searcher::outOfBudget() {
  if (limits_.nodes != 0 && nodes_ >= limits_.nodes) return true;
  if (limits_.seconds > 0) {
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start_;
    if (spent.count() >= limits_.seconds) return true;
  }
  return keepGoing_ != nullptr && !keepGoing_(context_);
}

int Searcher::terminal(int ply) const {
  const int s = pos_.side;
  if (pos_.king[s] < 0) return -(WinScore - ply);
  // The person wins by leaving the computer mated; the computer mating the
  // person wins nothing until it takes the king.
  if (s == Com && ply > 0 && pos_.comMated()) return -(WinScore - ply);
  return 0;
}

void Searcher::order(MoveList& list, Move ttMove, int ply, int* scores) {
  const int s = pos_.side;
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.moves[i];
    int score;
    if (m == ttMove) {
      score = 1 << 30;
    } else if (pos_.isCapture(m)) {
      score = (1 << 24) + OrderValue[kindOf(pos_.capturedKind(m))] * 64 - OrderValue[kindOf(pos_.board[fromOf(m)])];
    } else if (m == killers_[ply][0] || m == killers_[ply][1]) {
      score = 1 << 23;
    } else {
      score = history_[s][fromOf(m)][toOf(m)];
    }
    if (promotes(m)) score += 32;
    scores[i] = score;
  }
}

void Searcher::start(const Position& root, const Limits& limits, KeepGoing keepGoing, void* context) {
  pos_ = root;
  limits_ = limits;
  keepGoing_ = keepGoing;
  context_ = context;
  start_ = std::chrono::steady_clock::now();
  nodes_ = 0;
  stopped_ = false;
  rootBest_ = NoMove;
  rootBestScore_ = 0;
  std::fill(table_.get(), table_.get() + tableSize_, Entry{});
  for (auto& k : killers_) k[0] = k[1] = NoMove;
  for (auto& side : history_)
    for (auto& from : side) std::fill(std::begin(from), std::end(from), 0);
}

Result Searcher::think(const Position& root, const Limits& limits, KeepGoing keepGoing, void* context) {
  start(root, limits, keepGoing, context);
  Result result;
  MoveList& rootMoves = lists_[0];
  pos_.generate(rootMoves);
  keepComputerPromotions(pos_, rootMoves);
  if (rootMoves.size == 0) return result;
  for (int depth = 1; depth <= limits.maxDepth; ++depth) {
    negamax(depth, -Infinite, Infinite, 0);
    result.move = rootBest_;
    result.score = rootBestScore_;
    result.nodes = nodes_;
    if (stopped_) {
      // Stopped before any move of the first depth was done: the move
      // ordered first is played rather than none.
      if (result.move == NoMove) {
        result.move = rootMoves.moves[0];
        result.score = evaluate(pos_);
      }
      break;
    }
    result.depth = depth;
    // A forced result will not change with more depth; one move needs none.
    if (rootBestScore_ > WinBound || rootBestScore_ < -WinBound || rootMoves.size == 1) break;
    if (limits.seconds > 0) {
      // The next depth costs several times this one: start it only when
      // it has a fair chance of finishing.
      const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start_;
      if (spent.count() > limits.seconds * 0.3) break;
    }
  }
  return result;
}

int Searcher::valueMoves(const Position& root, const Move* moves, int count, int* values, const Limits& limits,
                         KeepGoing keepGoing, void* context) {
  start(root, limits, keepGoing, context);
  int completed = 0;
  int trial[MaxMoves];
  for (int depth = 1; depth <= limits.maxDepth; ++depth) {
    bool decided = true;
    for (int i = 0; i < count && !stopped_; ++i) {
      const Undo undo = pos_.make(moves[i]);
      trial[i] = -negamax(depth - 1, -Infinite, Infinite, 1);
      pos_.unmake(moves[i], undo);
      decided = decided && (trial[i] > WinBound || trial[i] < -WinBound);
    }
    if (stopped_) break;
    std::copy(trial, trial + count, values);
    completed = depth;
    // Every move won or lost by force: more depth changes nothing.
    if (decided) break;
  }
  return completed;
}

int Searcher::negamax(int depth, int alpha, int beta, int ply) {
  if (depth <= 0 || ply >= MaxPly - 1) return quiesce(alpha, beta, ply, 0);
  if (ply > 0) {
    if (const int t = terminal(ply)) return t;
  }
  ++nodes_;
  if ((nodes_ & PollMask) == 0 && outOfBudget()) stopped_ = true;
  if (stopped_) return 0;

  Entry& entry = slot(pos_.key);
  Move ttMove = ply == 0 ? rootBest_ : NoMove;
  if (ply > 0 && entry.key == pos_.key) {
    ttMove = entry.move;
    if (entry.depth >= depth) {
      const int s = fromTable(entry.score, ply);
      if (entry.bound == Exact || (entry.bound == LowerBound && s >= beta) || (entry.bound == UpperBound && s <= alpha))
        return s;
    }
  }

  MoveList& list = lists_[ply];
  if (ply > 0) {
    pos_.generate(list);
    keepComputerPromotions(pos_, list);
  }
  // Nothing to play: the turn passes, which the search does not model.
  if (list.size == 0) return evaluate(pos_);
  for (int i = 0; i < list.size; ++i) {
    if (isDrop(list.moves[i]) || kindOf(pos_.capturedKind(list.moves[i])) != King) continue;
    if (ply == 0) {
      rootBest_ = list.moves[i];
      rootBestScore_ = WinScore - 1;
    }
    return WinScore - (ply + 1);
  }

  const int s = pos_.side;
  const bool inCheck = pos_.kingAttacked(s);
  // A king that hangs is looked at one ply further.
  if (inCheck) ++depth;

  int scores[MaxMoves];
  order(list, ttMove, ply, scores);
  const int originalAlpha = alpha;
  int best = -Infinite;
  Move bestMove = NoMove;
  for (int i = 0; i < list.size; ++i) {
    const Move m = pick(list, scores, i);
    const bool quiet = !pos_.isCapture(m) && !promotes(m);
    const Undo undo = pos_.make(m);
    int score;
    if (i == 0) {
      score = -negamax(depth - 1, -beta, -alpha, ply + 1);
    } else {
      // Late quiet moves are first looked at one ply shallower.
      const int reduction = (depth >= 3 && i >= 4 && quiet && !inCheck) ? 1 : 0;
      score = -negamax(depth - 1 - reduction, -alpha - 1, -alpha, ply + 1);
      if (score > alpha && reduction > 0) score = -negamax(depth - 1, -alpha - 1, -alpha, ply + 1);
      if (score > alpha && score < beta) score = -negamax(depth - 1, -beta, -alpha, ply + 1);
    }
    pos_.unmake(m, undo);
    if (stopped_) return 0;
    if (score > best) {
      best = score;
      bestMove = m;
      if (ply == 0) {
        rootBest_ = m;
        rootBestScore_ = score;
      }
      if (score > alpha) {
        alpha = score;
        if (alpha >= beta) {
          if (quiet) {
            if (killers_[ply][0] != m) {
              killers_[ply][1] = killers_[ply][0];
              killers_[ply][0] = m;
            }
            history_[s][fromOf(m)][toOf(m)] += depth * depth;
          }
          break;
        }
      }
    }
  }

  entry.key = pos_.key;
  entry.move = bestMove;
  entry.score = static_cast<std::int16_t>(toTable(best, ply));
  entry.depth = static_cast<std::int8_t>(depth);
  entry.bound = best <= originalAlpha ? UpperBound : best >= beta ? LowerBound : Exact;
  return best;
}

int Searcher::quiesce(int alpha, int beta, int ply, int qdepth) {
  if (const int t = terminal(ply)) return t;
  ++nodes_;
  if ((nodes_ & PollMask) == 0 && outOfBudget()) stopped_ = true;
  if (stopped_) return 0;
  if (ply >= MaxPly - 1 || qdepth >= MaxQuiescence) return evaluate(pos_);

  MoveList& list = lists_[ply];
  const bool bound = pos_.generateCaptures(list);
  keepComputerPromotions(pos_, list);
  for (int i = 0; i < list.size; ++i)
    if (kindOf(pos_.capturedKind(list.moves[i])) == King) return WinScore - (ply + 1);

  if (!bound) {
    // Without a forced capture the side may stand still, unless its king
    // hangs: then every answer is looked at, for a few plies.
    if (!pos_.kingAttacked(pos_.side) || qdepth >= EvasionQuiescence) return evaluate(pos_);
    pos_.generate(list);
    keepComputerPromotions(pos_, list);
    // Board moves, and only the drops that shield the king: with a full
    // hand the others would swamp the search, but a drop between a distant
    // checker and the king may be the one answer that saves it.
    int kept = 0;
    for (int i = 0; i < list.size; ++i) {
      const Move m = list.moves[i];
      if (isDrop(m)) {
        const Undo undo = pos_.make(m);
        const bool shields = !pos_.kingAttacked(1 - pos_.side);
        pos_.unmake(m, undo);
        if (!shields) continue;
      }
      list.moves[kept++] = m;
    }
    list.size = kept;
  }

  int scores[MaxMoves];
  order(list, NoMove, ply, scores);
  int best = -Infinite;
  for (int i = 0; i < list.size; ++i) {
    const Move m = pick(list, scores, i);
    const Undo undo = pos_.make(m);
    const int score = -quiesce(-beta, -alpha, ply + 1, qdepth + 1);
    pos_.unmake(m, undo);
    if (stopped_) return 0;
    if (score > best) {
      best = score;
      if (score > alpha) {
        alpha = score;
        if (alpha >= beta) break;
      }
    }
  }
  return list.size == 0 ? evaluate(pos_) : best;
}

}  // namespace vudeve::search
