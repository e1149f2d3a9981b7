#include "engine/com_turn.h"

#include <algorithm>
#include <cstdlib>

#include "engine/evaluation.h"
#include "engine/probes.h"
#include "engine/search_turn.h"
#include "record/notation.h"
#include "record/record.h"
#include "rules/influence.h"
#include "rules/legality.h"
#include "rules/mate.h"
#include "rules/move.h"
#include "ui/clocks.h"
#include "ui/draw.h"

namespace vudeve {

double ComSearchHooks::score(Game& g, int captured, int placed, int fromX, int fromY, int toX, int toY) {
  return 盤評価(g, captured, placed, fromX, fromY, toX, toY);
}

namespace {

constexpr double NoScore = -99999;
// A king capture scores 9999 and a mate 9998: nothing a later candidate
// could score beats them, so the search may stop there.
constexpr double MateScore = 9998;

ComSearchHooks& plainHooks() {
  static ComSearchHooks hooks;
  return hooks;
}

// The watches that live, the latest first.
thread_local ComTurnWatch* latestWatch = nullptr;

void startTurn(Game& g) {
  beginComTurn(g);

  g.BestScore = NoScore;

  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) g.BoardBackup[x][y] = g.Board[x][y];
  for (auto& column : g.ManKingEscapes) column.fill(Empty);
  for (int i = 1; i <= 7; ++i) {
    g.ManHandBackup[i] = g.ManHand[i];
    g.ComHandBackup[i] = g.ComHand[i];
  }

  g.MustCapture = 調査_移動先あるか(g, g.ComSide);
  調査_2歩フラグ設定(g);
  // Counted on the maps as the caller left them, before the survey below.
  g.EscapeCountAtStart = 調査_自王逃道(g);
  勢力調査(g);
  調査_持角狙座標(g);
  調査_移動不可駒(g);

  g.ComHandTotalAtStart = g.ComHandTotal;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      g.SavedManInfluence[x][y] = g.ManInfluence[x][y];
      g.SavedComInfluence[x][y] = g.ComInfluence[x][y];
      g.SavedComAttackerX[x][y] = g.ComAttackerX[x][y];
      g.SavedComAttackerY[x][y] = g.ComAttackerY[x][y];
    }
  }

  // Shows the person's last move and the label while the search blocks.
  g.Screen->refresh();
}

// Puts back what the evaluation of a candidate may have disturbed.
void restoreTurnStart(Game& g) {
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) g.Board[x][y] = g.BoardBackup[x][y];
  for (int i = 1; i <= 7; ++i) {
    g.ManHand[i] = g.ManHandBackup[i];
    g.ComHand[i] = g.ComHandBackup[i];
  }
  g.Winner = NoSide;
}

struct Search {
  Game& g;
  ComSearchHooks& hooks;
  ComCandidate best;
  bool found = false;

  // Strictly better only: the first of equal candidates keeps the place.
  void consider(const ComCandidate& candidate) {
    hooks.scored(candidate);
    if (candidate.score > g.BestScore) {
      g.BestScore = candidate.score;
      best = candidate;
      found = true;
    }
  }

