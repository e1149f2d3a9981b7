#include "rules/invariants.h"

#include <cstdlib>
#include <iterator>

#include "rules/move.h"

namespace vudeve {
namespace {

constexpr int PieceCodes[] = {ComPawn,   ComTokin, ComLance,  ComPromLance, ComKnight, ComPromKnight, ComSilver,
                              ComPromSilver, ComGold, ComBishop, ComHorse, ComRook, ComDragon, ComKing};

std::string square(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

int handSum(const HandArray& hand) {
  int sum = 0;
  for (int i = 1; i <= 7; ++i) sum += hand[i];
  return sum;
}

std::string checkHand(const HandArray& hand, const char* side) {
  if (hand[0] != 0) return std::string(side) + " hand slot 0 holds " + std::to_string(hand[0]);
  for (int i = 1; i <= 7; ++i)
    if (hand[i] < 0) return std::string(side) + " hand " + std::to_string(i) + " holds " + std::to_string(hand[i]);
  return "";
}

// A king is missing only from a game that has ended, or from the last
// position of a record read from a file; it counts as the taker's.
bool kingMayBeTaken(const Game& g) { return g.Winner != NoSide || g.RecordMode == TrueValue; }

std::string checkPieceCount(const Game& g, int removedByHandicap) {
  int pieces = handSum(g.ManHand) + handSum(g.ComHand);
  int kings = 0;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      if (g.Board[x][y] != Empty) ++pieces;
      if (std::abs(g.Board[x][y]) == ComKing) ++kings;
    }
  }
  const int takenKings = kingMayBeTaken(g) && kings < 2 ? 1 : 0;
  const int total = pieces + takenKings + removedByHandicap;
  if (total == FullSetPieces) return "";
  return std::to_string(pieces) + " pieces on the board and in hand, " + std::to_string(takenKings) +
         " king taken and " + std::to_string(removedByHandicap) + " removed by the handicap make " +
         std::to_string(total) + ", not " + std::to_string(FullSetPieces);
}

// The capture of a king counts it in the taker's hand total, though no hand
// holds it; the position restored from the record counts the hands alone.
std::string checkHandTotal(const char* name, int total, const HandArray& hand, bool tookKing) {
  const int held = handSum(hand);
  if (total == held || (tookKing && total == held + 1)) return "";
  return std::string(name) + " " + std::to_string(total) + " but " + std::to_string(held) +
         (tookKing ? " or " + std::to_string(held + 1) : "") + " expected";
}

std::string checkHandTotals(const Game& g) {
  const bool taken = kingMayBeTaken(g);
  if (std::string wrong = checkHandTotal("ManHandTotal", g.ManHandTotal, g.ManHand, taken && !standsOnBoard(g, ComKing));
      !wrong.empty())
    return wrong;
  return checkHandTotal("ComHandTotal", g.ComHandTotal, g.ComHand, taken && !standsOnBoard(g, ManKing));
}

std::string checkRecord(const Game& g) {
  const std::size_t size = g.RecordBoard.size();
  if (g.RecordManHand.size() != size || g.RecordComHand.size() != size || g.RecordManTimeBefore.size() != size ||
      g.RecordManTimeAfter.size() != size || g.RecordComTimeBefore.size() != size ||
      g.RecordComTimeAfter.size() != size)
    return "the record arrays differ in size";
  if (g.LastMoveNumber < 0 || static_cast<std::size_t>(g.LastMoveNumber) >= size)
    return "LastMoveNumber " + std::to_string(g.LastMoveNumber) + " outside the record of " + std::to_string(size);
  if (g.MoveNumber < 0 || g.MoveNumber > g.LastMoveNumber)
    return "MoveNumber " + std::to_string(g.MoveNumber) + " outside 0.." + std::to_string(g.LastMoveNumber);
  // Every move stores the position it reaches, and a step shows a stored
  // one. (At 0 the position may be a new game's or a handicap's, stored
  // only by the first move.)
  const int k = g.MoveNumber;
  if (k >= 1 && (g.RecordBoard[k] != g.Board || g.RecordManHand[k] != g.ManHand || g.RecordComHand[k] != g.ComHand))
    return "the position shown is not entry " + std::to_string(k) + " of the record";
  return "";
}

std::string checkMenus(const Game& g) {
  int backgrounds = 0;
  for (MenuItem item : {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE, MenuItem::UCHU, MenuItem::RENGA})
    if (g.Menus->isChecked(item)) ++backgrounds;
  if (backgrounds != 1) return std::to_string(backgrounds) + " backgrounds checked";
  for (int n = 1; n <= static_cast<int>(std::size(LevelItems)); ++n)
    if (g.Menus->isChecked(LevelItems[n - 1]) != (g.Level == n))
      return "level " + std::to_string(g.Level) + " but LEVEL" + std::to_string(n) + " is " +
             (g.Menus->isChecked(LevelItems[n - 1]) ? "checked" : "unchecked");
  return "";
}

}  // namespace

bool isPieceCode(int code) {
  const int magnitude = std::abs(code);
  for (int c : PieceCodes)
    if (magnitude == c) return true;
  return false;
}

std::string checkSquares(const Game& g) {
  for (int x = 0; x <= BoardSize; ++x) {
    for (int y = 0; y <= BoardSize; ++y) {
      const int code = g.Board[x][y];
      if (x == 0 || y == 0) {
        if (code != Empty) return "unused square " + square(x, y) + " holds " + std::to_string(code);
      } else if (code != Empty && !isPieceCode(code)) {
        return "square " + square(x, y) + " holds " + std::to_string(code) + ", no piece code";
      }
    }
  }
  if (std::string wrong = checkHand(g.ManHand, "MAN"); !wrong.empty()) return wrong;
  return checkHand(g.ComHand, "COM");
}

std::string checkPosition(const Game& g, int removedByHandicap) {
  if (std::string wrong = checkSquares(g); !wrong.empty()) return wrong;
  if (std::string wrong = checkPieceCount(g, removedByHandicap); !wrong.empty()) return wrong;
  return checkHandTotals(g);
}

std::string checkInvariants(const Game& g, int removedByHandicap) {
  if (std::string wrong = checkPosition(g, removedByHandicap); !wrong.empty()) return wrong;
  if (std::string wrong = checkRecord(g); !wrong.empty()) return wrong;
  return checkMenus(g);
}

}  // namespace vudeve
