// Reading a CSA record, the standard record of the Computer Shogi
// Association (versions 2.2 and 3.0): the names (N+, N-), the $ headers,
// the start (PI with the pieces taken off, or P1..P9 and the hand lines
// P+ and P-, then + or - to move), the moves (+7776FU) with their times
// (T12) and the ending (%TORYO, %SENNICHITE, …). Several statements may
// share a line, parted by commas; a line beginning with ' is a comment.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "record/kif_read.h"

namespace vudeve {

// Reads decoded lines up to the ending, the end of the first record ("/")
// or the end of the file. + is the bottom player (先手, 下手), - the top
// one. Returns the first line that cannot be read or holds a move
// impossible in the position reached.
std::optional<KifError> readCsa(const std::vector<std::string>& lines, KifRecord& record);

}  // namespace vudeve
