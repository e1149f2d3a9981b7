// vudeve-cli selfplay: the computer against itself, for strength and speed.
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cli/arguments.h"
#include "cli/command.h"
#include "engine/search_turn.h"
#include "engine/selfplay.h"
#include "rules/handicap.h"

namespace vudeve::cli {

namespace {

constexpr const char* Usage = "selfplay [--games N] [--levels A,B] [--handicap G] [--max-plies P] [--seed S]";

int usageError(std::ostream& err, const std::string& reason) {
  err << "selfplay: " << reason << "\nusage: vudeve-cli " << Usage << "\n";
  return UsageError;
}

std::string formatMilliseconds(double ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", ms);
  return text;
}

std::pair<double, double> medianAndWorst(std::vector<double> ms) {
  if (ms.empty()) return {0, 0};
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.back()};
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SelfPlayOptions options;
  long long games = 1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (i + 1 >= args.size()) return usageError(err, "missing value after " + flag);
    const std::string& value = args[++i];
    if (flag == "--games") {
      const auto n = parseInteger(value, 1, 1000000);
      if (!n) return usageError(err, "--games wants a count of 1 or more, not '" + value + "'");
      games = *n;
    } else if (flag == "--levels") {
      const std::size_t comma = value.find(',');
      const auto top = comma == std::string::npos ? std::nullopt : parseInteger(value.substr(0, comma), 1, StrongestLevel);
      const auto bottom = comma == std::string::npos ? std::nullopt : parseInteger(value.substr(comma + 1), 1, StrongestLevel);
      if (!top || !bottom) return usageError(err, "--levels wants two levels 1..5 as A,B, not '" + value + "'");
      options.topLevel = static_cast<int>(*top);
      options.bottomLevel = static_cast<int>(*bottom);
    } else if (flag == "--handicap") {
      const auto grade = parseInteger(value, -MaxHandicapGrade, MaxHandicapGrade);
      if (!grade) return usageError(err, "--handicap wants a grade -10..10, not '" + value + "'");
      options.handicap = static_cast<int>(*grade);
    } else if (flag == "--max-plies") {
      const auto plies = parseInteger(value, 1, 100000);
      if (!plies) return usageError(err, "--max-plies wants a count of 1 or more, not '" + value + "'");
      options.maxPlies = static_cast<int>(*plies);
    } else if (flag == "--seed") {
      const auto seed = parseInteger(value, 0, 0xffffffffLL);
      if (!seed) return usageError(err, "--seed wants a number 0..4294967295, not '" + value + "'");
      options.seed = static_cast<std::uint32_t>(*seed);
    } else {
      return usageError(err, "unknown option '" + flag + "'");
    }
  }

  const std::optional<std::uint32_t> firstSeed = options.seed;
  int topWins = 0, bottomWins = 0, draws = 0;
  std::vector<double> moveMilliseconds;
  // The plies of the search levels alone.
  std::vector<double> thinkMilliseconds;
  for (long long game = 1; game <= games; ++game) {
    // Each game its own seed, so that seeded games differ from each other.
    if (firstSeed) options.seed = static_cast<std::uint32_t>(*firstSeed + game - 1);
    const SelfPlayResult result = playSelfGame(options);
    const char* winner = "draw";
    if (result.winner == SelfPlayWinner::Top) {
      winner = "top";
      ++topWins;
    } else if (result.winner == SelfPlayWinner::Bottom) {
      winner = "bottom";
      ++bottomWins;
    } else {
      ++draws;
    }
    out << "game " << game << " " << winner << " " << result.plies << "\n";
    moveMilliseconds.insert(moveMilliseconds.end(), result.moveMilliseconds.begin(), result.moveMilliseconds.end());
    // The bottom side moves first.
    for (std::size_t ply = 0; ply < result.moveMilliseconds.size(); ++ply)
      if ((ply % 2 == 0 ? options.bottomLevel : options.topLevel) >= FirstSearchLevel)
        thinkMilliseconds.push_back(result.moveMilliseconds[ply]);
  }

  out << "totals games " << games << " top " << topWins << " bottom " << bottomWins << " draw " << draws;
  if (options.topLevel >= FirstSearchLevel || options.bottomLevel >= FirstSearchLevel) {
    const auto [median, worst] = medianAndWorst(thinkMilliseconds);
    out << " think-ms median " << formatMilliseconds(median) << " worst " << formatMilliseconds(worst);
  }
  out << "\n";
  const auto [median, worst] = medianAndWorst(moveMilliseconds);
  out << "ms-per-move median " << formatMilliseconds(median) << " worst " << formatMilliseconds(worst) << "\n";
  return 0;
}

const CommandRegistration registration{Command{"selfplay", Usage, run}};

}  // namespace

}  // namespace vudeve::cli
