#include "record/kif_file.h"

#include <algorithm>
#include <fstream>

#include "record/csa_read.h"

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
  // CSA 3.0 names it in its first line, "'CSA encoding=UTF-8".
  if (const std::string_view first = std::string_view(start).substr(0, start.find_first_of("\r\n"));
      first.starts_with("'CSA encoding=")) {
    const std::string_view value = first.substr(std::string_view("'CSA encoding=").size());
    return sameLetters(value, "utf-8") ? TextEncoding::Utf8 : TextEncoding::CodePage932;
  }
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
  const std::optional<OutsideFileKind> kind = outsideKindOf(fileName);
  if (!kind || kind->kind != RecordKind::Kif) return std::nullopt;
  return kind->encoding;
}

std::optional<OutsideFileKind> outsideKindOf(const std::string& fileName) {
  constexpr struct {
    std::string_view ending;
    OutsideFileKind kind;
  } Kinds[] = {
      {".kif", {RecordKind::Kif, TextEncoding::CodePage932}}, {".kifu", {RecordKind::Kif, TextEncoding::Utf8}},
      {".ki2", {RecordKind::Ki2, TextEncoding::CodePage932}}, {".ki2u", {RecordKind::Ki2, TextEncoding::Utf8}},
      {".csa", {RecordKind::Csa, TextEncoding::CodePage932}},
  };
  for (const auto& k : Kinds)
    if (endsWithLetters(fileName, k.ending)) return k.kind;
  return std::nullopt;
}

std::string readRecordOfKind(const std::filesystem::path& path, KifRecord& record) {
  const std::optional<OutsideFileKind> kind = outsideKindOf(path.filename().string());
  if (!kind) return "棋譜ﾌｧｲﾙを読み込めませんでした\r" + path.string();
  std::vector<std::string> lines;
  const std::optional<TextEncoding> declared = declaredEncoding(path);
  TextFileStatus status = readTextFile(path, lines, declared.value_or(kind->encoding));
  // A CSA file that names no encoding is Shift_JIS by the standard, but
  // some programs write UTF-8 without saying so.
  if (kind->kind == RecordKind::Csa && !declared && status == TextFileStatus::NotCodePage932)
    status = readTextFile(path, lines, TextEncoding::Utf8);
  if (status != TextFileStatus::Ok) return unreadable(status) + "\r" + path.string();
  std::optional<KifError> error;
  switch (kind->kind) {
    case RecordKind::Kif: error = readKif(lines, record); break;
    case RecordKind::Ki2: error = readKi2(lines, record); break;
    case RecordKind::Csa: error = readCsa(lines, record); break;
  }
  if (!error) return {};
  return unreadableLineMessage("棋譜ﾌｧｲﾙ", lines, *error);
}

std::string unreadableLineMessage(std::string_view source, const std::vector<std::string>& lines,
                                  const KifError& error) {
  const std::string line = error.line >= 1 && error.line <= lines.size() ? "\r" + excerpt(lines[error.line - 1]) : "";
  return std::string(source) + "の " + std::to_string(error.line) + " 行目が読めません：" + error.reason + line;
}

}  // namespace vudeve
