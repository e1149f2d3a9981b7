// vudeve-cli think: the computer's answer to one position, and optionally
// every candidate it scored on the way.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/search_lines.h"
#include "engine/com_turn.h"
#include "engine/tool_game.h"

namespace vudeve::cli {

namespace {

constexpr const char* Usage = "think --level N [--all] POSITION";

int usageError(std::ostream& err, const std::string& reason) {
  err << "think: " << reason << "\nusage: vudeve-cli " << Usage << "\n";
  return UsageError;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<long long> level;
  bool all = false;
  std::string position;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--level") {
      if (i + 1 >= args.size()) return usageError(err, "missing level after --level");
      level = parseInteger(args[++i], 1, 3);
      if (!level) return usageError(err, "--level wants 1, 2 or 3, not '" + args[i] + "'");
    } else if (args[i] == "--all") {
      all = true;
    } else if (args[i].starts_with("--")) {
      return usageError(err, "unknown option '" + args[i] + "'");
    } else {
      // The position may come as one argument or split at its blanks.
      if (!position.empty()) position += ' ';
      position += args[i];
    }
  }
  if (!level) return usageError(err, "--level is required");
  if (position.empty()) return usageError(err, "missing POSITION");

  std::unique_ptr<Game> game = makeToolGame(static_cast<int>(*level));
  std::string error;
  if (!loadPositionForComputer(*game, position, error)) {
    return usageError(err, error);
  }
  SearchLines lines(out, all);
  com_ban(*game, lines);
  lines.printBest();
  return 0;
}

const CommandRegistration registration{Command{"think", Usage, run}};

}  // namespace

}  // namespace vudeve::cli
