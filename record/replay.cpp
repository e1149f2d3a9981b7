#include "record/replay.h"

#include <cstdlib>
#include <utility>

#include "record/notation.h"
#include "rules/setup.h"
#include "rules/sfen.h"
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

bool stored(const Game& g, int k) { return k >= 0 && static_cast<std::size_t>(k) < g.RecordBoard.size(); }

// The player who made the move into entry k: +1 the top one, -1 the bottom
// one, 0 when k is no entry of the record or the two entries name no move.
int moverInto(const Game& g, int k) {
  if (k < 1 || k > g.LastMoveNumber) return 0;
  int x = 0, y = 0, piece = 0;
  調査_移動結果(g, k, x, y, piece);
  return piece > 0 ? 1 : piece < 0 ? -1 : 0;
}

}  // namespace

void restoreSnapshot(Game& g, int i, double comSeconds, double manSeconds) {
  g.Board = g.RecordBoard[i];
  for (int kind = 1; kind <= 7; ++kind) {
    g.ManHand[kind] = g.RecordManHand[i][kind];
    g.ComHand[kind] = g.RecordComHand[i][kind];
  }
  g.ComHandTotal = 調査_持駒数(g, g.ComSide);
  g.ManHandTotal = 調査_持駒数(g, g.ManSide);
  g.ComSeconds = comSeconds;
  g.ManSeconds = manSeconds;
  描画_所有時間(g, g.ComSide, g.ComSeconds);
  描画_所有時間(g, g.ManSide, g.ManSeconds);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
}

void 調査_移動結果(const Game& g, int k, int& x, int& y, int& piece) {
  if (k < 1 || !stored(g, k)) return;
  const BoardMap& before = g.RecordBoard[k - 1];
  const BoardMap& after = g.RecordBoard[k];
  for (int i = 1; i <= BoardSize; ++i) {
    for (int j = 1; j <= BoardSize; ++j) {
      if (after[i][j] != Empty && after[i][j] != before[i][j]) {
        x = i;
        y = j;
        piece = after[i][j];
        return;
      }
    }
  }
}

void takeSidesFromRecord(Game& g) {
  const bool topFirst = moverInto(g, 1) > 0;
  g.ManSide = topFirst ? GoteSide : SenteSide;
  g.ComSide = -g.ManSide;
  // The player who did not make the last move shown is to move; where the
  // record names no move, the players take turns from the first mover.
  const int lastMover = moverInto(g, g.MoveNumber);
  const bool topToMove = lastMover != 0 ? lastMover < 0 : (g.MoveNumber % 2 == 0) == topFirst;
  g.Turn = topToMove ? g.ComSide : g.ManSide;
}

int 調査_持駒数(const Game& g, int side) {
  const HandArray* hand = side == g.ManSide ? &g.ManHand : side == g.ComSide ? &g.ComHand : nullptr;
  if (hand == nullptr) return 0;
  int total = 0;
  for (int kind = 1; kind <= 7; ++kind)
    if ((*hand)[kind] > 0) total += (*hand)[kind];
  return total;
}

void STOP_Click(Game& g) { closePanel(g); }

void REPLAY_Click(Game& g) {
  closePanel(g);
  g.ResumePending = TrueValue;
  if (g.MoveNumber < 1 || !stored(g, g.MoveNumber - 1)) {
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
  closePanel(g);
  if (g.Turn == NoSide) {
    g.Sound->dsPlay(g.ForbiddenSound);
    message(g, "「対局」で始めて下さい", "開始");
    return;
  }
  g.ResumePending = TrueValue;
  if (g.MoveNumber >= g.LastMoveNumber || !stored(g, g.MoveNumber + 1)) {
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
  初期設定(g);
  g.Sound->dsPlay(g.PieceSound);
}

void REVERSE_Click(Game& g) {
  if (g.RecordMode == TrueValue) {
    g.Sound->dsPlay(g.ForbiddenSound);
    message(g, "棋譜ﾓｰﾄﾞではできません", "反転");
    return;
  }
  g.Reversed = TrueValue;
  g.SelectState = 0;

  // Half a turn with the armies exchanged, so the person still plays from
  // the bottom.
  const BoardMap copy = g.Board;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      int v = copy[x][y];
      g.Board[10 - x][10 - y] = v <= -10 ? std::abs(v) : v >= 10 ? -v : v;
    }
  }
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

}  // namespace vudeve
