#include "app/handlers/match_commands.h"

#include <iterator>

#include "engine/com_turn.h"
#include "record/replay.h"
#include "rules/handicap.h"
#include "rules/move.h"
#include "rules/setup.h"
#include "ui/draw.h"

namespace vudeve {

namespace {

void say(Game& g, const char* text, const char* caption) {
  g.Messages->show(text, caption, MessageButtons::Ok, MessageIcon::None);
}

// The level is shown in the three cells above the left of the board.
void eraseLevelCells(Game& g) {
  for (int x = -2; x <= 0; ++x) 描画_絵(g, g.BackgroundCode, x, 0);
}

// Play goes on from the position shown, so the record ends with its entry.
// The record index it is cut at, not the move count, which runs ahead of
// the record after 反転.
void cutRecordAtShownPosition(Game& g) { g.LastMoveNumber = g.MoveNumber; }

// A game that has ended is not continued, a new one starts: in play, or in
// a record read from a file and shown where a king was taken.
bool gameOver(const Game& g) {
  const bool kingTaken = !standsOnBoard(g, ComKing) || !standsOnBoard(g, ManKing);
  return g.Winner != NoSide || (g.RecordMode == TrueValue && kingTaken);
}

// A record read from a file becomes a game at the position shown, with the
// sides and the turn the record gives, and ends there.
void leaveRecordMode(Game& g) {
  if (g.RecordMode != TrueValue) return;
  g.RecordMode = FalseValue;
  takeSidesFromRecord(g);
  cutRecordAtShownPosition(g);
}

void prepareBoardForGame(Game& g) {
  描画_棋譜パネル消去(g);
  描画_棋譜読込み部分消去(g);
}

// What 先手 and 後手 do alike before the sides are settled: a fresh board
// after a finished game, the level shown, play against the computer from
// the position shown, the record cut there.
void startGameAgainstCom(Game& g) {
  if (gameOver(g)) 初期設定(g);
  prepareBoardForGame(g);
  描画_レベル(g, g.Level);
  描画_将棋盤桝(g);
  g.SelectState = 0;
  g.GameMode = ModeCom;
  leaveRecordMode(g);
  cutRecordAtShownPosition(g);
}

void levelClick(Game& g, int level) {
  if (refusedWhileComThinks(g)) return;
  描画_棋譜パネル消去(g);
  eraseLevelCells(g);
  レベル_設定(g, level);
}

// The refusals of the handicap buttons, in the order they are checked.
bool handicapRefused(Game& g) {
  int reason = 0;
  if (g.RecordMode == TrueValue) reason = 1;
  else if (g.MoveNumber > 0) reason = 2;
  else if (g.Reversed == TrueValue) reason = 3;
  if (reason == 0) return false;
  g.Sound->dsPlay(g.ForbiddenSound);
  描画_メッセージ(g, reason);
  return true;
}

void showHandicapSquare(Game& g, int x, int y) {
  描画_絵(g, g.Board[x][y], x, y);
  描画_桝輪郭(g, BackColorIndex, x, y);
  g.Sound->dsPlay(g.PieceSound);
}

// Going up to grade g > 0 takes COM's piece of step g away; going up to
// g <= 0 puts MAN's piece of step -g + 1 back. Going down mirrors it.
void changeHandicap(Game& g, int delta) {
  const int from = g.HandicapGrade;
  const int to = from + delta;
  if (to > MaxHandicapGrade || to < -MaxHandicapGrade) return;
  g.HandicapGrade = to;
  描画_ハンデレベル(g, to);
  const bool comSide = delta > 0 ? to >= 1 : to >= 0;
  const int step = comSide ? (delta > 0 ? to : to + 1) : (delta > 0 ? -to + 1 : -to);
  const HandicapStep& s = 取得_ハンデ手順(step);
  const bool removing = comSide == (delta > 0);
  int x = s.x, y = s.y, piece = s.comPiece;
  if (!comSide) {
    x = 10 - s.x;
    y = 10 - s.y;
    piece = -s.comPiece;
  }
  g.Board[x][y] = removing ? Empty : piece;
  showHandicapSquare(g, x, y);
}

void handicapClick(Game& g, int delta) {
  if (refusedWhileComThinks(g)) return;
  描画_棋譜パネル消去(g);
  if (handicapRefused(g)) return;
  g.LastMoveNumber = 0;
  changeHandicap(g, delta);
  // Set even at the limit: it blocks writing the record until the next reset.
  g.HandicapSet = TrueValue;
}

}  // namespace

void 描画_棋譜パネル消去(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

bool refusedWhileComThinks(Game& g) {
  if (!g.ComThinking) return false;
  g.Sound->dsPlay(g.ForbiddenSound);
  return true;
}

void TAIKYOKU_Click(Game& g) { 描画_棋譜パネル消去(g); }

void MATCH_MAN_Click(Game&) {}

void START_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
  if (gameOver(g)) {
    初期設定(g);
    g.Screen->refresh();
  }
  prepareBoardForGame(g);
  eraseLevelCells(g);
  描画_将棋盤桝(g);
  g.TurnStartTime = g.Time->secondsSinceMidnight();
  if (g.Menus->isChecked(MenuItem::KEIKA)) g.Timer1->setEnabled(true);
  g.GameMode = ModeHuman;
  leaveRecordMode(g);
  if (g.Turn == NoSide || g.MoveCount == 0) {
    g.GameStartTime = g.Time->now();
    g.ManSide = SenteSide;
    g.ComSide = GoteSide;
    g.Turn = SenteSide;
    say(g, "先手の番です", " ");
  } else if (g.Turn == SenteSide) {
    say(g, "先手の番です", " ");
  } else if (g.Turn == GoteSide) {
    say(g, "後手の番です", " ");
  }
  g.ResumePending = FalseValue;
}

void SENTE_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
  startGameAgainstCom(g);
  g.TurnStartTime = g.Time->secondsSinceMidnight();
  g.Timer1->setEnabled(true);
  if (g.Turn == NoSide || g.MoveCount == 0) {
    g.GameStartTime = g.Time->now();
    g.ManSide = SenteSide;
    g.ComSide = GoteSide;
    g.Turn = g.ManSide;
    say(g, "MANの番です", " ");
  } else if (g.Turn == g.ManSide) {
    g.ManSide = SenteSide;
    g.ComSide = GoteSide;
    g.Turn = g.ManSide;
    say(g, "MANの番です", "対局");
  } else if (g.Turn == g.ComSide) {
    com_ban(g);
    return;
  } else {
    return;
  }
  g.ResumePending = FalseValue;
}

