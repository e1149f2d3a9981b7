// vudeve-cli usi: the computer as a USI engine on standard input and
// output, for shogi GUIs and tournament managers.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "engine/usi_engine.h"

namespace vudeve::cli {

namespace {

constexpr const char* Usage = "usi";

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    err << "usi: no arguments wanted\nusage: vudeve-cli " << Usage << "\n";
    return UsageError;
  }
  UsiEngine engine(out);
  std::string line;
  while (std::getline(std::cin, line))
    if (!engine.command(line)) break;
  return 0;
}

const CommandRegistration registration{Command{"usi", Usage, run}};

}  // namespace

}  // namespace vudeve::cli
