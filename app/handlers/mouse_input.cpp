#include "app/handlers/mouse_input.h"

#include <cmath>
#include <cstdlib>

#include "app/handlers/match_commands.h"
#include "engine/com_turn.h"
#include "record/notation.h"
#include "record/record.h"
#include "rules/influence.h"
#include "rules/legality.h"
#include "rules/mate.h"
#include "rules/move.h"
#include "rules/setup.h"
#include "ui/clocks.h"
#include "ui/draw.h"

namespace vudeve {

namespace {

void say(Game& g, const char* text, const char* caption) {
  g.Messages->show(text, caption, MessageButtons::Ok, MessageIcon::None);
}

void forbid(Game& g) { g.Sound->dsPlay(g.ForbiddenSound); }

// The cell a press falls in; presses far outside the window land on a cell
// that is neither board nor hand stand.
int cellOf(double twips, int cellSize) {
  const double cell = std::floor(twips / cellSize);
  return std::isfinite(cell) && cell > -100 && cell < 100 ? static_cast<int>(cell) : -100;
}

bool belongsToSideToMove(const Game& g, int code) {
  return (g.Turn == g.ManSide && code <= -10) || (g.Turn == g.ComSide && code >= 10);
}

void startTurnClock(Game& g) {
  g.TurnStartTime = g.Time->secondsSinceMidnight();
  if (g.Menus->isChecked(MenuItem::KEIKA)) g.Timer1->setEnabled(true);
}

// A paused game (after stepping through the record) or a pending computer
// turn goes on before the press is taken as a move.
void resumeIfPaused(Game& g) {
  if (g.GameMode == ModeHuman) {
    if (g.ResumePending != TrueValue) return;
    g.ResumePending = FalseValue;
    startTurnClock(g);
    if (g.Turn == SenteSide) say(g, "先手の番です", "対局");
    else if (g.Turn == GoteSide) say(g, "後手の番です", "対局");
    return;
  }
  if (g.Turn == g.ComSide) {
    g.ResumePending = FalseValue;
    say(g, "OKですか？", "再開(COM)");
    com_ban(g);
  } else if (g.Turn == g.ManSide && g.ResumePending == TrueValue) {
    g.ResumePending = FalseValue;
    startTurnClock(g);
    say(g, "MANの番です", "対局");
  }
}

void pickUpFromBoard(Game& g, int col, int row) {
  const int piece = g.Board[col][row];
  g.MoveRec[9] = 調査_移動先あるか(g, g.Turn);
  g.MoveRec[3] = col;
  g.MoveRec[4] = row;
  g.MoveRec[8] = piece;
  描画_移動可能桝色(g, col, row, g.GuideColor, piece);
  if (belongsToSideToMove(g, piece)) {
    描画_桝輪郭(g, SelectColor, col, row);
    g.SelectState = 1;
  } else {
    // An opponent piece is only inspected: its moves show, nothing is held.
    描画_桝輪郭(g, g.GuideColor, col, row);
  }
}

// The mover's time goes to his own clock, MAN's for the bottom player and
// COM's for the top one, as the tick shows them; then the record ends with
// the position reached.
void finishTurn(Game& g, int captured) {
  (g.Turn == g.ComSide ? g.ComSeconds : g.ManSeconds) += g.TurnSeconds;
  storePositionAfterMove(g);
  if (g.GameMode == ModeCom) {
    g.Timer1->setEnabled(false);
    勢力調査(g);
    if (詰めかCOM(g) == TrueValue || captured == ComKing) {
      g.Winner = g.ManSide;
      say(g, "あなたの勝ちです", "終了");
    } else {
      g.Turn = g.ComSide;
      com_ban(g);
    }
    return;
  }
  // Two people: only the capture of a king ends the game. Either player may
  // be 先手: after 後手 against the computer the bottom player is 後手.
  g.Turn = -g.Turn;
  g.TurnStartTime = g.Time->secondsSinceMidnight();
  if (g.Winner == SenteSide) say(g, "先手の勝ちです", "終了");
  if (g.Winner == GoteSide) say(g, "後手の勝ちです", "終了");
}

// Cancels a pick-up: guidance, the picked-up outline and the selection go.
void putDown(Game& g) {
  描画_移動可能桝色(g, g.MoveRec[3], g.MoveRec[4], GridColor, g.MoveRec[8]);
  描画_桝輪郭(g, GridColor, g.MoveRec[3], g.MoveRec[4]);
  g.SelectState = 0;
}

// The grid covers the board only; a hand cell's outline is reset apart.
void redrawOutlines(Game& g) {
  描画_将棋盤桝(g);
  描画_桝輪郭(g, GridColor, g.MoveRec[3], g.MoveRec[4]);
}

void moveTo(Game& g, int Button, int col, int row) {
  設定_移動可能駒(g, g.Turn);
  g.MoveRec[5] = col;
  g.MoveRec[6] = row;

  // A piece picked up from the other side's hand stand was only inspected.
  if ((g.MoveRec[3] == ComHandColumn && g.Turn == g.ManSide) || (g.MoveRec[3] == ManHandColumn && g.Turn == g.ComSide)) {
    putDown(g);
    return;
  }
  if (belongsToSideToMove(g, g.Board[col][row])) {
    putDown(g);
    forbid(g);
    描画_将棋盤桝(g);
    return;
  }
  if (移動チェック(g, g.MoveRec[3], g.MoveRec[4], col, row, g.MoveRec[8]) == FalseValue) {
    forbid(g);
    putDown(g);
    描画_将棋盤桝(g);
    return;
  }
  if (移動後チェック(row, g.MoveRec[8]) == FalseValue && Button != RightButton) {
    // The piece stays picked up so the same square can be pressed again
    // with the right button.
    forbid(g);
    say(g, "マウスの右をクリックして下さい", "成り");
    return;
  }
  if (g.MoveRec[9] == TrueValue) {
    if (調査_移動先あるか2(g, g.Turn, g.MoveRec[3], g.MoveRec[4]) == FalseValue) {
      say(g, "　この駒は移動できません\r\r他に移動できる駒があります", "警告");
      redrawOutlines(g);
      描画_駒点滅_移動可能駒(g, 3);
      g.SelectState = 0;
      return;
    }
    if (g.Board[col][row] == Empty) {
      say(g, "相手駒を取って下さい", "警告");
      redrawOutlines(g);
      g.SelectState = 0;
      return;
    }
  }

  updateTurnSeconds(g);
  // In a two-person game the top player's turn goes to COM's clock.
  const bool top = g.Turn == g.ComSide;
  手順保存(g, g.MoveRec[3], g.MoveRec[4], col, row, g.MoveRec[8], g.Board[col][row], g.ManSeconds,
           g.ManSeconds + (top ? 0 : g.TurnSeconds), g.ComSeconds, g.ComSeconds + (top ? g.TurnSeconds : 0));
  g.MoveCount += 1;
  描画_手数(g, g.MoveCount, TextColor);
  if (Button == RightButton && 調査_駒成(g, g.MoveRec[3], g.MoveRec[4], col, row, g.MoveRec[8]) == TrueValue)
    g.MoveRec[8] = g.PromotedCode;

  g.SelectState = 0;
  描画_桝輪郭(g, GridColor, g.MoveRec[3], g.MoveRec[4]);
  描画_桝輪郭(g, GridColor, col, row);
  描画_移動可能桝色(g, g.MoveRec[3], g.MoveRec[4], GridColor, g.MoveRec[8]);
  // COM's hand is clicked by row but dropped by hand index.
  if (g.MoveRec[3] < 0) g.MoveRec[4] = 8 - g.MoveRec[4];

  const int captured = g.Board[col][row];
  駒移動(g, g.MoveRec[3], g.MoveRec[4], col, row, g.MoveRec[8]);
  g.Sound->dsPlay(g.PieceSound);
  g.MoveNumber += 1;
  描画_移動結果(g, g.MoveRec[8] >= 10 ? g.ComSide : g.ManSide, col, row, g.MoveRec[8], MoveTextColor);
  finishTurn(g, captured);
}

void pickUpFromHand(Game& g, int handColumn, int row, int piece, int ownerSide) {
  g.MoveRec[9] = 調査_移動先あるか(g, g.Turn);
  調査_2歩フラグ設定(g);
  g.SelectState = 1;
  g.MoveRec[3] = handColumn;
  g.MoveRec[4] = row;
  g.MoveRec[8] = piece;
  if (g.Turn == ownerSide) 描画_桝輪郭(g, SelectColor, handColumn, row);
  else if (g.Turn == -ownerSide) 描画_桝輪郭(g, g.GuideColor, handColumn, row);
  描画_移動可能桝色(g, handColumn, row, g.GuideColor, piece);
}

void pressOutsideBoard(Game& g, int col, int row) {
  if (std::abs(g.MoveRec[8]) >= 10) {
    描画_移動可能桝色(g, g.MoveRec[3], g.MoveRec[4], GridColor, g.MoveRec[8]);
    描画_桝輪郭(g, GridColor, g.MoveRec[3], g.MoveRec[4]);
  }
  // With its outline and guidance gone, a held piece is no longer held: a
  // press anywhere but on a hand piece puts it down.
  const int manIndex = handIndexOfCell(col, row);
  if (col == ManHandColumn && manIndex >= 1 && manIndex <= 7 && g.ManHand[manIndex] > 0) {
    pickUpFromHand(g, ManHandColumn, row, ManHandPiece[manIndex], g.ManSide);
  } else if (col == ComHandColumn && row >= 1 && row <= 7 && g.ComHand[8 - row] > 0) {
    pickUpFromHand(g, ComHandColumn, row, ComHandPiece[8 - row], g.ComSide);
  } else {
    g.SelectState = 0;
  }
}

}  // namespace

void 描画_移動可能桝色(Game& g, int fromX, int fromY, int color, int piece) {
  描画_将棋盤桝(g);
  if (g.GuidanceOn == FalseValue) return;
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y)
      if (移動チェック(g, fromX, fromY, x, y, piece) == TrueValue) 描画_桝輪郭(g, color, x, y);
}