void GOTE_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
  startGameAgainstCom(g);
  g.Timer1->setEnabled(true);
  if (g.Turn == NoSide || g.MoveCount == 0) {
    g.GameStartTime = g.Time->now();
    g.ManSide = GoteSide;
    g.ComSide = SenteSide;
    g.Turn = SenteSide;
    com_ban(g);
  } else if (g.Turn == g.ManSide) {
    // The person's turn starts now, not when the game was left.
    g.TurnStartTime = g.Time->secondsSinceMidnight();
    say(g, "MANの番です", "対局");
    g.ResumePending = FalseValue;
  } else if (g.Turn == g.ComSide) {
    com_ban(g);
  }
}

void LEVEL1_Click(Game& g) { levelClick(g, 1); }
void LEVEL2_Click(Game& g) { levelClick(g, 2); }
void LEVEL3_Click(Game& g) { levelClick(g, 3); }
void LEVEL4_Click(Game& g) { levelClick(g, 4); }
void LEVEL5_Click(Game& g) { levelClick(g, 5); }

void レベル_設定(Game& g, int level) {
  for (MenuItem item : LevelItems) g.Menus->setChecked(item, false);
  if (level >= 1 && level <= static_cast<int>(std::size(LevelItems))) {
    g.Menus->setChecked(LevelItems[level - 1], true);
    g.Level = level;
  }
  if (g.GameMode == ModeCom) 描画_レベル(g, g.Level);
}

void LBEL_UP_Click(Game& g) { handicapClick(g, +1); }
void LEBEL_DOWN_Click(Game& g) { handicapClick(g, -1); }

}  // namespace vudeve
