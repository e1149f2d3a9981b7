#include "record/kif_file.h"

#include <algorithm>
#include <fstream>

namespace vudeve {
namespace {

// Enough of a line to find it in the file; a message box is no place for
// a whole line of anything.
constexpr std::size_t QuotedCharacters = 40;

// `ending` in lower case.
bool endsWithLetters(std::string_view name, std::string_view ending) {
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

bool sameLetters(std::string_view text, std::string_view lower) {
  return text.size() == lower.size() && endsWithLetters(text, lower);
}

// The encoding the file itself declares: a UTF-8 byte-order mark, or an
// "encoding=" in a "#KIF version=2.0 encoding=UTF-8" line among the comment
// lines it begins with. Their bytes are ASCII in either encoding, and no
// Shift_JIS byte is a line end, so they are found before decoding.
std::optional<TextEncoding> declaredEncoding(const std::filesystem::path& path) {
  constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
  constexpr std::size_t LookedAt = 4096;
  std::ifstream file(path, std::ios::binary);
  std::string start(LookedAt, '\0');
  file.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(file.gcount()));
  if (start.starts_with(ByteOrderMark)) return TextEncoding::Utf8;
  for (std::size_t at = 0; at < start.size() && start[at] == '#';) {
    const std::size_t end = std::min(start.find_first_of("\r\n", at), start.size());
    const std::string_view line = std::string_view(start).substr(at, end - at);
    constexpr std::string_view Key = "encoding=";
    if (const std::size_t key = line.find(Key); line.starts_with("#KIF") && key != std::string_view::npos) {
      std::string_view value = line.substr(key + Key.size());
      value = value.substr(0, value.find_first_of(" \t"));
      if (sameLetters(value, "utf-8") || sameLetters(value, "utf8")) return TextEncoding::Utf8;
      for (std::string_view name : {"shift_jis", "sjis", "cp932", "windows-31j", "ms932"})
        if (sameLetters(value, name)) return TextEncoding::CodePage932;
    }
    at = start.find_first_not_of("\r\n", end);
    if (at == std::string::npos) break;
  }
  return std::nullopt;
}

}  // namespace

std::optional<TextEncoding> kifEncodingOf(const std::string& fileName) {
  if (endsWithLetters(fileName, ".kif")) return TextEncoding::CodePage932;
  if (endsWithLetters(fileName, ".kifu")) return TextEncoding::Utf8;
  return std::nullopt;
}

std::string 読込_KIF(const std::filesystem::path& path, TextEncoding encoding, KifRecord& record) {
  std::vector<std::string> lines;
  encoding = declaredEncoding(path).value_or(encoding);
  if (const TextFileStatus status = readTextFile(path, lines, encoding); status != TextFileStatus::Ok)
    return unreadable(status) + "\r" + path.string();
  const std::optional<KifError> error = readKif(lines, record);
  if (!error) return {};
  const std::string line = error->line >= 1 && error->line <= lines.size() ? "\r" + excerpt(lines[error->line - 1]) : "";
  return "棋譜ﾌｧｲﾙの " + std::to_string(error->line) + " 行目が読めません：" + error->reason + line;
}

}  // namespace vudeve
