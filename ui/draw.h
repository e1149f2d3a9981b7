// Drawing on the main window. Positions are cell units: cell (x, y) starts
// at (BoardLeft + x * CellWidth, BoardTop + y * CellHeight) twips; board
// squares are cells 1..9, everything else lies around the board.
#pragma once

#include <string>

#include "rules/game.h"

namespace vudeve {

// The width of the window's drawing, in twips.
inline constexpr int ScreenWidth = 9380;

// Primitives.
void 描画_絵(Game& g, int pictureCode, double x, double y);
void 描画_桝輪郭(Game& g, int color, double x, double y);
void 描画_文字列(Game& g, double x, double y, int stringCode, int color, double fontSize);
void 描画_移動駒種類(Game& g, double x, double y, const std::string& text, int color);
// Mode 0 prints the value itself; any other mode prints the kanji numeral of
// 1..9 and nothing for other values.
void 描画_数値(Game& g, double x, double y, int value, int color, int mode, double fontSize);
void 描画_数値(Game& g, double x, double y, const std::string& value, int color, int mode, double fontSize);
void 描画_桝_数値(Game& g);
std::string 変換_数字から文字(int number);
std::string 調査_時間秒追加結果(double seconds);
void 描画_所有時間(Game& g, int side, double seconds);
void 消去_所有時間(Game& g, int side);

// Composites.
void 描画_盤(Game& g);
void 描画_将棋盤桝(Game& g);
void 描画_自持盤(Game& g);
void 描画_敵持盤(Game& g);
void 描画_背景(Game& g, int pictureCode);
void 画面_再描画(Game& g);
void 描画_棋譜読込み部分消去(Game& g);
void 描画_レベル(Game& g, int level);
void 描画_ハンデレベル(Game& g, int grade);
void 描画_駒点滅(Game& g, int pictureCode, double x, double y, int count);
void 描画_駒点滅_移動可能駒(Game& g, int count);
void 待ち時間(Game& g, double seconds);
void 描画_メッセージ(Game& g, int reason);
void 描画_可視(Game& g, bool drive, bool dir, bool file);
void 描画_棋譜_IO(Game& g, int mode);

// The view that draws what the rules change (g.View), for a game on screen.
BoardView& boardDrawing();

}  // namespace vudeve
