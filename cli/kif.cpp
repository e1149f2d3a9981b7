// vudeve-cli kif FILE and csa FILE: a record file (".棋譜", KIF, KI2 or
// CSA) as KIF or as CSA on standard output (UTF-8, CR LF; the KIF the bytes
// of a ".kifu" file, the CSA headed by the line that says it is UTF-8);
// vudeve-cli record FILE OUT.棋譜: a KIF, KI2 or CSA file as a record file.
// They read and write through the record formats the panel uses, and say
// what the panel would say when they cannot.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "record/csa_write.h"
#include "record/kif_file.h"
#include "record/kif_write.h"
#include "record/record_file.h"

namespace vudeve::cli {
namespace {

const char* const KifUsage = "kif FILE.棋譜|FILE.kif|FILE.kifu|FILE.ki2|FILE.csa";
const char* const CsaUsage = "csa FILE.棋譜|FILE.kif|FILE.kifu|FILE.ki2|FILE.csa";
const char* const RecordUsage = "record FILE.kif|FILE.kifu|FILE.ki2|FILE.csa OUT.棋譜";

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

// Reads a record file of any kind the panel reads, with the headers it
// gives: "" or the message that says why not.
std::string readAnyRecord(const std::filesystem::path& file, std::vector<RecordEntry>& entries, KifHeader& header) {
  if (outsideKindOf(file.filename().string())) {
    KifRecord record;
    if (std::string error = readRecordOfKind(file, record); !error.empty()) return error;
    entries = record.entries;
    header = record.header;
    return {};
  }
  RecordFileContents contents;
  if (std::string error = readRecordFile(inItsFolder(file), contents); !error.empty()) return error;
  entries = contents.entries;
  header.title = contents.title;
  header.topName = contents.topName;
  header.bottomName = contents.bottomName;
  return {};
}

using Formatter = bool (*)(const std::vector<RecordEntry>&, const KifHeader&, std::vector<std::string>&,
                           std::string&);

int printRecord(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const char* command,
                const char* usage, Formatter format, const char* firstLine) {
  const std::string name = args.size() == 1 ? std::filesystem::path(args[0]).filename().string() : "";
  if (args.size() != 1 || (!endsWith(name, RecordFileExtension) && !outsideKindOf(name))) {
    err << "usage: vudeve-cli " << usage << "\n";
    return UsageError;
  }
  std::vector<RecordEntry> entries;
  KifHeader header;
  if (std::string error = readAnyRecord(args[0], entries, header); !error.empty())
    return failure(err, command, error);
  if (entries.size() < 2) return failure(err, command, NoRecordDataMessage);
  std::vector<std::string> lines;
  std::string error;
  if (!format(entries, header, lines, error)) return failure(err, command, error);
  if (firstLine) out << firstLine << "\r\n";
  for (const std::string& line : lines) out << line << "\r\n";
  return 0;
}

int runKif(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return printRecord(args, out, err, "kif", KifUsage, formatKif, nullptr);
}

int runCsa(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  return printRecord(args, out, err, "csa", CsaUsage, formatCsa, "'CSA encoding=UTF-8");
}

int runRecord(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  const std::filesystem::path in = args.size() == 2 ? args[0] : "", target = args.size() == 2 ? args[1] : "";
  const std::string name = target.filename().string();
  if (!outsideKindOf(in.filename().string()) || !endsWith(name, RecordFileExtension)) {
    err << "usage: vudeve-cli " << RecordUsage << "\n";
    return UsageError;
  }
  KifRecord record;
  if (std::string error = readRecordOfKind(in, record); !error.empty()) return failure(err, "record", error);
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
const CommandRegistration csaRegistration({"csa", CsaUsage, runCsa});
const CommandRegistration recordRegistration({"record", RecordUsage, runRecord});

}  // namespace
}  // namespace vudeve::cli
