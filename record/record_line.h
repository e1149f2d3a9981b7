// One stored position as a line of a record file ("*.棋譜"): 81 squares of
// four characters, x outer and y inner, then 14 one-character hand counts
// (MAN and COM alternating, pawn to rook), then four five-character clocks
// (MAN before, MAN after, COM before, COM after), 358 ASCII characters.
//
// Two values do not fit the plain columns and get a form of their own, so
// that no column ever shifts and every file we write reads back:
// - a hand count of 10..35 is the letter 'A'..'Z';
// - a clock of 100000 seconds or more is a letter followed by four base-36
//   digits (0-9, A-Z): 100000 + letter index * 36^4 + the four digits,
//   "A0000" = 100000 s; clocks past "ZZZZZ" (43770015 s) are written as it.
// Every value that fits is written as plain decimal, so ordinary files stay
// byte for byte those of the plain format.
#pragma once

#include <string>
#include <vector>

#include "rules/game.h"

namespace vudeve {

inline constexpr std::size_t RecordLineLength = 358;

struct RecordEntry {
  BoardMap board{};
  HandArray manHand{};
  HandArray comHand{};
  double manBefore = 0, manAfter = 0, comBefore = 0, comAfter = 0;
  bool operator==(const RecordEntry&) const = default;
};

// The record line of an entry, and of index k (0 <= k < the record's size).
std::string formatRecordLine(const RecordEntry& entry);
std::string formatRecordLine(const Game& g, int k);

// Decodes a line. False, with the entry unspecified, unless the line is
// exactly a record line holding a possible position: every square a piece
// code or Empty, no kind more often on the board and in the hands together
// than a full set has it, at most one king a side.
bool parseRecordLine(const std::string& line, RecordEntry& entry);

// No kind more often on the board and in the hands together than a full
// set has it, at most one king a side.
bool isPossiblePosition(const RecordEntry& entry);

// Stores the entry at index k, growing the record when k lies past its end.
void storeRecordEntry(Game& g, int k, const RecordEntry& entry);
// The entry at index k (0 <= k < the record's size).
RecordEntry recordEntry(const Game& g, int k);
// Entries 0..LastMoveNumber, as far as the record reaches.
std::vector<RecordEntry> recordEntries(const Game& g);

}  // namespace vudeve
