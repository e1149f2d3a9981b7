// Scoring one candidate of the computer: the general terms every candidate
// gets, in their fixed order, then the piece terms (evaluation_pieces.cpp).
// The order and every early return decide which move the computer plays.
#include "engine/evaluation.h"

#include <algorithm>
#include <cstdlib>

#include "engine/evaluation_pieces.h"
#include "engine/probes.h"
#include "rules/legality.h"
#include "rules/mate.h"

namespace vudeve {

using evaluation::Candidate;

double 盤評価(Game& g, int captured, int placed, int fromX, int fromY, int toX, int toY) {
  const int C = captured;
  const int P = placed;
  const bool drop = fromX == -1;
  const int mkx = g.ManKingX, mky = g.ManKingY;
  const int ckx = g.ComKingX, cky = g.ComKingY;
  const int manT = g.ManInfluence[toX][toY];
  const int comT = g.ComInfluence[toX][toY];
  const int attackerT = g.ManAttackerCode[toX][toY];
  double S = 0;

  // Capturing the human king wins outright.
  if (C == ManKing) return 9999;
  // The computer king stands attacked after the move.
  if (g.ManInfluence[ckx][cky] >= 1) return -9998;

  // Check.
  if (g.ComInfluence[mkx][mky] > 0) {
    // Mate; mating with a pawn is avoided.
    if (詰めかMAN(g) == TrueValue) return P == ComPawn ? -9998 : 9998;
    // Only the king can take the checking piece, and it is defended.
    if (attackerT == ManKing && comT > 0) S += 100;
    // A diagonal neighbour of the king backed by a dragon on the king's line.
    if (manT <= 2 && g.ComGuardCode[toX][toY] == ComDragon && toX != mkx && toY != mky && std::abs(toX - mkx) < 2 &&
        std::abs(toY - mky) < 2 && (g.ComGuardX[toX][toY] == mkx || g.ComGuardY[toX][toY] == mky))
      S += 900;
    // Safe check.
    if (manT == 0) S += 10;
  }

  // Drop or promotion.
  if (drop)
    S -= 5;
  else if (P > g.CandidatePiece)
    S += 10;

  // Whole-board weaknesses.
  S += 盤評価_COM危険座標(g, P, toX, toY);

  // Approach to the human king.
  const int dx = std::abs(mkx - toX);
  const int dy = std::abs(mky - toY);
  if (dx > dy) {
    if (dx < g.ApproachDistance) S += 1;
  } else {
    if (dy < g.ApproachDistance) S += 0.1;
  }

  // Winning a pinned attacker.
  const int ax = g.ManAttackerX[toX][toY];
  const int ay = g.ManAttackerY[toX][toY];
  if (g.ManInfluence[ax][ay] > 0) {
    const bool pinned =
        g.ManPinned[ax][ay] == 1 && (manT == 1 || (manT == 2 && g.ComInfluence[mkx][mky] > 0 && comT > 0));
    const bool on_king_line = (ax == mkx && toX != mkx) || (ay == mky && toY != mky) ||
                              ((toY == mky || toX == mkx) && ax != mkx && ay != mky);
    if (pinned && on_king_line && 移動チェック(g, toX, toY, ax, ay, g.CandidatePiece) == TrueValue) {
      if (drop)
        S += std::abs(g.Board[ax][ay]);
      else if (g.Board[g.SavedComAttackerX[ax][ay]][g.SavedComAttackerY[ax][ay]] != Empty)
        S += std::abs(g.Board[ax][ay]);
    }
  }

  // Safety of the destination.
  if (manT == 0) {
    // Unattacked: bishop caution.
    if (P != ComBishop && P != ComHorse && P != ComKing && P != ComPawn) S -= 盤評価_自角注意_COM(g, toX, toY, P);
    // Unattacked: fewer escape squares for the human king.
    if ((P >= 800 && P <= 901) || P == ComLance || (dx < 3 && dy < 3)) {
      const int E = 調査_自王逃道(g);
      if (E < g.EscapeCountAtStart) S += g.EscapeCountAtStart - E;
    }
  } else if (comT > 0) {
    // Attacked and defended: standing between a human rook or dragon and
    // the computer king while the human holds a silver or gold.
    const bool golds = g.ManHand[evaluation::SilverIndex] > 0 || g.ManHand[evaluation::GoldIndex] > 0;
    if (golds && toX > 1 && toX < 9) {
      const int left = g.Board[toX - 1][toY];
      const int right = g.Board[toX + 1][toY];
      if (((left == ManRook || left == ManDragon) && right == ComKing) ||
          ((right == ManRook || right == ManDragon) && left == ComKing))
        S -= P;
    }
    // Attacked and defended: the cheapest attacker is worth less.
    if (P > std::abs(attackerT)) S = S - P + std::abs(attackerT);
    // Attacked and defended: only the checked king attacks it, from below.
    if (attackerT == ManKing && g.ComInfluence[mkx][mky] > 0 && toY < mky) S += P;
  } else if (drop) {
    // Attacked and not defended: a drop hangs.
    S -= P + 50;
  }

  // Edge lance.
  if (g.Board[toX][9] == ManLance && (toX == 1 || toX == 9) && P != ComLance && P != ComRook && P != ComDragon &&
      fromX != toX)
    S -= 0.1;

  // Material gain.
  if (C != Empty) {
    // A major piece won by a minor one.
    if ((C == ManBishop || C == ManHorse || C == ManRook || C == ManDragon) && P <= 110) S += std::abs(C);
    // Level 1 scores captures no further.
    if (g.Level == 1) return S;
    // The destination is attacked.
    if (manT > 0) {
      if (comT > 0) {
        if (P < std::abs(attackerT)) S += std::abs(C);
      } else {
        // A drop never captures, so F is a board square here; anything
        // else reads as uncovered.
        const bool on_board = fromX >= 1 && fromX <= 9 && fromY >= 1 && fromY <= 9;
        if (on_board && g.SavedManInfluence[fromX][fromY] > 0 && 調査_移動可場所数(g, fromX, fromY, P) == 0)
          S += std::abs(C);
      }
    }
    // The destination is safe.
    if (manT == 0) {
      S += std::abs(C);
      if (C == ManTokin || C == ManPromLance || C == ManPromKnight) S += 50;
    }
  }

  // Level 2 has no piece terms.
  if (g.Level == 2) return S;

  return evaluation::piece_terms(g, Candidate{C, P, fromX, fromY, toX, toY, dx, dy}, S);
}

}  // namespace vudeve
