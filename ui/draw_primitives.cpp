// The primitive drawing operations: pictures, outlines, texts and numbers at
// cell positions, and the clock text.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "ui/draw.h"

namespace vudeve {
namespace {

double twipX(double x) { return BoardLeft + x * CellWidth; }
double twipY(double y) { return BoardTop + y * CellHeight; }

// Every picture code the window holds a picture for, in the order they are
// checked: the empty square, the bottom army, the top army, then the
// backgrounds and the title.
constexpr std::array<int, 35> PictureCodes = {
    Empty,
    ManPawn, ManTokin, ManLance, ManPromLance, ManKnight, ManPromKnight, ManSilver, ManPromSilver,
    ManGold, ManBishop, ManHorse, ManRook, ManDragon, ManKing,
    ComPawn, ComTokin, ComLance, ComPromLance, ComKnight, ComPromKnight, ComSilver, ComPromSilver,
    ComGold, ComBishop, ComHorse, ComRook, ComDragon, ComKing,
    MidoriCode, TakeCode, TatamiCode, UchuCode, RengaCode, TitleCode,
};

// Handicap labels by grade -10..10.
constexpr std::array<const char*, 21> HandicapLabels = {
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級",
};
constexpr int LowestGrade = -10;
constexpr int MoveNumberSuffixCode = 99;
constexpr const char* MoveNumberSuffix = "手目";

// Kanji numerals by value 1..9.
constexpr std::array<const char*, 10> KanjiNumerals = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// Offset of a string drawn by code from its cell's corner, in twips.
constexpr double StringOffsetX = 120;
constexpr double StringOffsetY = 160;

const char* stringOfCode(int code) {
  if (code == MoveNumberSuffixCode) return MoveNumberSuffix;
  const int index = code - LowestGrade;
  if (index < 0 || index >= static_cast<int>(HandicapLabels.size())) return nullptr;
  return HandicapLabels[index];
}

void placeText(Game& g, double x, double y, int color, double fontSize) {
  g.Screen->setFontSize(fontSize);
  g.Screen->setForeColor(color);
  g.Screen->setTextPosition(twipX(x), twipY(y));
}

// Whole part of a clock field, kept inside int range so that absurd values
// only lose their text instead of overflowing.
int wholePart(double v) {
  if (std::isnan(v)) return 1000;
  return static_cast<int>(std::clamp(std::floor(v), -1.0e9, 1.0e9));
}

}  // namespace

void 描画_絵(Game& g, int pictureCode, double x, double y) {
  if (std::find(PictureCodes.begin(), PictureCodes.end(), pictureCode) == PictureCodes.end()) return;
  g.Screen->drawPicture(pictureCode, twipX(x), twipY(y));
}

void 描画_桝輪郭(Game& g, int color, double x, double y) {
  g.Screen->drawBox(color, twipX(x), twipY(y), twipX(x + 1), twipY(y + 1));
}

void 描画_文字列(Game& g, double x, double y, int stringCode, int color, double fontSize) {
  g.Screen->setTextPosition(twipX(x) + StringOffsetX, twipY(y) + StringOffsetY);
  g.Screen->setFontSize(fontSize);
  g.Screen->setForeColor(color);
  if (const char* text = stringOfCode(stringCode)) g.Screen->print(text);
}

void 描画_移動駒種類(Game& g, double x, double y, const std::string& text, int color) {
  placeText(g, x, y, color, 12);
  g.Screen->print(text);
}

void 描画_数値(Game& g, double x, double y, int value, int color, int mode, double fontSize) {
  placeText(g, x, y, color, fontSize);
  if (mode == 0) {
    g.Screen->print(std::to_string(value));
  } else if (value >= 1 && value <= 9) {
    g.Screen->print(KanjiNumerals[value]);
  }
}

void 描画_数値(Game& g, double x, double y, const std::string& value, int color, int mode, double fontSize) {
  placeText(g, x, y, color, fontSize);
  if (mode == 0) {
    g.Screen->print(value);
  } else if (value.size() == 1 && value[0] >= '1' && value[0] <= '9') {
    g.Screen->print(KanjiNumerals[value[0] - '0']);
  }
}

void 描画_桝_数値(Game& g) {
  g.Screen->setFontBold(true);
  for (int i = 1; i <= 9; ++i) {
    描画_絵(g, g.BackgroundCode, i, 0);
    描画_数値(g, i + 0.2, 0.5, 10 - i, ShadowColor, 0, 16);
    描画_数値(g, i + 0.1, 0.4, 10 - i, LabelColor, 0, 16);
    描画_絵(g, g.BackgroundCode, 10, i);
    描画_数値(g, 10.2, i + 0.4, i, ShadowColor, 1, 12);
    描画_数値(g, 10.1, i + 0.3, i, LabelColor, 1, 12);
    描画_桝輪郭(g, BackColorIndex, 9, i);
  }
}

std::string 変換_数字から文字(int number) {
  const std::string digits = std::to_string(number);
  if (digits.size() == 1) return "0" + digits;
  if (digits.size() == 2) return digits;
  return "";
}

std::string 調査_時間秒追加結果(double seconds) {
  double s = seconds;
  double h = 0;
  if (s >= 3600) {
    h = std::floor(s / 3600);
    s -= 3600 * h;
  }
  const double m = std::floor(s / 60);
  const double r = s - 60 * m;
  return 変換_数字から文字(wholePart(h)) + ":" + 変換_数字から文字(wholePart(m)) + ":" +
         変換_数字から文字(wholePart(r));
}

void 描画_所有時間(Game& g, int side, double seconds) {
  if (!g.Menus->isChecked(MenuItem::KEIKA)) return;
  const std::string text = 調査_時間秒追加結果(seconds);
  消去_所有時間(g, side);
  if (side == g.ManSide) {
    描画_数値(g, 13.1, 9.3, text, ShadowColor, 0, 12);
    描画_数値(g, 13, 9.2, text, TextColor, 0, 12);
  } else if (side == g.ComSide) {
    描画_数値(g, -1.5, 9.3, text, ShadowColor, 0, 12);
    描画_数値(g, -1.6, 9.2, text, TextColor, 0, 12);
    描画_桝輪郭(g, BackColorIndex, 1, 9);
  }
}

void 消去_所有時間(Game& g, int side) {
  if (side == g.ManSide) {
    for (int x = 13; x <= 15; ++x) 描画_絵(g, g.BackgroundCode, x, 9);
  } else if (side == g.ComSide) {
    for (int x = -2; x <= 0; ++x) 描画_絵(g, g.BackgroundCode, x, 9);
  }
}

}  // namespace vudeve
