#include "record/record_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "record/kif_file.h"
#include "record/notation.h"
#include "record/record_line.h"
#include "rules/setup.h"
#include "ui/draw.h"
#include "ui/text_encoding.h"

namespace vudeve {
namespace {

constexpr std::size_t HeaderLines = 3;
// The room left between the title and the bottom player's name on their
// row, in twips.
constexpr double TitleGap = 120;

// The text, or where it is wider than room the longest head of it that fits
// with "…" after it (nothing when not even that fits).
std::string fittedText(const Surface& screen, const std::string& text, double room) {
  if (screen.textWidth(text) <= room) return text;
  const std::string ellipsis = "…";
  std::vector<std::size_t> ends;  // the byte length of each head, by characters
  for (std::size_t i = 1; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ends.push_back(i);
  // Heads widen with their length: the longest that fits is found by halves.
  std::size_t fitting = 0, tooLong = ends.size() + 1;  // counts of characters
  while (tooLong - fitting > 1) {
    const std::size_t middle = (fitting + tooLong) / 2;
    if (screen.textWidth(text.substr(0, ends[middle - 1]) + ellipsis) <= room)
      fitting = middle;
    else
      tooLong = middle;
  }
  if (fitting > 0) return text.substr(0, ends[fitting - 1]) + ellipsis;
  return screen.textWidth(ellipsis) <= room ? ellipsis : std::string();
}

void message(Game& g, const std::string& text, const std::string& caption) {
  g.Messages->show(text, caption, MessageButtons::Ok, MessageIcon::None);
}

void closePanel(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

// The file name goes into a path: it must not lead out of the chosen folder.
bool hasPathSeparator(const std::string& name) { return name.find_first_of(std::string("/\\\0", 3)) != std::string::npos; }

std::filesystem::path inFileListFolder(const Game& g, const std::string& name) {
  return std::filesystem::path(g.Panel->fileListPath()) / name;
}

// The even starting position, as 初期設定 has just laid it out: the first
// 進 after reading compares record index 1 with it.
void storeStartingPosition(Game& g) {
  RecordEntry start;
  start.board = g.Board;
  storeRecordEntry(g, 0, start);
}

// Nothing of a file is stored or shown before all of its record lines have
// proved to be positions; a file that is no record leaves the game as
// 初期設定 left it. Trailing empty lines (an extra line end) are no record
// lines. Returns 0 or the 1-based number of the first bad line.
std::size_t checkRecordLines(const OpenRecordFile& file, std::vector<RecordEntry>& entries) {
  std::size_t end = file.lines.size();
  while (end > HeaderLines && file.lines[end - 1].empty()) --end;
  for (std::size_t i = HeaderLines; i < end; ++i) {
    RecordEntry entry;
    if (!parseRecordLine(file.lines[i], entry)) return i + 1;
    entries.push_back(entry);
  }
  return 0;
}

}  // namespace

int 読込_棋譜ファイル(OpenRecordFile& file, std::string& line) {
  if (file.next >= file.lines.size()) return FalseValue;
  line = file.lines[file.next++];
  return TrueValue;
}

void KIFU_READ_Click(Game& g) {
  描画_可視(g, true, true, true);
  描画_棋譜_IO(g, 1);
}

void KIFU_WRITE_Click(Game& g) {
  if (g.Reversed == TrueValue) {
    message(g, "反転後は書き込みできません", "棋譜書込");
    return;
  }
  if (g.HandicapSet == TrueValue) {
    message(g, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込");
    return;
  }
  描画_可視(g, true, true, false);
  描画_棋譜_IO(g, 0);
}

void Drive1_Change(Game& g) {
  std::string drive = g.Panel->drive();
  std::error_code ec;
  std::filesystem::directory_iterator readable(drive, ec);
  if (ec) {
    message(g, "ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ");
    return;
  }
  g.Panel->setFolderPath(drive);
  Dir1_Change(g);
}

void Dir1_Change(Game& g) { g.Panel->setFileListPath(g.Panel->folderPath()); }

void Command1_Click(Game& g) {
  std::string name = g.Panel->text(PanelText::Text1);
  if (name.empty()) {
    message(g, "ﾌｧｲﾙ名が入力されていません", "  ");
    return;
  }
  if (hasPathSeparator(name)) {
    message(g, "ﾌｧｲﾙ名に「/」や「\\」は使えません", "  ");
    return;
  }
  if (g.LastMoveNumber < 1) {
    message(g, "保存するデータがありません", "棋譜保存");
    return;
  }

  std::vector<std::string> lines;
  std::filesystem::path path = inFileListFolder(g, name);
  std::optional<TextEncoding> kif = kifEncodingOf(name);
  if (kif) {
    std::string error;
    if (!変換_棋譜からKIF(g, lines, error)) {
      message(g, error, "棋譜保存");
      return;
    }
  } else {
    // The names go by role: line 2 is the top player, line 3 the bottom one.
    std::string first = g.Panel->text(PanelText::Text3);
    std::string second = g.Panel->text(PanelText::Text4);
    bool manFirst = g.ManSide == SenteSide;
    lines = {g.Panel->text(PanelText::Text2), manFirst ? second : first, manFirst ? first : second};
    int last = std::min<int>(g.LastMoveNumber, static_cast<int>(g.RecordBoard.size()) - 1);
    for (int k = 1; k <= last; ++k) lines.push_back(formatRecordLine(g, k));
    path += RecordFileExtension;
  }

  switch (writeTextFile(path, lines, kif.value_or(TextEncoding::CodePage932))) {
    case TextFileStatus::Ok:
      break;
    case TextFileStatus::CannotEncode:
      message(g, "対局名・先手・後手にﾌｧｲﾙに書けない文字があります", "棋譜保存");
      return;
    default:
      message(g, "棋譜ﾌｧｲﾙを書き込めませんでした\r" + path.string(), "棋譜保存");
      return;
  }
  closePanel(g);
  g.Panel->refreshFileList();
  message(g, "棋譜を書き込みました", "  ");
}

void File1_Click(Game& g) {
  描画_可視(g, false, false, false);
  if (std::optional<TextEncoding> kif = kifEncodingOf(g.Panel->fileName())) {
    読込_KIFファイル(g, inFileListFolder(g, g.Panel->fileName()), *kif);
    return;
  }
  初期設定(g);

  std::filesystem::path path = inFileListFolder(g, g.Panel->fileName());
  OpenRecordFile file;
  if (g.Panel->fileName().empty() || readTextFile(path, file.lines) != TextFileStatus::Ok) {
    message(g, "棋譜ﾌｧｲﾙを読み込めませんでした\r" + path.string(), "棋譜");
    return;
  }
  std::vector<RecordEntry> entries;
  if (std::size_t bad = checkRecordLines(file, entries)) {
    message(g, "棋譜ﾌｧｲﾙの " + std::to_string(bad) + " 行目が棋譜の形式ではありません", "棋譜");
    return;
  }
  g.RecordMode = TrueValue;

  // A header line the file does not have is not printed.
  std::vector<std::string> headers;
  g.LineBuffer.clear();
  while (headers.size() < HeaderLines && 読込_棋譜ファイル(file, g.LineBuffer) == TrueValue) headers.push_back(g.LineBuffer);
  描画_棋譜見出し(g, headers);

  storeStartingPosition(g);
  int k = 0;
  for (const RecordEntry& entry : entries) storeRecordEntry(g, ++k, entry);
  設定_棋譜読込後(g, k);
}

// The title at the bottom left in red, the names above and below the board
// in the text colour, each where its length puts it. A title too long for
// its place starts at the window's left edge instead.
void 描画_棋譜見出し(Game& g, const std::vector<std::string>& lines) {
  Surface& screen = *g.Screen;
  screen.setFontSize(12);
  const auto nameX = [](const std::string& name) { return std::max(0.0, 取得_棋譜のX座標(name)); };
  const bool bottomName = lines.size() > 2 && !lines[2].empty();
  const double titleRight = bottomName ? nameX(lines[2]) - TitleGap : ScreenWidth;
  for (std::size_t line = 0; line < lines.size() && line < HeaderLines; ++line) {
    const std::string& text = lines[line];
    const bool title = line == 0;
    double x = title ? 取得_棋譜のX座標(text) - 3000 : nameX(text);
    const double right = title ? titleRight : ScreenWidth;
    if (title && (x < 0 || x + screen.textWidth(text) > right)) x = 0;
    screen.setTextPosition(x, line == 1 ? 100 : 6350);
    screen.setForeColor(line == 0 ? SelectColor : TextColor);
    screen.print(fittedText(screen, text, right - x));
  }
}

void 設定_棋譜読込後(Game& g, int last) {
  g.MoveNumber = 0;
  g.MoveCount = 0;
  g.LastMoveNumber = last;
  if (last == 0) {
    message(g, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜");
    return;
  }
  message(g, " 読み込みました", "棋譜");
  message(g, "棋譜を '進 'で進めて下さい", "棋譜");
  g.Turn = SenteSide;
}

}  // namespace vudeve
