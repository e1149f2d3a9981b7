// Building game records for tests without playing through the rules.
#pragma once

#include <filesystem>
#include <string>

#include "app/handlers/record_panel_commands.h"
#include "record/record.h"
#include "record/record_file.h"
#include "rules/game.h"
#include "rules/setup.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

namespace vudeve::testing {

inline BoardMap evenBoard() {
  Game g;
  初期設定(g);
  return g.Board;
}

// Stores the position on the board, as a mover does before its move, and
// counts the move.
inline void storeAndCount(Game& g, double manBefore, double manAfter, double comBefore, double comAfter) {
  手順保存(g, 0, 0, 0, 0, 0, 0, manBefore, manAfter, comBefore, comAfter);
  ++g.MoveNumber;
  ++g.MoveCount;
}

// Moves a piece on the board directly (no hands, no rules).
inline void shift(Game& g, int fromX, int fromY, int toX, int toY, int piece) {
  g.Board[fromX][fromY] = Empty;
  g.Board[toX][toY] = piece;
}

// Reads the record file of that name in the folder, chosen in the panel.
inline void readRecordFile(Game& g, FakePanel& panel, const std::filesystem::path& folder, const std::string& name) {
  panel.fileFolder = folder.string();
  panel.chosenFile = name;
  File1_Click(g);
}

// Reads a copy of tests/data/golden.棋譜 (title "第1局　テスト対局", written
// before the record kept its last position: three positions of a game MAN
// began, 7六歩, 3四歩, 2二角成) from the folder.
inline void readGoldenRecord(Game& g, FakePanel& panel, const std::filesystem::path& folder) {
  writeBytes(folder / "golden.棋譜", readBytes(std::filesystem::path(VUDEVE_TEST_DATA) / "golden.棋譜"));
  readRecordFile(g, panel, folder, "golden.棋譜");
}

}  // namespace vudeve::testing
