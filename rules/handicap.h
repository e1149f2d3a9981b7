// The handicap grades: which pieces each step away from the even game takes
// off the board. Grade g > 0 plays COM without its first g pieces of the
// list, grade -g plays MAN without its first g.
#pragma once

#include <array>

#include "rules/game.h"

namespace vudeve {

inline constexpr int MinHandicapGrade = -10;
inline constexpr int MaxHandicapGrade = 10;

struct HandicapStep {
  int x, y;
  int piece;  // the even game's piece on that square
};

// Step k (1..10) of COM: removed going from grade k - 1 up to k.
inline constexpr std::array<HandicapStep, 11> ComHandicapSteps = {{
    {0, 0, Empty},
    {8, 2, ComBishop}, {2, 2, ComRook}, {9, 1, ComLance}, {1, 1, ComLance}, {8, 1, ComKnight},
    {2, 1, ComKnight}, {7, 1, ComSilver}, {3, 1, ComSilver}, {6, 1, ComGold}, {4, 1, ComGold},
}};

// Step k (1..10) of MAN: removed going from grade -k + 1 down to -k.
inline constexpr std::array<HandicapStep, 11> ManHandicapSteps = {{
    {0, 0, Empty},
    {2, 8, ManBishop}, {8, 8, ManRook}, {1, 9, ManLance}, {9, 9, ManLance}, {2, 9, ManKnight},
    {8, 9, ManKnight}, {3, 9, ManSilver}, {7, 9, ManSilver}, {4, 9, ManGold}, {6, 9, ManGold},
}};

// Takes the pieces of a grade in -10..10 off the board as it stands (the
// even position, normally). Hands are not touched: the pieces leave the game.
void 設定_ハンデ駒(Game& g, int grade);

}  // namespace vudeve
