#include "rules/handicap.h"

namespace vudeve {

namespace {
constexpr HandicapStep Steps[MaxHandicapGrade + 1] = {
    {0, 0, Empty},
    {8, 2, ComBishop}, {2, 2, ComRook},   {9, 1, ComLance},  {1, 1, ComLance},  {8, 1, ComKnight},
    {2, 1, ComKnight}, {7, 1, ComSilver}, {3, 1, ComSilver}, {6, 1, ComGold},   {4, 1, ComGold},
};
}  // namespace

const HandicapStep& 取得_ハンデ手順(int step) { return Steps[step]; }

void 設定_ハンデ局面(Game& g, int grade) { 設定_ハンデ局面(g.Board, grade); }

void 設定_ハンデ局面(BoardMap& board, int grade) {
  for (int step = 1; step <= MaxHandicapGrade; ++step) {
    const HandicapStep& s = Steps[step];
    if (step <= grade) board[s.x][s.y] = Empty;
    if (step <= -grade) board[10 - s.x][10 - s.y] = Empty;
  }
}

}  // namespace vudeve
