// Record files of the shogi world, known by the ending of their names: KIF
// (".kif" in code page 932, ".kifu" in UTF-8), KI2 (".ki2", ".ki2u" alike)
// and CSA (".csa", code page 932 unless its first line says
// "'CSA encoding=UTF-8"). A file that declares its encoding, by a UTF-8
// byte-order mark or a "#KIF version=2.0 encoding=…" line, is read in it
// whatever its name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_encoding.h"
#include "record/kif_read.h"

namespace vudeve {

// The encoding a file name asks for, letters in either case; nothing for
// a name that is no KIF file.
std::optional<TextEncoding> kifEncodingOf(const std::string& fileName);

enum class RecordKind { Kif, Ki2, Csa };
struct OutsideFileKind {
  RecordKind kind;
  TextEncoding encoding;  // unless the file declares its own
};
// The kind a file name asks for, letters in either case; nothing for a name
// of no such kind.
std::optional<OutsideFileKind> outsideKindOf(const std::string& fileName);

// Reads and checks a whole file of the kind its name asks for: "" or the
// message that says why it cannot be read (naming the line for a line
// that cannot be read or a move that is impossible where it stands). The
// record is not to be used when it cannot.
std::string readRecordOfKind(const std::filesystem::path& path, KifRecord& record);

// The message for a line of a record that cannot be read: "棋譜ﾌｧｲﾙの 3 行目
// が読めません：…" with the line quoted, `source` naming where it came from.
std::string unreadableLineMessage(std::string_view source, const std::vector<std::string>& lines,
                                  const KifError& error);

}  // namespace vudeve
