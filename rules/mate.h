// Compulsory capture, mate and escape tests. They try moves on the real
// board, rebuild the influence maps and put the board back; the maps are left
// describing the last tried position.
#pragma once

#include "rules/game.h"

namespace vudeve {

int 調査_移動先あるか2(Game& g, int side, int x, int y);
int 調査_移動先あるか(Game& g, int side);
void 設定_移動可能駒(Game& g, int side);
int 詰めかCOM(Game& g);
int 詰めかMAN(Game& g);
int 詰めかMAN_COM移動(const Game& g);
int 調査_自王逃道(Game& g);

}  // namespace vudeve
