#include "rules/mate.h"

#include <array>

#include "rules/influence.h"
#include "rules/legality.h"

namespace vudeve {
namespace {


constexpr bool onBoard(int v) { return v >= 1 && v <= BoardSize; }
constexpr int distance(int a, int b) { return a > b ? a - b : b - a; }

// The side whose king is tested. The king square and the maps are read live:
// the survey re-establishes them for every tried position.
struct Defender {
  int king;
  int pawn;
  int handColumn;
  const int& kingX;
  const int& kingY;
  const int& handTotal;
  const int& handPawns;
  const BoardMap& checks;
  const BoardMap& attackers;
};

Defender comDefender(const Game& g) {
  return {ComKing, ComPawn, ComHandColumn, g.ComKingX, g.ComKingY, g.ComHandTotal, g.ComHand[1],
          g.ComKingChecks, g.ManInfluence};
}

Defender manDefender(const Game& g) {
  return {ManKing, ManPawn, ManHandColumn, g.ManKingX, g.ManKingY, g.ManHandTotal, g.ManHand[1],
          g.ManKingChecks, g.ComInfluence};
}

// Whether a drop on a checking line answers every check. A pawn on the line
// stands for whatever piece the hand holds; with only pawns in hand, squares
// where no pawn may be dropped stay empty.
bool dropDefends(Game& g, const Defender& d) {
  const bool onlyPawns = d.handTotal == d.handPawns;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      const int v = d.checks[x][y];
      // A checker next to the king (or the knight mark on the king's own
      // square) cannot be blocked by a drop.
      if (v == 9 && distance(x, d.kingX) < 2 && distance(y, d.kingY) < 2) return false;
      if (v != 1) continue;
      const int saved = g.Board[x][y];
      if (!onlyPawns || 移動チェック(g, d.handColumn, 0, x, y, d.pawn) == TrueValue) g.Board[x][y] = d.pawn;
      bool stillChecked = false;
      for (int i = 1; i <= BoardSize && !stillChecked; ++i)
        for (int j = 1; j <= BoardSize && !stillChecked; ++j)
          stillChecked = d.checks[i][j] == 9 && 移動チェック(g, i, j, d.kingX, d.kingY, g.Board[i][j]) == TrueValue;
      g.Board[x][y] = saved;
      if (stillChecked) return false;
    }
  }
  return true;
}

// The attack counts are those of the position with the king on its square.
bool kingEscapes(const Game& g, const Defender& d) {
  const int kx = d.kingX;
  const int ky = d.kingY;
  for (int x = kx - 1; x <= kx + 1; ++x) {
    for (int y = ky - 1; y <= ky + 1; ++y) {
      if (!onBoard(x) || !onBoard(y)) continue;
      if (移動チェック(g, kx, ky, x, y, d.king) == TrueValue && d.attackers[x][y] == 0) return true;
    }
  }
  return false;
}

// The squares marked in a check map, taken before any trial rebuilds it, so
// every piece is tried against the checks of the position under test.
struct CheckSquares {
  std::array<int, 81> x{}, y{};
  int count = 0;
};

CheckSquares collectChecks(const BoardMap& checks) {
  CheckSquares s;
  for (int i = 1; i <= BoardSize; ++i) {
    for (int j = 1; j <= BoardSize; ++j) {
      if (checks[i][j] > 0) {
        s.x[s.count] = i;
        s.y[s.count] = j;
        ++s.count;
      }
    }
  }
  return s;
}

// A board piece whose code lies in lowest..highest captures a checker or
// steps onto a checking line; answers true when, for some such move,
// kingSafe says the tried position leaves the king unattacked.
template <typename KingSafe>
bool pieceDefends(Game& g, const BoardMap& checks, int lowest, int highest, KingSafe kingSafe) {
  const CheckSquares targets = collectChecks(checks);
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      const int p = g.Board[x][y];
      if (p < lowest || p > highest) continue;
      for (int t = 0; t < targets.count; ++t) {
        const int i = targets.x[t];
        const int j = targets.y[t];
        if (移動チェック(g, x, y, i, j, p) != TrueValue) continue;
        const int saved = g.Board[i][j];
        g.Board[i][j] = p;
        g.Board[x][y] = Empty;
        const bool safe = kingSafe();
        g.Board[i][j] = saved;
        g.Board[x][y] = p;
        if (safe) return true;
      }
    }
  }
  return false;
}

