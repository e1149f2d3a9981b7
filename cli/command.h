// Sub-commands of vudeve-cli. Each command file registers itself with a
// static CommandRegistration; main() dispatches by name, and so do tests.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vudeve::cli {

// Exit code for a usage error; the command's usage is printed first.
inline constexpr int UsageError = 2;

struct Command {
  std::string name;
  std::string usage;  // one line, without the program name
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

struct CommandRegistration {
  explicit CommandRegistration(Command command);
};

const std::vector<Command>& commands();

}  // namespace vudeve::cli
