#include "rules/position_text.h"

#include "rules/board_fields.h"

namespace vudeve {

std::string writePositionText(const Game& g) {
  std::string out;
  writeBoardField(out, g.Board);
  out += ' ';
  writeHandsField(out, g.ManHand, g.ComHand);
  out += g.Turn != NoSide && g.Turn == g.ComSide ? " w" : " b";
  return out;
}

bool readPositionText(Game& g, std::string_view text, std::string& error) {
  // Read apart first so that refused text leaves the game as it was.
  Placement pieces;
  bool manToMove = true;
  FieldReader reader(text, "position", error);
  if (!reader.startField("the text is empty") || !reader.board(pieces.board) ||
      !reader.startField("the hands are missing (write '-' for none)") ||
      !reader.hands(pieces.manHand, pieces.comHand))
    return false;
  if (!reader.atEnd()) {
    if (!reader.side(manToMove)) return false;
    if (!reader.atEnd()) return reader.fail("unexpected text after the side to move");
  }
  placePieces(g, pieces);
  g.Turn = manToMove ? g.ManSide : g.ComSide;
  return true;
}

}  // namespace vudeve
