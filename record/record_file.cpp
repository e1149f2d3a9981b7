#include "record/record_file.h"

#include <optional>

#include "record/record_start.h"
#include "rules/setup.h"

namespace vudeve {
namespace {

constexpr int HeaderLines = 3;

// Nothing of a file is taken before all of its record lines have proved to
// be positions. Returns 0 or the 1-based number of the first bad line.
std::size_t readRecordLines(const OpenRecordFile& file, std::vector<RecordEntry>& entries) {
  std::size_t end = file.lines.size();
  while (end > HeaderLines && file.lines[end - 1].empty()) --end;
  for (std::size_t i = HeaderLines; i < end; ++i) {
    RecordEntry entry;
    if (!parseRecordLine(file.lines[i], entry)) return i + 1;
    entries.push_back(entry);
  }
  return 0;
}

// The file has no line for the start: a start the reader cannot tell from
// the first line goes in as the first line, so that nothing is lost.
std::size_t firstWrittenEntry(const std::vector<RecordEntry>& entries) {
  if (entries.size() < 2) return 1;
  const std::optional<RecordEntry> implied = impliedStart(entries[1]);
  const bool told = implied && implied->board == entries[0].board && implied->manHand == entries[0].manHand &&
                    implied->comHand == entries[0].comHand;
  return told ? 1 : 0;
}

}  // namespace

int 読込_棋譜ファイル(OpenRecordFile& file, std::string& line) {
  if (file.next >= file.lines.size()) return FalseValue;
  line = file.lines[file.next++];
  return TrueValue;
}

std::string readRecordFile(const std::filesystem::path& path, RecordFileContents& contents) {
  OpenRecordFile file;
  if (!path.has_filename() || readTextFile(path, file.lines) != TextFileStatus::Ok)
    return "棋譜ﾌｧｲﾙを読み込めませんでした\r" + path.string();
  std::vector<RecordEntry> entries;
  if (std::size_t bad = readRecordLines(file, entries))
    return "棋譜ﾌｧｲﾙの " + std::to_string(bad) + " 行目が棋譜の形式ではありません";
  // The file holds no start: the one its first line is a move from, or else
  // that line itself, so that no move is made up.
  if (entries.empty()) entries.push_back({.board = evenBoard()});
  else if (std::optional<RecordEntry> start = impliedStart(entries.front())) entries.insert(entries.begin(), *start);
  contents.entries = std::move(entries);
  contents.headerLines = 0;
  for (std::string* header : {&contents.title, &contents.topName, &contents.bottomName}) {
    header->clear();
    contents.headerLines += 読込_棋譜ファイル(file, *header) == TrueValue;
  }
  return {};
}

std::string recordFileNameProblem(const std::string& name) {
  if (name.empty()) return "ﾌｧｲﾙ名が入力されていません";
  // The name goes into a path: it must not lead out of the chosen folder.
  if (name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
    return "ﾌｧｲﾙ名に「/」や「\\」は使えません";
  return {};
}

std::string writeRecordFile(const std::filesystem::path& path, const RecordFileContents& contents) {
  std::vector<std::string> lines = {contents.title, contents.topName, contents.bottomName};
  for (std::size_t k = firstWrittenEntry(contents.entries); k < contents.entries.size(); ++k)
    lines.push_back(formatRecordLine(contents.entries[k]));
  return recordWriteMessage(writeTextFile(path, lines, TextEncoding::CodePage932), path);
}

std::string recordWriteMessage(TextFileStatus status, const std::filesystem::path& path) {
  switch (status) {
    case TextFileStatus::Ok:
      return {};
    case TextFileStatus::CannotEncode:
      return "対局名・先手・後手にﾌｧｲﾙに書けない文字があります";
    default:
      return "棋譜ﾌｧｲﾙを書き込めませんでした\r" + path.string();
  }
}

}  // namespace vudeve
