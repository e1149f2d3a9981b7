#include "rules/handicap.h"

#include <cstdlib>

namespace vudeve {

void 設定_ハンデ駒(Game& g, int grade) {
  if (grade < MinHandicapGrade || grade > MaxHandicapGrade) return;
  const auto& steps = grade > 0 ? ComHandicapSteps : ManHandicapSteps;
  for (int k = 1; k <= std::abs(grade); ++k) g.Board[steps[k].x][steps[k].y] = Empty;
}

}  // namespace vudeve
