#include "rules/standard_rules.h"

#include "rules/legality.h"
#include "rules/move.h"
#include "rules/sfen.h"

namespace vudeve {

namespace {


// How many of each kind a set holds, by hand index 1..7 (pawn .. rook).
constexpr int SetCount[8] = {0, 18, 4, 4, 4, 4, 2, 2};
constexpr const char* KindName[8] = {"", "pawns", "lances", "knights", "silvers", "golds", "bishops", "rooks"};

bool owns(bool man, int code) { return man ? code <= -10 : code >= 10; }

// Whether any board move of the side leaves its king unattacked. Drops are
// not tried: they are asked about only against a pawn's check, which no
// piece can be put in front of.
bool hasSafeBoardMove(Game& g, bool man) {
  for (int fromX = 1; fromX <= BoardSize; ++fromX) {
    for (int fromY = 1; fromY <= BoardSize; ++fromY) {
      const int piece = g.Board[fromX][fromY];
      if (!owns(man, piece)) continue;
      for (int toX = 1; toX <= BoardSize; ++toX) {
        for (int toY = 1; toY <= BoardSize; ++toY) {
          if (移動チェック(g, fromX, fromY, toX, toY, piece) != TrueValue) continue;
          const int captured = g.Board[toX][toY];
          g.Board[toX][toY] = piece;
          g.Board[fromX][fromY] = Empty;
          const bool safe = !kingAttacked(g, man);
          g.Board[fromX][fromY] = piece;
          g.Board[toX][toY] = captured;
          if (safe) return true;
        }
      }
    }
  }
  return false;
}

bool isPawnDrop(const Move& m) {
  return isHandColumn(m.fromX) && (m.piece == ManPawn || m.piece == ComPawn);
}

}  // namespace

bool kingAttacked(const Game& g, bool man) {
  const int king = man ? ManKing : ComKing;
  int kingX = 0, kingY = 0;
  for (int x = 1; x <= BoardSize && kingX == 0; ++x)
    for (int y = 1; y <= BoardSize; ++y)
      if (g.Board[x][y] == king) {
        kingX = x;
        kingY = y;
        break;
      }
  if (kingX == 0) return false;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      const int piece = g.Board[x][y];
      if (owns(!man, piece) && 移動チェック(g, x, y, kingX, kingY, piece) == TrueValue) return true;
    }
  }
  return false;
}

void keepStandardMoves(Game& g, bool man, MoveList& list) {
  int kept = 0;
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.moves[i];
    const MoveUndo undo = makeMove(g, m);
    bool legal = !kingAttacked(g, man);
    if (legal && isPawnDrop(m) && kingAttacked(g, !man)) legal = hasSafeBoardMove(g, !man);
    unmakeMove(g, m, undo);
    if (legal) list.moves[kept++] = m;
  }
  list.size = kept;
}

std::string standardPositionError(const Game& g, bool manToMove) {
  int count[8] = {};
  int manKings = 0, comKings = 0;
  for (int i = 1; i <= 7; ++i) count[i] = g.ManHand[i] + g.ComHand[i];
  for (int x = 1; x <= BoardSize; ++x) {
    int manPawns = 0, comPawns = 0;
    for (int y = 1; y <= BoardSize; ++y) {
      const int piece = g.Board[x][y];
      if (piece == Empty) continue;
      count[capturedHandIndex(piece)] += 1;
      manKings += piece == ManKing;
      comKings += piece == ComKing;
      manPawns += piece == ManPawn;
      comPawns += piece == ComPawn;
      if (移動後チェック(y, piece) == FalseValue) return "the piece on " + usiSquare(x, y) + " has no move left";
    }
    if (manPawns > 1 || comPawns > 1) return "two pawns of one side on file " + std::to_string(10 - x);
  }
  for (int i = 1; i <= 7; ++i)
    if (count[i] > SetCount[i])
      return std::to_string(count[i]) + " " + KindName[i] + " (a set has " + std::to_string(SetCount[i]) + ")";
  if (manKings > 1 || comKings > 1) return "two kings of one side";
  if (kingAttacked(g, !manToMove)) return "the side not to move is in check";
  return "";
}

}  // namespace vudeve
