#include "rules/board_fields.h"

namespace vudeve {

namespace {

// Unpromoted COM codes by letter; MAN's are the same negated.
struct Letter {
  char upper;
  int code;
  int handIndex;  // 0: cannot be held
  bool promotes;
};
constexpr Letter Letters[] = {
    {'P', ComPawn, 1, true},  {'L', ComLance, 2, true},  {'N', ComKnight, 3, true}, {'S', ComSilver, 4, true},
    {'G', ComGold, 5, false}, {'B', ComBishop, 6, true}, {'R', ComRook, 7, true},   {'K', ComKing, 0, false},
};
// Hands are written in the customary order, rook first.
constexpr char HandOrder[] = {'R', 'B', 'G', 'S', 'N', 'L', 'P'};
constexpr int MaxHandCount = 18;

char toUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char toLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const Letter* findLetter(char c) {
  const char upper = toUpper(c);
  for (const Letter& l : Letters)
    if (l.upper == upper) return &l;
  return nullptr;
}

void writeHand(std::string& out, const HandArray& hand, bool lower) {
  for (char upper : HandOrder) {
    const int count = hand[findLetter(upper)->handIndex];
    if (count <= 0) continue;
    if (count > 1) out += std::to_string(count);
    out += lower ? toLower(upper) : upper;
  }
}

int handTotal(const HandArray& hand) {
  int total = 0;
  for (int i = 1; i <= 7; ++i) total += hand[i];
  return total;
}

}  // namespace

bool FieldReader::failAt(std::size_t index, const std::string& reason) {
  error_ = "bad " + std::string(format_) + " at index " + std::to_string(index) + ": " + reason;
  return false;
}

void FieldReader::skipBlanks() {
  while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
}

bool FieldReader::atFieldEnd() const { return at_ >= text_.size() || isBlank(text_[at_]); }

bool FieldReader::startField(const std::string& missing) {
  skipBlanks();
  return at_ < text_.size() || fail(missing);
}

bool FieldReader::atEnd() {
  skipBlanks();
  return at_ >= text_.size();
}

bool FieldReader::board(BoardMap& board) {
  int y = 1;
  int x = 1;
  std::size_t rankStart = at_;
  for (; !atFieldEnd(); ++at_) {
    const char c = text_[at_];
    if (c == '/') {
      if (x != BoardSize + 1) return rankTooShort(y, x - 1, rankStart);
      if (y == BoardSize) return fail("more than 9 ranks");
      ++y;
      x = 1;
      rankStart = at_ + 1;
      continue;
    }
    if (isDigit(c)) {
      if (c == '0') return fail("'0' is not a number of empty squares");
      x += c - '0';
      if (x > BoardSize + 1) return rankTooLong(y);
      continue;
    }
    bool promoted = false;
    const std::size_t pieceStart = at_;
    if (c == '+') {
      promoted = true;
      ++at_;
      if (atFieldEnd() || !findLetter(text_[at_])) return failAt(pieceStart, "'+' must be followed by a piece letter");
    }
    const char letter = text_[at_];
    const Letter* l = findLetter(letter);
    if (!l) return fail(std::string("unknown piece letter '") + letter + "'");
    if (promoted && !l->promotes) return failAt(pieceStart, std::string("'") + letter + "' cannot be promoted");
    if (x > BoardSize) return rankTooLong(y);
    const int code = l->code + (promoted ? 1 : 0);
    board[x][y] = isLower(letter) ? code : -code;
    ++x;
  }
  if (x != BoardSize + 1) return rankTooShort(y, x - 1, rankStart);
  if (y != BoardSize) return fail("only " + std::to_string(y) + " ranks (9 expected)");
  return true;
}

bool FieldReader::rankTooLong(int y) { return fail("rank " + std::to_string(y) + " has more than 9 squares"); }

bool FieldReader::rankTooShort(int y, int squares, std::size_t rankStart) {
  return failAt(rankStart, "rank " + std::to_string(y) + " has " + std::to_string(squares) + " squares (9 expected)");
}

bool FieldReader::hands(HandArray& manHand, HandArray& comHand) {
  if (text_[at_] == '-') {
    ++at_;
    if (!atFieldEnd()) return fail("'-' stands for empty hands on its own");
    return true;
  }
  HandArray seenMan{}, seenCom{};
  while (!atFieldEnd()) {
    const std::size_t itemStart = at_;
    int count = 1;
    if (isDigit(text_[at_])) {
      count = 0;
      while (!atFieldEnd() && isDigit(text_[at_])) {
        count = count * 10 + (text_[at_] - '0');
        if (count > MaxHandCount) return failAt(itemStart, "a count above " + std::to_string(MaxHandCount));
        ++at_;
      }
      if (count == 0) return failAt(itemStart, "a count of zero");
      if (atFieldEnd()) return failAt(itemStart, "a count without a piece letter");
    }
    const char letter = text_[at_];
    const Letter* l = findLetter(letter);
    if (!l) return fail(std::string("unknown piece letter '") + letter + "' in the hands");
    if (l->handIndex == 0) return fail("a king cannot be held in hand");
    HandArray& hand = isLower(letter) ? comHand : manHand;
    HandArray& seen = isLower(letter) ? seenCom : seenMan;
    if (seen[l->handIndex]) return failAt(itemStart, std::string("'") + letter + "' appears twice in the hands");
    seen[l->handIndex] = 1;
    hand[l->handIndex] = count;
    ++at_;
  }
  return true;
}

bool FieldReader::side(bool& firstToMove) {
  const char c = text_[at_];
  ++at_;
  if ((c != 'b' && c != 'w') || !atFieldEnd()) return failAt(at_ - 1, "the side to move must be 'b' or 'w'");
  firstToMove = c == 'b';
  return true;
}

bool FieldReader::number(int largest, int& value, const std::string& what) {
  const std::size_t start = at_;
  value = 0;
  for (; !atFieldEnd(); ++at_) {
    if (!isDigit(text_[at_])) return failAt(start, what + " must be a whole number");
    value = value * 10 + (text_[at_] - '0');
    if (value > largest) return failAt(start, what + " is above " + std::to_string(largest));
  }
  return true;
}

void writeBoardField(std::string& out, const BoardMap& board) {
  for (int y = 1; y <= BoardSize; ++y) {
    if (y > 1) out += '/';
    int empties = 0;
    for (int x = 1; x <= BoardSize; ++x) {
      const int code = board[x][y];
      const int magnitude = code < 0 ? -code : code;
      const Letter* l = nullptr;
      for (const Letter& candidate : Letters)
        if (magnitude == candidate.code || (candidate.promotes && magnitude == candidate.code + 1)) l = &candidate;
      if (!l) {
        ++empties;
        continue;
      }
      if (empties > 0) out += static_cast<char>('0' + empties);
      empties = 0;
      if (magnitude != l->code) out += '+';
      out += code > 0 ? toLower(l->upper) : l->upper;
    }
    if (empties > 0) out += static_cast<char>('0' + empties);
  }
}

void writeHandsField(std::string& out, const HandArray& manHand, const HandArray& comHand) {
  const std::size_t start = out.size();
  writeHand(out, manHand, false);
  writeHand(out, comHand, true);
  if (out.size() == start) out += '-';
}

void placeBoardAndHands(Game& g, const Placement& pieces) {
  g.Board = pieces.board;
  g.ManHand = pieces.manHand;
  g.ComHand = pieces.comHand;
  g.ManHandTotal = handTotal(g.ManHand);
  g.ComHandTotal = handTotal(g.ComHand);
}

void placePieces(Game& g, const Placement& pieces) {
  placeBoardAndHands(g, pieces);
  g.ManKingX = g.ManKingY = g.ComKingX = g.ComKingY = 0;
  for (int x = 1; x <= BoardSize; ++x) {
    for (int y = 1; y <= BoardSize; ++y) {
      if (g.Board[x][y] == ManKing) {
        g.ManKingX = x;
        g.ManKingY = y;
      } else if (g.Board[x][y] == ComKing) {
        g.ComKingX = x;
        g.ComKingY = y;
      }
    }
  }
}

}  // namespace vudeve
