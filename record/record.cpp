#include "record/record.h"

#include <algorithm>
#include <cstddef>

namespace vudeve {
namespace {

// A long two-person game outgrows any fixed size; all arrays grow together
// so every index stays valid for all of them.
void makeRoomFor(Game& g, int index) {
  const std::size_t needed = static_cast<std::size_t>(index) + 1;
  if (needed <= g.RecordBoard.size()) return;
  const std::size_t size = std::max(needed, g.RecordBoard.size() * 2);
  g.RecordBoard.resize(size);
  g.RecordManHand.resize(size);
  g.RecordComHand.resize(size);
  g.RecordManTimeBefore.resize(size);
  g.RecordManTimeAfter.resize(size);
  g.RecordComTimeBefore.resize(size);
  g.RecordComTimeAfter.resize(size);
}

}  // namespace

void 手順保存(Game& g, int fromX, int fromY, int toX, int toY, int piece, int captured,
              double manBefore, double manAfter, double comBefore, double comAfter) {
  const int k = g.MoveNumber;
  if (k < 0) return;
  makeRoomFor(g, k);
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) g.RecordBoard[k][x][y] = g.Board[x][y];
  for (int kind = 1; kind <= 7; ++kind) {
    g.RecordManHand[k][kind] = g.ManHand[kind];
    g.RecordComHand[k][kind] = g.ComHand[kind];
  }
  g.RecordManTimeBefore[k] = manBefore;
  g.RecordManTimeAfter[k] = manAfter;
  g.RecordComTimeBefore[k] = comBefore;
  g.RecordComTimeAfter[k] = comAfter;
  g.LastMoveNumber = k;
}

}  // namespace vudeve
