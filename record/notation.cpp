#include "record/notation.h"

#include <array>
#include <cstdlib>

#include "ui/draw.h"

namespace vudeve {
namespace {

struct Notation {
  int code;
  const char* text;
};

// Column digits and row numerals match their code exactly; piece codes
// match for either sign. First match wins.
constexpr std::array<Notation, 18> NumberNotation = {{
    {1, "１"}, {2, "２"}, {3, "３"}, {4, "４"}, {5, "５"}, {6, "６"}, {7, "７"}, {8, "８"}, {9, "９"},
    {1001, "一"}, {1002, "二"}, {1003, "三"}, {1004, "四"}, {1005, "五"}, {1006, "六"}, {1007, "七"},
    {1008, "八"}, {1009, "九"},
}};

constexpr std::array<Notation, 14> PieceNotation = {{
    {ComPawn, "歩"}, {ComTokin, "と"}, {ComLance, "香"}, {ComPromLance, "香成"},
    {ComKnight, "桂"}, {ComPromKnight, "桂成"}, {ComSilver, "銀"}, {ComPromSilver, "銀成"},
    {ComGold, "金"}, {ComBishop, "角"}, {ComHorse, "角成"}, {ComRook, "飛"},
    {ComDragon, "飛成"}, {ComKing, "王"},
}};

// Positions of the three strings of a move, shadow layer (cell units).
struct MoveTextPlace {
  double columnX, rowX, pieceX, y;
};
constexpr MoveTextPlace ComMoveText = {-1.5, -1.1, -0.5, 8.5};
constexpr MoveTextPlace ManMoveText = {12.5, 12.9, 13.5, 2.5};

// Shadow position of the move number by its length; the text sits 0.1 cell
// left of and above it.
double moveNumberShadowX(int count) {
  if (count < 10) return 13.3;
  if (count < 100) return 13.2;
  return 13.1;
}

void drawWithShadow(Game& g, double x, double y, const std::string& text, int color) {
  描画_移動駒種類(g, x, y, text, ShadowColor);
  描画_移動駒種類(g, x - 0.1, y - 0.1, text, color);
}

}  // namespace

std::string 文字列変換(int code) {
  for (const Notation& n : NumberNotation)
    if (n.code == code) return n.text;
  for (const Notation& n : PieceNotation)
    if (n.code == std::abs(code)) return n.text;
  return {};
}

double 取得_棋譜のX座標(const std::string& text) {
  // Characters, not bytes: count the UTF-8 lead bytes.
  int length = 0;
  for (unsigned char c : text) length += (c & 0xC0) != 0x80;
  return BoardLeft + ((13 - length) / 5.0 + 3) * CellWidth;
}

void 描画_手数(Game& g, int count, int) {
  描画_絵(g, g.BackgroundCode, 13, 3);
  描画_絵(g, g.BackgroundCode, 14, 3);
  描画_桝輪郭(g, BackColorIndex, 11, 3);
  const double x = moveNumberShadowX(count);
  描画_数値(g, x, 3.4, count, ShadowColor, 0, 12);
  描画_数値(g, x - 0.1, 3.3, count, TextColor, 0, 12);
  描画_文字列(g, 13.9, 3.2, 99, ShadowColor, 10);
  描画_文字列(g, 13.8, 3.1, 99, TextColor, 10);
}

void 描画_移動結果(Game& g, int side, int x, int y, int piece, int color) {
  消去_移動結果(g, side);
  const MoveTextPlace* place = side == g.ComSide ? &ComMoveText : side == g.ManSide ? &ManMoveText : nullptr;
  if (place == nullptr) return;
  drawWithShadow(g, place->columnX, place->y, 文字列変換(10 - x), color);
  drawWithShadow(g, place->rowX, place->y, 文字列変換(1000 + y), color);
  drawWithShadow(g, place->pieceX, place->y, 文字列変換(piece), color);
  // The computer's text reaches over the board's corner square.
  if (side == g.ComSide) 描画_桝輪郭(g, BackColorIndex, 1, 8);
}

void 消去_移動結果(Game& g, int side) {
  if (side == g.ComSide) {
    // The column digit starts 0.6 cell into cell -2.
    描画_絵(g, g.BackgroundCode, -2, 8);
    描画_絵(g, g.BackgroundCode, -1, 8);
    描画_絵(g, g.BackgroundCode, 0, 8);
    描画_桝輪郭(g, BackColorIndex, -1, 7);
    描画_桝輪郭(g, BackColorIndex, 1, 8);
  } else if (side == g.ManSide) {
    描画_絵(g, g.BackgroundCode, 12, 2);
    描画_絵(g, g.BackgroundCode, 13, 2);
    描画_絵(g, g.BackgroundCode, 14, 2);
  }
}

}  // namespace vudeve
