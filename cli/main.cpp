#include <iostream>

#include "cli/command.h"

int main(int argc, char** argv) {
  using namespace vudeve::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty()) {
    for (const Command& command : commands()) {
      if (command.name == args[0]) {
        args.erase(args.begin());
        return command.run(args, std::cout, std::cerr);
      }
    }
  }
  std::cerr << "usage:\n";
  for (const Command& command : commands()) std::cerr << "  vudeve-cli " << command.usage << "\n";
  return UsageError;
}
