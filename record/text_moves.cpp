#include "record/text_moves.h"

#include <algorithm>
#include <vector>

#include "rules/legality.h"
#include "rules/move.h"

namespace vudeve {
namespace {

using kif::Bottom;

struct Square {
  int x = 0, y = 0;
};

// The candidates the words of the move leave, seen from the mover's seat:
// forward is up the board for the bottom player, down for the top one, and
// his right the other way round.
std::vector<Square> narrowed(std::vector<Square> candidates, int toX, int toY, unsigned modifiers, int side) {
  const int ahead = side == Bottom ? 1 : -1;
  std::erase_if(candidates, [&](const Square& c) {
    const int forward = (c.y - toY) * ahead;
    return ((modifiers & Up) && forward <= 0) || ((modifiers & Back) && forward >= 0) ||
           ((modifiers & Sideways) && forward != 0) || ((modifiers & Straight) && (forward <= 0 || c.x != toX));
  });
  // 右 keeps the rightmost candidates, 左 the leftmost.
  for (const int sign : {1, -1}) {
    if ((modifiers & (sign > 0 ? Right : Left)) == 0 || candidates.empty()) continue;
    auto rightness = [&](const Square& c) { return c.x * ahead * sign; };
    int best = rightness(candidates.front());
    for (const Square& c : candidates) best = std::max(best, rightness(c));
    std::erase_if(candidates, [&](const Square& c) { return rightness(c) != best; });
  }
  return candidates;
}

// The mover's pieces of this code that can reach the square.
std::vector<Square> reaching(const Game& pos, int code, int toX, int toY) {
  std::vector<Square> found;
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y)
      if (pos.Board[x][y] == code && 移動チェック(pos, x, y, toX, toY, code) == TrueValue) found.push_back({x, y});
  return found;
}

}  // namespace

void TextMovePlayer::begin(const RecordEntry& start, int side, int lastX, int lastY) {
  side_ = side;
  lastX_ = lastX;
  lastY_ = lastY;
  record_.firstMover = side;
  pos_.Board = start.board;
  pos_.ManHand = start.manHand;
  pos_.ComHand = start.comHand;
  record_.entries.push_back(start);
}

std::optional<std::string> TextMovePlayer::play(const TextMove& m) {
  if (m.same && lastX_ == 0) return "「同」の前に指し手がありません";
  const int toX = m.same ? lastX_ : m.toX, toY = m.same ? lastY_ : m.toY;
  const int code = m.piece * side_;
  const std::string name(kif::pieceName(code));
  HandArray& hand = side_ == Bottom ? pos_.ManHand : pos_.ComHand;

  int fromX = m.fromX, fromY = m.fromY;
  bool drop = m.action == TextMove::Drop;
  if (!drop && fromX == 0) {
    const std::vector<Square> candidates = narrowed(reaching(pos_, code, toX, toY), toX, toY, m.modifiers, side_);
    if (candidates.size() > 1) return "どの" + name + "を動かすのか決まりません";
    if (candidates.size() == 1) {
      fromX = candidates[0].x;
      fromY = candidates[0].y;
    } else if (m.action == TextMove::None && m.modifiers == 0 && pos_.Board[toX][toY] == Empty) {
      drop = true;  // a drop needs 打 only where a piece on the board could go too
    } else {
      return kif::squareName(toX, toY) + "へ動ける" + name + "がありません";
    }
  }

  int placed = code;
  if (drop) {
    const int index = capturedHandIndex(code);
    if (index == 0 || m.piece != ComHandPiece[index]) return name + "は打てません";
    if (hand[index] <= 0) return "持駒に" + name + "がありません";
    fromX = handColumn(side_ == Bottom);
    fromY = handRow(side_ == Bottom, index);
    調査_2歩フラグ設定(pos_);
    if (移動チェック(pos_, fromX, fromY, toX, toY, code) == FalseValue)
      return kif::squareName(toX, toY) + "には" + name + "を打てません";
  } else {
    if (pos_.Board[fromX][fromY] != code) return kif::squareName(fromX, fromY) + "に" + name + "がありません";
    if (移動チェック(pos_, fromX, fromY, toX, toY, code) == FalseValue)
      return name + "は" + kif::squareName(fromX, fromY) + "から" + kif::squareName(toX, toY) + "へ動けません";
    if (m.action == TextMove::Promote) {
      if (調査_駒成(pos_, fromX, fromY, toX, toY, code) == FalseValue) return "この" + name + "は成れません";
      placed = pos_.PromotedCode;
    } else if (移動後チェック(toY, code) == FalseValue) {
      return "この" + name + "は成らなければ動けなくなります";
    }
  }
  駒移動(pos_, fromX, fromY, toX, toY, placed);
  store(m.seconds);
  lastX_ = toX;
  lastY_ = toY;
  side_ = -side_;
  if (record_.entries.size() > LargestKifMoves + 1) return "手数が多すぎます";
  return std::nullopt;
}

// The position after the move, with the clocks after it; the entry before
// gets them as its after-move clocks.
void TextMovePlayer::store(long long seconds) {
  (side_ == Bottom ? bottomSeconds_ : topSeconds_) += static_cast<double>(seconds);
  RecordEntry& before = record_.entries.back();
  before.manAfter = bottomSeconds_;
  before.comAfter = topSeconds_;
  RecordEntry after;
  after.board = pos_.Board;
  after.manHand = pos_.ManHand;
  after.comHand = pos_.ComHand;
  after.manBefore = after.manAfter = bottomSeconds_;
  after.comBefore = after.comAfter = topSeconds_;
  record_.entries.push_back(after);
}

}  // namespace vudeve
