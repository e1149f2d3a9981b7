#include "app/handlers/record_panel_commands.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

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

}  // namespace

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
  if (std::optional<TextEncoding> kif = kifEncodingOf(name)) {
    std::vector<std::string> lines;
    if (!変換_棋譜からKIF(g, lines, error)) {
      message(g, error, "棋譜保存");
      return;
    }
    error = recordWriteMessage(writeTextFile(path, lines, *kif), path);
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
  描画_可視(g, false, false, false);
  読込_棋譜(g, path);
}

void 読込_棋譜(Game& g, const std::filesystem::path& path) {
  if (std::optional<TextEncoding> kif = kifEncodingOf(path.filename().string())) {
    読込_KIFファイル(g, path, *kif);
    return;
  }
  RecordFileContents contents;
  if (const std::string error = readRecordFile(path, contents); !error.empty()) {
    message(g, error, "棋譜");
    return;
  }
  // A header line the file does not have is not printed.
  const std::vector<std::string> headers = {contents.title, contents.topName, contents.bottomName};
  設定_読込棋譜(g, std::span(headers).first(contents.headerLines), contents.entries, firstMover(contents.entries), 0);
}

void 描画_棋譜見出し(Game& g, int line, const std::string& text) {
  // The title at the bottom left in red, the names above and below the
  // board in the text colour.
  const double x = 取得_棋譜のX座標(text) - (line == 1 ? 3000 : 0);
  g.Screen->setTextPosition(x, line == 2 ? 100 : 6350);
  g.Screen->setForeColor(line == 1 ? SelectColor : TextColor);
  g.Screen->setFontSize(12);
  g.Screen->print(text);
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

void 設定_KIF棋譜(Game& g, const KifRecord& record) {
  const std::string headers[] = {record.header.title, record.header.topName, record.header.bottomName};
  設定_読込棋譜(g, headers, record.entries, record.firstMover, record.movesBefore);
  g.GameStartTime = record.header.start;
}

void 設定_読込棋譜(Game& g, std::span<const std::string> headers, const std::vector<RecordEntry>& entries,
                  int firstMover, long long movesBefore) {
  初期設定(g);
  g.RecordMode = TrueValue;
  // MAN, at the bottom, is 先手 unless the top player moved first.
  g.ManSide = firstMover == kif::Top ? GoteSide : SenteSide;
  g.ComSide = -g.ManSide;
  // Title at the bottom left, then the top and the bottom player's names.
  for (std::size_t line = 1; line <= headers.size(); ++line) 描画_棋譜見出し(g, static_cast<int>(line), headers[line - 1]);
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

void 読込_KIFファイル(Game& g, const std::filesystem::path& path, TextEncoding encoding) {
  KifRecord record;
  if (const std::string error = 読込_KIF(path, encoding, record); !error.empty()) {
    message(g, error, "棋譜");
    return;
  }
  設定_KIF棋譜(g, record);
}

}  // namespace vudeve
