#include "engine/tool_game.h"

#include "engine/influence.h"
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

}  // namespace vudeve
