#include "app/handlers/record_panel_commands.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "app/handlers/match_commands.h"
#include "record/csa_write.h"
#include "record/kif_file.h"
#include "record/kif_write.h"
#include "record/notation.h"
#include "record/record_file.h"
#include "record/replay.h"
#include "rules/setup.h"
#include "ui/draw.h"

namespace vudeve {
namespace {

void message(Game& g, const std::string& text, const std::string& caption) {
  g.Messages->show(text, caption, MessageButtons::Ok, MessageIcon::None);
}

void closePanel(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

std::filesystem::path inFileListFolder(const Game& g, const std::string& name) {
  return std::filesystem::path(g.Panel->fileListPath()) / name;
}

// A player without a typed name goes by his part: あなた or the computer
// and its level against the computer, else 先手 or 後手.
std::string nameOf(const Game& g, const std::string& typed, int side, int first) {
  if (!typed.empty()) return typed;
  if (g.GameMode == ModeCom) return side == kif::Bottom ? "あなた" : "vudeve LEVEL" + std::to_string(g.Level);
  return std::string(side == first ? kif::EvenRoles.bottom : kif::EvenRoles.top);
}

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

// The headers of the record 0..LastMoveNumber for the files of the shogi
// world: the title and the names typed in the panel (Text3 the player who
// moved first), the start time and the ending.
KifHeader outsideHeader(const Game& g) {
  const int first = firstMover(recordEntries(g)) == kif::Top ? kif::Top : kif::Bottom;
  const std::string firstName = g.Panel->text(PanelText::Text3), secondName = g.Panel->text(PanelText::Text4);
  KifHeader header;
  header.start = g.GameStartTime;
  header.title = g.Panel->text(PanelText::Text2);
  header.bottomName = nameOf(g, first == kif::Bottom ? firstName : secondName, kif::Bottom, first);
  header.topName = nameOf(g, first == kif::Top ? firstName : secondName, kif::Top, first);
  const int winner = g.Winner != NoSide ? g.Winner : g.RecordWinner;
  if (winner != NoSide) header.winner = winner == g.ManSide ? kif::Bottom : kif::Top;
  header.endWord = g.RecordEndWord;
  return header;
}

}  // namespace

void KIFU_READ_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
  描画_可視(g, true, true, true);
  描画_棋譜_IO(g, 1);
}

void KIFU_WRITE_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
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
  const std::string name = g.Panel->text(PanelText::Text1);
  if (const std::string problem = recordFileNameProblem(name); !problem.empty()) {
    message(g, problem, "  ");
    return;
  }
  if (g.LastMoveNumber < 1) {
    message(g, NothingToSaveMessage, "棋譜保存");
    return;
  }

  std::filesystem::path path = inFileListFolder(g, name);
  std::string error;
  const std::optional<OutsideFileKind> outside = outsideKindOf(name);
  if (outside && outside->kind != RecordKind::Ki2) {
    std::vector<std::string> lines;
    const bool csa = outside->kind == RecordKind::Csa;
    if (!(csa ? 変換_棋譜からCSA(g, lines, error) : 変換_棋譜からKIF(g, lines, error))) {
      message(g, error, "棋譜保存");
      return;
    }
    error = recordWriteMessage(writeTextFile(path, lines, outside->encoding), path);
  } else {
    // The names go by role: the top player first, then the bottom one.
    const std::string first = g.Panel->text(PanelText::Text3);
    const std::string second = g.Panel->text(PanelText::Text4);
    const bool manFirst = g.ManSide == SenteSide;
    RecordFileContents contents;
    contents.title = g.Panel->text(PanelText::Text2);
    contents.topName = manFirst ? second : first;
    contents.bottomName = manFirst ? first : second;
    contents.entries = recordEntries(g);
    path += RecordFileExtension;
    error = writeRecordFile(path, contents);
  }
  if (!error.empty()) {
    message(g, error, "棋譜保存");
    return;
  }
  closePanel(g);
  g.Panel->refreshFileList();
  message(g, "棋譜を書き込みました", "  ");
}

void File1_Click(Game& g) { Form_DragDrop(g, inFileListFolder(g, g.Panel->fileName())); }

void Form_DragDrop(Game& g, const std::filesystem::path& path) {
  if (refusedWhileComThinks(g)) return;
  描画_可視(g, false, false, false);
  読込_棋譜(g, path);
}

void 読込_棋譜(Game& g, const std::filesystem::path& path) {
  if (outsideKindOf(path.filename().string())) {
    読込_外部棋譜ファイル(g, path);
    return;
  }
  RecordFileContents contents;
  if (const std::string error = readRecordFile(path, contents); !error.empty()) {
    message(g, error, "棋譜");
    return;
  }
  // A header line the file does not have is not printed.
  std::vector<std::string> headers{contents.title, contents.topName, contents.bottomName};
  headers.resize(static_cast<std::size_t>(contents.headerLines));
  設定_読込棋譜(g, headers, contents.entries, firstMover(contents.entries), 0);
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
  for (std::size_t line = 0; line < lines.size() && line < 3; ++line) {
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
    message(g, NoRecordDataMessage, "棋譜");
    return;
  }
  message(g, " 読み込みました", "棋譜");
  message(g, "棋譜を '進 'で進めて下さい", "棋譜");
  g.Turn = SenteSide;
}

bool 変換_棋譜からKIF(const Game& g, std::vector<std::string>& lines, std::string& error) {
  return formatKif(recordEntries(g), outsideHeader(g), lines, error);
}

bool 変換_棋譜からCSA(const Game& g, std::vector<std::string>& lines, std::string& error) {
  return formatCsa(recordEntries(g), outsideHeader(g), lines, error);
}

void 設定_KIF棋譜(Game& g, const KifRecord& record) {
  設定_読込棋譜(g, {record.header.title, record.header.topName, record.header.bottomName}, record.entries,
               record.firstMover, record.movesBefore);
  g.GameStartTime = record.header.start;
  g.RecordEndWord = record.header.endWord;
  if (record.header.winner != 0) g.RecordWinner = record.header.winner == kif::Bottom ? g.ManSide : g.ComSide;
}

void 設定_読込棋譜(Game& g, const std::vector<std::string>& headers, const std::vector<RecordEntry>& entries,
                  int firstMover, long long movesBefore) {
  初期設定(g);
  g.RecordMode = TrueValue;
  // MAN, at the bottom, is 先手 unless the top player moved first.
  g.ManSide = firstMover == kif::Top ? GoteSide : SenteSide;
  g.ComSide = -g.ManSide;
  描画_棋譜見出し(g, headers);
  const int last = static_cast<int>(entries.size()) - 1;
  for (int k = 0; k <= last; ++k) storeRecordEntry(g, k, entries[k]);
  restoreSnapshot(g, 0, entries[0].comBefore, entries[0].manBefore);
  設定_棋譜読込後(g, last);
  // A record that starts after some moves counts on from them.
  if (movesBefore > 0) {
    g.MoveCount = static_cast<int>(std::min<long long>(movesBefore, LargestKifMoves));
    描画_手数(g, g.MoveCount, TextColor);
  }
}

void 読込_外部棋譜ファイル(Game& g, const std::filesystem::path& path) {
  KifRecord record;
  if (const std::string error = readRecordOfKind(path, record); !error.empty()) {
    message(g, error, "棋譜");
    return;
  }
  設定_KIF棋譜(g, record);
}

}  // namespace vudeve
