// Small board questions the computer's evaluation asks again and again.
#pragma once

#include "rules/game.h"

namespace vudeve {

// Once per computer turn: ManPinned and AnyComPinned.
void 調査_移動不可駒(Game& g);
// Once per computer turn: ManBishopCheckSquares.
void 調査_持角狙座標(Game& g);
int 調査_移動可場所数(const Game& g, int x, int y, int piece);
int 調査_周辺状況(const Game& g, int x, int y);
int 調査_自守駒MAN_直進駒(Game& g, int x, int y);
int 調査_香狙い(const Game& g, int x, int y);
int 調査_桂狙い(const Game& g, int x, int y);

}  // namespace vudeve
