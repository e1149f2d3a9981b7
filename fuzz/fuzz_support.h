// What the fuzz targets share: a scratch folder of their own for the files
// the readers want to open, and a way to stop loudly on a broken promise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "support/fakes.h"

namespace vudeve::fuzzing {

// A folder made once per process and removed at its end.
const std::filesystem::path& scratchFolder();

// Writes the bytes as the whole file.
void writeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size);

// Prints what was expected and aborts, so that the fuzzer keeps the input.
[[noreturn]] void fail(const std::string& what);

// Fails unless every square and hand count of the game is sound.
void checkSquaresOf(const Game& g, const std::string& when);

// A game whose record-file panel lists the scratch folder, used as a
// player uses it.
struct PanelGame {
  Game g;
  testing::FakePanel panel;
  PanelGame();
  // Chooses the file in the file list, as a click does.
  void read(const std::string& name);
  // Makes the bytes the file and reads it; fails unless the game is sound
  // afterwards. True when the game took the file as a record.
  bool readInput(const std::string& name, const std::uint8_t* data, std::size_t size);
  // Writes the record through 書込 into the file named, as typed in Text1.
  void write(const std::string& name);
  // Steps through a record read with 進 to its end and once more; fails
  // unless every step holds a sound position and the steps stop at the end.
  void stepToTheEnd();
  // Leaves record mode keeping the record, takes up the game at an odd
  // index chosen by `choice` (the computer's turn) and lets the computer
  // move.
  void letTheComputerMove(std::uint8_t choice);
};

// A record file of the shogi world read as the panel reads it, from the
// bytes given as the file `in`: a file it takes must step through to its
// end, must write back to the file `out` that reads into the same snapshots
// (turned round when the file puts the first mover at the bottom), and
// every position in it must be playable: the computer moves from one of
// them.
void readWriteAndPlay(const std::string& in, const std::string& out, const std::uint8_t* data, std::size_t size);

}  // namespace vudeve::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
