// The words of KIF, the text record most shogi programs read and write,
// shared by our KIF reader and writer: piece names, numerals, the names of
// the standard handicaps and of the two players' roles.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "record/record_line.h"

namespace vudeve::kif {

// The player at the bottom of a KIF diagram is 先手 (下手 in a handicap
// game) and moves up the board like MAN; the top player is 後手 (上手).
inline constexpr int Bottom = -1;
inline constexpr int Top = 1;

// The side whose pieces these are: Bottom for MAN's codes, Top for COM's.
inline int ownerOf(int code) { return code < 0 ? Bottom : Top; }

// Piece names of a move line by the code of either sign: 歩 香 桂 銀 金 角
// 飛 玉 と 成香 成桂 成銀 馬 龍; "" for codes that are no piece.
std::string_view pieceName(int code);
// The one-character names of a board diagram and of the hands (杏 圭 全
// for the promoted lance, knight and silver).
std::string_view diagramName(int code);
// The positive code of the piece name that `text` begins with, in either
// form or as 王 or 竜, with its length in bytes; 0 when there is none.
int readPieceName(std::string_view text, std::size_t& length);

// The kanji numerals of hand counts: 二 .. 九, 十, 十一 .. 十八.
std::string kanjiNumber(int n);
// The number 1..19 that `text` begins with in kanji numerals, with its
// length in bytes; 0 when there is none.
int readKanjiNumber(std::string_view text, std::size_t& length);

// Square names: "７六" for (3, 6), full-width file digit and kanji rank.
std::string squareName(int x, int y);

// The board of a 手合割: 平手 or a standard handicap, in which the top
// player (上手) lacks pieces. False for any other name.
bool handicapBoard(std::string_view name, BoardMap& board);
// The boards of every named handicap, 平手 left out.
std::vector<BoardMap> handicapBoards();
// The name of the 手合割 whose start position `start` is, "" for none.
std::string_view handicapName(const RecordEntry& start);
inline constexpr std::string_view EvenGame = "平手";

// The roles in the file: 先手/後手, or 下手/上手 under a named handicap.
struct Roles {
  std::string_view bottom, top;
  std::string_view of(int side) const { return side == Bottom ? bottom : top; }
};
inline constexpr Roles EvenRoles = {"先手", "後手"};
inline constexpr Roles HandicapRoles = {"下手", "上手"};

}  // namespace vudeve::kif
