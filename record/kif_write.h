// A game record written as KIF, the text record of the shogi world: the
// headers, the start position (平手, a named handicap or a board diagram),
// one line per move with its time, and the result.
#pragma once

#include <string>
#include <vector>

#include "record/kif_header.h"
#include "record/kif_notation.h"
#include "record/record_line.h"

namespace vudeve {

// The player who made the first move of the entries, kif::Bottom or
// kif::Top; 0 when entries 0 and 1 are not one move apart.
int firstMover(const std::vector<RecordEntry>& entries);

// The position turned round by half a turn with the colours exchanged, and
// the hands and the clocks exchanged with them.
RecordEntry turnedRound(const RecordEntry& entry);

// The KIF lines (without line ends) of a record whose entry k is the
// position after k moves. False, with the reason in `error`, when two
// entries are not one move of the side to move apart.
bool formatKif(const std::vector<RecordEntry>& entries, const KifHeader& header, std::vector<std::string>& lines,
               std::string& error);

}  // namespace vudeve
