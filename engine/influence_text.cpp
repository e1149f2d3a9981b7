#include "engine/influence_text.h"

namespace vudeve {

namespace {

struct NamedMap {
  const char* name;
  BoardMap Game::*map;
};

// The order is part of the output format.
constexpr NamedMap PrintedMaps[] = {
    {"ManInfluence", &Game::ManInfluence},       {"ComInfluence", &Game::ComInfluence},
    {"ManGuardCode", &Game::ManGuardCode},       {"ComGuardCode", &Game::ComGuardCode},
    {"ComGuardX", &Game::ComGuardX},             {"ComGuardY", &Game::ComGuardY},
    {"ManAttackerCode", &Game::ManAttackerCode}, {"ManAttackerX", &Game::ManAttackerX},
    {"ManAttackerY", &Game::ManAttackerY},       {"ComAttackerCode", &Game::ComAttackerCode},
    {"ComAttackerX", &Game::ComAttackerX},       {"ComAttackerY", &Game::ComAttackerY},
    {"ComKingChecks", &Game::ComKingChecks},     {"ManKingChecks", &Game::ManKingChecks},
};

}  // namespace

void printInfluenceMaps(std::ostream& out, const Game& g) {
  for (const NamedMap& named : PrintedMaps) {
    out << named.name << "\n";
    const BoardMap& map = g.*named.map;
    for (int y = 1; y <= BoardSize; ++y) {
      for (int x = 1; x <= BoardSize; ++x) out << (x > 1 ? " " : "") << map[x][y];
      out << "\n";
    }
  }
  out << "kings " << g.ManKingX << " " << g.ManKingY << " " << g.ComKingX << " " << g.ComKingY << "\n";
}

}  // namespace vudeve