// COM's king is judged on the maps rebuilt for the tried position.
bool comPieceDefends(Game& g) {
  return pieceDefends(g, g.ComKingChecks, ComPawn, ComDragon, [&g] {
    勢力調査(g);
    return g.ManInfluence[g.ComKingX][g.ComKingY] == 0;
  });
}

// MAN's without rebuilding the maps: the tried position is safe when no COM
// piece can move onto the king's square.
bool manPieceDefends(Game& g) {
  return pieceDefends(g, g.ManKingChecks, ManDragon, ManPawn, [&g] { return 詰めかMAN_COM移動(g) == FalseValue; });
}

}  // namespace

int 調査_移動先あるか2(Game& g, int side, int x, int y) {
  // The row is checked as well: the board has no squares outside 0..9.
  if (!onBoard(x) || !onBoard(y)) return FalseValue;
  const int p = g.Board[x][y];
  const bool com = side == g.ComSide && p >= ComPawn;
  const bool man = side == g.ManSide && p <= ManPawn;
  if (!com && !man) return FalseValue;
  for (int i = 1; i <= BoardSize; ++i) {
    for (int j = 1; j <= BoardSize; ++j) {
      if (g.Board[i][j] == Empty) continue;
      if (移動チェック(g, x, y, i, j, p) != TrueValue) continue;
      const int saved = g.Board[i][j];
      g.Board[i][j] = p;
      g.Board[x][y] = Empty;
      勢力調査(g);
      g.Board[i][j] = saved;
      g.Board[x][y] = p;
      if (p >= ComPawn && g.ManInfluence[g.ComKingX][g.ComKingY] == 0) return TrueValue;
      if (p <= ManPawn && g.ComInfluence[g.ManKingX][g.ManKingY] == 0) return TrueValue;
    }
  }
  return FalseValue;
}

int 調査_移動先あるか(Game& g, int side) {
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y)
      if (調査_移動先あるか2(g, side, x, y) == TrueValue) return TrueValue;
  return FalseValue;
}

void 設定_移動可能駒(Game& g, int side) {
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) g.CapturerFlags[x][y] = 調査_移動先あるか2(g, side, x, y);
}

int 詰めかCOM(Game& g) {
  const Defender d = comDefender(g);
  if (g.ManInfluence[g.ComKingX][g.ComKingY] == 0) return FalseValue;
  if (g.ComHandTotal > 0 && dropDefends(g, d)) return FalseValue;
  if (kingEscapes(g, d)) return FalseValue;
  if (comPieceDefends(g)) return FalseValue;
  return TrueValue;
}

int 詰めかMAN(Game& g) {
  const Defender d = manDefender(g);
  if (g.ComInfluence[g.ManKingX][g.ManKingY] == 0) return FalseValue;
  if (g.ManHandTotal > 0 && dropDefends(g, d)) return FalseValue;
  if (kingEscapes(g, d)) return FalseValue;
  if (manPieceDefends(g)) return FalseValue;
  return TrueValue;
}

int 詰めかMAN_COM移動(const Game& g) {
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y)
      if (g.Board[x][y] >= ComPawn && 移動チェック(g, x, y, g.ManKingX, g.ManKingY, g.Board[x][y]) == TrueValue)
        return TrueValue;
  return FalseValue;
}

int 調査_自王逃道(Game& g) {
  // Row above (straight, left, right), row below (same), then left and right.
  static constexpr int Steps[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
  int count = 0;
  for (const auto& step : Steps) {
    const int x = g.ManKingX + step[0];
    const int y = g.ManKingY + step[1];
    if (!onBoard(x) || !onBoard(y)) continue;
    if (g.Board[x][y] == Empty && g.ComInfluence[x][y] == 0) {
      g.ManKingEscapes[x][y] = 1;
      ++count;
    }
  }
  return count;
}

}  // namespace vudeve
