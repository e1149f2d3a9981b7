// Reading a KIF or KI2 record: the headers, the start position (平手, a
// named handicap or a board diagram), the moves of the main line, each
// checked against the movement and promotion rules of its piece, and how
// the game ended.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/kif_header.h"
#include "record/kif_notation.h"
#include "record/record_line.h"

namespace vudeve {

struct KifRecord {
  // With the ending the file gives, by its end word or its summary line.
  KifHeader header;
  int firstMover = kif::Bottom;
  // The moves played before a diagram's start (its 手数＝), 0 when none.
  long long movesBefore = 0;
  // Entry k is the position after k moves, the clocks those of the file.
  std::vector<RecordEntry> entries;
  // The number of the line of KIF's end word (投了, 中断, 封じ手, …), 0
  // when the moves just stop.
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

// The same for KI2, whose moves stand several to a line, each after the
// mark of its side ("▲７六歩　△３四歩"), without numbers, times or the
// squares they leave; the file's end is its summary line alone.
std::optional<KifError> readKi2(const std::vector<std::string>& lines, KifRecord& record);

// "2024/05/01 10:00:00" as KIF's 開始日時 and CSA's $START_TIME write it,
// the weekday in brackets after the date allowed, the time or its seconds
// left out; no known time for anything else.
CalendarTime readCalendarTime(std::string_view text);

// A game of more moves than this is no game; the file is refused.
inline constexpr std::size_t LargestKifMoves = 100000;

}  // namespace vudeve
