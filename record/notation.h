// Move notation and the move texts beside the board.
#pragma once

#include <string>

#include "rules/game.h"

namespace vudeve {

// 1..9 full-width digits, 1001..1009 kanji numerals, piece codes of either
// sign their names; anything else no text.
std::string 文字列変換(int code);
double 取得_棋譜のX座標(const std::string& text);
void 描画_手数(Game& g, int count, int color);
void 描画_移動結果(Game& g, int side, int x, int y, int piece, int color);
void 消去_移動結果(Game& g, int side);

}  // namespace vudeve
