#include "rules/position_text.h"

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
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const Letter* findLetter(char c) {
  const char upper = toUpper(c);
  for (const Letter& l : Letters)
    if (l.upper == upper) return &l;
  return nullptr;
}

class Parser {
 public:
  Parser(std::string_view text, std::string& error) : text_(text), error_(error) {}

  bool parse(ParsedPosition& p) {
    skipBlanks();
    if (at_ >= text_.size()) return fail("the text is empty");
    if (!parseBoard(p)) return false;
    if (!expectBlank("the hands are missing (write '-' for none)")) return false;
    if (!parseHands(p)) return false;
    skipBlanks();
    if (at_ >= text_.size()) return true;
    const char side = text_[at_];
    if ((side != 'b' && side != 'w') || !atFieldEndAfter(1)) return fail("the side to move must be 'b' or 'w'");
    p.manToMove = side == 'b';
    ++at_;
    skipBlanks();
    if (at_ < text_.size()) return fail("unexpected text after the side to move");
    return true;
  }

 private:
  bool fail(const std::string& reason) { return failAt(at_, reason); }
  bool failAt(std::size_t index, const std::string& reason) {
    error_ = "bad position at index " + std::to_string(index) + ": " + reason;
    return false;
  }

  void skipBlanks() {
    while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
  }
  bool atFieldEnd() const { return at_ >= text_.size() || isBlank(text_[at_]); }
  bool atFieldEndAfter(std::size_t n) const { return at_ + n >= text_.size() || isBlank(text_[at_ + n]); }
  bool expectBlank(const std::string& missing) {
    if (at_ < text_.size() && !isBlank(text_[at_])) return fail(missing);
    skipBlanks();
    if (at_ >= text_.size()) return fail(missing);
    return true;
  }

  bool parseBoard(ParsedPosition& p) {
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
        if (atFieldEnd() || !findLetter(text_[at_]))
          return failAt(pieceStart, "'+' must be followed by a piece letter");
      }
      const char letter = text_[at_];
      const Letter* l = findLetter(letter);
      if (!l) return fail(std::string("unknown piece letter '") + letter + "'");
      if (promoted && !l->promotes) return failAt(pieceStart, std::string("'") + letter + "' cannot be promoted");
      if (x > BoardSize) return rankTooLong(y);
      const int code = l->code + (promoted ? 1 : 0);
      p.board[x][y] = isLower(letter) ? code : -code;
      ++x;
    }
    if (x != BoardSize + 1) return rankTooShort(y, x - 1, rankStart);
    if (y != BoardSize) return fail("only " + std::to_string(y) + " ranks (9 expected)");
    return true;
  }
  bool rankTooLong(int y) { return fail("rank " + std::to_string(y) + " has more than 9 squares"); }
  bool rankTooShort(int y, int squares, std::size_t rankStart) {
    return failAt(rankStart, "rank " + std::to_string(y) + " has " + std::to_string(squares) + " squares (9 expected)");
  }

  bool parseHands(ParsedPosition& p) {
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
      HandArray& hand = isLower(letter) ? p.comHand : p.manHand;
      HandArray& seen = isLower(letter) ? seenCom : seenMan;
      if (seen[l->handIndex]) return failAt(itemStart, std::string("'") + letter + "' appears twice in the hands");
      seen[l->handIndex] = 1;
      hand[l->handIndex] = count;
      ++at_;
    }
    return true;
  }

  std::string_view text_;
  std::string& error_;
  std::size_t at_ = 0;
};

void writeHand(std::string& out, const HandArray& hand, bool lower) {
  for (char upper : HandOrder) {
    const Letter* l = findLetter(upper);
    const int count = hand[l->handIndex];
    if (count <= 0) continue;
    if (count > 1) out += std::to_string(count);
    out += lower ? static_cast<char>(upper - 'A' + 'a') : upper;
  }
}

int handTotal(const HandArray& hand) {
  int total = 0;
  for (int i = 1; i <= 7; ++i) total += hand[i];
  return total;
}

}  // namespace

std::string writePositionText(const Game& g) {
  return writeBoardAndHands(g) + (g.Turn != NoSide && g.Turn == g.ComSide ? " w" : " b");
}

std::string writeBoardAndHands(const Game& g) {
  std::string out;
  for (int y = 1; y <= BoardSize; ++y) {
    if (y > 1) out += '/';
    int empties = 0;
    for (int x = 1; x <= BoardSize; ++x) {
      const int code = g.Board[x][y];
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
      out += code > 0 ? static_cast<char>(l->upper - 'A' + 'a') : l->upper;
    }
    if (empties > 0) out += static_cast<char>('0' + empties);
  }
  out += ' ';
  const std::size_t handsStart = out.size();
  writeHand(out, g.ManHand, false);
  writeHand(out, g.ComHand, true);
  if (out.size() == handsStart) out += '-';
  return out;
}

bool readPositionText(Game& g, std::string_view text, std::string& error) {
  // Parsed apart first so that refused text leaves the game as it was.
  const std::optional<ParsedPosition> parsed = parsePositionText(text, error);
  if (!parsed) return false;
  placeBoardAndHands(g, *parsed);
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
  g.Turn = parsed->manToMove ? g.ManSide : g.ComSide;
  return true;
}

std::optional<ParsedPosition> parsePositionText(std::string_view text, std::string& error) {
  ParsedPosition parsed;
  if (!Parser(text, error).parse(parsed)) return std::nullopt;
  return parsed;
}

void placeBoardAndHands(Game& g, const ParsedPosition& position) {
  g.Board = position.board;
  g.ManHand = position.manHand;
  g.ComHand = position.comHand;
  g.ManHandTotal = handTotal(g.ManHand);
  g.ComHandTotal = handTotal(g.ComHand);
}

}  // namespace vudeve
