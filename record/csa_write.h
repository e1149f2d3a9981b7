// A game record written as CSA 2.2, the standard record of the Computer
// Shogi Association: the names, the start time, the start (PI with the
// pieces taken off, or the board and the hands), the moves with their
// seconds and the ending. As in KIF, the first mover of an even game sits
// at the bottom as + and a handicap's 上手 is -.
#pragma once

#include <string>
#include <vector>

#include "record/kif_header.h"
#include "record/record_line.h"

namespace vudeve {

// The CSA lines (without line ends) of a record whose entry k is the
// position after k moves. False, with the reason in `error`, when two
// entries are not one move of the side to move apart.
bool formatCsa(const std::vector<RecordEntry>& entries, const KifHeader& header, std::vector<std::string>& lines,
               std::string& error);

}  // namespace vudeve
