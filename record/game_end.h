// How a game on record ended: the words of KIF's last move line (投了,
// 千日手, …) with their CSA endings (%TORYO, %SENNICHITE, …), who won by
// each, and the summary line of a KIF or KI2 file ("まで2手で後手の勝ち").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "record/kif_header.h"
#include "record/kif_notation.h"

namespace vudeve {

// The end word that `text` begins with, "" when none.
std::string_view endWordAt(std::string_view text);

// The winner, kif::Bottom or kif::Top, by an end word said at the turn of
// `sideToMove` (投了: the other side; 入玉勝ち: the side to move); 0 for a
// word by which nobody wins.
int winnerByEndWord(std::string_view word, int sideToMove);

// Takes the ending from what a file says: the end word of the last move
// line ("" when none) and the summary line ("" when none), the side to move
// after the last move. A file without an end word gets the one its summary
// names ("まで…で千日手", "…の勝ち" is 投了); the winner is the one the
// summary names, else the one the end word makes.
void takeEnding(KifHeader& header, std::string_view endWord, std::string_view summary, int sideToMove);

// The summary line of a record of `moves` moves ending as the header says:
// "まで2手で後手の勝ち", "まで80手で千日手", "まで5手で中断" when the
// header names no ending.
std::string summaryLine(const KifHeader& header, std::size_t moves, const kif::Roles& roles);

// The CSA ending of a KIF end word ("%TORYO"), said by `sideToMove`; an
// end word CSA has no ending for (封じ手, 不戦勝, …) is "%CHUDAN".
std::string csaEnding(std::string_view word, int sideToMove);
// The KIF end word of a CSA ending ("%TORYO" → 投了) said by `sideToMove`;
// "" for no ending CSA knows.
std::string_view endWordOfCsa(std::string_view ending, int sideToMove);

}  // namespace vudeve
