#include "record/kif_notation.h"

#include <array>
#include <cstdlib>
#include <span>

#include "record/notation.h"
#include "rules/handicap.h"
#include "rules/setup.h"

namespace vudeve::kif {
namespace {

struct PieceNames {
  int code;
  std::string_view move, diagram;
};
constexpr std::array<PieceNames, 14> Names = {{
    {ComPawn, "歩", "歩"},       {ComTokin, "と", "と"},        {ComLance, "香", "香"},   {ComPromLance, "成香", "杏"},
    {ComKnight, "桂", "桂"},     {ComPromKnight, "成桂", "圭"}, {ComSilver, "銀", "銀"},  {ComPromSilver, "成銀", "全"},
    {ComGold, "金", "金"},       {ComBishop, "角", "角"},       {ComHorse, "馬", "馬"},   {ComRook, "飛", "飛"},
    {ComDragon, "龍", "龍"},     {ComKing, "玉", "玉"},
}};
// Other spellings that readers meet.
constexpr PieceNames Aliases[] = {{ComKing, "王", "王"}, {ComDragon, "竜", "竜"}};

// The handicaps Kifu for Windows names, as the steps of our handicap grades
// (bit s: the top player's piece of step s is missing). 平手 lacks nothing.
// Left and right are the top player's own: his left lance stands on 1一,
// his left knight on 2一, his left silver on 3一.
struct Handicap {
  std::string_view name;
  unsigned steps;
};
constexpr unsigned stepsUpTo(int last) { return ((1u << (last + 1)) - 1) & ~1u; }
constexpr Handicap Handicaps[] = {
    {EvenGame, 0},
    {"角落ち", stepsUpTo(1)},
    {"飛車落ち", 1u << 2},
    {"香落ち", 1u << 3},
    {"右香落ち", 1u << 4},
    {"飛香落ち", 1u << 2 | 1u << 3},
    {"二枚落ち", stepsUpTo(2)},
    {"三枚落ち", stepsUpTo(3)},
    {"四枚落ち", stepsUpTo(4)},
    {"五枚落ち", stepsUpTo(4) | 1u << 6},
    {"左五枚落ち", stepsUpTo(5)},
    {"六枚落ち", stepsUpTo(6)},
    {"左七枚落ち", stepsUpTo(7)},
    {"右七枚落ち", stepsUpTo(6) | 1u << 8},
    {"八枚落ち", stepsUpTo(8)},
    {"十枚落ち", stepsUpTo(10)},
};

const BoardMap& evenBoard() {
  static const BoardMap board = [] {
    Game g;
    初期設定(g);
    return g.Board;
  }();
  return board;
}

BoardMap boardOf(const Handicap& handicap) {
  BoardMap board = evenBoard();
  for (int step = 1; step <= MaxHandicapGrade; ++step) {
    if ((handicap.steps & (1u << step)) == 0) continue;
    const HandicapStep& s = 取得_ハンデ手順(step);
    board[s.x][s.y] = Empty;
  }
  return board;
}

}  // namespace

std::string_view pieceName(int code) {
  for (const PieceNames& n : Names)
    if (n.code == std::abs(code)) return n.move;
  return {};
}

std::string_view diagramName(int code) {
  for (const PieceNames& n : Names)
    if (n.code == std::abs(code)) return n.diagram;
  return {};
}

int readPieceName(std::string_view text, std::size_t& length) {
  auto match = [&](std::string_view name) {
    if (!text.starts_with(name)) return false;
    length = name.size();
    return true;
  };
  for (const auto& table : {std::span<const PieceNames>(Names), std::span<const PieceNames>(Aliases)})
    for (const PieceNames& n : table)
      if (match(n.move) || match(n.diagram)) return n.code;
  return 0;
}

std::string kanjiNumber(int n) {
  if (n >= 10) return "十" + (n > 10 ? 文字列変換(1000 + n - 10) : std::string());
  return 文字列変換(1000 + n);
}

int readKanjiNumber(std::string_view text, std::size_t& length) {
  auto digitAt = [&](std::size_t at, std::size_t& size) {
    for (int d = 1; d <= 9; ++d) {
      const std::string numeral = 文字列変換(1000 + d);
      if (text.substr(at).starts_with(numeral)) {
        size = numeral.size();
        return d;
      }
    }
    return 0;
  };
  constexpr std::string_view Ten = "十";
  std::size_t size = 0;
  if (!text.starts_with(Ten)) {
    const int d = digitAt(0, size);
    length = size;
    return d;
  }
  const int d = digitAt(Ten.size(), size);
  length = Ten.size() + size;
  return 10 + d;
}

std::string squareName(int x, int y) { return 文字列変換(10 - x) + 文字列変換(1000 + y); }

bool handicapBoard(std::string_view name, BoardMap& board) {
  for (const Handicap& h : Handicaps) {
    if (h.name != name) continue;
    board = boardOf(h);
    return true;
  }
  return false;
}

std::vector<BoardMap> handicapBoards() {
  std::vector<BoardMap> boards;
  for (const Handicap& h : Handicaps)
    if (h.name != EvenGame) boards.push_back(boardOf(h));
  return boards;
}

std::string_view handicapName(const RecordEntry& start) {
  if (start.manHand != HandArray{} || start.comHand != HandArray{}) return {};
  for (const Handicap& h : Handicaps)
    if (start.board == boardOf(h)) return h.name;
  return {};
}

}  // namespace vudeve::kif
