// Move generation under this game's move rules, and perft: the number of
// move sequences of a given length, for checking the rules against known
// counts and for measuring their speed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "rules/game.h"

namespace vudeve {

// A move as 駒移動 takes it: drops have fromX 11 with fromY the hand row
// 3..9 (MAN) or fromX -1 with fromY the hand index 1..7 (COM); piece is the
// code placed on the destination (the promoted code when promoting).
struct Move {
  int fromX, fromY, toX, toY, piece;
};

// At most two moves (promoted or not) per pair of distinct squares, plus
// one drop per hand kind and square.
inline constexpr int MaxMoves = 81 * 80 * 2 + 7 * 81;

struct MoveList {
  std::array<Move, MaxMoves> moves;
  int size = 0;
};

// Appends every move of MAN (man = true) or COM: each board move that
// 移動チェック allows, twice when 調査_駒成 allows promotion and 移動後チェック
// does not force it, once (promoted) when it does; then each drop onto a
// square 移動チェック allows, pawn files refreshed first. Does not look at
// kings; the caller decides whether the position is over. Rewrites
// PromotedCode and the pawn-file flags.
void generateMoves(Game& g, bool man, MoveList& list);

// The one move generateMoves would list from (fromX, fromY) to (toX, toY),
// promoted or not, found without listing the others; nothing when it lists
// no such move. A drop comes from the mover's hand column and row, as in
// Move. Rewrites PromotedCode and the pawn-file flags.
std::optional<Move> generatedMove(Game& g, bool man, int fromX, int fromY, int toX, int toY, bool promote);

// Whether the move takes a piece.
bool isCapture(const Game& g, const Move& m);

// What unmakeMove needs to take a move back.
struct MoveUndo {
  int captured;  // code that stood on the destination
  int moved;     // code that stood on the from-square (board moves)
};

// Applies a move to Board, the hands and the totals as 駒移動 does, without
// drawing, Winner or king squares.
MoveUndo makeMove(Game& g, const Move& m);
void unmakeMove(Game& g, const Move& m, const MoveUndo& undo);

// Removes from a generated list the moves a rule forbids.
using MoveFilter = void (*)(Game& g, bool man, MoveList& list);

struct DivideLine {
  Move move;
  std::uint64_t count;
};

// Counts from the position in g with the side to move given by Turn (COM
// when Turn is ComSide, else MAN). A position without one of the kings has
// no moves. The game is left as it was found.
class Perft {
 public:
  explicit Perft(Game& g, MoveFilter filter = nullptr) : g_(g), filter_(filter) {}
  std::uint64_t count(int depth);
  // One line per first move, in generation order.
  std::vector<DivideLine> divide(int depth);

 private:
  std::uint64_t countFrom(int depth, bool man, int ply);
  void generate(bool man, MoveList& list);
  bool bothKingsPresent() const;
  bool manToMove() const;
  void reserve(int depth);

  Game& g_;
  MoveFilter filter_;
  std::vector<MoveList> lists_;
};

// The output of `vudeve-cli perft`: the count alone on one line, or with
// divide one line per first move "FROMX FROMY TOX TOY PIECE COUNT" (a drop
// has FROMX 11 or -1 and FROMY the hand index 1..7; PIECE is the code
// placed) and then "total N".
void printPerft(std::ostream& out, Game& g, int depth, bool divide, MoveFilter filter = nullptr);

}  // namespace vudeve
