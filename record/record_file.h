// Writing a game record to a "*.棋譜" file and reading one back for replay,
// through the record-file panel (g.Panel).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "rules/game.h"

namespace vudeve {

inline constexpr const char* RecordFileExtension = ".棋譜";

// A record file opened for line reading: its lines, already decoded.
struct OpenRecordFile {
  std::vector<std::string> lines;
  std::size_t next = 0;
};

// Reads the next line into `line`: TrueValue, or FalseValue at the end of
// the file (the line is then left as it was).
int 読込_棋譜ファイル(OpenRecordFile& file, std::string& line);

void KIFU_READ_Click(Game& g);
void KIFU_WRITE_Click(Game& g);
void Drive1_Change(Game& g);
void Dir1_Change(Game& g);
// RETURN: writes the record to the file named in Text1.
void Command1_Click(Game& g);
// Reads the file chosen in the file list.
void File1_Click(Game& g);

// Prints the header lines of a record read from a file where the panel
// shows them: the title, the top player's name, the bottom player's (a file
// may have fewer). Each stays inside the window and the title stops short
// of the bottom player's name, ended with "…" where it is cut.
void 描画_棋譜見出し(Game& g, const std::vector<std::string>& lines);
// Ends the reading of a record of entries 0..last: replay starts at 0.
void 設定_棋譜読込後(Game& g, int last);

}  // namespace vudeve
