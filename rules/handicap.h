// The handicap grades: which pieces leave the board at each grade.
#pragma once

#include <string>

#include "rules/game.h"

namespace vudeve {

inline constexpr int MaxHandicapGrade = 10;

struct HandicapStep {
  int x, y;       // COM's square; MAN's square is the half-turn (10 - x, 10 - y)
  int comPiece;   // the COM piece standing there in the even position
};

// Step s (1..10) removes one more piece; grade g > 0 lacks COM's pieces of
// steps 1..g, grade -g lacks MAN's pieces of steps 1..g.
const HandicapStep& 取得_ハンデ手順(int step);

// Removes the pieces that grade `grade` lacks from an even position.
void 設定_ハンデ局面(Game& g, int grade);
void 設定_ハンデ局面(BoardMap& board, int grade);

}  // namespace vudeve
