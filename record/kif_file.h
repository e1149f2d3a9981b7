// KIF files through the record-file panel: a file name ending in ".kif"
// (code page 932) or ".kifu" (UTF-8) asks for KIF instead of the game's
// own ".棋譜" format. A file that declares its encoding, by a UTF-8
// byte-order mark or a "#KIF version=2.0 encoding=…" line, is read in it
// whatever its name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "record/kif_read.h"
#include "rules/game.h"
#include "ui/text_encoding.h"

namespace vudeve {

// The encoding a file name asks for, letters in either case; nothing for
// a name that is no KIF file.
std::optional<TextEncoding> kifEncodingOf(const std::string& fileName);

// The record 0..LastMoveNumber as KIF, with the title and the names typed
// in the panel (Text3 the player who moved first); a name left empty is
// the player's part. False, with the reason, when the record does not go
// move by move.
bool 変換_棋譜からKIF(const Game& g, std::vector<std::string>& lines, std::string& error);

// Reads and checks a whole KIF file, in `encoding` unless the file declares
// its own: "" or the message that says why it
// cannot be read (naming the line for a line that cannot be read or a move
// that is impossible where it stands).
std::string 読込_KIF(const std::filesystem::path& path, TextEncoding encoding, KifRecord& record);

// Puts a record read from a KIF file into the game for replay, as the
// panel does with a ".棋譜" file; record index 0 is the file's start
// position, shown on the board.
void 設定_KIF棋譜(Game& g, const KifRecord& record);

// Both, for the panel: a file that cannot be read gets its message and
// leaves the game as it was.
void 読込_KIFファイル(Game& g, const std::filesystem::path& path, TextEncoding encoding);

}  // namespace vudeve
