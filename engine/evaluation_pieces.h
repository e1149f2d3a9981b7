// The piece terms of the board evaluation, chosen by the code placed on the
// destination. Internal to the evaluation.
#pragma once

#include "rules/game.h"

namespace vudeve::evaluation {

inline constexpr int PawnIndex = 1, LanceIndex = 2, KnightIndex = 3, SilverIndex = 4, GoldIndex = 5,
                     BishopIndex = 6;

// One candidate as the terms see it.
struct Candidate {
  int captured;  // C: what stood on the destination before the move
  int placed;    // P: the code now standing there
  int fromX, fromY, toX, toY;
  int dx, dy;  // distance of the destination from the human king
  bool drop() const { return fromX == -1; }
};

// Adds the terms of the placed piece to s and returns the final score.
double piece_terms(Game& g, const Candidate& c, double s);

}  // namespace vudeve::evaluation
