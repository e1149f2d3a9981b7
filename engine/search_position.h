// The position the deep search plays on: a compact, allocation-free copy of
// the board and hands with its own move generator, so that looking ahead
// never touches the game itself. Its moves are the game's own for both
// sides: compulsory capture as the turn and the mouse handler apply it, king
// captures legal, promotion as the rules allow it.
#pragma once

#include <array>
#include <cstdint>

#include "rules/game.h"

namespace vudeve::search {

// Piece kinds; a square holds +kind for COM (moving towards row 9), -kind for
// MAN. Kinds 1..7 are also the hand indices.
enum Kind : int {
  NoKind = 0,
  Pawn = 1,
  Lance,
  Knight,
  Silver,
  Gold,
  Bishop,
  Rook,
  King,
  Tokin,
  PromLance,
  PromKnight,
  PromSilver,
  Horse,
  Dragon,
  KindCount
};

// Sides: the computer (positive codes) and the person.
inline constexpr int Com = 0;
inline constexpr int Man = 1;

inline constexpr int Squares = 81;
// Square of board (x, y), x and y 1..9.
constexpr int squareOf(int x, int y) { return (x - 1) * BoardSize + (y - 1); }
constexpr int fileOf(int sq) { return sq / BoardSize + 1; }
constexpr int rowOf(int sq) { return sq % BoardSize + 1; }

// A move packed in 32 bits: destination, origin (DropFrom + kind for a
// drop) and whether the piece promotes. 0 is no move.
using Move = std::uint32_t;
inline constexpr Move NoMove = 0;
inline constexpr int DropFrom = 96;
constexpr Move makeMove(int from, int to, bool promote) {
  return static_cast<Move>(1u | (static_cast<unsigned>(from) << 1) | (static_cast<unsigned>(to) << 8) |
                           (promote ? 1u << 15 : 0u));
}
constexpr int fromOf(Move m) { return static_cast<int>((m >> 1) & 0x7f); }
constexpr int toOf(Move m) { return static_cast<int>((m >> 8) & 0x7f); }
constexpr bool promotes(Move m) { return (m >> 15) & 1u; }
constexpr bool isDrop(Move m) { return fromOf(m) >= DropFrom; }
constexpr int dropKind(Move m) { return fromOf(m) - DropFrom; }

// Board moves at most 2 per pair of squares reached; drops 7 kinds x 81.
inline constexpr int MaxMoves = 600;
struct MoveList {
  std::array<Move, MaxMoves> moves;
  int size = 0;
};

struct Undo {
  std::int8_t captured;
  std::int8_t moved;
  std::uint64_t key;
};

// For each side and square: how many of the side's pieces reach the square
// (its own pieces there counted as defended), and the most valuable kind
// among them other than the king.
struct AttackMap {
  std::array<std::array<std::uint8_t, Squares>, 2> count;
  std::array<std::array<std::int8_t, Squares>, 2> dearest;
};

struct Position {
  std::array<std::int8_t, Squares> board{};
  std::array<std::array<std::uint8_t, 8>, 2> hand{};
  std::array<int, 2> king{-1, -1};
  int side = Com;
  std::uint64_t key = 0;

  // From the game's board and hands, with the side to move given.
  static Position fromGame(const Game& g, int sideToMove);

  // The side that owns a square's piece, or -1 when it is empty.
  int owner(int sq) const { return board[sq] > 0 ? Com : board[sq] < 0 ? Man : -1; }
  bool attacked(int sq, int bySide) const;
  // Whether some piece of bySide reaches sq once the piece on `ignored` is
  // lifted (a king asking about the squares behind it).
  bool attackedWithout(int sq, int bySide, int ignored) const;
  bool kingAttacked(int s) const { return king[s] >= 0 && attacked(king[s], 1 - s); }
  // Every square's attackers; `worth` ranks the kinds for `dearest`.
  void mapAttacks(AttackMap& map, const int* worth) const;

  // Every move the side to move may play (compulsory capture applied).
  // Answers whether that side is bound to capture.
  bool generate(MoveList& list) const;
  // The captures alone, compulsory capture applied; answers the same.
  bool generateCaptures(MoveList& list) const;
  // Every move the piece rules allow (or their captures), before
  // compulsory capture.
  void generateAll(MoveList& list, bool capturesOnly) const;
  // Whether the piece on `from` has a capture after which its own king is
  // not attacked.
  bool hasSafeCapture(int from) const;

  Undo make(Move m);
  void unmake(Move m, const Undo& u);
  // The side to move passes (for ordering heuristics that ask about threats).
  void flipSide();

  // The code (signed kind) on the destination after the move.
  int placedKind(Move m) const;
  int capturedKind(Move m) const { return board[toOf(m)]; }
  bool isCapture(Move m) const { return !isDrop(m) && board[toOf(m)] != 0; }

  // The person's win against the computer by mate, as the game tests it
  // after his move: the COM king attacked and none of the answers the game
  // counts (a drop on a checking line, a king step, a piece onto a checking
  // square) leaves it safe.
  bool comMated() const;

  std::uint64_t computeKey() const;

 private:
  // When some piece has a safe capture, keeps only the captures of such
  // pieces; answers whether it did.
  bool keepCompulsoryCaptures(MoveList& list) const;
};

// The game's piece code of a signed kind, and back.
int gameCode(int signedKind);
int signedKindOf(int gameCode);

// The move as the game names it: board squares (x, y), or fromX -1 / 11 and
// the hand index for a drop, and the code placed.
struct GameMove {
  int fromX, fromY, toX, toY, placed, moving;
};
GameMove toGameMove(const Position& p, Move m);

}  // namespace vudeve::search
