#include "rules/influence.h"

#include <array>
#include <cstddef>

namespace vudeve {
namespace {

// What a COM piece kind writes when it reaches a square. The COM side is
// recorded unevenly on purpose: the evaluation reads exactly these fields,
// so a kind that skips coordinates leaves them as an earlier piece or an
// earlier survey wrote them. Every human kind records guard and attacker
// codes, and attacker coordinates.
enum ComRecord : unsigned {
  InfluenceOnly = 0,
  Guard = 1,
  GuardXY = 2,
  Attack = 4,
  AttackXY = 8,
};
constexpr unsigned ComFull = Guard | GuardXY | Attack | AttackXY;
constexpr unsigned ManFull = Guard | Attack | AttackXY;

// Which squares a stepping piece marks in the check map of the king it reaches.
enum class Mark { None, Piece, PieceAndKing };

struct Offset {
  int dx, dy;
};

// Step patterns in the order their targets are recorded; the order decides
// which of equal attackers or guards keeps its square.
constexpr std::array<Offset, 1> ManPawnSteps{{{0, -1}}};
constexpr std::array<Offset, 2> ManKnightJumps{{{-1, -2}, {1, -2}}};
constexpr std::array<Offset, 5> ManSilverSteps{{{0, -1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
constexpr std::array<Offset, 6> ManGoldSteps{{{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}}};
constexpr std::array<Offset, 1> ComPawnSteps{{{0, 1}}};
constexpr std::array<Offset, 2> ComKnightJumps{{{-1, 2}, {1, 2}}};
constexpr std::array<Offset, 5> ComSilverSteps{{{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}}};
constexpr std::array<Offset, 6> ComGoldSteps{{{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}}};
constexpr std::array<Offset, 4> HorseSteps{{{0, -1}, {0, 1}, {-1, 0}, {1, 0}}};
constexpr std::array<Offset, 4> DragonSteps{{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
constexpr std::array<Offset, 8> KingSteps{{{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}}};

inline bool onBoard(int x, int y) {
  return static_cast<unsigned>(x - 1) < static_cast<unsigned>(BoardSize) &&
         static_cast<unsigned>(y - 1) < static_cast<unsigned>(BoardSize);
}

// Records one hit of a piece on (px, py), credited with v, on (tx, ty) and
// answers the code standing there. R chooses the fields of a COM piece; a
// human piece always records in full. Comparisons are strict so the first
// recorder keeps a tie.
template <bool Man, unsigned R>
inline int recordHit(Game& g, int v, int px, int py, int tx, int ty) {
  const int target = g.Board[tx][ty];
  if constexpr (Man) {
    ++g.ManInfluence[tx][ty];
    if (target < 0) {
      if (g.ManGuardCode[tx][ty] > v) g.ManGuardCode[tx][ty] = v;
    } else if (target > 0) {
      if (g.ManAttackerCode[tx][ty] < v) {
        g.ManAttackerCode[tx][ty] = v;
        g.ManAttackerX[tx][ty] = px;
        g.ManAttackerY[tx][ty] = py;
      }
    }
  } else {
    ++g.ComInfluence[tx][ty];
    if constexpr ((R & Guard) != 0) {
      if (target >= ComPawn && g.ComGuardCode[tx][ty] > v) {
        g.ComGuardCode[tx][ty] = v;
        if constexpr ((R & GuardXY) != 0) {
          g.ComGuardX[tx][ty] = px;
          g.ComGuardY[tx][ty] = py;
        }
      }
    }
    if constexpr ((R & Attack) != 0) {
      if (target <= ManPawn && g.ComAttackerCode[tx][ty] > v) {
        g.ComAttackerCode[tx][ty] = v;
        if constexpr ((R & AttackXY) != 0) {
          g.ComAttackerX[tx][ty] = px;
          g.ComAttackerY[tx][ty] = py;
        }
      }
    }
  }
  return target;
}

template <bool Man, unsigned R, Mark M, std::size_t N>
inline void steps(Game& g, int v, int x, int y, const std::array<Offset, N>& pattern) {
  for (const Offset& o : pattern) {
    const int tx = x + o.dx;
    const int ty = y + o.dy;
    if (!onBoard(tx, ty)) continue;
    const int target = recordHit<Man, R>(g, v, x, y, tx, ty);
    if constexpr (M != Mark::None) {
      if (target == (Man ? ComKing : ManKing)) {
        BoardMap& checks = Man ? g.ComKingChecks : g.ManKingChecks;
        checks[x][y] = 9;
        if constexpr (M == Mark::PieceAndKing) checks[tx][ty] = 9;
      }
    }
  }
}

// A line sees through the enemy king: the squares behind it are reached up
// to and including the first further piece. The squares between the piece
// and the king are where the check can be blocked (1); the piece itself is
// where it can be captured (9).
template <bool Man, int DX, int DY>
inline void ray(Game& g, int v, int px, int py) {
  constexpr int enemyKing = Man ? ComKing : ManKing;
  for (int tx = px + DX, ty = py + DY; onBoard(tx, ty); tx += DX, ty += DY) {
    const int target = recordHit<Man, ComFull>(g, v, px, py, tx, ty);
    if (target == Empty) continue;
    if (target != enemyKing) return;
    BoardMap& checks = Man ? g.ComKingChecks : g.ManKingChecks;
    for (int bx = px + DX, by = py + DY; bx != tx || by != ty; bx += DX, by += DY) checks[bx][by] = 1;
    checks[px][py] = 9;
  }
}

template <bool Man>
inline void diagonals(Game& g, int v, int x, int y) {
  ray<Man, -1, -1>(g, v, x, y);
  ray<Man, 1, -1>(g, v, x, y);
  ray<Man, -1, 1>(g, v, x, y);
  ray<Man, 1, 1>(g, v, x, y);
}

template <bool Man>
inline void rookLines(Game& g, int v, int x, int y) {
  ray<Man, 0, 1>(g, v, x, y);
  ray<Man, 0, -1>(g, v, x, y);
  ray<Man, 1, 0>(g, v, x, y);
  ray<Man, -1, 0>(g, v, x, y);
}

// Only the squares 1..9 of each map are written.
void fillSquares(BoardMap& map, int value) {
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) map[x][y] = value;
}

void resetMaps(Game& g) {
  fillSquares(g.ManInfluence, 0);
  fillSquares(g.ComInfluence, 0);
  fillSquares(g.ComKingChecks, 0);
  fillSquares(g.ManKingChecks, 0);
  fillSquares(g.ManAttackerX, 0);
  fillSquares(g.ManAttackerY, 0);
  fillSquares(g.ManAttackerCode, -999);
  fillSquares(g.ManGuardCode, 999);
  fillSquares(g.ComGuardCode, 999);
  fillSquares(g.ComAttackerCode, 999);
}

}  // namespace

void 勢力確定上直進(Game& g, int code, int x, int y) {
  if (code < 0)
    ray<true, 0, -1>(g, code, x, y);
  else
    ray<false, 0, -1>(g, code, x, y);
}

void 勢力確定下直進(Game& g, int code, int x, int y) {
  if (code < 0)
    ray<true, 0, 1>(g, code, x, y);
  else
    ray<false, 0, 1>(g, code, x, y);
}

void 勢力確定右直進(Game& g, int code, int x, int y) {
  if (code <= ManPawn)
    ray<true, 1, 0>(g, code, x, y);
  else
    ray<false, 1, 0>(g, code, x, y);
}

void 勢力確定左直進(Game& g, int code, int x, int y) {
  if (code <= ManPawn)
    ray<true, -1, 0>(g, code, x, y);
  else
    ray<false, -1, 0>(g, code, x, y);
}

// The human horse's diagonals are credited as a bishop.
void 勢力確定自角(Game& g, int x, int y) { diagonals<true>(g, ManBishop, x, y); }

void 勢力確定敵角(Game& g, int code, int x, int y) { diagonals<false>(g, code, x, y); }

void 勢力確定自金(Game& g, int code, int x, int y) {
  steps<true, ManFull, Mark::Piece>(g, code, x, y, ManGoldSteps);
}

// Every COM gold-like piece is credited as a gold, without coordinates.
void 勢力確定敵金(Game& g, int x, int y) { steps<false, Guard, Mark::Piece>(g, ComGold, x, y, ComGoldSteps); }

void 勢力調査(Game& g) {
  resetMaps(g);
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      const int c = g.Board[x][y];
      switch (c) {
        case ManPawn:
          steps<true, ManFull, Mark::Piece>(g, c, x, y, ManPawnSteps);
          break;
        case ManTokin:
        case ManPromLance:
        case ManPromKnight:
        case ManPromSilver:
        case ManGold:
          勢力確定自金(g, c, x, y);
          break;
        case ManLance:
          勢力確定上直進(g, c, x, y);
          break;
        case ManKnight:
          steps<true, ManFull, Mark::PieceAndKing>(g, c, x, y, ManKnightJumps);
          break;
        case ManSilver:
          steps<true, ManFull, Mark::Piece>(g, c, x, y, ManSilverSteps);
          break;
        case ManBishop:
          勢力確定自角(g, x, y);
          break;
        case ManHorse:
          steps<true, ManFull, Mark::Piece>(g, c, x, y, HorseSteps);
          勢力確定自角(g, x, y);
          break;
        case ManRook:
          rookLines<true>(g, c, x, y);
          break;
        case ManDragon:
          rookLines<true>(g, c, x, y);
          steps<true, ManFull, Mark::Piece>(g, c, x, y, DragonSteps);
          break;
        case ManKing:
          g.ManKingX = x;
          g.ManKingY = y;
          steps<true, ManFull, Mark::None>(g, c, x, y, KingSteps);
          break;
        case ComPawn:
          steps<false, Guard | Attack, Mark::Piece>(g, c, x, y, ComPawnSteps);
          break;
        case ComTokin:
        case ComPromLance:
        case ComPromKnight:
        case ComPromSilver:
        case ComGold:
          勢力確定敵金(g, x, y);
          break;
        case ComLance:
          勢力確定下直進(g, c, x, y);
          break;
        case ComKnight:
          steps<false, Guard | GuardXY, Mark::PieceAndKing>(g, c, x, y, ComKnightJumps);
          break;
        case ComSilver:
          steps<false, Guard | GuardXY, Mark::Piece>(g, c, x, y, ComSilverSteps);
          break;
        case ComBishop:
          勢力確定敵角(g, c, x, y);
          break;
        case ComHorse:
          steps<false, InfluenceOnly, Mark::Piece>(g, c, x, y, HorseSteps);
          勢力確定敵角(g, c, x, y);
          break;
        case ComRook:
          rookLines<false>(g, c, x, y);
          break;
        case ComDragon:
          rookLines<false>(g, c, x, y);
          steps<false, ComFull, Mark::Piece>(g, c, x, y, DragonSteps);
          break;
        case ComKing:
          g.ComKingX = x;
          g.ComKingY = y;
          steps<false, Guard, Mark::None>(g, c, x, y, KingSteps);
          break;
        default:  // empty squares and codes that are no piece
          break;
      }
    }
  }
}

}  // namespace vudeve
