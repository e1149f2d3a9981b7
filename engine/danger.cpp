// The two whole-board terms of the evaluation: the computer's weaknesses in
// the candidate position, and the bishop-drop caution.
#include <algorithm>
#include <cstdlib>

#include "engine/evaluation.h"
#include "engine/probes.h"
#include "rules/legality.h"

namespace vudeve {
namespace {

constexpr int PawnIndex = 1, LanceIndex = 2, KnightIndex = 3, SilverIndex = 4, GoldIndex = 5, BishopIndex = 6;

// The running values of one survey.
struct Danger {
  double D = 0;
  int n = 0;     // undefended human pieces the moved piece reaches
  int m = 9999;  // the cheapest of them
};

bool in_hand(const Game& g, int index) { return g.ManHand[index] > 0; }

bool silver_or_gold_in_hand(const Game& g) { return in_hand(g, SilverIndex) || in_hand(g, GoldIndex); }

// An empty square the human may use.
void empty_square(Game& g, Danger& d, int x, int y) {
  const int man = g.ManInfluence[x][y];
  const int com = g.ComInfluence[x][y];

  // Squares the human already covers.
  if (man > 0) {
    // Next to the computer king.
    if (std::abs(x - g.ComKingX) < 2 && std::abs(y - g.ComKingY) < 2) {
      d.D -= man / 2.0;
      if (com == 1 && man > 1) d.D -= 10;
      if (silver_or_gold_in_hand(g)) d.D -= 10;
    }
    // Uncovered squares in the computer's camp.
    if (com == 0 && y <= 3) {
      d.D -= 0.1;
      if (調査_自守駒MAN_直進駒(g, x, y) == TrueValue) d.D -= 10;
    }
    // A human pawn ready to promote.
    if (y < 4 && g.Board[x][y + 1] == ManPawn && man >= com) {
      d.D -= 30;
      if (調査_自守駒MAN_直進駒(g, x, y + 1) == TrueValue) d.D -= 70;
    }
  }

  // Drops the human could make there.
  if (g.ManHandTotal <= 0) return;

  // Lance skewer.
  if (in_hand(g, LanceIndex) && y > 2 && g.Board[x][y - 1] > 20 && (man > 0 || com == 0)) {
    for (int k = y - 2; k >= 1; --k) {
      const int v = g.Board[x][k];
      if (v == Empty) continue;
      if (v > 20) d.D = d.D - 100 - v / 2.0;
      break;
    }
  }
  // Knight fork.
  if (in_hand(g, KnightIndex) && (man > 0 || com == 0) && y > 2 && x >= 2 && x <= 8) {
    if (g.Board[x - 1][y - 2] > 10 && g.Board[x + 1][y - 2] > 10) d.D -= 20;
  }
  // A gold or silver dropped among the major pieces.
  if (silver_or_gold_in_hand(g) && com <= 1) {
    const int crowd = 調査_周辺状況(g, x, y);
    if (crowd < -1) d.D -= 5;
    if (com == 0 && crowd < 0) {
      d.D -= 1;
      if (y < 4) d.D -= 10;
    }
  }
  // Squares the computer does not cover at all.
  if (com == 0) {
    if (y == 2 && g.Board[x][1] == ComKnight) d.D -= 5;
    if (y < 4) d.D -= 0.1;
    // Silver fork along either diagonal.
    if (in_hand(g, SilverIndex) && y > 1 && y < 9 && x >= 2 && x <= 8) {
      if (g.Board[x - 1][y - 1] >= 10 && g.Board[x + 1][y + 1] >= 10 && g.ComInfluence[x - 1][y - 1] == 0 &&
          g.ComInfluence[x + 1][y + 1] == 0)
        d.D -= 20;
      if (g.Board[x - 1][y + 1] >= 10 && g.Board[x + 1][y - 1] >= 10 && g.ComInfluence[x - 1][y + 1] == 0 &&
          g.ComInfluence[x + 1][y - 1] == 0)
        d.D -= 20;
    }
  }
}

// A computer piece.
void com_piece(Game& g, Danger& d, int x, int y) {
  const int v = g.Board[x][y];
  const int man = g.ManInfluence[x][y];
  const int com = g.ComInfluence[x][y];
  const int attacker = std::abs(g.ManAttackerCode[x][y]);

  // The king on its back row, and a pawn pinned against a rook.
  if (v == ComKing && y == 1 && g.ManInfluence[x][2] > 0) {
    d.D -= 50;
    if (g.ManInfluence[x][2] >= g.ComInfluence[x][2]) d.D -= 250;
    if (silver_or_gold_in_hand(g)) d.D -= 700;
  } else if (v == ComPawn && g.ManAttackerCode[x][y] == ManRook && in_hand(g, PawnIndex) && man >= com && y < 9 &&
             g.ComInfluence[x][y + 1] == 1) {
    d.D -= 5;
  }

  // The piece is attacked.
  if (man <= 0) return;
  const int ax = g.ManAttackerX[x][y];
  const int ay = g.ManAttackerY[x][y];
  const bool attacker_free = g.ManPinned[ax][ay] == 0;
  // Guarded by the king alone.
  if (g.ComGuardCode[x][y] == ComKing && (v > attacker || man > 1)) d.D -= 100;
  // Attacked by something cheaper.
  if (attacker_free && v > attacker) d.D = d.D - v + attacker;
  // Defended, but not well enough.
  if (com > 0 && attacker_free) {
    if (man > com && g.ComGuardCode[x][y] >= attacker) d.D -= v;
    if (y <= 3 && com == man && g.Board[x][y + 1] != Empty && 調査_自守駒MAN_直進駒(g, x, y + 1) == TrueValue)
      d.D = d.D - v - std::abs(g.ManAttackerCode[x][y + 1]);
  }
  // Hanging.
  if (com == 0) {
    d.D -= v;
    if (y <= 3) d.D -= 10;
    // The piece captured what stood here at the start of the turn.
    if (g.BoardBackup[x][y] <= -10) d.D += std::abs(g.BoardBackup[x][y]);
    if (y < 4 && (g.ManAttackerCode[x][y] == ManPawn || g.ManAttackerCode[x][y] == ManLance)) d.D -= 20;
  }
}

// A human piece.
void man_piece(Game& g, Danger& d, int x, int y, int placed, int toX, int toY) {
  const int v = g.Board[x][y];

  // Newly attacked by the computer.
  if (g.ComInfluence[x][y] > 0 && g.SavedComInfluence[x][y] == 0) {
    if (y > 2 && v == ManKnight && g.ManInfluence[x][y - 1] == 0 &&
        (g.Board[x][y - 1] == ComSilver || g.Board[x][y - 1] == ComDragon || g.Board[x][y - 1] == ComHorse))
      d.D += 1;
    if (std::abs(x - g.ComKingX) < 3 && std::abs(y - g.ComKingY) < 3) d.D += 15;
  }

  // A knight jumping at a valuable piece, a line piece on the king's file.
  if (v == ManKnight) {
    if (y > 4 && g.Board[x][y - 4] >= 100) {
      if (x > 1 && g.Board[x - 1][y - 2] >= 0 && g.ComInfluence[x - 1][y - 2] == 0) d.D -= 1;
      if (x < 9 && g.Board[x + 1][y - 2] >= 0 && g.ComInfluence[x + 1][y - 2] == 0) d.D -= 1;
    }
  } else if ((v == ManRook || v == ManDragon || v == ManLance) && x == g.ComKingX) {
    d.D -= 1;
  }

  // Fork count: undefended targets of the moved piece, while it is safe.
  if (g.ManInfluence[toX][toY] == 0 &&
      (g.ManInfluence[x][y] == 0 || (x == g.ManKingX && y == g.ManKingY)) &&
      移動チェック(g, toX, toY, x, y, placed) == TrueValue) {
    d.D += 0.1;
    d.n += 1;
    d.m = std::min(d.m, std::abs(v));
  }
}

}  // namespace

double 盤評価_COM危険座標(Game& g, int placed, int toX, int toY) {
  Danger d;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int v = g.Board[x][y];
      if (v == Empty)
        empty_square(g, d, x, y);
      else if (v >= 10)
        com_piece(g, d, x, y);
      else if (v <= -10)
        man_piece(g, d, x, y, placed, toX, toY);
    }
  // A fork: the cheapest of the targets is as good as won.
  if (d.n > 1) d.D += d.m;
  return d.D;
}

int 盤評価_自角注意_COM(const Game& g, int toX, int toY, int placed) {
  // Only the first check square on an open line from the moved piece counts.
  int sx = 0, sy = 0;
  for (int x = 1; x <= 9 && sx == 0; ++x)
    for (int y = 1; y <= 9; ++y)
      if (g.ManBishopCheckSquares[x][y] == 1 &&
          (移動チェック(g, toX, toY, x, y, ManBishop) == TrueValue ||
           移動チェック(g, toX, toY, x, y, ManHorse) == TrueValue)) {
        sx = x;
        sy = y;
        break;
      }
  if (sx == 0) return 0;

  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const int v = g.Board[c][r];
      if ((v == ManBishop || v == ManHorse) && 移動チェック(g, c, r, sx, sy, v) == TrueValue) return placed;
    }
  // The check square is empty by construction, so a bishop in hand can
  // always be dropped there.
  if (g.ManHand[BishopIndex] > 0) return placed;
  return 0;
}

}  // namespace vudeve
