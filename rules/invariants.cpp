#include "rules/invariants.h"

#include <cstdlib>

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

std::string checkPieceCount(const Game& g, int removedByHandicap) {
  int pieces = handSum(g.ManHand) + handSum(g.ComHand);
  int kings = 0;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      if (g.Board[x][y] != Empty) ++pieces;
      if (std::abs(g.Board[x][y]) == ComKing) ++kings;
    }
  }
  const int takenKings = g.Winner != NoSide && kings < 2 ? 1 : 0;
  const int total = pieces + takenKings + removedByHandicap;
  if (total == FullSetPieces) return "";
  return std::to_string(pieces) + " pieces on the board and in hand, " + std::to_string(takenKings) +
         " king taken and " + std::to_string(removedByHandicap) + " removed by the handicap make " +
         std::to_string(total) + ", not " + std::to_string(FullSetPieces);
}

bool onBoard(const Game& g, int code) {
  for (int x = 1; x <= BoardSize; ++x)
    for (int y = 1; y <= BoardSize; ++y)
      if (g.Board[x][y] == code) return true;
  return false;
}

// The taker of a king counts it in his hand total, though no hand holds it.
std::string checkHandTotals(const Game& g) {
  const bool over = g.Winner != NoSide;
  const int manExpected = handSum(g.ManHand) + (over && !onBoard(g, ComKing) ? 1 : 0);
  const int comExpected = handSum(g.ComHand) + (over && !onBoard(g, ManKing) ? 1 : 0);
  if (g.ManHandTotal != manExpected)
    return "ManHandTotal " + std::to_string(g.ManHandTotal) + " but " + std::to_string(manExpected) + " expected";
  if (g.ComHandTotal != comExpected)
    return "ComHandTotal " + std::to_string(g.ComHandTotal) + " but " + std::to_string(comExpected) + " expected";
  return "";
}

std::string checkRecord(const Game& g) {
  const std::size_t size = g.RecordBoard.size();
  if (g.RecordManHand.size() != size || g.RecordComHand.size() != size || g.RecordManTimeBefore.size() != size ||
      g.RecordManTimeAfter.size() != size || g.RecordComTimeBefore.size() != size ||
      g.RecordComTimeAfter.size() != size)
    return "the record arrays differ in size";
  if (g.LastMoveNumber < 0 || static_cast<std::size_t>(g.LastMoveNumber) >= size)
    return "LastMoveNumber " + std::to_string(g.LastMoveNumber) + " outside the record of " + std::to_string(size);
  // After a move the position shown is the one past the last stored.
  if (g.MoveNumber < 0 || g.MoveNumber > g.LastMoveNumber + 1)
    return "MoveNumber " + std::to_string(g.MoveNumber) + " outside 0.." + std::to_string(g.LastMoveNumber + 1);
  return "";
}

std::string checkMenus(const Game& g) {
  int backgrounds = 0;
  for (MenuItem item : {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE, MenuItem::UCHU, MenuItem::RENGA})
    if (g.Menus->isChecked(item)) ++backgrounds;
  if (backgrounds != 1) return std::to_string(backgrounds) + " backgrounds checked";
  const MenuItem levels[] = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3};
  for (int n = 1; n <= 3; ++n)
    if (g.Menus->isChecked(levels[n - 1]) != (g.Level == n))
      return "level " + std::to_string(g.Level) + " but LEVEL" + std::to_string(n) + " is " +
             (g.Menus->isChecked(levels[n - 1]) ? "checked" : "unchecked");
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
