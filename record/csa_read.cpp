#include "record/csa_read.h"

#include <algorithm>
#include <string_view>

#include "record/csa_notation.h"
#include "record/game_end.h"
#include "record/text_moves.h"
#include "rules/move.h"
#include "rules/setup.h"

namespace vudeve {
namespace {

using kif::Bottom;
using kif::Top;

int sideOfSign(char sign) { return sign == '+' ? Bottom : sign == '-' ? Top : 0; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Two digits, file then rank: the square, (0, 0) for "00", the hand; false
// for anything else.
bool readSquare(std::string_view text, int& x, int& y) {
  if (text.size() < 2 || !isDigit(text[0]) || !isDigit(text[1])) return false;
  const int file = text[0] - '0', rank = text[1] - '0';
  if (file == 0 && rank == 0) {
    x = y = 0;
    return true;
  }
  if (file == 0 || rank == 0) return false;
  x = 10 - file;
  y = rank;
  return true;
}

// The board code of the piece named for the side, 0 for no piece.
int codeOf(std::string_view name, int side) { return csa::pieceCode(name) * (side == Top ? 1 : -1); }

class Reader {
 public:
  explicit Reader(KifRecord& record) : record_(record), player_(record) {}

  std::optional<KifError> read(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size() && !ended_; ++i) {
      line_ = i + 1;
      std::string_view text = lines[i];
      while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
      if (text.empty() || text[0] == '\'') continue;
      if (text == "/") break;
      // Names and headers may hold commas of their own.
      if (text[0] == 'N' || text[0] == '$') {
        if (std::optional<std::string> reason = information(text)) return KifError{line_, *reason};
        continue;
      }
      for (std::size_t start = 0; start <= text.size() && !ended_;) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        if (text.substr(start).starts_with('\'')) break;  // a comment to the end of the line
        if (std::optional<std::string> reason = statement(text.substr(start, comma - start)))
          return KifError{line_, *reason};
        start = comma + 1;
      }
    }
    if (std::optional<std::string> reason = playPending()) return KifError{line_, *reason};
    if (!started_) return KifError{lines.size(), "開始局面の手番（+ か -）がありません"};
    takeEnding(record_.header, endWord_, "", player_.sideToMove());
    return std::nullopt;
  }

 private:
  std::optional<std::string> information(std::string_view text) {
    if (text.starts_with("N+")) record_.header.bottomName = text.substr(2);
    else if (text.starts_with("N-")) record_.header.topName = text.substr(2);
    else if (text.starts_with("$EVENT:")) record_.header.title = text.substr(7);
    else if (text.starts_with("$START_TIME:")) record_.header.start = readCalendarTime(text.substr(12));
    else if (text[0] == 'N') return "対局者名の形式ではありません";
    return std::nullopt;
  }

  std::optional<std::string> statement(std::string_view text) {
    if (text.empty()) return std::nullopt;
    if (text[0] == 'T') return time(text.substr(1));
    if (std::optional<std::string> reason = playPending()) return reason;
    if (text[0] == 'V') return std::nullopt;
    if (text[0] == '%') return ending(text);
    if (text[0] == 'P') return started_ ? "開始局面は指し手の前に書きます" : position(text.substr(1));
    if (text == "+" || text == "-") return begin(sideOfSign(text[0]));
    if (text[0] == '+' || text[0] == '-') return move(text);
    return "CSA の形式ではありません";
  }

  // PI, P1..P9, P+ and P-.
  std::optional<std::string> position(std::string_view text) {
    if (text.empty()) return "局面の行が読めません";
    if (text[0] == 'I') {
      board_ = evenBoard();
      hand_ = {};
      // The pieces taken off, "82HI22KA".
      for (text.remove_prefix(1); !text.empty(); text.remove_prefix(4)) {
        int x = 0, y = 0;
        if (text.size() < 4 || !readSquare(text, x, y) || x == 0) return "平手から除く駒が読めません";
        const int piece = csa::pieceCode(text.substr(2, 2));
        if (piece == 0 || std::abs(board_[x][y]) != piece) return csa::squareName(x, y) + "にその駒はありません";
        board_[x][y] = Empty;
      }
      return std::nullopt;
    }
    if (text[0] >= '1' && text[0] <= '9') {
      const int y = text[0] - '0';
      text.remove_prefix(1);
      // The blank that ends " * " in the last cell is often left off.
      if (text.size() > 3 * BoardSize || text.size() + 1 < 3 * BoardSize) return "盤面の段が読めません";
      for (int file = 9; file >= 1; --file, text.remove_prefix(std::min<std::size_t>(3, text.size()))) {
        const std::string cell = std::string(text.substr(0, 3)) + std::string(3 - std::min<std::size_t>(3, text.size()), ' ');
        const int side = sideOfSign(cell[0]);
        const int code = codeOf(std::string_view(cell).substr(1), side);
        if (cell == " * ") board_[10 - file][y] = Empty;
        else if (side != 0 && code != 0) board_[10 - file][y] = code;
        else return "盤面の段が読めません";
      }
      return std::nullopt;
    }
    const int side = sideOfSign(text[0]);
    if (side == 0) return "局面の行が読めません";
    // Pieces put on squares or in the hand (00), "00AL" all that is left.
    for (text.remove_prefix(1); !text.empty(); text.remove_prefix(4)) {
      int x = 0, y = 0;
      if (text.size() < 4 || !readSquare(text, x, y)) return "駒の置き方が読めません";
      const std::string_view name = text.substr(2, 2);
      if (x == 0 && name == "AL") {
        restToHand(side);
        continue;
      }
      const int code = codeOf(name, side);
      if (code == 0) return "駒の置き方が読めません";
      if (x != 0) {
        board_[x][y] = code;
        continue;
      }
      const int index = capturedHandIndex(code);
      if (index == 0 || std::abs(code) != ComHandPiece[index]) return "持駒にできない駒です";
      (side == Bottom ? hand_.manHand : hand_.comHand)[index] += 1;
    }
    return std::nullopt;
  }

