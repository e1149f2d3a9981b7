// The record-file reader over arbitrary bytes, through the panel as a
// player uses it. A file it takes must step through to its end, must write
// back to a file that reads as the same record, and every position in it
// must be playable: the computer moves from one of them.
#include <string>

#include "app/handlers/match_commands.h"
#include "fuzz/fuzz_support.h"
#include "record/record_file.h"
#include "record/replay.h"
#include "rules/invariants.h"
#include "support/fakes.h"

namespace {

using namespace vudeve;

struct PanelGame {
  Game g;
  testing::FakePanel panel;
  PanelGame() {
    g.Panel = &panel;
    panel.fileFolder = fuzzing::scratchFolder().string();
  }
  void read(const std::string& name) {
    panel.chosenFile = name;
    File1_Click(g);
  }
};

void checkSquaresOf(const Game& g, const std::string& when) {
  if (std::string wrong = checkSquares(g); !wrong.empty()) fuzzing::fail(when + ": " + wrong);
}

bool sameEntry(const Game& a, const Game& b, int k) {
  return a.RecordBoard[k] == b.RecordBoard[k] && a.RecordManHand[k] == b.RecordManHand[k] &&
         a.RecordComHand[k] == b.RecordComHand[k] && a.RecordManTimeBefore[k] == b.RecordManTimeBefore[k] &&
         a.RecordManTimeAfter[k] == b.RecordManTimeAfter[k] && a.RecordComTimeBefore[k] == b.RecordComTimeBefore[k] &&
         a.RecordComTimeAfter[k] == b.RecordComTimeAfter[k];
}

void writeBack(PanelGame& game, const std::string& name) {
  KIFU_WRITE_Click(game.g);
  game.panel.texts[PanelText::Text1] = name;
  game.panel.texts[PanelText::Text2] = "title";
  game.panel.texts[PanelText::Text3] = "first";
  game.panel.texts[PanelText::Text4] = "second";
  Command1_Click(game.g);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = std::string("in") + RecordFileExtension;
  fuzzing::writeFile(fuzzing::scratchFolder() / input, data, size);

  PanelGame game;
  Game& g = game.g;
  game.read(input);
  checkSquaresOf(g, "after reading");
  if (g.RecordMode != TrueValue) return 0;
  const int last = g.LastMoveNumber;
  if (last < 0 || static_cast<std::size_t>(last) >= g.RecordBoard.size()) fuzzing::fail("LastMoveNumber outside the record");

  for (int step = 0; step < last; ++step) {
    AFTER_Click(g);
    checkSquaresOf(g, "after 進");
  }
  if (g.MoveNumber != last) fuzzing::fail("進 did not reach the end of the record");
  AFTER_Click(g);
  if (g.MoveNumber != last) fuzzing::fail("進 went past the end of the record");

  if (last > 0) {
    writeBack(game, "out");
    PanelGame again;
    again.read(std::string("out") + RecordFileExtension);
    if (again.g.RecordMode != TrueValue || again.g.LastMoveNumber != last) fuzzing::fail("the written record reads differently");
    for (int k = 1; k <= last; ++k)
      if (!sameEntry(g, again.g, k)) fuzzing::fail("entry " + std::to_string(k) + " changed on the way back");

    // Leave record mode keeping the record, take up the game at an odd
    // index (the computer's turn) and let the computer move.
    CANCEL_Click(g);
    START_Click(g);
    const int steps = 1 + 2 * static_cast<int>(data[0] % ((last + 1) / 2));
    for (int step = 0; step < steps; ++step) AFTER_Click(g);
    SENTE_Click(g);
    checkSquaresOf(g, "after the computer's move");
  }
  return 0;
}
