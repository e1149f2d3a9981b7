#include "record/csa_write.h"

#include <cstdio>

#include "record/csa_notation.h"
#include "record/game_end.h"
#include "record/kif_write.h"
#include "rules/setup.h"

namespace vudeve {
namespace {

using kif::Bottom;

char signOf(int side) { return side == Bottom ? '+' : '-'; }

// "PI" with the pieces the start lacks of the even position ("PI82HI22KA"),
// when that is all that sets them apart; "" otherwise.
std::string takenOffLine(const RecordEntry& start) {
  if (start.manHand != HandArray{} || start.comHand != HandArray{}) return {};
  const BoardMap even = evenBoard();
  std::string line = "PI";
  for (int y = 1; y <= BoardSize; ++y)
    for (int x = BoardSize; x >= 1; --x) {
      if (start.board[x][y] == even[x][y]) continue;
      if (start.board[x][y] != Empty) return {};
      line += csa::squareName(x, y) + std::string(csa::pieceName(even[x][y]));
    }
  return line;
}

void appendDiagram(const RecordEntry& start, std::vector<std::string>& lines) {
  for (int y = 1; y <= BoardSize; ++y) {
    std::string row = "P" + std::to_string(y);
    for (int x = 1; x <= BoardSize; ++x) {
      const int code = start.board[x][y];
      row += code == Empty ? std::string(" * ") : signOf(kif::ownerOf(code)) + std::string(csa::pieceName(code));
    }
    lines.push_back(row);
  }
  for (const int side : {Bottom, kif::Top}) {
    const HandArray& hand = side == Bottom ? start.manHand : start.comHand;
    std::string line = std::string("P") + signOf(side);
    for (int index = 7; index >= 1; --index)
      for (int n = 0; n < hand[index]; ++n) line += "00" + std::string(csa::pieceName(ComHandPiece[index]));
    if (line.size() > 2) lines.push_back(line);
  }
}

std::string startTimeLine(const CalendarTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "$START_TIME:%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text;
}

}  // namespace

bool formatCsa(const std::vector<RecordEntry>& record, const KifHeader& header, std::vector<std::string>& lines,
               std::string& error) {
  OutsideRecord r;
  if (!prepareOutsideRecord(record, header, r, error)) return false;
  lines = {"V2.2", "N+" + r.header.bottomName, "N-" + r.header.topName};
  if (!r.header.title.empty()) lines.push_back("$EVENT:" + r.header.title);
  if (r.header.start.known()) lines.push_back(startTimeLine(r.header.start));
  if (const std::string pi = takenOffLine(r.entries[0]); !pi.empty()) lines.push_back(pi);
  else appendDiagram(r.entries[0], lines);
  lines.push_back(std::string(1, signOf(r.firstMover)));
  for (std::size_t i = 0; i < r.moves.size(); ++i) {
    const SnapshotMove& m = r.moves[i];
    const std::string from = m.drop() ? "00" : csa::squareName(m.fromX, m.fromY);
    lines.push_back(signOf(kif::ownerOf(m.piece)) + from + csa::squareName(m.toX, m.toY) +
                    std::string(csa::pieceName(m.placed)));
    lines.push_back("T" + std::to_string(r.seconds[i]));
  }
  // A game that ended without a word: %TORYO for the side that lost, who
  // is to move, else %CHUDAN, as KIF says 中断.
  const int toMove = r.moves.size() % 2 == 0 ? r.firstMover : -r.firstMover;
  const std::string_view word = !r.header.endWord.empty() ? std::string_view(r.header.endWord)
                                : r.header.winner != 0  ? std::string_view("投了")
                                                        : std::string_view("中断");
  lines.push_back(csaEnding(word, toMove));
  return true;
}

}  // namespace vudeve
