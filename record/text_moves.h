// The moves of a text record (KIF, KI2, CSA) played one by one from the
// start position, each checked against the movement and promotion rules of
// its piece, into the entries of a KifRecord. The variant's compulsory
// capture is not asked for: the files come from standard shogi.
#pragma once

#include <optional>
#include <string>

#include "record/kif_read.h"

namespace vudeve {

// Words that tell apart two pieces able to reach the same square, as seen
// from the mover's seat: 右 左 直 上 (行 入) 引 寄.
enum Modifier : unsigned { Right = 1, Left = 2, Straight = 4, Up = 8, Back = 16, Sideways = 32 };

// A move as a record names it: the destination or 同, the piece (its code
// for the top player, promoted when the piece already is), the words that
// pick it out, and the square it leaves when the record gives one.
struct TextMove {
  bool same = false;  // 同: the destination of the move before
  int toX = 0, toY = 0;
  int piece = 0;
  unsigned modifiers = 0;
  enum { None, Promote, Stay, Drop } action = None;
  int fromX = 0, fromY = 0;  // 0 when the record names no square
  long long seconds = 0;
};

class TextMovePlayer {
 public:
  explicit TextMovePlayer(KifRecord& record) : record_(record) {}

  // Starts the record at `start` with `side` to move; (lastX, lastY) is
  // the square a first 同 refers to, 0 when none.
  void begin(const RecordEntry& start, int side, int lastX = 0, int lastY = 0);
  // Plays the next move: nothing, or why it cannot be played.
  std::optional<std::string> play(const TextMove& m);

  int sideToMove() const { return side_; }
  long long nextMoveNumber() const { return static_cast<long long>(record_.entries.size()); }
  const BoardMap& board() const { return pos_.Board; }

 private:
  void store(long long seconds);

  KifRecord& record_;
  Game pos_;  // the position reached, for the rules
  int side_ = kif::Bottom;
  int lastX_ = 0, lastY_ = 0;
  double bottomSeconds_ = 0, topSeconds_ = 0;
};

}  // namespace vudeve
