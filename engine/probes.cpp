// Board questions of the computer's evaluation. The two surveys run once per
// computer turn; the rest answer about one square of a candidate position.
#include "engine/probes.h"

#include <cstdlib>

#include "rules/legality.h"

namespace vudeve {
namespace {

bool is_com_line_piece(int v) {
  return v == ComLance || v == ComBishop || v == ComHorse || v == ComRook || v == ComDragon;
}

bool is_man_line_piece(int v) {
  return v == ManLance || v == ManBishop || v == ManHorse || v == ManRook || v == ManDragon;
}

// True when some line piece accepted by is_line on the board reaches (kx, ky).
template <typename LineTest>
bool line_piece_reaches(const Game& g, LineTest is_line, int kx, int ky) {
  for (int sx = 1; sx <= 9; ++sx)
    for (int sy = 1; sy <= 9; ++sy) {
      const int s = g.Board[sx][sy];
      if (is_line(s) && 移動チェック(g, sx, sy, kx, ky, s) == TrueValue) return true;
    }
  return false;
}

}  // namespace

void 調査_移動不可駒(Game& g) {
  g.AnyComPinned = FalseValue;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      g.ManPinned[x][y] = 0;
      const int v = g.Board[x][y];
      if (v == Empty) continue;
      // With the piece lifted, a line piece that now reaches the king is
      // held back by it (or gives check already, which counts the same).
      g.Board[x][y] = Empty;
      if (v <= -10) {
        if (line_piece_reaches(g, is_com_line_piece, g.ManKingX, g.ManKingY)) g.ManPinned[x][y] = 1;
      } else if (v >= 10) {
        if (line_piece_reaches(g, is_man_line_piece, g.ComKingX, g.ComKingY)) g.AnyComPinned = TrueValue;
      }
      g.Board[x][y] = v;
    }
}

void 調査_持角狙座標(Game& g) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      g.ManBishopCheckSquares[x][y] = 0;
      if (g.Board[x][y] == Empty && g.ComInfluence[x][y] == 0 &&
          移動チェック(g, x, y, g.ComKingX, g.ComKingY, ManBishop) == TrueValue)
        g.ManBishopCheckSquares[x][y] = 1;
    }
}

int 調査_移動可場所数(const Game& g, int x, int y, int piece) {
  // The other side's cover decides whether a destination is safe.
  const BoardMap& cover = piece >= 10 ? g.ManInfluence : g.ComInfluence;
  int count = 0;
  for (int tx = 1; tx <= 9; ++tx)
    for (int ty = 1; ty <= 9; ++ty)
      if (移動チェック(g, x, y, tx, ty, piece) == TrueValue && cover[tx][ty] == 0) ++count;
  return count;
}

int 調査_周辺状況(const Game& g, int x, int y) {
  int result = 0;
  for (int i = x - 1; i <= x + 1; ++i)
    for (int j = y - 1; j <= y + 1; ++j) {
      if (i < 1 || i > 9 || j < 1 || j > 9 || (i == x && j == y)) continue;
      if (g.Board[i][j] >= 800) --result;
    }
  return result;
}

int 調査_自守駒MAN_直進駒(Game& g, int x, int y) {
  if (x < 1 || x > 9 || y < 1 || y > 9) return FalseValue;
  const int saved = g.Board[x][y];
  g.Board[x][y] = Empty;
  int answer = FalseValue;
  for (int k = y + 1; k <= 9; ++k) {
    const int v = g.Board[x][k];
    if (v >= 10) break;
    if (v == ManLance || v == ManRook || v == ManDragon) {
      answer = 移動チェック(g, x, k, x, y, v);
      break;
    }
  }
  g.Board[x][y] = saved;
  return answer;
}

int 調査_香狙い(const Game& g, int x, int y) {
  if (!(y > 6 && g.ComInfluence[x][y - 1] > 0 && g.ManInfluence[x][y - 1] == 0 &&
        g.ManAttackerCode[x][y] >= -901 && g.ManAttackerCode[x][y] <= -800))
    return 0;
  // What a lance dropped behind the pawn would aim at down the file.
  for (int k = y + 1; k <= 9; ++k) {
    const int v = g.Board[x][k];
    if (v == Empty) continue;
    return 移動チェック(g, x, y, x, k, ComLance) == TrueValue ? std::abs(v) : 0;
  }
  return 0;
}

int 調査_桂狙い(const Game& g, int x, int y) {
  const int attacker = g.ManAttackerCode[x][y];
  if (!(attacker >= -901 && attacker <= -800 && y > 5)) return 0;
  int result = 0;
  if (x > 2 && g.Board[x - 1][y - 2] == Empty && g.ManInfluence[x - 1][y - 2] == 0 && g.Board[x - 2][y] <= -800 &&
      g.ManAttackerX[x][y] != x - 2)
    result += std::abs(g.Board[x - 2][y]);
  if (x < 8 && g.Board[x + 1][y - 2] == Empty && g.ManInfluence[x + 1][y - 2] == 0 && g.Board[x + 2][y] <= -800 &&
      g.ManAttackerX[x][y] != x + 2)
    result += std::abs(g.Board[x + 2][y]);
  return result;
}

}  // namespace vudeve