  // Tries the board move (from) -> (to) of the piece standing on from, with
  // the promotion decision; the board is as before afterwards.
  ComCandidate tryBoardMove(int fromX, int fromY, int toX, int toY) {
    ComCandidate c{fromX, fromY, toX, toY};
    g.CandidatePiece = g.Board[fromX][fromY];
    c.candidatePiece = g.CandidatePiece;
    g.ApproachDistance = std::max(std::abs(g.ManKingX - fromX), std::abs(g.ManKingY - fromY));
    const int captured = g.Board[toX][toY];
    g.Board[fromX][fromY] = Empty;
    g.Board[toX][toY] = g.CandidatePiece;

    if (調査_駒成(g, fromX, fromY, toX, toY, g.CandidatePiece) == FalseValue) {
      勢力調査(g);
      c.score = hooks.score(g, captured, g.CandidatePiece, fromX, fromY, toX, toY);
      restoreTurnStart(g);
      c.placed = g.CandidatePiece;
    } else if (移動後チェック(toY, g.CandidatePiece) == FalseValue) {
      const int promoted = g.PromotedCode;
      g.Board[toX][toY] = promoted;
      勢力調査(g);
      c.score = hooks.score(g, captured, promoted, fromX, fromY, toX, toY);
      c.placed = promoted;
    } else {
      const int promoted = g.PromotedCode;
      勢力調査(g);
      c.score = hooks.score(g, captured, g.CandidatePiece, fromX, fromY, toX, toY);
      c.placed = g.CandidatePiece;
      g.Board[toX][toY] = promoted;
      勢力調査(g);
      const double promotedScore = hooks.score(g, captured, promoted, fromX, fromY, toX, toY);
      if (promotedScore > c.score) {
        c.score = promotedScore;
        c.placed = promoted;
      }
      if (g.CandidatePiece == ComPawn || g.CandidatePiece == ComBishop || g.CandidatePiece == ComRook)
        c.placed = promoted;
    }

    g.Board[toX][toY] = captured;
    g.Board[fromX][fromY] = g.CandidatePiece;
    return c;
  }

  // Returns true when a king capture ended the search.
  bool boardMoves() {
    for (int fromX = 1; fromX <= BoardSize; ++fromX) {
      Timer1_Timer(g);
      for (int fromY = 1; fromY <= BoardSize; ++fromY) {
        if (g.Board[fromX][fromY] < ComPawn) continue;
        for (int toX = 1; toX <= BoardSize; ++toX) {
          for (int toY = 1; toY <= BoardSize; ++toY) {
            if (移動チェック(g, fromX, fromY, toX, toY, g.Board[fromX][fromY]) != TrueValue) continue;
            // Asked for every legal pair, not only under compulsory capture:
            // its trial surveys leave traces in the maps that are never reset.
            const int canCapture = 調査_移動先あるか2(g, g.Turn, fromX, fromY);
            if (g.MustCapture == TrueValue && (g.Board[toX][toY] == Empty || canCapture != TrueValue)) continue;
            const bool kingTaken = g.Board[toX][toY] == ManKing;
            consider(tryBoardMove(fromX, fromY, toX, toY));
            if (kingTaken) return true;
          }
        }
      }
    }
    return false;
  }

  void drops() {
    for (int index = 1; index <= 7; ++index) {
      Timer1_Timer(g);
      if (g.ComHand[index] <= 0) continue;
      const int piece = ComHandPiece[index];
      g.CandidatePiece = piece;
      for (int toX = 1; toX <= BoardSize; ++toX) {
        for (int toY = 1; toY <= BoardSize; ++toY) {
          if (移動チェック(g, -1, index, toX, toY, piece) != TrueValue) continue;
          g.Board[toX][toY] = piece;
          勢力調査(g);
          const double score = hooks.score(g, Empty, piece, -1, index, toX, toY);
          g.Board[toX][toY] = Empty;
          consider(ComCandidate{-1, index, toX, toY, piece, piece, score});
          if (g.BestScore >= MateScore) return;
        }
      }
    }
  }

  void run() {
    if (boardMoves()) return;
    if (g.MustCapture == FalseValue && g.ComHandTotalAtStart > 0) drops();
  }
};

}  // namespace

void beginComTurn(Game& g) {
  g.TurnStartTime = g.Time->secondsSinceMidnight();
  if (g.Menus->isChecked(MenuItem::KEIKA)) g.Timer1->setEnabled(true);

  消去_思考中(g);
  描画_数値(g, -1.5, 8.5, "思考中", ShadowColor, 0, 12);
  描画_数値(g, -1.6, 8.4, "思考中", MoveTextColor, 0, 12);
  描画_桝輪郭(g, BackColorIndex, 1, 8);
}

namespace {

void handBack(Game& g) {
  g.TurnStartTime = g.Time->secondsSinceMidnight();
  g.Turn = g.ManSide;
  if (g.Menus->isChecked(MenuItem::KEIKA)) g.Timer1->setEnabled(true);
}

}  // namespace

