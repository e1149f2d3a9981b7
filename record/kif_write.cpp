#include "record/kif_write.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "record/game_end.h"
#include "record/notation.h"
#include "record/record_start.h"
#include "record/snapshot_move.h"
#include "rules/turn_round.h"

namespace vudeve {
namespace {

using kif::Bottom;
using kif::Top;

// The move text is padded to this many display columns (a full-width
// character takes two), as the common writers line up their times.
constexpr int MoveColumns = 13;

std::string printed(const char* format, auto... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

int displayColumns(const std::string& text) {
  int columns = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) columns += 1;
    else if (c >= 0xC0) columns += 2;  // the lead byte of a wider character
  }
  return columns;
}

std::string dateLine(const CalendarTime& t) {
  return "開始日時：" + printed("%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::string handLine(std::string_view role, const HandArray& hand) {
  std::string line = std::string(role) + "の持駒：";
  bool any = false;
  for (int index = 7; index >= 1; --index) {
    if (hand[index] <= 0) continue;
    if (any) line += "　";
    line += kif::diagramName(ComHandPiece[index]);
    if (hand[index] > 1) line += kif::kanjiNumber(hand[index]);
    any = true;
  }
  return any ? line : line + "なし";
}

void appendDiagram(const RecordEntry& start, std::vector<std::string>& lines) {
  const kif::Roles& roles = kif::EvenRoles;
  lines.push_back(handLine(roles.top, start.comHand));
  lines.push_back("  ９ ８ ７ ６ ５ ４ ３ ２ １");
  lines.push_back("+---------------------------+");
  for (int y = 1; y <= BoardSize; ++y) {
    std::string row = "|";
    for (int x = 1; x <= BoardSize; ++x) {
      const int code = start.board[x][y];
      if (code == Empty) row += " ・";
      else row += (kif::ownerOf(code) == Top ? "v" : " ") + std::string(kif::diagramName(code));
    }
    lines.push_back(row + "|" + 文字列変換(1000 + y));
  }
  lines.push_back("+---------------------------+");
  lines.push_back(handLine(roles.bottom, start.manHand));
}

// A player's thinking time in whole seconds: the shown total is the whole
// part of the running sum, and each move's time the step of the shown total,
// so the move times always add up to the total.
struct ThinkingTime {
  double running = 0;
  long long shown = 0;
  long long add(double seconds) {
    if (std::isfinite(seconds) && seconds > 0) running += seconds;
    const long long before = shown;
    shown = static_cast<long long>(std::floor(running));
    return shown - before;
  }
};

std::string timeText(long long move, long long total) {
  return printed("(%2lld:%02lld/%02lld:%02lld:%02lld)", move / 60, move % 60, total / 3600, total / 60 % 60, total % 60);
}

std::string moveText(const SnapshotMove& m, const SnapshotMove* previous) {
  std::string text = previous && previous->toX == m.toX && previous->toY == m.toY ? "同　" : kif::squareName(m.toX, m.toY);
  text += kif::pieceName(m.piece);
  if (m.promotes()) text += "成";
  else if (m.mayPromote) text += "不成";
  text += m.drop() ? std::string("打") : printed("(%d%d)", 10 - m.fromX, m.fromY);
  return text;
}

}  // namespace

int firstMover(const std::vector<RecordEntry>& entries) {
  if (entries.size() < 2) return 0;
  const std::optional<SnapshotMove> first = 調査_局面間の指し手(entries[0], entries[1]);
  return first ? kif::ownerOf(first->piece) : 0;
}

RecordEntry turnedRound(const RecordEntry& e) {
  RecordEntry turned;
  turned.board = turnedRound(e.board);
  turned.manHand = e.comHand;
  turned.comHand = e.manHand;
  turned.manBefore = e.comBefore;
  turned.manAfter = e.comAfter;
  turned.comBefore = e.manBefore;
  turned.comAfter = e.manAfter;
  return turned;
}

bool prepareOutsideRecord(const std::vector<RecordEntry>& record, const KifHeader& header, OutsideRecord& out,
                          std::string& error) {
  if (record.empty()) {
    error = "棋譜がありません";
    return false;
  }
  const bool turn = kifTurnsRound(record[0], firstMover(record));
  out = {};
  for (const RecordEntry& e : record) out.entries.push_back(turn ? turnedRound(e) : e);
  out.header = header;
  if (turn) {
    std::swap(out.header.bottomName, out.header.topName);
    out.header.winner = -header.winner;
  }
  const std::vector<RecordEntry>& entries = out.entries;
  std::vector<SnapshotMove>& moves = out.moves;
  for (std::size_t k = 1; k < entries.size(); ++k) {
    const std::optional<SnapshotMove> m = 調査_局面間の指し手(entries[k - 1], entries[k]);
    if (!m || (!moves.empty() && kif::ownerOf(m->piece) == kif::ownerOf(moves.back().piece))) {
      error = std::to_string(k) + "手目の局面が前の局面から一手で指せる局面ではありません";
      return false;
    }
    moves.push_back(*m);
  }
  out.firstMover = moves.empty() ? Bottom : kif::ownerOf(moves.front().piece);
  if (out.header.winner == 0 && !moves.empty() && std::abs(moves.back().captured) == ComKing)
    out.header.winner = kif::ownerOf(moves.back().piece);

  ThinkingTime clocks[2];
  for (std::size_t i = 0; i < moves.size(); ++i) {
    // A move's time is how far the mover's clock moved on between the
    // positions before and after it. Entry 0 is no line of a ".棋譜" file,
    // so its after-move clocks, the first move's time, do not survive one;
    // entry 1's before-move clocks, the same totals, do.
    const bool bottom = kif::ownerOf(moves[i].piece) == Bottom;
    const RecordEntry &before = entries[i], &after = entries[i + 1];
    ThinkingTime& clock = clocks[bottom ? 0 : 1];
    out.seconds.push_back(clock.add(bottom ? after.manBefore - before.manBefore : after.comBefore - before.comBefore));
    out.totals.push_back(clock.shown);
  }
  return true;
}

bool formatKif(const std::vector<RecordEntry>& record, const KifHeader& header, std::vector<std::string>& lines,
               std::string& error) {
  OutsideRecord r;
  if (!prepareOutsideRecord(record, header, r, error)) return false;
  const std::vector<RecordEntry>& entries = r.entries;
  const std::vector<SnapshotMove>& moves = r.moves;
  const int first = r.firstMover;

  // 平手 with 先手 at the bottom, a standard handicap with 上手 (the top)
  // moving first, or else the diagram and who moves first.
  const std::string_view startName = kif::handicapName(entries[0]);
  const bool even = startName == kif::EvenGame && first == Bottom;
  const bool handicap = !startName.empty() && startName != kif::EvenGame && first == Top;
  const kif::Roles& roles = handicap ? kif::HandicapRoles : kif::EvenRoles;

  lines.clear();
  if (header.start.known()) lines.push_back(dateLine(header.start));
  if (!header.title.empty()) lines.push_back("棋戦：" + header.title);
  if (even || handicap) lines.push_back("手合割：" + std::string(startName));
  else appendDiagram(entries[0], lines);
  lines.push_back(std::string(roles.bottom) + "：" + r.header.bottomName);
  lines.push_back(std::string(roles.top) + "：" + r.header.topName);
  if (!even && !handicap && first == Top) lines.push_back("後手番");
  lines.push_back("手数----指手---------消費時間--");

  for (std::size_t i = 0; i < moves.size(); ++i) {
    const std::string text = moveText(moves[i], i > 0 ? &moves[i - 1] : nullptr);
    const int padding = std::max(MoveColumns - displayColumns(text), 1);
    lines.push_back(printed("%4zu ", i + 1) + text + std::string(padding, ' ') + timeText(r.seconds[i], r.totals[i]));
  }
  if (!r.header.endWord.empty()) lines.push_back(printed("%4zu ", moves.size() + 1) + r.header.endWord);
  lines.push_back(summaryLine(r.header, moves.size(), roles));
  return true;
}

}  // namespace vudeve
