#include "rules/position_text.h"

namespace vudeve {

std::string writePositionText(const Game& g) {
  return writeBoardAndHands(g) + (g.Turn != NoSide && g.Turn == g.ComSide ? " w" : " b");
}

std::string writeBoardAndHands(const Game& g) {
  std::string out;
  writeBoardField(out, g.Board);
  out += ' ';
  writeHandsField(out, g.ManHand, g.ComHand);
  return out;
}

bool readPositionText(Game& g, std::string_view text, std::string& error) {
  // Read apart first so that refused text leaves the game as it was.
  const std::optional<ParsedPosition> parsed = parsePositionText(text, error);
  if (!parsed) return false;
  placePieces(g, parsed->pieces);
  g.Turn = parsed->manToMove ? g.ManSide : g.ComSide;
  return true;
}

std::optional<ParsedPosition> parsePositionText(std::string_view text, std::string& error) {
  ParsedPosition parsed;
  FieldReader reader(text, "position", error);
  if (!reader.startField("the text is empty") || !reader.board(parsed.pieces.board) ||
      !reader.startField("the hands are missing (write '-' for none)") ||
      !reader.hands(parsed.pieces.manHand, parsed.pieces.comHand))
    return std::nullopt;
  if (!reader.atEnd()) {
    if (!reader.side(parsed.manToMove)) return std::nullopt;
    if (!reader.atEnd()) {
      reader.fail("unexpected text after the side to move");
      return std::nullopt;
    }
  }
  return parsed;
}

}  // namespace vudeve
