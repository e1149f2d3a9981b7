// vudeve-cli perft DEPTH POSITION [--divide] [--compulsory]
// Prints the number of move sequences of DEPTH plies from POSITION (position
// text, in one argument or spread over several); the output is printPerft's.
// With --compulsory each side is held to compulsory capture.
#include <charconv>
#include <string>
#include <vector>

#include "cli/command.h"
#include "rules/compulsory.h"
#include "rules/perft.h"
#include "rules/position_text.h"

namespace vudeve::cli {

namespace {

constexpr int MaxDepth = 20;
const char* const Usage = "perft DEPTH POSITION [--divide] [--compulsory]";

int usageError(std::ostream& err) {
  err << "usage: vudeve-cli " << Usage << "\n";
  return UsageError;
}

bool parseDepth(const std::string& text, int& depth) {
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, depth);
  return ec == std::errc() && stop == end && depth >= 0 && depth <= MaxDepth;
}

int runPerft(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool divide = false;
  MoveFilter filter = nullptr;
  std::vector<std::string> words;
  for (const std::string& arg : args) {
    if (arg == "--divide")
      divide = true;
    else if (arg == "--compulsory")
      filter = keepCompulsoryCaptures;
    else if (arg.rfind("--", 0) == 0)
      return usageError(err);
    else
      words.push_back(arg);
  }
  int depth = 0;
  if (words.size() < 2 || !parseDepth(words[0], depth)) return usageError(err);
  std::string text;
  for (std::size_t i = 1; i < words.size(); ++i) text += (i > 1 ? " " : "") + words[i];

  Game g;
  g.ManSide = SenteSide;
  g.ComSide = GoteSide;
  std::string error;
  if (!readPositionText(g, text, error)) {
    err << error << "\n";
    return usageError(err);
  }

  printPerft(out, g, depth, divide, filter);
  return 0;
}

const CommandRegistration registration({"perft", Usage, runPerft});

}  // namespace

}  // namespace vudeve::cli
