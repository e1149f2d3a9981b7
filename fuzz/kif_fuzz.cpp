// The KIF reader over arbitrary bytes (as a ".kifu" file), through the panel
// as a player uses it. A file it takes must step through to its end, must
// write back to a ".kif" file that reads into the same snapshots (turned
// round when the file puts the first mover at the bottom), and every
// position in it must be playable: the computer moves from one of them.
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "record/kif_write.h"
#include "record/record_start.h"
#include "record/record_line.h"

namespace {

using namespace vudeve;

using fuzzing::PanelGame;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  PanelGame game;
  Game& g = game.g;
  if (!game.readInput("in.kifu", data, size)) return 0;
  const std::vector<RecordEntry> read = recordEntries(g);
  if (read.size() != static_cast<std::size_t>(g.LastMoveNumber) + 1) fuzzing::fail("the record does not hold the file");
  game.stepToTheEnd();
  if (g.LastMoveNumber == 0) return 0;

  game.write("out.kif");
  if (game.panel.refreshes != 1) fuzzing::fail("the record read was not written back");
  PanelGame again;
  again.read("out.kif");
  std::vector<RecordEntry> expected = read;
  if (kifTurnsRound(read[0], firstMover(read)))
    for (RecordEntry& e : expected) e = turnedRound(e);
  if (again.g.RecordMode != TrueValue || recordEntries(again.g) != expected)
    fuzzing::fail("the written KIF reads into other snapshots");
  game.letTheComputerMove(data[0]);
  return 0;
}
