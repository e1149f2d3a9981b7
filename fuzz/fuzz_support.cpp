#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "app/handlers/match_commands.h"
#include "app/handlers/position_commands.h"
#include "app/handlers/record_panel_commands.h"
#include "record/kif_write.h"
#include "record/record_file.h"
#include "record/record_start.h"
#include "record/replay.h"
#include "rules/invariants.h"

namespace vudeve::fuzzing {
namespace {

struct ScratchFolder {
  std::filesystem::path path;
  ScratchFolder() {
    // Memory-backed when the machine has it: the readers open a file per run.
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                          : std::filesystem::temp_directory_path();
    path = base / ("vudeve-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

}  // namespace

const std::filesystem::path& scratchFolder() {
  static ScratchFolder folder;
  return folder.path;
}

void writeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!file) fail("cannot write the scratch file " + path.string());
}

void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

void checkSquaresOf(const Game& g, const std::string& when) {
  if (std::string wrong = checkSquares(g); !wrong.empty()) fail(when + ": " + wrong);
}

PanelGame::PanelGame() {
  g.Panel = &panel;
  panel.fileFolder = scratchFolder().string();
}

void PanelGame::read(const std::string& name) {
  panel.chosenFile = name;
  File1_Click(g);
}

bool PanelGame::readInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
  writeFile(scratchFolder() / name, data, size);
  read(name);
  checkSquaresOf(g, "after reading");
  return g.RecordMode == TrueValue;
}

void PanelGame::write(const std::string& name) {
  KIFU_WRITE_Click(g);
  panel.texts[PanelText::Text1] = name;
  panel.texts[PanelText::Text2] = "title";
  panel.texts[PanelText::Text3] = "first";
  panel.texts[PanelText::Text4] = "second";
  Command1_Click(g);
}

void PanelGame::stepToTheEnd() {
  const int last = g.LastMoveNumber;
  if (last < 0 || static_cast<std::size_t>(last) >= g.RecordBoard.size()) fail("LastMoveNumber outside the record");
  for (int step = 0; step < last; ++step) {
    AFTER_Click(g);
    checkSquaresOf(g, "after 進");
  }
  if (g.MoveNumber != last) fail("進 did not reach the end of the record");
  AFTER_Click(g);
  if (g.MoveNumber != last) fail("進 went past the end of the record");
}

void PanelGame::letTheComputerMove(std::uint8_t choice) {
  const int last = g.LastMoveNumber;
  CANCEL_Click(g);
  START_Click(g);
  const int steps = 1 + 2 * static_cast<int>(choice % ((last + 1) / 2));
  for (int step = 0; step < steps; ++step) AFTER_Click(g);
  SENTE_Click(g);
  checkSquaresOf(g, "after the computer's move");
}

void readWriteAndPlay(const std::string& in, const std::string& out, const std::uint8_t* data, std::size_t size) {
  PanelGame game;
  Game& g = game.g;
  if (!game.readInput(in, data, size)) return;
  const std::vector<RecordEntry> read = recordEntries(g);
  if (read.size() != static_cast<std::size_t>(g.LastMoveNumber) + 1) fail("the record does not hold the file");
  game.stepToTheEnd();
  if (g.LastMoveNumber == 0) return;

  game.write(out);
  if (game.panel.refreshes != 1) fail("the record read was not written back");
  PanelGame again;
  again.read(out);
  std::vector<RecordEntry> expected = read;
  if (kifTurnsRound(read[0], firstMover(read)))
    for (RecordEntry& e : expected) e = turnedRound(e);
  if (again.g.RecordMode != TrueValue || recordEntries(again.g) != expected)
    fail("the written record reads into other snapshots");
  game.letTheComputerMove(data[0]);
}

}  // namespace vudeve::fuzzing
