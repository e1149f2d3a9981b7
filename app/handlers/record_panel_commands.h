// The record-file panel: 棋譜 → 読込 and 書込, the drive and folder lists,
// the file list and RETURN, with their messages. A file name ending in
// ".kif" or ".kifu" asks for KIF instead of the game's own ".棋譜", ".csa"
// for CSA; KI2 (".ki2", ".ki2u") is read only.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_encoding.h"
#include "record/kif_read.h"
#include "rules/game.h"

namespace vudeve {

void KIFU_READ_Click(Game& g);
void KIFU_WRITE_Click(Game& g);
void Drive1_Change(Game& g);
void Dir1_Change(Game& g);
// RETURN: writes the record to the file named in Text1.
void Command1_Click(Game& g);
// Reads the file chosen in the file list.
void File1_Click(Game& g);
// Reads a record file of any kind the file list shows, as if chosen there
// (the file list, a file dropped on the window or named at start-up). A
// file that cannot be read gets its message and leaves the game as it was.
void 読込_棋譜(Game& g, const std::filesystem::path& path);
// A record file dropped on the window, or named when the game starts: read
// as if chosen in the file list.
void Form_DragDrop(Game& g, const std::filesystem::path& path);

// Prints the header lines of a record read from a file where the panel
// shows them: the title, the top player's name, the bottom player's (a file
// may have fewer). Each stays inside the window and the title stops short
// of the bottom player's name, ended with "…" where it is cut.
void 描画_棋譜見出し(Game& g, const std::vector<std::string>& lines);
// Ends the reading of a record of entries 0..last: replay starts at 0.
void 設定_棋譜読込後(Game& g, int last);

// The record 0..LastMoveNumber as KIF, with the title and the names typed
// in the panel (Text3 the player who moved first); a name left empty is
// the player's part. False, with the reason, when the record does not go
// move by move.
bool 変換_棋譜からKIF(const Game& g, std::vector<std::string>& lines, std::string& error);
// The same as CSA 2.2.
bool 変換_棋譜からCSA(const Game& g, std::vector<std::string>& lines, std::string& error);

// Puts a record read from a file into the game for replay: the header
// lines given printed (title, top player, bottom player), record index 0,
// the start, shown on the board, the player who moves first 先手, and the
// move count going on from the moves played before the start.
void 設定_読込棋譜(Game& g, const std::vector<std::string>& headers, const std::vector<RecordEntry>& entries,
                  int firstMover, long long movesBefore);
// The same for a record read from a KIF, KI2 or CSA file, whose ending is
// kept too.
void 設定_KIF棋譜(Game& g, const KifRecord& record);

// Both, for a file of any kind readRecordOfKind reads: a file that cannot
// be read gets its message and leaves the game as it was.
void 読込_外部棋譜ファイル(Game& g, const std::filesystem::path& path);

}  // namespace vudeve
