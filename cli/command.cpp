#include "cli/command.h"

namespace vudeve::cli {

namespace {
std::vector<Command>& registry() {
  static std::vector<Command> all;
  return all;
}
}  // namespace

CommandRegistration::CommandRegistration(Command command) { registry().push_back(std::move(command)); }

const std::vector<Command>& commands() { return registry(); }

}  // namespace vudeve::cli