void playComMove(Game& g, const ComCandidate& move) {
  const bool drop = move.fromX == -1;
  const int captured = g.Board[move.toX][move.toY];
  // The turn is measured here, after the search, whether or not the tick ran.
  updateTurnSeconds(g);
  手順保存(g, move.fromX, move.fromY, move.toX, move.toY, move.placed, captured, g.ManSeconds, g.ManSeconds,
           g.ComSeconds, g.ComSeconds + g.TurnSeconds);
  g.MoveCount += 1;
  描画_手数(g, g.MoveCount, TextColor);
  if (drop)
    描画_駒点滅(g, move.placed, -1, 8 - move.fromY, 2);
  else
    描画_駒点滅(g, move.candidatePiece, move.fromX, move.fromY, 2);
  駒移動(g, move.fromX, move.fromY, move.toX, move.toY, move.placed);
  待ち時間(g, 0.5);
  g.Sound->dsPlay(g.PieceSound);
  g.MoveNumber += 1;
  g.Timer1->setEnabled(false);
  // Charged before the announcements: a move that takes the king ends the
  // game there, and its time still belongs to the clock and the record.
  g.ComSeconds += g.TurnSeconds;
  storePositionAfterMove(g);

  勢力調査(g);
  // A taken king is announced as the win: the mate test would read the
  // square the king stood on and could call it a mate instead.
  if (g.Winner != g.ComSide && 詰めかMAN(g) == TrueValue) {
    g.Messages->show("よし！!", "詰め ?", MessageButtons::Ok, MessageIcon::None);
  } else if (g.Winner == g.ComSide) {
    消去_移動結果(g, g.ComSide);
    g.Messages->show("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了", MessageButtons::Ok, MessageIcon::None);
    g.Turn = g.ManSide;
    return;
  } else if (g.ComInfluence[g.ManKingX][g.ManKingY] > 0) {
    g.Messages->show("   ** 王手 **", "", MessageButtons::Ok, MessageIcon::None);
  }

  消去_思考中(g);
  描画_移動結果(g, g.ComSide, move.toX, move.toY, move.placed, TextColor);
  描画_桝輪郭(g, TextColor, move.toX, move.toY);
  handBack(g);
}

void passComTurn(Game& g) {
  g.Timer1->setEnabled(false);
  updateTurnSeconds(g);
  g.ComSeconds += g.TurnSeconds;
  勢力調査(g);
  消去_思考中(g);
  handBack(g);
}

ComTurnWatch::ComTurnWatch(const Game& g, ComSearchHooks& hooks) : game_(g), hooks_(hooks), outer_(latestWatch) {
  latestWatch = this;
}

ComTurnWatch::~ComTurnWatch() {
  ComTurnWatch** link = &latestWatch;
  while (*link != this) link = &(*link)->outer_;
  *link = outer_;
}

void com_ban(Game& g) {
  for (ComTurnWatch* watch = latestWatch; watch != nullptr; watch = watch->outer_)
    if (&watch->game_ == &g) return com_ban(g, watch->hooks_);
  com_ban(g, plainHooks());
}

void com_ban(Game& g, ComSearchHooks& hooks) {
  if (g.Winner != NoSide) return;
  if (g.Level >= FirstSearchLevel) {
    searchComTurn(g, hooks);
    return;
  }
  startTurn(g);
  Search search{g, hooks, {}, false};
  search.run();
  if (!search.found) {
    passComTurn(g);
    return;
  }
  hooks.chosen(search.best);
  playComMove(g, search.best);
}

void searchComMoves(Game& g, ComSearchHooks& hooks, bool compulsoryCapture) {
  if (g.Winner != NoSide) return;
  startTurn(g);
  // Decided after the test has run all the same: its trial surveys leave
  // traces in the maps that the scores read.
  if (!compulsoryCapture) g.MustCapture = FalseValue;
  Search{g, hooks, {}, false}.run();
}

}  // namespace vudeve
