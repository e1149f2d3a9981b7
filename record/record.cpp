#include "record/record.h"

#include <algorithm>
#include <cstddef>

namespace vudeve {

// A long two-person game outgrows any fixed size; all arrays grow together
// so every index stays valid for all of them.
void ensureRecordCapacity(Game& g, int index) {
  if (index < 0) return;
  const std::size_t needed = static_cast<std::size_t>(index) + 1;
  const std::size_t smallest = std::min({g.RecordBoard.size(), g.RecordManHand.size(), g.RecordComHand.size(),
                                         g.RecordManTimeBefore.size(), g.RecordManTimeAfter.size(),
                                         g.RecordComTimeBefore.size(), g.RecordComTimeAfter.size()});
  if (needed <= smallest) return;
  // Doubling keeps a long game from copying the record at every move.
  const std::size_t size = std::max(needed, g.RecordBoard.size() * 2);
  g.RecordBoard.resize(std::max(size, g.RecordBoard.size()));
  g.RecordManHand.resize(std::max(size, g.RecordManHand.size()));
  g.RecordComHand.resize(std::max(size, g.RecordComHand.size()));
  g.RecordManTimeBefore.resize(std::max(size, g.RecordManTimeBefore.size()));
  g.RecordManTimeAfter.resize(std::max(size, g.RecordManTimeAfter.size()));
  g.RecordComTimeBefore.resize(std::max(size, g.RecordComTimeBefore.size()));
  g.RecordComTimeAfter.resize(std::max(size, g.RecordComTimeAfter.size()));
}

void 手順保存(Game& g, int fromX, int fromY, int toX, int toY, int piece, int captured,
              double manBefore, double manAfter, double comBefore, double comAfter) {
  const int k = g.MoveNumber;
  if (k < 0) return;
  ensureRecordCapacity(g, k);
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
  g.RecordEndWord.clear();
  g.RecordWinner = NoSide;
}

void storePositionAfterMove(Game& g) {
  手順保存(g, 0, 0, 0, 0, Empty, Empty, g.ManSeconds, g.ManSeconds, g.ComSeconds, g.ComSeconds);
}

}  // namespace vudeve