  // The pieces of a full set that are neither on the board nor in a hand,
  // kings left out.
  void restToHand(int side) {
    HandArray& hand = side == Bottom ? hand_.manHand : hand_.comHand;
    const BoardMap even = evenBoard();
    for (int index = 1; index <= 7; ++index) {
      int count = 0;
      for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
          count += std::abs(even[x][y]) == ComHandPiece[index];
          count -= capturedHandIndex(board_[x][y]) == index;
        }
      count -= hand_.manHand[index] + hand_.comHand[index];
      if (count > 0) hand[index] += count;
    }
  }

  std::optional<std::string> begin(int side) {
    if (started_) return "手番の行が二つあります";
    started_ = true;
    RecordEntry start = hand_;
    start.board = board_;
    if (!isPossiblePosition(start)) return "駒の数が多すぎます";
    player_.begin(start, side);
    return std::nullopt;
  }

  // "+7776FU": the sign of the mover, the squares it leaves (00 for a drop)
  // and reaches, and the piece standing there after it.
  std::optional<std::string> move(std::string_view text) {
    if (!started_) return "開始局面の手番（+ か -）がありません";
    TextMove m;
    int fromX = 0, fromY = 0;
    const int piece = text.size() == 7 ? csa::pieceCode(text.substr(5, 2)) : 0;
    if (piece == 0 || !readSquare(text.substr(1), fromX, fromY) || !readSquare(text.substr(3), m.toX, m.toY) ||
        m.toX == 0)
      return "指し手の形式ではありません";
    if (sideOfSign(text[0]) != player_.sideToMove()) return "手番ではない側の指し手です";
    m.piece = piece;
    m.fromX = fromX;
    m.fromY = fromY;
    if (fromX == 0) {
      m.action = TextMove::Drop;
    } else if (const int moved = std::abs(player_.board()[fromX][fromY]); moved + 1 == piece) {
      // The piece named is the one after the move: a piece that promotes
      // is named by its promoted name.
      m.piece = moved;
      m.action = TextMove::Promote;
    }
    pending_ = m;
    pendingLine_ = line_;
    return std::nullopt;
  }

  // "T12": the seconds of the move before; CSA 3.0 may add a fraction.
  std::optional<std::string> time(std::string_view text) {
    long long seconds = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && isDigit(text[digits]) && digits < 9; ++digits) seconds = seconds * 10 + (text[digits] - '0');
    text.remove_prefix(digits);
    if (text.starts_with('.')) {
      text.remove_prefix(1);
      while (!text.empty() && isDigit(text[0])) text.remove_prefix(1);
    }
    if (digits == 0 || !text.empty()) return "消費時間の形式ではありません";
    if (pending_) pending_->seconds = seconds;
    return std::nullopt;
  }

  std::optional<std::string> ending(std::string_view text) {
    if (!started_) return "開始局面の手番（+ か -）がありません";
    endWord_ = endWordOfCsa(text, player_.sideToMove());
    ended_ = true;
    return std::nullopt;
  }

  std::optional<std::string> playPending() {
    if (!pending_) return std::nullopt;
    const TextMove m = *pending_;
    pending_.reset();
    std::optional<std::string> reason = player_.play(m);
    if (reason) line_ = pendingLine_;
    return reason;
  }

  KifRecord& record_;
  TextMovePlayer player_;
  BoardMap board_{};
  RecordEntry hand_;  // the hands of the start, its board in board_
  bool started_ = false, ended_ = false;
  std::string_view endWord_;
  std::optional<TextMove> pending_;
  std::size_t line_ = 0, pendingLine_ = 0;
};

}  // namespace

std::optional<KifError> readCsa(const std::vector<std::string>& lines, KifRecord& record) {
  record = {};
  return Reader(record).read(lines);
}

}  // namespace vudeve
