// Reading a KIF record: the headers, the start position (平手, a named
// handicap or a board diagram) and the moves of the main line, each checked
// against the movement and promotion rules of its piece. The variant's
// compulsory capture is not asked for: the files come from standard shogi.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "record/kif_header.h"
#include "record/kif_notation.h"
#include "record/record_line.h"

namespace vudeve {

struct KifRecord {
  KifHeader header;  // winner stays 0: the result is in endWord and summary
  int firstMover = kif::Bottom;
  // The moves played before a diagram's start (its 手数＝), 0 when none.
  long long movesBefore = 0;
  // Entry k is the position after k moves, the clocks those of the file.
  std::vector<RecordEntry> entries;
  // The word that ended the main line (投了, 中断, 封じ手, …) and the number
  // of its line; "" and 0 when the moves just stop.
  std::string endWord;
  long long endMoveNumber = 0;
  // The line that sums the game up, "まで2手で後手の勝ち", "" when none.
  std::string summary;
};

struct KifError {
  std::size_t line = 0;  // from 1
  std::string reason;
};

// Reads decoded lines up to the first 変化, the まで line or the end of the
// file; the moves of the main line end at an end word (投了, 中断, 封じ手,
// …). Comments (*), bookmarks (&) and headers it does not use are passed
// over. Returns the first line that cannot be read or holds a move
// impossible in the position reached.
std::optional<KifError> readKif(const std::vector<std::string>& lines, KifRecord& record);

// A game of more moves than this is no game; the file is refused.
inline constexpr std::size_t LargestKifMoves = 100000;

}  // namespace vudeve
