#include "engine/tool_game.h"

#include "rules/influence.h"
#include "rules/position_text.h"
#include "rules/setup.h"

namespace vudeve {

std::unique_ptr<Game> makeToolGame(int level) {
  auto game = std::make_unique<Game>();
  Game& g = *game;
  初期設定(g);
  g.ManSide = GoteSide;
  g.ComSide = SenteSide;
  g.ApproachDistance = 0;
  g.Level = level;
  g.Turn = g.ComSide;
  g.Winner = NoSide;
  return game;
}

namespace {

// The computer moves whichever side the position names.
void handOverToComputer(Game& g) {
  g.Turn = g.ComSide;
  勢力調査(g);
}

}  // namespace

bool loadPositionForComputer(Game& g, std::string_view text, std::string& error) {
  if (!readPositionText(g, text, error)) return false;
  handOverToComputer(g);
  return true;
}

void placePiecesForComputer(Game& g, const Placement& pieces) {
  placePieces(g, pieces);
  handOverToComputer(g);
}

}  // namespace vudeve
