#include "record/usi_notation.h"

#include "rules/game.h"

namespace vudeve {
namespace {

constexpr std::string_view DropLetters = "PLNSGBR";

// Square of the two characters at text[at], text[at + 1].
bool parseSquare(std::string_view text, std::size_t at, int& x, int& y) {
  const char file = text[at], rank = text[at + 1];
  if (file < '1' || file > '9' || rank < 'a' || rank > 'i') return false;
  x = 10 - (file - '0');
  y = rank - 'a' + 1;
  return true;
}

}  // namespace

std::optional<UsiMove> parseUsiMove(std::string_view text) {
  UsiMove move;
  if (text.size() == 4 && text[1] == '*') {
    const std::size_t letter = DropLetters.find(text[0]);
    if (letter == std::string_view::npos || !parseSquare(text, 2, move.toX, move.toY)) return std::nullopt;
    move.drop = true;
    move.handIndex = static_cast<int>(letter) + 1;
    return move;
  }
  if (text.size() != 4 && !(text.size() == 5 && text[4] == '+')) return std::nullopt;
  if (!parseSquare(text, 0, move.fromX, move.fromY) || !parseSquare(text, 2, move.toX, move.toY)) return std::nullopt;
  move.promote = text.size() == 5;
  return move;
}

std::string formatUsiMove(const UsiMove& move) {
  const std::string to = usiSquare(move.toX, move.toY);
  if (to.empty()) return {};
  if (move.drop) {
    const char letter = usiDropLetter(move.handIndex);
    return letter == '\0' ? std::string() : std::string(1, letter) + "*" + to;
  }
  const std::string from = usiSquare(move.fromX, move.fromY);
  if (from.empty()) return {};
  return from + to + (move.promote ? "+" : "");
}

char usiDropLetter(int handIndex) {
  return handIndex >= 1 && handIndex <= 7 ? DropLetters[handIndex - 1] : '\0';
}

UsiMove usiMoveFromCells(int fromX, int fromY, int toX, int toY, bool promotes) {
  UsiMove move;
  move.drop = isHandColumn(fromX);
  if (move.drop) {
    move.handIndex = handIndexOfCell(fromX, fromY);
  } else {
    move.fromX = fromX;
    move.fromY = fromY;
    move.promote = promotes;
  }
  move.toX = toX;
  move.toY = toY;
  return move;
}

}  // namespace vudeve
