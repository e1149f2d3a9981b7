#include "record/kif_read.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "record/notation.h"
#include "rules/legality.h"
#include "rules/move.h"

namespace vudeve {
namespace {

using kif::Bottom;
using kif::Top;

constexpr std::string_view FullWidthSpace = "　";

// Words that end the game in a move line; the moves before them stand.
constexpr std::string_view EndWords[] = {"投了",     "中断",     "詰み",     "不詰",     "千日手",   "持将棋", "切れ負け",
                                         "時間切れ", "反則勝ち", "反則負け", "入玉勝ち", "不戦勝",   "不戦敗", "封じ手"};

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

// Words that tell apart two pieces able to reach the same square, as seen
// from the mover's seat.
enum Modifier : unsigned { Right = 1, Left = 2, Straight = 4, Up = 8, Back = 16, Sideways = 32 };
struct ModifierWord {
  std::string_view word;
  unsigned modifier;
};
constexpr ModifierWord ModifierWords[] = {{"右", Right}, {"左", Left}, {"直", Straight}, {"上", Up},
                                          {"行", Up},    {"入", Up},   {"引", Back},     {"寄", Sideways}};

struct MoveLine {
  long long number = 0;
  std::string_view endWord;  // one of EndWords: the line ends the game
  bool same = false;  // 同: the destination of the move before
  int toX = 0, toY = 0;
  int piece = 0;  // positive code of the piece named
  unsigned modifiers = 0;
  enum { None, Promote, Stay, Drop } action = None;
  int fromX = 0, fromY = 0;  // 0 when the line names no square
  long long seconds = 0;
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

bool parseMoveLine(std::string_view text, MoveLine& m) {
  const std::optional<long long> number = takeNumber(text, 9);
  if (!number) return false;
  m.number = *number;
  const std::size_t before = text.size();
  skipBlanks(text);
  if (text.size() == before) return false;
  // Whatever follows an end word, its time as a rule, is not needed.
  for (std::string_view word : EndWords) {
    if (text.starts_with(word)) {
      m.endWord = word;
      return true;
    }
  }
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
  if (take(text, "不成") || take(text, "生")) m.action = MoveLine::Stay;
  else if (take(text, "成")) m.action = MoveLine::Promote;
  else if (take(text, "打")) m.action = MoveLine::Drop;
  if (text.size() >= 4 && text[0] == '(' && text[1] >= '1' && text[1] <= '9' && text[2] >= '1' && text[2] <= '9' &&
      text[3] == ')') {
    if (m.action == MoveLine::Drop) return false;
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

// "2024/05/01 10:00:00", the weekday in brackets after the date allowed,
// the time or its seconds left out. Anything else is no known time.
CalendarTime parseDate(std::string_view text) {
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

struct Square {
  int x = 0, y = 0;
};

// The candidates the words of the move leave, seen from the mover's seat:
// forward is up the board for the bottom player, down for the top one, and
// his right the other way round.
std::vector<Square> narrowed(std::vector<Square> candidates, int toX, int toY, unsigned modifiers, int side) {
  const int ahead = side == Bottom ? 1 : -1;
  std::erase_if(candidates, [&](const Square& c) {
    const int forward = (c.y - toY) * ahead;
    return ((modifiers & Up) && forward <= 0) || ((modifiers & Back) && forward >= 0) ||
           ((modifiers & Sideways) && forward != 0) || ((modifiers & Straight) && (forward <= 0 || c.x != toX));
  });
  // 右 keeps the rightmost candidates, 左 the leftmost.
  for (const int sign : {1, -1}) {
    if ((modifiers & (sign > 0 ? Right : Left)) == 0 || candidates.empty()) continue;
    auto rightness = [&](const Square& c) { return c.x * ahead * sign; };
    int best = rightness(candidates.front());
    for (const Square& c : candidates) best = std::max(best, rightness(c));
    std::erase_if(candidates, [&](const Square& c) { return rightness(c) != best; });
  }
  return candidates;
}

class Reader {
 public:
  explicit Reader(KifRecord& record) : record_(record) { kif::handicapBoard(kif::EvenGame, start_.board); }

  std::optional<KifError> read(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::size_t number = i + 1;
      const std::string_view text = trimmed(lines[i]);
      if (text.empty() || text[0] == '#' || text[0] == '*' || text[0] == '&') continue;
      if (text.starts_with("変化")) break;
      if (text.starts_with("まで")) {
        record_.summary = text;
        break;
      }
      // After the end word only the summary line is looked for.
      if (!record_.endWord.empty()) continue;
      if (isDigit(text[0])) {
        if (!started_)
          if (std::optional<KifError> error = begin(number)) return error;
        MoveLine m;
        if (!parseMoveLine(text, m)) return KifError{number, "指し手の形式ではありません"};
        if (!m.endWord.empty()) {
          record_.endWord = m.endWord;
          record_.endMoveNumber = m.number;
          continue;
        }
        if (std::optional<std::string> reason = play(m)) return KifError{number, *reason};
        continue;
      }
      if (std::optional<KifError> error = started_ ? afterStart(text, number) : header(text, number)) return error;
    }
    if (!started_) return begin(lines.size());
    return std::nullopt;
  }

 private:
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
      if (take(text, "▲") || take(text, "△") || take(text, "☗") || take(text, "☖")) takeSquare(text, lastX_, lastY_);
    }
    const std::size_t colon = text.find("：");
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view key = text.substr(0, colon);
    const std::string_view value = trimmed(text.substr(colon + std::string_view("：").size()));
    if (key == "開始日時") record_.header.start = parseDate(value);
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
    side_ = turn_ != 0 ? turn_ : handicapMovesFirst_ ? Top : Bottom;
    record_.firstMover = side_;
    pos_.Board = start_.board;
    pos_.ManHand = start_.manHand;
    pos_.ComHand = start_.comHand;
    record_.entries.push_back(start_);
    return std::nullopt;
  }

  HandArray& handOf(int side) { return side == Bottom ? pos_.ManHand : pos_.ComHand; }

  std::optional<std::string> play(const MoveLine& m) {
    if (m.number != expected_) return "手数が続いていません（" + std::to_string(expected_) + "手目のはずです）";
    if (m.same && lastX_ == 0) return "「同」の前に指し手がありません";
    const int toX = m.same ? lastX_ : m.toX, toY = m.same ? lastY_ : m.toY;
    const int code = m.piece * side_;
    const std::string name(kif::pieceName(code));

    int fromX = m.fromX, fromY = m.fromY;
    bool drop = m.action == MoveLine::Drop;
    if (!drop && fromX == 0) {
      const std::vector<Square> candidates = narrowed(reaching(code, toX, toY), toX, toY, m.modifiers, side_);
      if (candidates.size() > 1) return "どの" + name + "を動かすのか決まりません";
      if (candidates.size() == 1) {
        fromX = candidates[0].x;
        fromY = candidates[0].y;
      } else if (m.action == MoveLine::None && m.modifiers == 0 && pos_.Board[toX][toY] == Empty) {
        drop = true;  // a drop needs 打 only where a piece on the board could go too
      } else {
        return kif::squareName(toX, toY) + "へ動ける" + name + "がありません";
      }
    }

    int placed = code;
    if (drop) {
      const int index = capturedHandIndex(code);
      if (index == 0 || m.piece != ComHandPiece[index]) return name + "は打てません";
      if (handOf(side_)[index] <= 0) return "持駒に" + name + "がありません";
      fromX = handColumn(side_ == Bottom);
      fromY = handRow(side_ == Bottom, index);
      調査_2歩フラグ設定(pos_);
      if (移動チェック(pos_, fromX, fromY, toX, toY, code) == FalseValue)
        return kif::squareName(toX, toY) + "には" + name + "を打てません";
    } else {
      if (pos_.Board[fromX][fromY] != code) return kif::squareName(fromX, fromY) + "に" + name + "がありません";
      if (移動チェック(pos_, fromX, fromY, toX, toY, code) == FalseValue)
        return name + "は" + kif::squareName(fromX, fromY) + "から" + kif::squareName(toX, toY) + "へ動けません";
      if (m.action == MoveLine::Promote) {
        if (調査_駒成(pos_, fromX, fromY, toX, toY, code) == FalseValue) return "この" + name + "は成れません";
        placed = pos_.PromotedCode;
      } else if (移動後チェック(toY, code) == FalseValue) {
        return "この" + name + "は成らなければ動けなくなります";
      }
    }
    駒移動(pos_, fromX, fromY, toX, toY, placed);
    store(m.seconds);
    lastX_ = toX;
    lastY_ = toY;
    side_ = -side_;
    ++expected_;
    if (record_.entries.size() > LargestKifMoves + 1) return "手数が多すぎます";
    return std::nullopt;
  }

  // The mover's pieces of this code that can reach the square.
  std::vector<Square> reaching(int code, int toX, int toY) const {
    std::vector<Square> found;
    for (int x = 1; x <= BoardSize; ++x)
      for (int y = 1; y <= BoardSize; ++y)
        if (pos_.Board[x][y] == code && 移動チェック(pos_, x, y, toX, toY, code) == TrueValue) found.push_back({x, y});
    return found;
  }

  // The position after the move, with the clocks after it; the entry
  // before gets them as its after-move clocks.
  void store(long long seconds) {
    (side_ == Bottom ? bottomSeconds_ : topSeconds_) += static_cast<double>(seconds);
    RecordEntry& before = record_.entries.back();
    before.manAfter = bottomSeconds_;
    before.comAfter = topSeconds_;
    RecordEntry after;
    after.board = pos_.Board;
    after.manHand = pos_.ManHand;
    after.comHand = pos_.ComHand;
    after.manBefore = after.manAfter = bottomSeconds_;
    after.comBefore = after.comAfter = topSeconds_;
    record_.entries.push_back(after);
  }

  KifRecord& record_;
  Game pos_;  // the position reached, for the rules
  RecordEntry start_;
  BoardMap diagram_{};
  int diagramRows_ = 0;
  std::size_t startLine_ = 0, handicapLine_ = 0;
  bool known_ = true;
  bool handicapMovesFirst_ = false;
  int turn_ = 0;
  bool started_ = false;
  int side_ = Bottom;
  long long expected_ = 1;
  int lastX_ = 0, lastY_ = 0;
  double bottomSeconds_ = 0, topSeconds_ = 0;
};

}  // namespace

std::optional<KifError> readKif(const std::vector<std::string>& lines, KifRecord& record) {
  record = {};
  return Reader(record).read(lines);
}

}  // namespace vudeve
