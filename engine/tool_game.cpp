#include "engine/tool_game.h"

#include "engine/influence.h"
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

bool loadPositionForComputer(Game& g, std::string_view text, std::string& error) {
  if (!readPositionText(g, text, error)) return false;
  // The computer moves whichever side the text names.
  g.Turn = g.ComSide;
  勢力調査(g);
  return true;
}

}  // namespace vudeve
