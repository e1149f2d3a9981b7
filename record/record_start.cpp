#include "record/record_start.h"

#include <vector>

#include "record/kif_notation.h"
#include "record/snapshot_move.h"
#include "rules/handicap.h"
#include "rules/setup.h"
#include "rules/turn_round.h"

namespace vudeve {
namespace {

struct KnownStart {
  BoardMap board;
  StartKind kind;
};

// The even position first, then the handicaps.
const std::vector<KnownStart>& knownStarts() {
  static const std::vector<KnownStart> starts = [] {
    std::vector<KnownStart> all{{evenBoard(), StartKind::Even}};
    std::vector<BoardMap> given;
    for (int grade = 1; grade <= MaxHandicapGrade; ++grade) {
      BoardMap board = evenBoard();
      設定_ハンデ局面(board, grade);
      given.push_back(board);
    }
    for (const BoardMap& board : kif::handicapBoards()) given.push_back(board);
    for (const BoardMap& board : given) {
      all.push_back({board, StartKind::TopGivesHandicap});
      all.push_back({turnedRound(board), StartKind::BottomGivesHandicap});
    }
    return all;
  }();
  return starts;
}

}  // namespace

StartKind startKind(const RecordEntry& start) {
  if (start.manHand != HandArray{} || start.comHand != HandArray{}) return StartKind::Other;
  for (const KnownStart& known : knownStarts())
    if (known.board == start.board) return known.kind;
  return StartKind::Other;
}

std::optional<RecordEntry> impliedStart(const RecordEntry& first) {
  for (const KnownStart& known : knownStarts()) {
    RecordEntry start;
    start.board = known.board;
    start.manAfter = first.manBefore;
    start.comAfter = first.comBefore;
    if (調査_局面間の指し手(start, first)) return start;
  }
  return std::nullopt;
}

int usualFirstMover(const RecordEntry& start) {
  return startKind(start) == StartKind::TopGivesHandicap ? kif::Top : kif::Bottom;
}

bool kifTurnsRound(const RecordEntry& start, int firstMover) {
  switch (startKind(start)) {
    case StartKind::Even: return firstMover == kif::Top;
    case StartKind::BottomGivesHandicap: return true;
    default: return false;
  }
}

}  // namespace vudeve
