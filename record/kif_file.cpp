#include "record/kif_file.h"

#include <algorithm>

#include "record/kif_write.h"
#include "record/record_file.h"
#include "record/replay.h"
#include "rules/setup.h"

namespace vudeve {
namespace {

// Enough of a line to find it in the file; a message box is no place for
// a whole line of anything.
constexpr std::size_t QuotedCharacters = 40;

void message(Game& g, const std::string& text) {
  g.Messages->show(text, "棋譜", MessageButtons::Ok, MessageIcon::None);
}

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

// A player without a typed name goes by his part: あなた or the computer
// and its level against the computer, else 先手 or 後手.
std::string nameOf(const Game& g, const std::string& typed, int side, int first) {
  if (!typed.empty()) return typed;
  if (g.GameMode == ModeCom) return side == kif::Bottom ? "あなた" : "vudeve LEVEL" + std::to_string(g.Level);
  return std::string(side == first ? kif::EvenRoles.bottom : kif::EvenRoles.top);
}

}  // namespace

std::optional<TextEncoding> kifEncodingOf(const std::string& fileName) {
  if (endsWithLetters(fileName, ".kif")) return TextEncoding::CodePage932;
  if (endsWithLetters(fileName, ".kifu")) return TextEncoding::Utf8;
  return std::nullopt;
}

bool 変換_棋譜からKIF(const Game& g, std::vector<std::string>& lines, std::string& error) {
  const std::vector<RecordEntry> entries = recordEntries(g);
  const int first = firstMover(entries) == kif::Top ? kif::Top : kif::Bottom;
  const std::string firstName = g.Panel->text(PanelText::Text3), secondName = g.Panel->text(PanelText::Text4);
  KifHeader header;
  header.start = g.GameStartTime;
  header.title = g.Panel->text(PanelText::Text2);
  header.bottomName = nameOf(g, first == kif::Bottom ? firstName : secondName, kif::Bottom, first);
  header.topName = nameOf(g, first == kif::Top ? firstName : secondName, kif::Top, first);
  if (g.Winner != NoSide) header.winner = g.Winner == g.ManSide ? kif::Bottom : kif::Top;
  return formatKif(entries, header, lines, error);
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

void 設定_KIF棋譜(Game& g, const KifRecord& record) {
  初期設定(g);
  g.RecordMode = TrueValue;
  g.GameStartTime = record.header.start;
  // MAN, at the bottom, is 先手 when the bottom player moved first.
  g.ManSide = record.firstMover == kif::Bottom ? SenteSide : GoteSide;
  g.ComSide = -g.ManSide;
  描画_棋譜見出し(g, {record.header.title, record.header.topName, record.header.bottomName});
  const int last = static_cast<int>(record.entries.size()) - 1;
  for (int k = 0; k <= last; ++k) storeRecordEntry(g, k, record.entries[k]);
  restoreSnapshot(g, 0, record.entries[0].comBefore, record.entries[0].manBefore);
  設定_棋譜読込後(g, last);
}

void 読込_KIFファイル(Game& g, const std::filesystem::path& path, TextEncoding encoding) {
  KifRecord record;
  if (const std::string error = 読込_KIF(path, encoding, record); !error.empty()) {
    message(g, error);
    return;
  }
  設定_KIF棋譜(g, record);
}

}  // namespace vudeve
