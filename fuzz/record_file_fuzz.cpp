// The record-file reader over arbitrary bytes, through the panel as a
// player uses it. A file it takes must step through to its end, must write
// back to a file that reads as the same record, and every position in it
// must be playable: the computer moves from one of them.
#include <string>

#include "fuzz/fuzz_support.h"
#include "record/record_file.h"

namespace {

using namespace vudeve;

using fuzzing::PanelGame;

bool sameEntry(const Game& a, const Game& b, int k) {
  return a.RecordBoard[k] == b.RecordBoard[k] && a.RecordManHand[k] == b.RecordManHand[k] &&
         a.RecordComHand[k] == b.RecordComHand[k] && a.RecordManTimeBefore[k] == b.RecordManTimeBefore[k] &&
         a.RecordManTimeAfter[k] == b.RecordManTimeAfter[k] && a.RecordComTimeBefore[k] == b.RecordComTimeBefore[k] &&
         a.RecordComTimeAfter[k] == b.RecordComTimeAfter[k];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  PanelGame game;
  Game& g = game.g;
  if (!game.readInput(std::string("in") + RecordFileExtension, data, size)) return 0;
  game.stepToTheEnd();
  const int last = g.LastMoveNumber;

  if (last > 0) {
    game.write("out");
    PanelGame again;
    again.read(std::string("out") + RecordFileExtension);
    if (again.g.RecordMode != TrueValue || again.g.LastMoveNumber != last) fuzzing::fail("the written record reads differently");
    for (int k = 1; k <= last; ++k)
      if (!sameEntry(g, again.g, k)) fuzzing::fail("entry " + std::to_string(k) + " changed on the way back");
    game.letTheComputerMove(data[0]);
  }
  return 0;
}
