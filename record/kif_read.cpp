#include "record/kif_read.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "record/game_end.h"
#include "record/notation.h"
#include "record/text_moves.h"
#include "rules/move.h"

namespace vudeve {
namespace {

using kif::Bottom;
using kif::Top;

constexpr std::string_view FullWidthSpace = "　";

bool take(std::string_view& text, std::string_view word) {
  if (!text.starts_with(word)) return false;
  text.remove_prefix(word.size());
  return true;
}

void skipBlanks(std::string_view& text) {
  while (!text.empty()) {
    if (text[0] == ' ' || text[0] == '\t') text.remove_prefix(1);
    else if (!take(text, FullWidthSpace)) return;
  }
}

std::string_view trimmed(std::string_view text) {
  skipBlanks(text);
  while (!text.empty()) {
    if (text.back() == ' ' || text.back() == '\t') text.remove_suffix(1);
    else if (text.ends_with(FullWidthSpace)) text.remove_suffix(FullWidthSpace.size());
    else break;
  }
  return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// ASCII digits, at most `most` of them, at least one.
std::optional<long long> takeNumber(std::string_view& text, int most) {
  long long value = 0;
  int digits = 0;
  while (digits < most && !text.empty() && isDigit(text[0])) {
    value = value * 10 + (text[0] - '0');
    text.remove_prefix(1);
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  return value;
}

// A file number: a full-width or an ASCII digit 1..9; 0 when none.
int takeFile(std::string_view& text) {
  for (int d = 1; d <= 9; ++d)
    if (take(text, 文字列変換(d))) return d;
  if (!text.empty() && text[0] >= '1' && text[0] <= '9') {
    const int d = text[0] - '0';
    text.remove_prefix(1);
    return d;
  }
  return 0;
}

// A rank: a kanji numeral 一..九; 0 when none.
int takeRank(std::string_view& text) {
  std::size_t length = 0;
  const int rank = kif::readKanjiNumber(text, length);
  if (rank < 1 || rank > BoardSize) return 0;
  text.remove_prefix(length);
  return rank;
}

struct ModifierWord {
  std::string_view word;
  unsigned modifier;
};
constexpr ModifierWord ModifierWords[] = {{"右", Right}, {"左", Left}, {"直", Straight}, {"上", Up},
                                          {"行", Up},    {"入", Up},   {"引", Back},     {"寄", Sideways}};

// A numbered move line of KIF: the move, or the word that ends the game.
struct MoveLine {
  long long number = 0;
  std::string_view endWord;
  TextMove move;
};

// "( m:ss/h:mm:ss)" with the total optional, blanks allowed inside the
// brackets and around the slash ("(00:31 / 00:00:31)"). Only the move's
// time is kept, its seconds below 60 so that it is written again as it was
// read; its minutes and the total's hours may have any width.
bool takeTime(std::string_view& text, long long& seconds) {
  if (!take(text, "(")) return false;
  skipBlanks(text);
  const std::optional<long long> minutes = takeNumber(text, 9);
  if (!minutes || !take(text, ":")) return false;
  const std::optional<long long> rest = takeNumber(text, 2);
  if (!rest || *rest >= 60) return false;
  seconds = *minutes * 60 + *rest;
  skipBlanks(text);
  if (take(text, "/")) {
    skipBlanks(text);
    for (int part = 0; part < 3; ++part) {
      if (text.empty() || !isDigit(text[0])) return false;
      while (!text.empty() && isDigit(text[0])) text.remove_prefix(1);
      if (part < 2 && !take(text, ":")) return false;
    }
    skipBlanks(text);
  }
  return take(text, ")");
}

// A square: a file digit, full-width or ASCII, then a kanji rank ("７六").
// False, with x and y as they were, when there is none.
bool takeSquare(std::string_view& text, int& x, int& y) {
  const int file = takeFile(text);
  const int rank = takeRank(text);
  if (file == 0 || rank == 0) return false;
  x = 10 - file;
  y = rank;
  return true;
}

// The move as KIF and KI2 both write it: the square or 同, the piece,
// the words that pick it out, then 成, 不成 (生) or 打.
bool takeMove(std::string_view& text, TextMove& m) {
  if (take(text, "同")) {
    m.same = true;
    skipBlanks(text);
  } else if (!takeSquare(text, m.toX, m.toY)) {
    return false;
  }
  std::size_t length = 0;
  m.piece = kif::readPieceName(text, length);
  if (m.piece == 0) return false;
  text.remove_prefix(length);
  for (bool found = true; found;) {
    found = false;
    for (const ModifierWord& w : ModifierWords) {
      if (take(text, w.word)) {
        m.modifiers |= w.modifier;
        found = true;
      }
    }
  }
  if (take(text, "不成") || take(text, "生")) m.action = TextMove::Stay;
  else if (take(text, "成")) m.action = TextMove::Promote;
  else if (take(text, "打")) m.action = TextMove::Drop;
  return true;
}

bool parseMoveLine(std::string_view text, MoveLine& line) {
  const std::optional<long long> number = takeNumber(text, 9);
  if (!number) return false;
  line.number = *number;
  const std::size_t before = text.size();
  skipBlanks(text);
  if (text.size() == before) return false;
  // Whatever follows an end word, its time as a rule, is not needed.
  line.endWord = endWordAt(text);
  if (!line.endWord.empty()) return true;
  TextMove& m = line.move;
  if (!takeMove(text, m)) return false;
  if (text.size() >= 4 && text[0] == '(' && text[1] >= '1' && text[1] <= '9' && text[2] >= '1' && text[2] <= '9' &&
      text[3] == ')') {
    if (m.action == TextMove::Drop) return false;
    m.fromX = 10 - (text[1] - '0');
    m.fromY = text[2] - '0';
    text.remove_prefix(4);
  }
  skipBlanks(text);
  if (text.starts_with("(") && !takeTime(text, m.seconds)) return false;
  skipBlanks(text);
  take(text, "+");  // some writers mark a move that has variations
  skipBlanks(text);
  return text.empty();
}

// The mark of a KI2 move: ▲ (☗) for the bottom player, △ (☖) for the top
// one; 0 when the text begins with none.
int takeMoverMark(std::string_view& text) {
  if (take(text, "▲") || take(text, "☗")) return kif::Bottom;
  if (take(text, "△") || take(text, "☖")) return kif::Top;
  return 0;
}

}  // namespace

CalendarTime readCalendarTime(std::string_view text) {
  CalendarTime t;
  const std::optional<long long> year = takeNumber(text, 4);
  std::optional<long long> month, day;
  if (!year || !take(text, "/") || !(month = takeNumber(text, 2)) || !take(text, "/") || !(day = takeNumber(text, 2)))
    return {};
  if (*year < 1 || *month < 1 || *month > 12 || *day < 1 || *day > 31) return {};
  t = {static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)};
  if (take(text, "(")) {
    const std::size_t close = text.find(')');
    if (close == std::string_view::npos) return t;
    text.remove_prefix(close + 1);
  }
  skipBlanks(text);
  const std::optional<long long> hour = takeNumber(text, 2);
  std::optional<long long> minute, second;
  if (!hour || !take(text, ":") || !(minute = takeNumber(text, 2)) || *hour > 23 || *minute > 59) return t;
  t.hour = static_cast<int>(*hour);
  t.minute = static_cast<int>(*minute);
  if (take(text, ":") && (second = takeNumber(text, 2)) && *second <= 59) t.second = static_cast<int>(*second);
  return t;
}

namespace {

bool parseHand(std::string_view text, HandArray& hand) {
  hand = {};
  if (text == "なし") return true;
  skipBlanks(text);
  while (!text.empty()) {
    std::size_t length = 0;
    const int piece = kif::readPieceName(text, length);
    const int index = capturedHandIndex(piece);
    if (index == 0 || piece != ComHandPiece[index]) return false;
    text.remove_prefix(length);
    const int count = kif::readKanjiNumber(text, length);
    text.remove_prefix(length);
    hand[index] += count == 0 ? 1 : count;
    skipBlanks(text);
  }
  return true;
}

// One row of a board diagram: "|v香v桂 ・ 歩…|一", nine cells of a mark
// (v for the top player, a blank for the bottom one) and a piece or ・.
bool parseDiagramRow(std::string_view text, BoardMap& board, int y) {
  if (!take(text, "|")) return false;
  for (int x = 1; x <= BoardSize; ++x) {
    if (text.empty() || (text[0] != ' ' && text[0] != 'v' && text[0] != 'V')) return false;
    const int owner = text[0] == ' ' ? Bottom : Top;
    text.remove_prefix(1);
    if (take(text, "・")) {
      board[x][y] = Empty;
      continue;
    }
    std::size_t length = 0;
    const int piece = kif::readPieceName(text, length);
    if (piece == 0) return false;
    text.remove_prefix(length);
    board[x][y] = owner == Top ? piece : -piece;
  }
  return take(text, "|");
}

// KIF and KI2 share their headers, starts, comments and ends; their
// moves differ: a numbered line each in KIF, ▲/△ moves several to a line in
// KI2.
enum class Kind { Kif, Ki2 };

class Reader {
 public:
  Reader(KifRecord& record, Kind kind) : record_(record), kind_(kind), player_(record) {
    kif::handicapBoard(kif::EvenGame, start_.board);
  }

