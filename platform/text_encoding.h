// Our text files (the settings file and record files) are in code page 932,
// the Windows form of Shift_JIS, with CR LF line ends, so that they move
// freely between this game and Windows tools; KIF records also come in
// UTF-8. Inside the game all text is UTF-8; the conversion happens only here.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vudeve {

// Strict conversions: a character without a form on the other side fails
// the whole conversion instead of being dropped or replaced.
std::optional<std::string> toCodePage932(const std::string& utf8);
std::optional<std::string> fromCodePage932(const std::string& bytes);

// Splits at CR LF, a lone CR or a lone LF. A line end at the very end of
// the text does not start another line, so "" gives no lines at all.
std::vector<std::string> splitLines(const std::string& text);

enum class TextEncoding { CodePage932, Utf8 };

enum class TextFileStatus { Ok, CannotOpen, CannotRead, NotCodePage932, NotUtf8, CannotEncode, CannotWrite };

// Reads a whole file into UTF-8 lines. A UTF-8 file may begin with a byte
// order mark, which is dropped.
TextFileStatus readTextFile(const std::filesystem::path& path, std::vector<std::string>& lines,
                            TextEncoding encoding = TextEncoding::CodePage932);

// Writes the lines, each ended by CR LF, into a temporary file beside the
// target and renames it over the target: the target is either replaced
// whole or left as it was, never half written. UTF-8 goes without a byte
// order mark.
TextFileStatus writeTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                             TextEncoding encoding = TextEncoding::CodePage932);

}  // namespace vudeve
