// The piece terms of the board evaluation: one list per kind of piece placed
// on the destination, several of them fixed opening patterns. Each list may
// end early with its own value; otherwise the score as it stands is final.
#include <cstdlib>

#include "engine/evaluation_pieces.h"
#include "engine/probes.h"
#include "rules/legality.h"

namespace vudeve::evaluation {
namespace {

double pawn(Game& g, const Candidate& c, double S) {
  const int tx = c.toX, ty = c.toY;
  const int comT = g.ComInfluence[tx][ty];
  const int manT = g.ManInfluence[tx][ty];

  // Targets for a lance or knight in hand.
  if (g.ComHand[LanceIndex] > 0) S += 調査_香狙い(g, tx, ty);
  if (g.ComHand[KnightIndex] > 0) S += 調査_桂狙い(g, tx, ty);

  // What stands in front.
  if (ty < 9) {
    const int f = g.Board[tx][ty + 1];
    if (f == ComGold)
      S += 0.5;
    else if (f == ComRook)
      S -= 1;
    if (f < -10 && 調査_移動可場所数(g, tx, ty + 1, f) == 0) S += std::abs(f);
  }

  // Beside its own rook.
  if (comT > 0 && tx > 1 && tx < 9 && (g.Board[tx + 1][ty] == ComRook || g.Board[tx - 1][ty] == ComRook)) S -= 1;

  if (c.drop()) {
    // A defended-from-behind drop while the human holds a pawn or lance.
    if (comT == 0 && ty > 1 && g.Board[tx][ty - 1] >= 100 &&
        (g.ManHand[PawnIndex] > 0 || g.ManHand[LanceIndex] > 0))
      S += 6;
    // Blocking the human bishop's diagonal on (2, 7).
    if (g.Board[2][8] == ManBishop && tx == 2 && ty == 7 && (g.ManInfluence[2][7] == 0 || g.ComInfluence[2][7] > 0))
      S += 30;
    // Stopping a lance or rook on the same file.
    const int ax = g.ManAttackerX[tx][ty], ay = g.ManAttackerY[tx][ty];
    const int attacker = g.ManAttackerCode[tx][ty];
    if (!(g.SavedComInfluence[ax][ay] > 0 && g.ManInfluence[ax][ay] == 0) && comT > 0 && ax == tx &&
        (attacker == ManLance || attacker == ManRook) && ty < ay)
      return S + 120;
    return S;
  }

  // A pawn that moves costs a little.
  S -= 0.1;
  // Backed by a gold or silver.
  const int guard = g.ComGuardCode[tx][ty];
  if (guard == ComGold || guard == ComSilver) S += 0.6;
  // Short of the last two rows: its backing, its aim and its contacts.
  if (ty < 8) {
    // Backed by a lance, or by a rook from behind on the file.
    if (guard == ComLance)
      S += 1;
    else if (guard == ComRook && g.ComGuardX[tx][ty] == tx && comT >= manT && g.ComGuardY[tx][ty] < ty)
      S += 2;
    // Aiming past an unguarded square at a knight or better.
    if (g.ManInfluence[tx][ty + 1] == 0 && g.Board[tx][ty + 2] <= -30) S += 1;
    // Pawn contact and the bishop's neighbours.
    if (ty < 7) {
      if (g.Board[tx][ty + 1] == ManPawn && g.ManInfluence[tx][ty + 1] > 0) S -= 5;
      if (tx < 9 && g.Board[tx + 1][ty] == ComBishop) {
        S += 0.5;
        if (g.Board[tx + 1][ty + 2] == ManPawn) S += 5;
      }
      if (tx > 1) {
        if (tx == 7 && ty == 4 && g.Board[8][2] == ComBishop) S += 10;
        if (g.Board[tx - 1][ty] == ComBishop) {
          S += 0.5;
          if (g.Board[tx - 1][ty + 2] == ManPawn) S += 5;
        }
      }
    }
    // The pawn captured from a square only one piece covered.
    const int comF = g.ComInfluence[c.fromX][c.fromY];
    if (comF == 1 && c.captured <= -10) {
      if (ty > 2 && g.Board[tx][ty - 2] == ComBishop && g.ManAttackerCode[tx][ty] == ManLance)
        S -= 5;
      else
        S += 5;
      if (c.captured == ManPawn && (g.ManAttackerCode[tx][ty] == ManLance || g.ManAttackerCode[tx][ty] == ManRook) &&
          comF < 2)
        S += 50;
    }
    // A human piece in front.
    const int front = g.Board[tx][ty + 1];
    if (front <= -10) {
      if (comT > manT) return S + 1;
      if (front == ManPawn) return S - 5;
      if (comT > 0) {
        if (g.SavedComInfluence[tx][ty + 1] > 0 && g.SavedManInfluence[tx][ty + 1] == 0) return S - 1;
        if (comT >= manT) return S + 5;
      } else if (manT == 0) {
        return S + 1;
      }
    }
  }
  return S;
}

double tokin(Game& g, const Candidate& c, double S) {
  if (g.ComInfluence[c.toX][c.toY] >= g.ManInfluence[c.toX][c.toY]) return S + 1;
  return S;
}

double lance(Game& g, const Candidate& c, double S) {
  const int tx = c.toX, ty = c.toY;
  // Aims for a knight in hand.
  if (g.ComHand[KnightIndex] > 0) S += 調査_桂狙い(g, tx, ty);
  if (c.drop()) {
    // A drop short of the last two rows.
    if (ty < 8) {
      const int manT = g.ManInfluence[tx][ty];
      // A pawn can be dropped in front of it.
      if (g.ManHand[PawnIndex] > 0 && g.ManInfluence[tx][ty + 1] > 0 && manT == 0) S -= 10;
      // Skewering a human piece against a more valuable one behind it.
      if (g.Board[tx][ty + 1] <= -20 && (manT == 0 || g.ComInfluence[tx][ty] >= manT)) {
        for (int k = ty + 2; k <= 9; ++k) {
          const int v = g.Board[tx][k];
          if (v == Empty) continue;
          if (移動チェック(g, tx, ty + 1, tx, k, ComLance) == TrueValue && v < -20) return S + std::abs(v);
          break;
        }
      }
    }
    return S;
  }
  // A lance that moves without capturing costs; taking a lance gains.
  if (c.captured == Empty) return S - 0.9;
  if (c.captured == ManLance) {
    S += 10;
    if (g.ManInfluence[tx][ty] >= 1) return S + 10;
  }
  return S;
}

double knight(Game& g, const Candidate& c, double S) {
  const int tx = c.toX, ty = c.toY;
  // A knight that moves costs a little, more in front of a human piece's
  // reach. An unpromoted knight never stands on row 9; read it as
  // uncovered if one ever does.
  S -= 0.1;
  if (ty < 9 && g.ManInfluence[tx][ty + 1] > 0) S -= 1;
  // Both squares it would jump to are covered by the human.
  if (ty < 8 && tx > 1 && tx < 9) {
    if (g.ManInfluence[tx - 1][ty + 2] > 0 && g.ManInfluence[tx + 1][ty + 2] > 0) S -= 1;
    if (tx == 7 && ty == 3 && g.Board[8][4] == ComBishop) return S - 5;
  }
  return S;
}

double silver(Game& g, const Candidate& c, double S) {
  const int tx = c.toX, ty = c.toY;
  if (ty <= 1) return S;
  // Straight forward, against a human silver on the fifth row.
  if (ty > c.fromY) {
    if (g.Board[7][5] == ManSilver || g.Board[8][5] == ManSilver || g.Board[9][5] == ManSilver) {
      if (c.fromX == tx) S += 5;
    } else if (c.fromX == tx) {
      S -= 0.1;
    }
  }
  // In front of its own knight.
  if (g.Board[tx][ty - 1] == ComKnight) S -= 0.5;
  // Opening pattern on (7, 3).
  if (tx == 7 && ty == 3 && g.Board[8][3] == ComPawn && g.Board[8][5] == ManPawn) return S + 115;
  return S;
}

double gold(Game& g, const Candidate& c, double S) {
  const int tx = c.toX, ty = c.toY;
  // Diagonally forward.
  if (ty > c.fromY && c.fromX != tx) S -= 0.5;
  // Row 4, beside the bishop on (6, 4).
  if (ty == 4) {
    if (g.Board[6][4] == ComBishop && g.ManInfluence[6][4] > 0) return S - 5;
    return S;
  }
  // Row 2.
  if (ty == 2) {
    if (g.Board[8][3] == ComPawn && g.Board[8][6] == ManPawn && tx == 7 && g.ManGuardCode[8][6] == ManRook) S += 10;
    if (g.ManHand[BishopIndex] > 0 && g.SavedComInfluence[tx][ty + 1] == 0 && g.Board[tx][ty + 1] >= 10) {
      S += 2;
      if (g.SavedComInfluence[tx][ty + 2] == 1 && g.Board[tx][ty + 2] == ComBishop) return S + 125;
    }
  }
  return S;
}

double bishop(Game& g, const Candidate& c, double S) {
  const int tx = c.toX, ty = c.toY;
  // How crowded its destination is.
  S += 調査_周辺状況(g, tx, ty);
  // Short of row 9: opening patterns on row 3, and a bishop shut in under
  // a human piece's reach.
  if (ty < 9) {
    if (ty == 3) {
      if (tx == 9 && g.Board[9][4] == ComPawn && g.Board[9][6] == ManPawn && g.Board[9][9] == ManLance)
        S -= 10;
      else if (tx == 7 && g.Board[8][5] == ManPawn && g.ManGuardCode[8][5] == ManRook)
        S += 9;
    }
    if (g.ManInfluence[tx][ty + 1] > 0) {
      if (調査_移動可場所数(g, tx, ty, ComBishop) == 0) S -= 100;
      if (ty < 8 && g.Board[tx][ty + 2] == ManPawn) S -= 1;
    }
  }
  // Leaving row 3.
  if (c.fromY == 3) {
    if (c.fromX == 9 && g.Board[9][4] == ComPawn && g.Board[9][6] == ManPawn && g.ManGuardCode[9][6] == ManLance)
      S += 10;
    else if (c.fromX == 7 && g.Board[8][5] == ManPawn && g.ManGuardCode[8][5] == ManRook &&
             g.SavedComInfluence[8][4] > g.ComInfluence[8][4])
      S -= 10;
  }
  // A drop: deep and shut in, or on squares the human answers well.
  if (c.drop()) {
    if (ty > 6) {
      if (調査_移動可場所数(g, tx, ty, ComBishop) <= 3) return S - 20;
    } else {
      if (ty == 5 && (tx == 1 || tx == 9) && g.Board[tx][7] == ManPawn) S -= 10;
      if (tx == 4 && ty == 5 && g.Board[5][8] == ManGold) return S - 10;
    }
  }
  return S;
}

double horse(Game& g, const Candidate& c, double S) { return S + 調査_周辺状況(g, c.toX, c.toY); }

// Rook and dragon: free, on the king's file or row and within two squares.
bool beside_king(const Game& g, const Candidate& c) {
  return (c.toX == g.ManKingX || c.toY == g.ManKingY) && c.dx < 3 && c.dy < 3;
}

bool rook_safe(const Game& g, const Candidate& c) {
  return g.ManInfluence[c.toX][c.toY] == 0 ||
         (g.ComInfluence[c.toX][c.toY] > 0 && g.ManAttackerCode[c.toX][c.toY] == ManKing);
}

double rook(Game& g, const Candidate& c, double S) {
  const int tx = c.toX, ty = c.toY;
  // How crowded its destination is.
  S += 調査_周辺状況(g, tx, ty);
  if (c.drop()) {
    // Dropped on row 9 against a silver with a gold beside it.
    if (ty == 9 && g.Board[tx][8] == ManSilver && tx > 1 && tx < 9 &&
        ((g.Board[tx + 1][ty - 1] == ManGold && g.Board[tx - 1][ty] != Empty) ||
         (g.Board[tx - 1][ty - 1] == ManGold && g.Board[tx + 1][ty] != Empty)))
      return S - 1;
    return S;
  }
  // Opening pattern on (3, 4).
  if (g.ManInfluence[tx][ty] == 0 && tx == 3 && ty == 4 && g.Board[3][7] == ManBishop && g.Board[3][6] == ManPawn &&
      g.Board[3][5] == Empty)
    S += 7;
  // Short of the last two rows: in front of a human piece's reach, and
  // leaving the file a human rook stands behind a pawn on.
  if (ty < 8) {
    if (g.ManInfluence[tx][ty + 1] > 0) {
      S -= 1;
      if (g.Board[tx][ty + 2] == ManPawn && ty == c.fromY) S -= 5;
    }
    if (c.fromY < 9 && g.Board[8][c.fromY + 1] == ManPawn && g.ManGuardCode[8][c.fromY + 1] == ManRook) {
      if (g.ComInfluence[8][c.fromY] < g.SavedComInfluence[8][c.fromY]) S -= 11;
      if (g.Board[7][c.fromY] == ComPawn && ty != c.fromY) S -= 11;
    }
    if (g.ManInfluence[c.fromX][c.fromY] == 0 && c.fromX == 2 && c.fromY == 2 && tx == 2 && ty == 3) S -= 1;
  }
  // Safe where it stands: shut in, or beside the human king.
  if (rook_safe(g, c)) {
    if (調査_移動可場所数(g, tx, ty, ComRook) <= 1) return S - 35;
    if (beside_king(g, c)) return S + 100;
  }
  return S;
}

double dragon(Game& g, const Candidate& c, double S) {
  const int tx = c.toX, ty = c.toY;
  // How crowded its destination is.
  S += 調査_周辺状況(g, tx, ty);
  // Behind a silver with a gold beside it. Row ty-1 is row 0 on the top row, which reads empty.
  if (g.Board[tx][ty - 1] == ManSilver && tx > 1 && tx < 9 &&
      ((g.Board[tx + 1][ty - 1] == ManGold && g.Board[tx - 1][ty] != Empty) ||
       (g.Board[tx - 1][ty - 1] == ManGold && g.Board[tx + 1][ty] != Empty)))
    S -= 10;
  // Leaving row 9 beside a silver and gold.
  if (c.fromY == 9 && g.Board[c.fromX][8] == ManSilver) {
    if (c.fromX > 1 && g.Board[c.fromX - 1][8] == ManGold) S += 2;
    if (c.fromX < 9 && g.Board[c.fromX + 1][8] == ManGold) S += 2;
  }
  // Entering row 9 in front of a human piece.
  if (ty == 9 && g.Board[tx][8] <= -10) {
    if (tx == 3 && g.Board[2][9] <= -10 && g.Board[4][8] == ManGold)
      S -= 150;
    else if (tx == 7 && g.Board[8][9] <= -10 && g.Board[6][8] == ManGold)
      S -= 150;
  }
  // Safe and beside the human king.
  if (rook_safe(g, c) && beside_king(g, c)) return S + 100;
  return S;
}

double king(Game& g, const Candidate& c, double S) {
  const int tx = c.toX, ty = c.toY;
  // Leaving the camp.
  if (ty > 3) S = S - 15 - ty;
  // Off the centre file.
  if (tx != 5) S += 1;
  // A computer piece is pinned: the king steps out of the line.
  if (g.AnyComPinned == TrueValue) S += 10;
  // Better covered than before.
  if (g.ComInfluence[tx][ty] > g.SavedComInfluence[tx][ty]) S += 1;
  // Boxed in.
  if (調査_移動可場所数(g, tx, ty, ComKing) < 2) return S - 20;
  return S;
}

}  // namespace

double piece_terms(Game& g, const Candidate& c, double s) {
  switch (c.placed) {
    case ComPawn: return pawn(g, c, s);
    case ComTokin: return tokin(g, c, s);
    case ComLance: return lance(g, c, s);
    case ComKnight: return knight(g, c, s);
    case ComSilver: return silver(g, c, s);
    case ComGold: return gold(g, c, s);
    case ComBishop: return bishop(g, c, s);
    case ComHorse: return horse(g, c, s);
    case ComRook: return rook(g, c, s);
    case ComDragon: return dragon(g, c, s);
    case ComKing: return king(g, c, s);
    default: return s;  // promoted lance, knight and silver have no terms
  }
}

}  // namespace vudeve::evaluation
