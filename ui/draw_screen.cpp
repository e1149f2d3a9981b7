// Screen composition: the board, the hand stands, the background, the whole
// repaint, the labels, the blinking effects and the messages and panel
// switches that belong to the drawing.
#include <array>
#include <string>

#include "ui/draw.h"

namespace vudeve {
namespace {

// Why a handicap change was refused, by reason 1..3.
constexpr std::array<const char*, 4> HandicapRefusals = {"", "棋譜ﾓｰﾄﾞではできません", "対局途中ではできません",
                                                         "反転後ではできません"};
constexpr const char* HandicapAdvice = "局面→最初にして下さい";
constexpr const char* HandicapCaption = "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定";

constexpr double BlinkSeconds = 0.2;

// The cells the background covers, beyond the window on every side.
constexpr int FirstBackgroundCell = -3;
constexpr int LastBackgroundCell = 28;

void drawSquare(Game& g, int pictureCode, int x, int y) {
  描画_絵(g, pictureCode, x, y);
  描画_桝輪郭(g, BackColorIndex, x, y);
}

}  // namespace

void 描画_盤(Game& g) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) drawSquare(g, g.Board[x][y], x, y);
}

void 描画_将棋盤桝(Game& g) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) 描画_桝輪郭(g, GridColor, x, y);
}

void 描画_自持盤(Game& g) {
  for (int k = 1; k <= 7; ++k) {
    const int row = k + 2;
    描画_絵(g, Empty, 11, row);
    描画_絵(g, g.BackgroundCode, 12, row);
    描画_桝輪郭(g, BackColorIndex, 11, row);
    if (g.ManHand[k] > 0) {
      drawSquare(g, ManHandPiece[k], 11, row);
      描画_数値(g, 12.1, row + 0.3, g.ManHand[k], ShadowColor, 0, 14);
      描画_数値(g, 12.0, row + 0.2, g.ManHand[k], SelectColor, 0, 14);
    }
  }
}

void 描画_敵持盤(Game& g) {
  for (int i = 1; i <= 7; ++i) {
    const int kind = 8 - i;
    描画_絵(g, Empty, -1, i);
    描画_絵(g, g.BackgroundCode, 0, i);
    描画_桝輪郭(g, BackColorIndex, -1, i);
    if (g.ComHand[kind] > 0) {
      drawSquare(g, ComHandPiece[kind], -1, i);
      描画_数値(g, 0.1, i + 0.3, g.ComHand[kind], ShadowColor, 0, 14);
      描画_数値(g, 0.0, i + 0.2, g.ComHand[kind], SelectColor, 0, 14);
    }
    // The count tiles overlap the board's left edge.
    描画_桝輪郭(g, BackColorIndex, 1, i);
  }
}

void 描画_背景(Game& g, int pictureCode) {
  for (int x = FirstBackgroundCell; x <= LastBackgroundCell; ++x)
    for (int y = -2; y <= 17; ++y) {
      const bool boardSquare = x >= 1 && x <= 9 && y >= 1 && y <= 9;
      if (!boardSquare) 描画_絵(g, pictureCode, x, y);
    }
}

void 画面_再描画(Game& g) {
  描画_背景(g, g.BackgroundCode);
  描画_桝_数値(g);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
  描画_所有時間(g, g.ComSide, g.ComSeconds);
  描画_所有時間(g, g.ManSide, g.ManSeconds);
  if (g.GameMode == ModeCom) 描画_レベル(g, g.Level);
  if (g.HandicapSet == TrueValue) 描画_ハンデレベル(g, g.HandicapGrade);
  描画_絵(g, TitleCode, 10.8, 0);
}

// The title of a record is printed far left of the board (a long one starts
// left of the window) and a long name may run past its right edge, so the
// whole row goes: nothing else is drawn there. The tiles cover the bottom
// edges of the outlines above them.
void 描画_棋譜読込み部分消去(Game& g) {
  描画_桝_数値(g);
  for (int x = FirstBackgroundCell; x <= LastBackgroundCell; ++x) 描画_絵(g, g.BackgroundCode, x, 10);
  for (int i = 1; i <= 9; ++i) 描画_桝輪郭(g, BackColorIndex, i, 9);
  描画_桝輪郭(g, BackColorIndex, 11, 9);
}

void 描画_レベル(Game& g, int level) {
  描画_数値(g, -1.4, 0.2, "LEVEL", ShadowColor, 0, 10);
  描画_数値(g, -1.5, 0.1, "LEVEL", TextColor, 0, 10);
  描画_数値(g, 0.1, 0.1, level, ShadowColor, 0, 12);
  描画_数値(g, 0, 0, level, TextColor, 0, 12);
}

void 描画_ハンデレベル(Game& g, int grade) {
  // The longest label reaches into cell 14: a shorter one must not leave
  // the tail of the last one showing.
  for (int x = 11; x <= 14; ++x) 描画_絵(g, g.BackgroundCode, x, 1);
  描画_文字列(g, 11.1, 1.1, grade, ShadowColor, 10);
  描画_文字列(g, 11, 1, grade, TextColor, 10);
}

void 描画_駒点滅(Game& g, int pictureCode, double x, double y, int count) {
  for (int n = 0; n < count; ++n) {
    描画_絵(g, Empty, x, y);
    描画_桝輪郭(g, BackColorIndex, x, y);
    g.Screen->refresh();
    待ち時間(g, BlinkSeconds);
    描画_絵(g, pictureCode, x, y);
    描画_桝輪郭(g, BackColorIndex, x, y);
    g.Screen->refresh();
    待ち時間(g, BlinkSeconds);
  }
}

void 描画_駒点滅_移動可能駒(Game& g, int count) {
  for (int n = 0; n < count; ++n) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (g.CapturerFlags[x][y] == TrueValue) drawSquare(g, Empty, x, y);
    g.Screen->refresh();
    待ち時間(g, BlinkSeconds);
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (g.CapturerFlags[x][y] == TrueValue) drawSquare(g, g.Board[x][y], x, y);
    g.Screen->refresh();
    待ち時間(g, BlinkSeconds);
  }
}

// Measured on the monotonic clock: the time of day restarts at midnight, and
// a wait across it would otherwise never end.
void 待ち時間(Game& g, double seconds) {
  const double start = g.Time->monotonicSeconds();
  while (g.Time->monotonicSeconds() < start + seconds) g.Time->pause();
}

void 描画_メッセージ(Game& g, int reason) {
  std::string text;
  if (reason >= 1 && reason < static_cast<int>(HandicapRefusals.size())) text = HandicapRefusals[reason];
  text += "\r\r";
  text += HandicapAdvice;
  g.Messages->show(text, HandicapCaption, MessageButtons::Ok, MessageIcon::None);
}

void 描画_可視(Game& g, bool drive, bool dir, bool file) { g.Panel->setListsVisible(drive, dir, file); }

void 描画_棋譜_IO(Game& g, int mode) {
  if (mode == 0)
    g.Panel->showTextPanel();
  else
    g.Panel->hideAndClearTextPanel();
}

}  // namespace vudeve
