#include "rules/setup.h"

namespace vudeve {

namespace {
// Back rank from column 1 to 9, as COM codes; MAN's is the same negated.
constexpr int BackRank[10] = {0, ComLance, ComKnight, ComSilver, ComGold, ComKing, ComGold, ComSilver, ComKnight, ComLance};
}  // namespace

BoardMap evenBoard() {
  BoardMap board{};
  for (int x = 1; x <= BoardSize; ++x) {
    board[x][3] = ComPawn;
    board[x][7] = ManPawn;
    board[x][1] = BackRank[x];
    board[x][9] = -BackRank[x];
  }
  board[2][2] = ComRook;
  board[8][2] = ComBishop;
  board[2][8] = ManBishop;
  board[8][8] = ManRook;
  return board;
}

void 初期設定(Game& g) {
  g.HandicapGrade = 0;
  g.HandicapSet = FalseValue;
  g.GameMode = ModeHuman;
  g.Winner = NoSide;
  g.Turn = NoSide;

  g.MoveNumber = 0;
  g.MoveCount = 0;
  g.Reversed = FalseValue;

  g.Timer1->setEnabled(false);
  g.ManSeconds = 0;
  g.ComSeconds = 0;
  g.ShownSecond = 0;
  g.GameStartTime = {};
  g.RecordEndWord.clear();
  g.RecordWinner = NoSide;

  g.ResumePending = FalseValue;
  g.RecordMode = FalseValue;
  g.SelectState = 0;

  for (int i = 1; i <= 7; ++i) {
    g.ManHand[i] = 0;
    g.ComHand[i] = 0;
  }

  g.Board = evenBoard();

  g.ManHandTotal = 0;
  g.ComHandTotal = 0;
  for (int i = 1; i <= 7; ++i) {
    if (g.ManHand[i] > 0) g.ManHandTotal += g.ManHand[i];
    if (g.ComHand[i] > 0) g.ComHandTotal += g.ComHand[i];
  }

  g.View->redrawWindow(g);
}

}  // namespace vudeve
