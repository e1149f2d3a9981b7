// Moves in USI notation, as the shogi world writes them: files 9..1 from the
// left, ranks a..i from the top, so square (x, y) of the board as drawn is
// file 10 - x, rank 'a' + y - 1. A board move is "7g7f", "8h2b+" when it
// promotes; a drop is "P*5e" with the piece letter of the hand index
// (P L N S G B R for 1..7). The notation names squares only: whose piece
// moves is the caller's business.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/sfen.h"

namespace vudeve {

struct UsiMove {
  bool drop = false;
  int handIndex = 0;         // a drop: 1..7, pawn .. rook
  int fromX = 0, fromY = 0;  // a board move: the square it leaves
  int toX = 0, toY = 0;
  bool promote = false;
  bool operator==(const UsiMove&) const = default;
};

// The move the whole text spells, or nothing when it is not USI notation.
std::optional<UsiMove> parseUsiMove(std::string_view text);
std::string formatUsiMove(const UsiMove& move);


// The drop letter of hand index 1..7; '\0' for any other index.
char usiDropLetter(int handIndex);

// The move from cell (fromX, fromY) to a board square: from a hand cell
// (ManHandColumn or ComHandColumn) a drop, where `promotes` is not asked.
UsiMove usiMoveFromCells(int fromX, int fromY, int toX, int toY, bool promotes);

}  // namespace vudeve
