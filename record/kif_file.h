// KIF files: a file name ending in ".kif" (code page 932) or ".kifu"
// (UTF-8) asks for KIF instead of the game's own ".棋譜" format. A file
// that declares its encoding, by a UTF-8 byte-order mark or a
// "#KIF version=2.0 encoding=…" line, is read in it whatever its name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/text_encoding.h"
#include "record/kif_read.h"

namespace vudeve {

// The encoding a file name asks for, letters in either case; nothing for
// a name that is no KIF file.
std::optional<TextEncoding> kifEncodingOf(const std::string& fileName);

// Reads and checks a whole KIF file, in `encoding` unless the file declares
// its own: "" or the message that says why it
// cannot be read (naming the line for a line that cannot be read or a move
// that is impossible where it stands).
std::string 読込_KIF(const std::filesystem::path& path, TextEncoding encoding, KifRecord& record);

}  // namespace vudeve
