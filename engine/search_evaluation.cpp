// The value of a quiet position under these rules: material on the board and
// in hand, and the safety of each king against the pieces that can come
// next to it, since a king that is attacked may simply be taken.
#include <algorithm>
#include <cstdlib>

#include "engine/search.h"

namespace vudeve::search {

namespace {

constexpr int BoardValue[KindCount] = {0, 90, 300, 350, 500, 560, 850, 1000, 0, 560, 560, 560, 560, 1100, 1300};
// A piece in hand may be dropped anywhere: worth a little more.
constexpr int HandValue[8] = {0, 100, 330, 380, 560, 620, 900, 1080};

// How much a piece near the other king threatens it, and how much a piece
// next to its own king shields it.
constexpr int Attacker[KindCount] = {0, 6, 8, 10, 18, 18, 20, 24, 0, 18, 18, 18, 18, 30, 34};
constexpr int Shield[KindCount] = {0, 4, 3, 3, 12, 14, 6, 6, 0, 10, 10, 10, 10, 10, 10};

int distance(int a, int b) {
  return std::max(std::abs(fileOf(a) - fileOf(b)), std::abs(rowOf(a) - rowOf(b)));
}

}  // namespace

int evaluate(const Position& p) {
  int score = 0;  // for COM
  int danger[2] = {0, 0};
  for (int sq = 0; sq < Squares; ++sq) {
    const int code = p.board[sq];
    if (code == 0) continue;
    const int s = code > 0 ? Com : Man;
    const int kind = code > 0 ? code : -code;
    const int sign = s == Com ? 1 : -1;
    score += sign * BoardValue[kind];
    const int enemyKing = p.king[1 - s];
    if (enemyKing >= 0 && distance(sq, enemyKing) <= 2) danger[1 - s] += Attacker[kind];
    const int ownKing = p.king[s];
    if (ownKing >= 0 && kind != King && distance(sq, ownKing) == 1) danger[s] -= Shield[kind];
  }
  for (int s = 0; s < 2; ++s) {
    const int sign = s == Com ? 1 : -1;
    int inHand = 0;
    for (int kind = 1; kind <= 7; ++kind) {
      score += sign * HandValue[kind] * p.hand[s][kind];
      inHand += p.hand[s][kind] * (kind == Pawn ? 1 : 3);
    }
    // Pieces in hand can be dropped next to the other king.
    if (p.king[1 - s] >= 0 && danger[1 - s] > 0) danger[1 - s] += inHand * 2;
  }
  for (int s = 0; s < 2; ++s) {
    const int d = danger[s] > 0 ? danger[s] : 0;
    const int penalty = d + d * d / 64;
    score -= (s == Com ? 1 : -1) * penalty;
  }
  return p.side == Com ? score : -score;
}

}  // namespace vudeve::search
