#include "app/handlers/position_commands.h"

#include <string>
#include <utility>
#include <vector>

#include "app/handlers/match_commands.h"
#include "app/handlers/record_panel_commands.h"
#include "record/game_sfen.h"
#include "record/notation.h"
#include "record/pasted_record.h"
#include "record/record_file.h"
#include "record/replay.h"
#include "rules/setup.h"
#include "rules/turn_round.h"
#include "ui/clocks.h"
#include "ui/draw.h"

namespace vudeve {
namespace {

void message(Game& g, const char* text, const char* caption) {
  g.Messages->show(text, caption, MessageButtons::Ok, MessageIcon::None);
}

void closePanel(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

}  // namespace

void STOP_Click(Game& g) { closePanel(g); }

void REPLAY_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
  closePanel(g);
  g.ResumePending = TrueValue;
  if (g.MoveNumber < 1 || !recordHolds(g, g.MoveNumber - 1)) {
    g.Sound->dsPlay(g.ForbiddenSound);
    message(g, "できません", "戻る");
    return;
  }
  g.SelectState = 0;
  g.Timer1->setEnabled(false);
  描画_将棋盤桝(g);
  消去_思考中(g);

  // The move taken back leads from entry MoveNumber - 1 to the position
  // shown, entry MoveNumber.
  const int i = g.MoveNumber - 1;
  int x = 0, y = 0, piece = 0;
  調査_移動結果(g, g.MoveNumber, x, y, piece);

  restoreSnapshot(g, i, g.RecordComTimeBefore[i], g.RecordManTimeBefore[i]);
  g.Sound->dsPlay(g.PieceSound);
  消去_移動結果(g, piece > 0 ? g.ComSide : g.ManSide);

  g.MoveNumber -= 1;
  g.MoveCount -= 1;
  g.Turn = -g.Turn;
  描画_手数(g, g.MoveCount, TextColor);
}

void AFTER_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
  closePanel(g);
  if (g.Turn == NoSide) {
    g.Sound->dsPlay(g.ForbiddenSound);
    message(g, "「対局」で始めて下さい", "開始");
    return;
  }
  g.ResumePending = TrueValue;
  if (g.MoveNumber >= g.LastMoveNumber || !recordHolds(g, g.MoveNumber + 1)) {
    if (g.RecordMode == TrueValue) {
      message(g, "終わり", "進む");
    } else {
      g.Sound->dsPlay(g.ForbiddenSound);
      message(g, "できません", "進む");
    }
    return;
  }
  消去_思考中(g);
  g.SelectState = 0;
  g.Timer1->setEnabled(false);
  描画_将棋盤桝(g);

  g.MoveNumber += 1;
  g.MoveCount += 1;
  描画_手数(g, g.MoveCount, TextColor);

  // Entry i holds the clocks before and after move i + 1; the board shown
  // is the position before that move, so the before-move pair goes with it.
  int i = g.MoveNumber;
  restoreSnapshot(g, i, g.RecordComTimeBefore[i], g.RecordManTimeBefore[i]);

  int x = 0, y = 0, piece = 0;
  調査_移動結果(g, g.MoveNumber, x, y, piece);
  g.Sound->dsPlay(g.PieceSound);
  // Two equal entries (possible only in a file) name no move: no text.
  if (x != 0) 描画_移動結果(g, piece > 0 ? g.ComSide : g.ManSide, x, y, piece, MoveTextColor);

  g.Turn = -g.Turn;
  描画_手数(g, g.MoveCount, TextColor);
}

void CANCEL_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
  初期設定(g);
  g.Sound->dsPlay(g.PieceSound);
}

void REVERSE_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
  if (g.RecordMode == TrueValue) {
    g.Sound->dsPlay(g.ForbiddenSound);
    message(g, "棋譜ﾓｰﾄﾞではできません", "反転");
    return;
  }
  g.Reversed = TrueValue;
  g.SelectState = 0;

  // Half a turn with the armies exchanged, so the person still plays from
  // the bottom; the king squares stay as they were.
  g.Board = turnedRound(g.Board);
  for (int kind = 1; kind <= 7; ++kind) std::swap(g.ManHand[kind], g.ComHand[kind]);
  // The totals go with their hands, or drops would be judged on the other
  // side's count.
  std::swap(g.ManHandTotal, g.ComHandTotal);

  画面_再描画(g);
  描画_手数(g, g.MoveCount, TextColor);
  if (g.HandicapSet == TrueValue) {
    g.HandicapGrade = -g.HandicapGrade;
    描画_ハンデレベル(g, g.HandicapGrade);
  }
  g.Sound->dsPlay(g.PieceSound);
  g.Turn = -g.Turn;
  // The record of the game so far is given up; the next move is stored at 0.
  g.MoveNumber = 0;
  g.LastMoveNumber = 0;
}

void COPY_Click(Game& g) {
  closePanel(g);
  g.Clip->setText(writeSfen(sfenOfGame(g)));
}

void KIFU_COPY_Click(Game& g) {
  closePanel(g);
  if (g.LastMoveNumber < 1) {
    message(g, NothingToSaveMessage, "棋譜コピー");
    return;
  }
  std::vector<std::string> lines;
  std::string error;
  if (!変換_棋譜からKIF(g, lines, error)) {
    message(g, error.c_str(), "棋譜コピー");
    return;
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  g.Clip->setText(text);
}

void KIFU_PASTE_Click(Game& g) {
  if (refusedWhileComThinks(g)) return;
  closePanel(g);
  KifRecord record;
  if (const std::string error = readPastedRecord(g.Clip->text(), record); !error.empty()) {
    message(g, error.c_str(), "棋譜貼り付け");
    return;
  }
  設定_KIF棋譜(g, record);
}

}  // namespace vudeve
