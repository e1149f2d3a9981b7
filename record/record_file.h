// The game's own record files ("*.棋譜", code page 932, CR LF): three
// header lines (the title, the top player's name, the bottom player's),
// then one record line per position after each move.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_encoding.h"
#include "record/record_line.h"

namespace vudeve {

inline constexpr const char* RecordFileExtension = ".棋譜";

// What the panel says of a file read whole that holds no move, and of a
// record with none to write.
inline constexpr const char* NoRecordDataMessage = "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
inline constexpr const char* NothingToSaveMessage = "保存するデータがありません";

struct RecordFileContents {
  std::string title, topName, bottomName;
  // How many of the three header lines the file has: the panel prints
  // only those.
  int headerLines = 0;
  // Entry k is the position after k moves. Entry 0, which the file does
  // not hold, is the start the first line is one move from (the even
  // position or a handicap); when there is none, the first line is entry 0.
  std::vector<RecordEntry> entries;
};

// A record file opened for line reading: its lines, already decoded.
struct OpenRecordFile {
  std::vector<std::string> lines;
  std::size_t next = 0;
};

// Reads the next line into `line`: TrueValue, or FalseValue at the end of
// the file (the line is then left as it was).
int 読込_棋譜ファイル(OpenRecordFile& file, std::string& line);

// Reads and checks a whole record file: "" or the message that says why it
// cannot be read (a path without a file name cannot; a bad line is named).
// Trailing empty lines (an extra line end) are no record lines.
std::string readRecordFile(const std::filesystem::path& path, RecordFileContents& contents);

// What is wrong with a file name typed for a record to be written, "" when
// nothing: it must not be empty nor lead out of the chosen folder.
std::string recordFileNameProblem(const std::string& name);

// Writes the headers and entries 1.. of the contents, entry 0 first when
// it is no start the first entry is one move from: "" or the message that
// says why the file could not be written.
std::string writeRecordFile(const std::filesystem::path& path, const RecordFileContents& contents);

// The message of a record written in any format to the path: "" when it
// was written whole.
std::string recordWriteMessage(TextFileStatus status, const std::filesystem::path& path);

}  // namespace vudeve
