// vudeve-cli kif FILE.棋譜: a record file as KIF on standard output (UTF-8,
// CR LF, the bytes of a ".kifu" file); vudeve-cli record FILE.kif|FILE.kifu
// OUT.棋譜: a KIF file as a record file. Both read and write through the
// record formats the panel uses, and say what the panel would say when
// they cannot.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "record/kif_file.h"
#include "record/kif_write.h"
#include "record/record_file.h"

namespace vudeve::cli {
namespace {

const char* const KifUsage = "kif FILE.棋譜";
const char* const RecordUsage = "record FILE.kif|FILE.kifu OUT.棋譜";

int failure(std::ostream& err, const std::string& command, std::string text) {
  for (char& c : text)
    if (c == '\r') c = '\n';
  err << command << ": " << text << "\n";
  return 1;
}

std::string folderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path().string() : std::string(".");
}

bool endsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// The file as the panel would name it: in its folder, "." when none is given.
std::filesystem::path inItsFolder(const std::filesystem::path& file) {
  return std::filesystem::path(folderOf(file)) / file.filename();
}

int runKif(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1 || !endsWith(args[0], RecordFileExtension)) {
    err << "usage: vudeve-cli " << KifUsage << "\n";
    return UsageError;
  }
  RecordFileContents contents;
  if (std::string error = readRecordFile(inItsFolder(args[0]), contents); !error.empty())
    return failure(err, "kif", error);
  if (contents.entries.size() < 2) return failure(err, "kif", NoRecordDataMessage);

  KifHeader header;
  header.title = contents.title;
  header.topName = contents.topName;
  header.bottomName = contents.bottomName;
  std::vector<std::string> lines;
  std::string error;
  if (!formatKif(contents.entries, header, lines, error)) return failure(err, "kif", error);
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
  // The name as the panel would take it typed, without the extension.
  const std::string typed = name.substr(0, name.size() - std::string(RecordFileExtension).size());
  if (std::string problem = recordFileNameProblem(typed); !problem.empty()) return failure(err, "record", problem);
  if (record.entries.size() < 2) return failure(err, "record", NothingToSaveMessage);

  RecordFileContents contents;
  contents.title = record.header.title;
  contents.topName = record.header.topName;
  contents.bottomName = record.header.bottomName;
  contents.entries = record.entries;
  if (std::string error = writeRecordFile(inItsFolder(target), contents); !error.empty())
    return failure(err, "record", error);
  return 0;
}

const CommandRegistration kifRegistration({"kif", KifUsage, runKif});
const CommandRegistration recordRegistration({"record", RecordUsage, runRecord});

}  // namespace
}  // namespace vudeve::cli
