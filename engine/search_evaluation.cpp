// The value of a quiet position under these rules: material on the board and
// in hand, the safety of each king against the pieces that can come next
// to it (a king that is attacked may simply be taken), the pieces that a
// dropped piece can force to capture into a loss, and how near the pieces
// stand to the other king.
#include <algorithm>
#include <cstdlib>

#include "engine/search.h"

namespace vudeve::search {

namespace {

constexpr int BoardValue[KindCount] = {0, 90, 300, 350, 500, 560, 850, 1000, 0, 560, 560, 560, 560, 1100, 1300};
// A piece in hand may be dropped anywhere: worth a little more.
constexpr int HandValue[8] = {0, 95, 310, 360, 520, 580, 870, 1030};

// How much a piece near the other king threatens it, and how much a piece
// next to its own king shields it.
constexpr int Attacker[KindCount] = {0, 6, 8, 10, 18, 18, 20, 24, 0, 18, 18, 18, 18, 30, 34};
constexpr int Shield[KindCount] = {0, 4, 3, 3, 12, 14, 6, 6, 0, 10, 10, 10, 10, 10, 10};
// A little for every step a piece stands nearer the other king: without it
// a side far ahead finds nothing to do within the search's horizon and
// marks time.
constexpr int Approach[KindCount] = {0, 1, 1, 2, 3, 2, 2, 3, 0, 3, 3, 3, 3, 4, 5};

// Under compulsory capture a piece dropped on an empty square that the
// other side guards, and that only one piece of side s reaches, must be
// taken by that piece (unless s has another safe capture), which is then
// taken in turn. The most side s stands to lose so, net of the piece
// dropped; the king is never the taker, since its capture would not be safe.
int dropTrap(const Position& p, const AttackMap& map, int s) {
  const int e = 1 - s;
  int cheapest = Infinite;
  for (int kind = Lance; kind <= Rook; ++kind)
    if (p.hand[e][kind] > 0) cheapest = std::min(cheapest, BoardValue[kind]);
  const bool pawns = p.hand[e][Pawn] > 0;
  if (!pawns && cheapest == Infinite) return 0;
  const int pawnCode = e == Com ? Pawn : -Pawn;
  const int lastRow = e == Com ? BoardSize : 1;
  unsigned pawnFiles = 0;
  for (int sq = 0; sq < Squares; ++sq)
    if (p.board[sq] == pawnCode) pawnFiles |= 1u << fileOf(sq);
  int worst = 0;
  for (int sq = 0; sq < Squares; ++sq) {
    if (p.board[sq] != 0 || map.count[e][sq] == 0 || map.count[s][sq] != 1) continue;
    const int taker = map.dearest[s][sq];
    if (taker == NoKind) continue;
    const bool pawnDrop = pawns && !(pawnFiles & (1u << fileOf(sq))) && rowOf(sq) != lastRow;
    worst = std::max(worst, BoardValue[taker] - (pawnDrop ? BoardValue[Pawn] : cheapest));
  }
  return worst;
}

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
    if (enemyKing >= 0) {
      const int steps = distance(sq, enemyKing);
      if (steps <= 2) danger[1 - s] += Attacker[kind];
      score += sign * Approach[kind] * (BoardSize - 1 - steps);
    }
    const int ownKing = p.king[s];
    if (ownKing >= 0 && kind != King && distance(sq, ownKing) == 1) danger[s] -= Shield[kind];
  }
  for (int s = 0; s < 2; ++s) {
    const int sign = s == Com ? 1 : -1;
    for (int kind = 1; kind <= 7; ++kind) score += sign * HandValue[kind] * p.hand[s][kind];
  }
  for (int s = 0; s < 2; ++s) {
    const int k = p.king[s];
    if (k < 0) continue;
    // Squares next to the king that the other side reaches, and the squares
    // the king could still step to: a king with none left is one check from
    // being taken.
    int reached = 0, escapes = 0;
    for (int dx = -1; dx <= 1; ++dx) {
      for (int dy = -1; dy <= 1; ++dy) {
        const int x = fileOf(k) + dx, y = rowOf(k) + dy;
        if ((dx == 0 && dy == 0) || x < 1 || x > BoardSize || y < 1 || y > BoardSize) continue;
        const int t = squareOf(x, y);
        if (p.attackedWithout(t, 1 - s, k))
          ++reached;
        else if (p.owner(t) != s)
          ++escapes;
      }
    }
    int d = danger[s] + reached * 22 + (escapes == 0 ? 70 : escapes == 1 ? 35 : 0);
    if (d < 0) d = 0;
    int enemyHand = 0;
    for (int kind = 1; kind <= 7; ++kind) enemyHand += p.hand[1 - s][kind] * (kind == Pawn ? 1 : 3);
    // Pieces in the other hand can be dropped where the king is weak.
    d += d * enemyHand / 12;
    if (d > 500) d = 500;
    score -= (s == Com ? 1 : -1) * (d + d * d / 256);
  }
  // The side to move may spring such a trap at once; the other side only
  // after this move, which may well guard against it.
  AttackMap map;
  p.mapAttacks(map, BoardValue);
  const int mover = p.side;
  const int traps = dropTrap(p, map, 1 - mover) * 3 / 4 - dropTrap(p, map, mover) / 4;
  return (p.side == Com ? score : -score) + traps;
}

}  // namespace vudeve::search
