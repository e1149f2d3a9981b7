// The board and hands fields that our position text and SFEN share. Both
// draw the board as the window does: nine ranks separated by '/', row 1
// (the top) first, each rank from column 1 to 9; a digit is that many empty
// squares; P L N S G B R K are the pieces, uppercase for the bottom player's
// (MAN's, negative) codes and lowercase for the top player's, '+' before a
// letter marks the promoted piece. Hands are '-' or counts and letters such
// as "2Pb", written rook first.
#pragma once

#include <string>
#include <string_view>

#include "rules/game.h"

namespace vudeve {

// The pieces of a position, apart from any game.
struct Placement {
  BoardMap board{};
  HandArray manHand{};  // uppercase letters
  HandArray comHand{};  // lowercase letters
};

// Reads a text field by field. Every failure puts in `error` the character
// index (from 0) and the reason, after the name of the format.
class FieldReader {
 public:
  FieldReader(std::string_view text, std::string_view format, std::string& error)
      : text_(text), format_(format), error_(error) {}

  // Skips blanks; false (with the reason) when the text ends there.
  bool startField(const std::string& missing);
  // True when only blanks are left.
  bool atEnd();
  bool board(BoardMap& board);
  bool hands(HandArray& manHand, HandArray& comHand);
  // 'b' or 'w' standing alone: firstToMove is true for 'b'.
  bool side(bool& firstToMove);
  // A whole number from 0 to `largest`.
  bool number(int largest, int& value, const std::string& what);
  bool fail(const std::string& reason) { return failAt(at_, reason); }

 private:
  bool failAt(std::size_t index, const std::string& reason);
  void skipBlanks();
  bool atFieldEnd() const;
  bool rankTooLong(int y);
  bool rankTooShort(int y, int squares, std::size_t rankStart);

  std::string_view text_;
  std::string_view format_;
  std::string& error_;
  std::size_t at_ = 0;
};

void writeBoardField(std::string& out, const BoardMap& board);
// '-' when both hands are empty.
void writeHandsField(std::string& out, const HandArray& manHand, const HandArray& comHand);

// Puts the pieces on the game's board and hands, with the hand totals;
// nothing else of the game changes.
void placeBoardAndHands(Game& g, const Placement& pieces);
// The same, and the king squares (0 for a king that is not there).
void placePieces(Game& g, const Placement& pieces);

}  // namespace vudeve
