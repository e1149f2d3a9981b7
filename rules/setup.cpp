#include "rules/setup.h"

#include "ui/draw.h"

namespace vudeve {

namespace {
// Back rank from column 1 to 9, as COM codes; MAN's is the same negated.
constexpr int BackRank[10] = {0, ComLance, ComKnight, ComSilver, ComGold, ComKing, ComGold, ComSilver, ComKnight, ComLance};
}  // namespace

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

  g.ResumePending = FalseValue;
  g.RecordMode = FalseValue;
  g.SelectState = 0;

  for (int i = 1; i <= 7; ++i) {
    g.ManHand[i] = 0;
    g.ComHand[i] = 0;
  }

  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) g.Board[x][y] = Empty;

  for (int x = 1; x <= BoardSize; ++x) {
    g.Board[x][3] = ComPawn;
    g.Board[x][7] = ManPawn;
    g.Board[x][1] = BackRank[x];
    g.Board[x][9] = -BackRank[x];
  }
  g.Board[2][2] = ComRook;
  g.Board[8][2] = ComBishop;
  g.Board[2][8] = ManBishop;
  g.Board[8][8] = ManRook;

  g.ManHandTotal = 0;
  g.ComHandTotal = 0;
  for (int i = 1; i <= 7; ++i) {
    if (g.ManHand[i] > 0) g.ManHandTotal += g.ManHand[i];
    if (g.ComHand[i] > 0) g.ComHandTotal += g.ComHand[i];
  }

  画面_再描画(g);
}

}  // namespace vudeve