  std::optional<KifError> read(const std::vector<std::string>& lines) {
    std::string_view endWord;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::size_t number = i + 1;
      std::string_view text = trimmed(lines[i]);
      if (text.empty() || text[0] == '#' || text[0] == '*' || text[0] == '&') continue;
      if (text.starts_with("変化")) break;
      if (text.starts_with("まで")) {
        record_.summary = text;
        break;
      }
      // After the end word only the summary line is looked for.
      if (!endWord.empty()) continue;
      const bool kifMove = kind_ == Kind::Kif && isDigit(text[0]);
      const bool ki2Move = kind_ == Kind::Ki2 && takeMoverMark(text) != 0;
      if (!kifMove && !ki2Move) {
        if (std::optional<KifError> error = started_ ? afterStart(text, number) : header(text, number)) return error;
        continue;
      }
      if (!started_)
        if (std::optional<KifError> error = begin(number)) return error;
      if (ki2Move) {
        if (std::optional<KifError> error = playKi2Line(lines[i], number)) return error;
        continue;
      }
      MoveLine m;
      if (!parseMoveLine(text, m)) return KifError{number, "指し手の形式ではありません"};
      if (!m.endWord.empty()) {
        endWord = m.endWord;
        record_.endMoveNumber = m.number;
        continue;
      }
      if (m.number != expected_)
        return KifError{number, "手数が続いていません（" + std::to_string(expected_) + "手目のはずです）"};
      if (std::optional<std::string> reason = player_.play(m.move)) return KifError{number, *reason};
      ++expected_;
    }
    if (!started_)
      if (std::optional<KifError> error = begin(lines.size())) return error;
    takeEnding(record_.header, endWord, record_.summary, player_.sideToMove());
    return std::nullopt;
  }

