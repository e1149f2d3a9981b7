#include "rules/sfen.h"

namespace vudeve {

namespace {
// Far beyond any game, small enough that no count overflows.
constexpr int MaxMoveNumber = 999999;
}  // namespace

bool readSfen(std::string_view text, SfenPosition& position, std::string& error) {
  SfenPosition read;
  FieldReader reader(text, "SFEN", error);
  if (!reader.startField("the text is empty") || !reader.board(read.pieces.board) ||
      !reader.startField("the side to move is missing") || !reader.side(read.blackToMove) ||
      !reader.startField("the hands are missing (write '-' for none)") ||
      !reader.hands(read.pieces.manHand, read.pieces.comHand))
    return false;
  if (!reader.atEnd()) {
    if (!reader.number(MaxMoveNumber, read.moveNumber, "the move number")) return false;
    if (!reader.atEnd()) return reader.fail("unexpected text after the move number");
  }
  position = read;
  return true;
}

std::string writeSfen(const SfenPosition& position) {
  std::string out;
  writeBoardField(out, position.pieces.board);
  out += position.blackToMove ? " b " : " w ";
  writeHandsField(out, position.pieces.manHand, position.pieces.comHand);
  out += ' ' + std::to_string(position.moveNumber);
  return out;
}

std::string usiSquare(int x, int y) {
  if (x < 1 || x > BoardSize || y < 1 || y > BoardSize) return {};
  return {static_cast<char>('0' + 10 - x), static_cast<char>('a' + y - 1)};
}

}  // namespace vudeve
