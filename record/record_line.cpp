#include "record/record_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace vudeve {
namespace {

constexpr int SquareWidth = 4;
constexpr int TimeWidth = 5;
constexpr std::size_t HandColumn = 81 * SquareWidth;  // 0-based column of the first hand count
constexpr std::size_t TimeColumn = HandColumn + 14;

constexpr std::string_view Digits36 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr long long PlainTimeLimit = 100000;
constexpr long long Base36Power4 = 36LL * 36 * 36 * 36;
constexpr long long LargestTime = PlainTimeLimit + 26 * Base36Power4 - 1;

// How many pieces of each hand kind a full set holds, and of kings.
constexpr int KindLimit[8] = {0, 18, 4, 4, 4, 4, 2, 2};
constexpr int KingLimitPerSide = 1;

// Hand kind of a piece code of either side, promoted or not; 0 for kings
// and for codes that are no piece.
int kindOf(int code) {
  switch (std::abs(code)) {
    case ComPawn: case ComTokin: return 1;
    case ComLance: case ComPromLance: return 2;
    case ComKnight: case ComPromKnight: return 3;
    case ComSilver: case ComPromSilver: return 4;
    case ComGold: return 5;
    case ComBishop: case ComHorse: return 6;
    case ComRook: case ComDragon: return 7;
    default: return 0;
  }
}

bool isPieceOrEmpty(int code) { return code == Empty || kindOf(code) != 0 || std::abs(code) == ComKing; }

void appendRight(std::string& out, const std::string& text, int width) {
  out.append(width > static_cast<int>(text.size()) ? width - text.size() : 0, ' ');
  out += text;
}

std::string timeField(double seconds) {
  long long whole = static_cast<long long>(std::floor(seconds));
  if (whole < PlainTimeLimit) return std::to_string(std::max(whole, -9999LL));
  long long rest = std::min(whole, LargestTime) - PlainTimeLimit;
  std::string field(TimeWidth, '0');
  field[0] = static_cast<char>('A' + rest / Base36Power4);
  rest %= Base36Power4;
  for (int i = TimeWidth - 1; i >= 1; --i, rest /= 36) field[i] = Digits36[rest % 36];
  return field;
}

// Leading blanks, an optional minus, then at least one digit and nothing else.
std::optional<long long> decimalField(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = i < field.size() && field[i] == '-';
  if (negative) ++i;
  if (i == field.size()) return std::nullopt;
  long long value = 0;
  for (; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') return std::nullopt;
    value = value * 10 + (field[i] - '0');
  }
  return negative ? -value : value;
}

std::optional<int> digit36(char c) {
  std::size_t p = Digits36.find(c);
  if (p == std::string_view::npos) return std::nullopt;
  return static_cast<int>(p);
}

std::optional<long long> timeValue(std::string_view field) {
  if (field[0] < 'A' || field[0] > 'Z') return decimalField(field);
  long long value = field[0] - 'A';
  for (std::size_t i = 1; i < field.size(); ++i) {
    std::optional<int> d = digit36(field[i]);
    if (!d) return std::nullopt;
    value = value * 36 + *d;
  }
  return PlainTimeLimit + value;
}

}  // namespace

bool isPossiblePosition(const RecordEntry& e) {
  int kinds[8] = {};
  int manKings = 0, comKings = 0;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      int code = e.board[x][y];
      if (code == ManKing) ++manKings;
      if (code == ComKing) ++comKings;
      ++kinds[kindOf(code)];
    }
  }
  if (manKings > KingLimitPerSide || comKings > KingLimitPerSide) return false;
  for (int kind = 1; kind <= 7; ++kind)
    if (kinds[kind] + e.manHand[kind] + e.comHand[kind] > KindLimit[kind]) return false;
  return true;
}

std::string formatRecordLine(const RecordEntry& entry) {
  std::string line;
  line.reserve(RecordLineLength);
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y) appendRight(line, std::to_string(entry.board[x][y]), SquareWidth);
  for (int kind = 1; kind <= 7; ++kind) {
    // Counts stay within a full set (at most 18), far inside the letters.
    line += Digits36[std::clamp(entry.manHand[kind], 0, 35)];
    line += Digits36[std::clamp(entry.comHand[kind], 0, 35)];
  }
  for (double t : {entry.manBefore, entry.manAfter, entry.comBefore, entry.comAfter})
    appendRight(line, timeField(t), TimeWidth);
  return line;
}

std::string formatRecordLine(const Game& g, int k) { return formatRecordLine(recordEntry(g, k)); }

bool parseRecordLine(const std::string& line, RecordEntry& entry) {
  if (line.size() != RecordLineLength) return false;
  std::string_view text(line);
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      std::size_t column = SquareWidth * ((x - 1) * BoardSize + (y - 1));
      std::optional<long long> code = decimalField(text.substr(column, SquareWidth));
      if (!code || !isPieceOrEmpty(static_cast<int>(*code))) return false;
      entry.board[x][y] = static_cast<int>(*code);
    }
  }
  for (int kind = 1; kind <= 7; ++kind) {
    std::optional<int> man = digit36(text[HandColumn + 2 * (kind - 1)]);
    std::optional<int> com = digit36(text[HandColumn + 2 * (kind - 1) + 1]);
    if (!man || !com) return false;
    entry.manHand[kind] = *man;
    entry.comHand[kind] = *com;
  }
  double* times[4] = {&entry.manBefore, &entry.manAfter, &entry.comBefore, &entry.comAfter};
  for (int i = 0; i < 4; ++i) {
    std::optional<long long> t = timeValue(text.substr(TimeColumn + TimeWidth * i, TimeWidth));
    if (!t) return false;
    *times[i] = static_cast<double>(*t);
  }
  return isPossiblePosition(entry);
}

void storeRecordEntry(Game& g, int k, const RecordEntry& entry) {
  std::size_t needed = static_cast<std::size_t>(k) + 1;
  if (g.RecordBoard.size() < needed) {
    g.RecordBoard.resize(needed);
    g.RecordManHand.resize(needed);
    g.RecordComHand.resize(needed);
    g.RecordManTimeBefore.resize(needed);
    g.RecordManTimeAfter.resize(needed);
    g.RecordComTimeBefore.resize(needed);
    g.RecordComTimeAfter.resize(needed);
  }
  g.RecordBoard[k] = entry.board;
  g.RecordManHand[k] = entry.manHand;
  g.RecordComHand[k] = entry.comHand;
  g.RecordManTimeBefore[k] = entry.manBefore;
  g.RecordManTimeAfter[k] = entry.manAfter;
  g.RecordComTimeBefore[k] = entry.comBefore;
  g.RecordComTimeAfter[k] = entry.comAfter;
}

RecordEntry recordEntry(const Game& g, int k) {
  return {g.RecordBoard[k],        g.RecordManHand[k],       g.RecordComHand[k],      g.RecordManTimeBefore[k],
          g.RecordManTimeAfter[k], g.RecordComTimeBefore[k], g.RecordComTimeAfter[k]};
}

std::vector<RecordEntry> recordEntries(const Game& g) {
  std::vector<RecordEntry> entries;
  const int last = std::min<int>(g.LastMoveNumber, static_cast<int>(g.RecordBoard.size()) - 1);
  for (int k = 0; k <= last; ++k) entries.push_back(recordEntry(g, k));
  return entries;
}

}  // namespace vudeve
