// A game record written as KIF, the text record of the shogi world: the
// headers, the start position (平手, a named handicap or a board diagram),
// one line per move with its time, and how the game ended.
#pragma once

#include <string>
#include <vector>

#include "record/kif_header.h"
#include "record/kif_notation.h"
#include "record/record_line.h"
#include "record/snapshot_move.h"

namespace vudeve {

// The player who made the first move of the entries, kif::Bottom or
// kif::Top; 0 when entries 0 and 1 are not one move apart.
int firstMover(const std::vector<RecordEntry>& entries);

// The position turned round by half a turn with the colours exchanged, and
// the hands and the clocks exchanged with them.
RecordEntry turnedRound(const RecordEntry& entry);

// A record made ready for the files of the shogi world (KIF, CSA): turned
// round when kifTurnsRound, the moves between its entries, each one's time
// and its mover's running total in whole seconds, and the header with the
// names and the winner on the sides they take there (the mover of a last
// move that takes a king wins).
struct OutsideRecord {
  std::vector<RecordEntry> entries;
  std::vector<SnapshotMove> moves;
  std::vector<long long> seconds, totals;
  KifHeader header;
  int firstMover = kif::Bottom;
};
// False, with the reason in `error`, when the record is empty or two
// entries are not one move of the side to move apart.
bool prepareOutsideRecord(const std::vector<RecordEntry>& record, const KifHeader& header, OutsideRecord& out,
                          std::string& error);

// The KIF lines (without line ends) of a record whose entry k is the
// position after k moves. False, with the reason in `error`, when two
// entries are not one move of the side to move apart.
bool formatKif(const std::vector<RecordEntry>& entries, const KifHeader& header, std::vector<std::string>& lines,
               std::string& error);

}  // namespace vudeve
