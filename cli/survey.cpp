// vudeve-cli survey POSITION: the influence maps of one position, as the
// computer sees them after a single survey.
#include <string>
#include <vector>

#include "cli/command.h"
#include "engine/influence.h"
#include "rules/position_text.h"
#include "rules/setup.h"

namespace vudeve::cli {
namespace {

const char* const Usage = "survey POSITION";

struct NamedMap {
  const char* name;
  BoardMap Game::*map;
};

constexpr NamedMap PrintedMaps[] = {
    {"ManInfluence", &Game::ManInfluence},       {"ComInfluence", &Game::ComInfluence},
    {"ManGuardCode", &Game::ManGuardCode},       {"ComGuardCode", &Game::ComGuardCode},
    {"ComGuardX", &Game::ComGuardX},             {"ComGuardY", &Game::ComGuardY},
    {"ManAttackerCode", &Game::ManAttackerCode}, {"ManAttackerX", &Game::ManAttackerX},
    {"ManAttackerY", &Game::ManAttackerY},       {"ComAttackerCode", &Game::ComAttackerCode},
    {"ComAttackerX", &Game::ComAttackerX},       {"ComAttackerY", &Game::ComAttackerY},
    {"ComKingChecks", &Game::ComKingChecks},     {"ManKingChecks", &Game::ManKingChecks},
};

int runSurvey(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << "usage: vudeve-cli " << Usage << "\n";
    return UsageError;
  }
  // The position may come as one argument or split at its blanks.
  std::string text = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) text += " " + args[i];

  Game g;
  初期設定(g);
  std::string error;
  if (!readPositionText(g, text, error)) {
    err << "survey: bad position: " << error << "\n";
    return UsageError;
  }
  勢力調査(g);

  for (const NamedMap& named : PrintedMaps) {
    out << named.name << "\n";
    const BoardMap& map = g.*named.map;
    for (int y = 1; y <= BoardSize; ++y) {
      for (int x = 1; x <= BoardSize; ++x) out << (x > 1 ? " " : "") << map[x][y];
      out << "\n";
    }
  }
  out << "kings " << g.ManKingX << " " << g.ManKingY << " " << g.ComKingX << " " << g.ComKingY << "\n";
  return 0;
}

const CommandRegistration registration({"survey", Usage, runSurvey});

}  // namespace
}  // namespace vudeve::cli
