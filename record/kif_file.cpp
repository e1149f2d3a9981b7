#include "record/kif_file.h"

#include <algorithm>


namespace vudeve {
namespace {

// Enough of a line to find it in the file; a message box is no place for
// a whole line of anything.
constexpr std::size_t QuotedCharacters = 40;

bool endsWithLetters(const std::string& name, std::string_view ending) {
  if (name.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), name.end() - static_cast<std::ptrdiff_t>(ending.size()),
                    [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

std::string excerpt(const std::string& line) {
  std::size_t end = 0;
  for (std::size_t characters = 0; end < line.size() && characters < QuotedCharacters; ++characters) {
    ++end;
    while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) ++end;
  }
  return "「" + line.substr(0, end) + (end < line.size() ? "…" : "") + "」";
}

std::string unreadable(TextFileStatus status) {
  switch (status) {
    case TextFileStatus::NotCodePage932: return "棋譜ﾌｧｲﾙが Shift_JIS ではありません";
    case TextFileStatus::NotUtf8: return "棋譜ﾌｧｲﾙが UTF-8 ではありません";
    default: return "棋譜ﾌｧｲﾙを読み込めませんでした";
  }
}

}  // namespace

std::optional<TextEncoding> kifEncodingOf(const std::string& fileName) {
  if (endsWithLetters(fileName, ".kif")) return TextEncoding::CodePage932;
  if (endsWithLetters(fileName, ".kifu")) return TextEncoding::Utf8;
  return std::nullopt;
}

std::string 読込_KIF(const std::filesystem::path& path, TextEncoding encoding, KifRecord& record) {
  std::vector<std::string> lines;
  if (const TextFileStatus status = readTextFile(path, lines, encoding); status != TextFileStatus::Ok)
    return unreadable(status) + "\r" + path.string();
  const std::optional<KifError> error = readKif(lines, record);
  if (!error) return {};
  const std::string line = error->line >= 1 && error->line <= lines.size() ? "\r" + excerpt(lines[error->line - 1]) : "";
  return "棋譜ﾌｧｲﾙの " + std::to_string(error->line) + " 行目が読めません：" + error->reason + line;
}

}  // namespace vudeve
