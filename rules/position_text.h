// Positions as one line of text, for tools and tests:
//   BOARD HANDS [SIDE]
// BOARD is nine ranks separated by '/', row 1 (the top) first, each rank
// from column 1 to 9; a digit is that many empty squares; P L N S G B R K
// are the pieces, uppercase for MAN (bottom) and lowercase for COM (top),
// '+' before a letter marks the promoted piece. HANDS is '-' or counts and
// letters such as "2Pb". SIDE is 'b' (MAN to move, the default) or 'w'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "rules/board_fields.h"
#include "rules/game.h"

namespace vudeve {

// The even starting position.
inline constexpr std::string_view EvenPositionText = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL -";

// Always writes the side: 'w' when Turn is ComSide, else 'b'.
std::string writePositionText(const Game& g);
// BOARD HANDS alone, for callers that decide the side themselves.
std::string writeBoardAndHands(const Game& g);

// Loads Board, both hands, the totals, the king squares and Turn (ManSide
// for 'b', ComSide for 'w'). Malformed text leaves the game untouched and
// puts in `error` the character index (from 0) and the reason.
bool readPositionText(Game& g, std::string_view text, std::string& error);

// A position as the text spells it, not yet put on any game.
struct ParsedPosition {
  Placement pieces;
  bool manToMove = true;
};

// Nothing when the text is malformed; `error` then says where and why.
std::optional<ParsedPosition> parsePositionText(std::string_view text, std::string& error);

}  // namespace vudeve
