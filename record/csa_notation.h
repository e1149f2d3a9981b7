// The words of CSA records shared by the reader and the writer: the
// two-letter piece names and the squares as two digits, file then rank.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "rules/game.h"

namespace vudeve::csa {

struct PieceName {
  int code;  // the top player's
  std::string_view name;
};
inline constexpr PieceName PieceNames[] = {
    {ComPawn, "FU"},      {ComLance, "KY"},     {ComKnight, "KE"},     {ComSilver, "GI"}, {ComGold, "KI"},
    {ComBishop, "KA"},    {ComRook, "HI"},      {ComKing, "OU"},       {ComTokin, "TO"},  {ComPromLance, "NY"},
    {ComPromKnight, "NK"}, {ComPromSilver, "NG"}, {ComHorse, "UM"},     {ComDragon, "RY"},
};

// The name of a piece code of either sign, "" for none.
inline std::string_view pieceName(int code) {
  for (const PieceName& p : PieceNames)
    if (p.code == std::abs(code)) return p.name;
  return {};
}

// The positive code of a two-letter name, 0 for none.
inline int pieceCode(std::string_view name) {
  for (const PieceName& p : PieceNames)
    if (p.name == name) return p.code;
  return 0;
}

// "76" for the square (3, 6): its file 10 - x, then its rank y.
inline std::string squareName(int x, int y) { return std::to_string(10 - x) + std::to_string(y); }

}  // namespace vudeve::csa