void Form_MouseDown(Game& g, int Button, int Shift, double X, double Y) {
  if (refusedWhileComThinks(g)) return;
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 2);

  if (g.RecordMode == TrueValue) {
    if (g.Messages->show("棋譜を '進 'で進めて下さい", "棋譜", MessageButtons::YesNo, MessageIcon::None) ==
        MessageAnswer::No) {
      forbid(g);
      初期設定(g);
    }
    return;
  }
  if (g.Winner != NoSide) {
    say(g, "新規に対局してください", "終局");
    return;
  }
  const int col = cellOf(X - BoardLeft, CellWidth);
  const int row = cellOf(Y - BoardTop, CellHeight);
  if (g.Turn == NoSide) {
    forbid(g);
    say(g, "「対局」で始めて下さい", "開始");
    return;
  }
  resumeIfPaused(g);
  // The press that set the computer thinking is spent: the position it was
  // made on is about to change.
  if (g.ComThinking) return;

  if (col >= 1 && col <= BoardSize && row >= 1 && row <= BoardSize) {
    if (g.SelectState == 0) {
      if (g.Board[col][row] != Empty) pickUpFromBoard(g, col, row);
    } else {
      moveTo(g, Button, col, row);
    }
    return;
  }
  pressOutsideBoard(g, col, row);
}

void pressCell(Game& g, int button, double x, double y) {
  Form_MouseDown(g, button, 0, BoardLeft + (x + 0.5) * CellWidth, BoardTop + (y + 0.5) * CellHeight);
}

}  // namespace vudeve
