// vudeve-cli perft DEPTH POSITION [--divide]
// Prints the number of move sequences of DEPTH plies from POSITION (position
// text, in one argument or spread over several). With --divide, one line
// per first move "FROMX FROMY TOX TOY PIECE COUNT" and then "total N"; a drop
// has FROMX 11 (MAN) or -1 (COM) and FROMY the hand index 1..7, PIECE is the
// code placed on the destination.
#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/command.h"
#include "rules/perft.h"
#include "rules/position_text.h"

namespace vudeve::cli {

namespace {

constexpr int MaxDepth = 20;
const char* const Usage = "perft DEPTH POSITION [--divide]";

int usageError(std::ostream& err) {
  err << "usage: vudeve-cli " << Usage << "\n";
  return UsageError;
}

bool parseDepth(const std::string& text, int& depth) {
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, depth);
  return ec == std::errc() && stop == end && depth >= 0 && depth <= MaxDepth;
}

int handIndexOf(const Move& m) { return m.fromX == 11 ? m.fromY - 2 : m.fromY; }

int runPerft(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool divide = false;
  std::vector<std::string> words;
  for (const std::string& arg : args) {
    if (arg == "--divide")
      divide = true;
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

  Perft perft(g);
  if (!divide) {
    out << perft.count(depth) << "\n";
    return 0;
  }
  std::uint64_t total = 0;
  for (const DivideLine& line : perft.divide(depth)) {
    const Move& m = line.move;
    const bool drop = m.fromX == 11 || m.fromX == -1;
    out << m.fromX << ' ' << (drop ? handIndexOf(m) : m.fromY) << ' ' << m.toX << ' ' << m.toY << ' ' << m.piece
        << ' ' << line.count << "\n";
    total += line.count;
  }
  // Depth 0 has no first moves but still one sequence, the empty one.
  out << "total " << (depth == 0 ? perft.count(0) : total) << "\n";
  return 0;
}

const CommandRegistration registration({"perft", Usage, runPerft});

}  // namespace

}  // namespace vudeve::cli
