// vudeve-cli kif FILE.棋譜: a record file as KIF on standard output (UTF-8,
// CR LF, the bytes of a ".kifu" file); vudeve-cli record FILE.kif|FILE.kifu
// OUT.棋譜: a KIF file as a record file. Both go through the record
// panel's own code, and say what the panel would say when they cannot.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/folder_panel.h"
#include "record/kif_file.h"
#include "record/record_file.h"
#include "record/record_line.h"

namespace vudeve::cli {
namespace {

const char* const KifUsage = "kif FILE.棋譜";
const char* const RecordUsage = "record FILE.kif|FILE.kifu OUT.棋譜";

// Message boxes that keep their texts, for standard error.
class KeptMessages final : public MessageBoxes {
 public:
  std::vector<std::string> texts;
  MessageAnswer show(const std::string& text, const std::string&, MessageButtons buttons, MessageIcon) override {
    texts.push_back(text);
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
  }
};

int failure(std::ostream& err, const std::string& command, std::string text) {
  for (char& c : text)
    if (c == '\r') c = '\n';
  err << command << ": " << text << "\n";
  return 1;
}

int failure(std::ostream& err, const std::string& command, const KeptMessages& messages) {
  return failure(err, command, messages.texts.empty() ? std::string("failed") : messages.texts.back());
}

std::string folderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path().string() : std::string(".");
}

bool endsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

int runKif(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1 || !endsWith(args[0], RecordFileExtension)) {
    err << "usage: vudeve-cli " << KifUsage << "\n";
    return UsageError;
  }
  const std::filesystem::path file = args[0];
  Game g;
  KeptMessages messages;
  FolderPanel panel(folderOf(file));
  g.Messages = &messages;
  g.Panel = &panel;
  panel.chosenFile = file.filename().string();
  File1_Click(g);
  if (g.RecordMode != TrueValue || g.Turn == NoSide) return failure(err, "kif", messages);

  // Title, top player and bottom player, as the panel shows them.
  std::vector<std::string> lines;
  readTextFile(file, lines);
  lines.resize(std::max<std::size_t>(lines.size(), 3));
  KifHeader header;
  header.title = lines[0];
  header.topName = lines[1];
  header.bottomName = lines[2];
  std::string error;
  if (!formatKif(recordEntries(g), header, lines, error)) return failure(err, "kif", error);
  for (const std::string& line : lines) out << line << "\r\n";
  return 0;
}

int runRecord(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const std::filesystem::path in = args.size() == 2 ? args[0] : "", target = args.size() == 2 ? args[1] : "";
  const std::optional<TextEncoding> encoding = kifEncodingOf(in.filename().string());
  const std::string name = target.filename().string();
  if (!encoding || !endsWith(name, RecordFileExtension)) {
    err << "usage: vudeve-cli " << RecordUsage << "\n";
    return UsageError;
  }
  KifRecord record;
  if (std::string error = 読込_KIF(in, *encoding, record); !error.empty()) return failure(err, "record", error);

  Game g;
  KeptMessages messages;
  FolderPanel panel(folderOf(target));
  g.Messages = &messages;
  g.Panel = &panel;
  設定_KIF棋譜(g, record);
  // The names as a person types them: the first mover's name first.
  const bool bottomFirst = record.firstMover == kif::Bottom;
  panel.texts = {{PanelText::Text1, name.substr(0, name.size() - std::string(RecordFileExtension).size())},
                 {PanelText::Text2, record.header.title},
                 {PanelText::Text3, bottomFirst ? record.header.bottomName : record.header.topName},
                 {PanelText::Text4, bottomFirst ? record.header.topName : record.header.bottomName}};
  Command1_Click(g);
  return panel.refreshes > 0 ? 0 : failure(err, "record", messages);
}

const CommandRegistration kifRegistration({"kif", KifUsage, runKif});
const CommandRegistration recordRegistration({"record", RecordUsage, runRecord});

}  // namespace
}  // namespace vudeve::cli
