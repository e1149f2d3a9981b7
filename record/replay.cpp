#include "record/replay.h"

#include "ui/draw.h"

namespace vudeve {
namespace {

// The player who made the move into entry k: +1 the top one, -1 the bottom
// one, 0 when k is no entry of the record or the two entries name no move.
int moverInto(const Game& g, int k) {
  if (k < 1 || k > g.LastMoveNumber) return 0;
  int x = 0, y = 0, piece = 0;
  調査_移動結果(g, k, x, y, piece);
  return piece > 0 ? 1 : piece < 0 ? -1 : 0;
}

}  // namespace

bool recordHolds(const Game& g, int k) { return k >= 0 && static_cast<std::size_t>(k) < g.RecordBoard.size(); }

void restoreSnapshot(Game& g, int i, double comSeconds, double manSeconds) {
  g.Board = g.RecordBoard[i];
  for (int kind = 1; kind <= 7; ++kind) {
    g.ManHand[kind] = g.RecordManHand[i][kind];
    g.ComHand[kind] = g.RecordComHand[i][kind];
  }
  g.ComHandTotal = 調査_持駒数(g, g.ComSide);
  g.ManHandTotal = 調査_持駒数(g, g.ManSide);
  g.ComSeconds = comSeconds;
  g.ManSeconds = manSeconds;
  描画_所有時間(g, g.ComSide, g.ComSeconds);
  描画_所有時間(g, g.ManSide, g.ManSeconds);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
}

void 調査_移動結果(const Game& g, int k, int& x, int& y, int& piece) {
  if (k < 1 || !recordHolds(g, k)) return;
  const BoardMap& before = g.RecordBoard[k - 1];
  const BoardMap& after = g.RecordBoard[k];
  for (int i = 1; i <= BoardSize; ++i) {
    for (int j = 1; j <= BoardSize; ++j) {
      if (after[i][j] != Empty && after[i][j] != before[i][j]) {
        x = i;
        y = j;
        piece = after[i][j];
        return;
      }
    }
  }
}

void takeSidesFromRecord(Game& g) {
  const bool topFirst = moverInto(g, 1) > 0;
  g.ManSide = topFirst ? GoteSide : SenteSide;
  g.ComSide = -g.ManSide;
  // The player who did not make the last move shown is to move; where the
  // record names no move, the players take turns from the first mover.
  const int lastMover = moverInto(g, g.MoveNumber);
  const bool topToMove = lastMover != 0 ? lastMover < 0 : (g.MoveNumber % 2 == 0) == topFirst;
  g.Turn = topToMove ? g.ComSide : g.ManSide;
}

int 調査_持駒数(const Game& g, int side) {
  const HandArray* hand = side == g.ManSide ? &g.ManHand : side == g.ComSide ? &g.ComHand : nullptr;
  if (hand == nullptr) return 0;
  int total = 0;
  for (int kind = 1; kind <= 7; ++kind)
    if ((*hand)[kind] > 0) total += (*hand)[kind];
  return total;
}

}  // namespace vudeve