 private:
  // A KI2 line of moves, "▲７六歩    △３四歩    ▲２六歩", each after its
  // mark, which must be the mark of the side to move.
  std::optional<KifError> playKi2Line(std::string_view text, std::size_t number) {
    text = trimmed(text);
    while (!text.empty()) {
      const int mover = takeMoverMark(text);
      if (mover == 0) return KifError{number, "指し手の形式ではありません"};
      if (mover != player_.sideToMove()) return KifError{number, "手番ではない側の指し手です"};
      TextMove m;
      if (!takeMove(text, m)) return KifError{number, "指し手の形式ではありません"};
      if (!text.empty() && text[0] != ' ' && text[0] != '\t' && !text.starts_with(FullWidthSpace) &&
          !text.starts_with("▲") && !text.starts_with("△") && !text.starts_with("☗") && !text.starts_with("☖"))
        return KifError{number, "指し手の形式ではありません"};
      skipBlanks(text);
      if (std::optional<std::string> reason = player_.play(m)) return KifError{number, *reason};
      ++expected_;
    }
    return std::nullopt;
  }

  // Lines after the start position is set: headers are passed over, and
  // nothing else but moves, comments and the end may stand there.
  std::optional<KifError> afterStart(std::string_view text, std::size_t number) {
    if (text.find("：") != std::string_view::npos) return std::nullopt;
    return KifError{number, "指し手の行ではありません"};
  }

