// Positions in SFEN, as the rest of the shogi world writes them:
//   BOARD SIDE HANDS MOVENUMBER
// e.g. "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1".
// Uppercase is black, the side that moved first (先手), drawn at the
// bottom; ranks a..i run from the top and files 9..1 from the left, so the
// board reads as our position text does with black as the bottom player.
#pragma once

#include <string>
#include <string_view>

#include "rules/board_fields.h"
#include "rules/game.h"

namespace vudeve {

inline constexpr std::string_view StartSfen = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

struct SfenPosition {
  Placement pieces;  // black's pieces are the bottom player's (manHand, negative codes)
  bool blackToMove = true;
  int moveNumber = 1;
};

// The move number may be left out (1), as many programs allow, and may be
// 0, as some hosts send and other engines take; it is kept as read. Malformed
// text puts in `error` the character index (from 0) and the reason.
bool readSfen(std::string_view text, SfenPosition& position, std::string& error);
std::string writeSfen(const SfenPosition& position);

// A square as SFEN and USI name it: "7g" for square (3, 7) of the board as
// drawn; squares off the board give "".
std::string usiSquare(int x, int y);

}  // namespace vudeve