  std::optional<KifError> header(std::string_view text, std::size_t number) {
    if (text.starts_with("|")) {
      if (diagramRows_ == BoardSize) return KifError{number, "局面図の段が多すぎます"};
      if (!parseDiagramRow(text, diagram_, diagramRows_ + 1)) return KifError{number, "局面図の行が読めません"};
      ++diagramRows_;
      startLine_ = number;
      return std::nullopt;
    }
    if (text.starts_with("手数----")) return begin(number);
    if (text == "先手番" || text == "下手番") turn_ = Bottom;
    if (text == "後手番" || text == "上手番") turn_ = Top;
    if (take(text, "手数＝")) {
      const std::optional<long long> moves = takeNumber(text, 9);
      if (!moves) return KifError{number, "手数が読めません"};
      expected_ = *moves + 1;
      record_.movesBefore = *moves;
      // A diagram's last move ("手数＝3  ▲２二角成(88)  まで") is the one a
      // 同 in the first move line refers to.
      skipBlanks(text);
      if (takeMoverMark(text) != 0) takeSquare(text, lastX_, lastY_);
    }
    const std::size_t colon = text.find("：");
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view key = text.substr(0, colon);
    const std::string_view value = trimmed(text.substr(colon + std::string_view("：").size()));
    if (key == "開始日時") record_.header.start = readCalendarTime(value);
    else if (key == "棋戦") record_.header.title = value;
    else if (key == "先手" || key == "下手") record_.header.bottomName = value;
    else if (key == "後手" || key == "上手") record_.header.topName = value;
    else if (key == "先手の持駒" || key == "下手の持駒" || key == "後手の持駒" || key == "上手の持駒") {
      const bool bottom = key == "先手の持駒" || key == "下手の持駒";
      if (!parseHand(value, bottom ? start_.manHand : start_.comHand)) return KifError{number, "持駒が読めません"};
      startLine_ = number;
    } else if (key == "手合割") {
      handicapLine_ = number;
      known_ = kif::handicapBoard(value, start_.board);
      handicapMovesFirst_ = known_ && value != kif::EvenGame;
    }
    return std::nullopt;
  }

  // The start position, once all that describes it has been read.
  std::optional<KifError> begin(std::size_t number) {
    started_ = true;
    if (diagramRows_ > 0) {
      if (diagramRows_ != BoardSize) return KifError{startLine_, "局面図の段が足りません"};
      start_.board = diagram_;
    } else if (!known_) {
      return KifError{handicapLine_, "手合割が分かりません"};
    }
    if (!isPossiblePosition(start_)) return KifError{startLine_ ? startLine_ : number, "駒の数が多すぎます"};
    player_.begin(start_, turn_ != 0 ? turn_ : handicapMovesFirst_ ? Top : Bottom, lastX_, lastY_);
    return std::nullopt;
  }

  KifRecord& record_;
  Kind kind_;
  TextMovePlayer player_;
  RecordEntry start_;
  BoardMap diagram_{};
  int diagramRows_ = 0;
  std::size_t startLine_ = 0, handicapLine_ = 0;
  bool known_ = true;
  bool handicapMovesFirst_ = false;
  int turn_ = 0;
  bool started_ = false;
  long long expected_ = 1;
  int lastX_ = 0, lastY_ = 0;
};

}  // namespace

std::optional<KifError> readKif(const std::vector<std::string>& lines, KifRecord& record) {
  record = {};
  return Reader(record, Kind::Kif).read(lines);
}

std::optional<KifError> readKi2(const std::vector<std::string>& lines, KifRecord& record) {
  record = {};
  return Reader(record, Kind::Ki2).read(lines);
}

}  // namespace vudeve
