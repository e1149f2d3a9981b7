#include "record/pasted_record.h"

#include <cstdlib>
#include <sstream>
#include <string_view>
#include <vector>

#include "platform/text_encoding.h"
#include "record/csa_read.h"
#include "record/kif_file.h"
#include "record/text_moves.h"
#include "record/usi_notation.h"
#include "rules/sfen.h"

namespace vudeve {
namespace {

enum class PastedKind { Kif, Ki2, Csa, Position, Unknown, Empty };

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "   1 ７六歩(77)": a number, then a move.
bool isNumberedMove(std::string_view line) {
  line = trimmed(line);
  std::size_t digits = 0;
  while (digits < line.size() && isDigit(line[digits])) ++digits;
  return digits > 0 && digits < line.size() && (line[digits] == ' ' || line[digits] == '\t');
}

// "+7776FU", "-0055KA".
bool isCsaMove(std::string_view line) {
  if (line.size() < 7 || (line[0] != '+' && line[0] != '-')) return false;
  for (std::size_t i = 1; i <= 4; ++i)
    if (!isDigit(line[i])) return false;
  return line[5] >= 'A' && line[5] <= 'Z' && line[6] >= 'A' && line[6] <= 'Z';
}

bool isCsaStatement(std::string_view line) {
  for (std::string_view start : {"V2", "N+", "N-", "PI", "P1", "P+", "P-", "$", "'", "%"})
    if (line.starts_with(start)) return true;
  return isCsaMove(line) || line == "+" || line == "-";
}

// What the lines are: a USI or SFEN line alone, else KIF by its numbered
// moves or move table heading, KI2 by its marked moves, CSA when every line
// is a CSA statement, and KIF for headers and a diagram without moves.
PastedKind kindOf(const std::vector<std::string>& lines) {
  std::vector<std::string_view> filled;
  for (const std::string& line : lines)
    if (!trimmed(line).empty()) filled.push_back(trimmed(line));
  if (filled.empty()) return PastedKind::Empty;
  if (filled.size() == 1) {
    const std::string_view only = filled.front();
    for (std::string_view word : {"position ", "startpos", "sfen "})
      if (only.starts_with(word)) return PastedKind::Position;
    SfenPosition position;
    std::string error;
    if (readSfen(only.substr(0, only.find(" moves")), position, error)) return PastedKind::Position;
  }
  bool csa = true, kif = false, ki2 = false;
  for (std::string_view line : filled) {
    if (line.starts_with("手数----") || isNumberedMove(line)) kif = true;
    for (std::string_view mark : {"▲", "△", "☗", "☖"})
      if (line.starts_with(mark)) ki2 = true;
    if (!isCsaStatement(line)) csa = false;
  }
  if (kif) return PastedKind::Kif;
  if (ki2) return PastedKind::Ki2;
  if (csa) return PastedKind::Csa;
  for (std::string_view line : filled)
    if (line.find("：") != std::string_view::npos || line.starts_with("+---")) return PastedKind::Kif;
  return PastedKind::Unknown;
}

// A USI `position` line (the word itself may be left out) or an SFEN line,
// each optionally followed by "moves" and the moves in USI notation, played
// under the rules of standard shogi as the other readers play theirs.
std::optional<KifError> readPosition(std::string_view line, KifRecord& record) {
  std::istringstream words{std::string(trimmed(line))};
  std::vector<std::string> tokens;
  for (std::string word; words >> word;) tokens.push_back(word);
  std::size_t at = !tokens.empty() && tokens[0] == "position" ? 1 : 0;
  std::string sfen;
  if (at < tokens.size() && tokens[at] == "startpos") {
    sfen = StartSfen;
    ++at;
  } else {
    if (at < tokens.size() && tokens[at] == "sfen") ++at;
    for (; at < tokens.size() && tokens[at] != "moves"; ++at) sfen += (sfen.empty() ? "" : " ") + tokens[at];
  }
  SfenPosition position;
  std::string error;
  // The reader's own words, meant for USI hosts, say where and why.
  if (!readSfen(sfen, position, error)) return KifError{1, "局面の SFEN が読めません（" + error + "）"};
  if (at < tokens.size() && tokens[at] == "moves") ++at;
  else if (at < tokens.size()) return KifError{1, "「" + tokens[at] + "」は指し手ではありません"};

  record = {};
  RecordEntry start;
  start.board = position.pieces.board;
  start.manHand = position.pieces.manHand;
  start.comHand = position.pieces.comHand;
  if (!isPossiblePosition(start)) return KifError{1, "駒の数が多すぎます"};
  record.movesBefore = position.moveNumber > 1 ? position.moveNumber - 1 : 0;
  TextMovePlayer player(record);
  // Black, who moved first, is the bottom player.
  player.begin(start, position.blackToMove ? kif::Bottom : kif::Top);
  for (; at < tokens.size(); ++at) {
    const std::optional<UsiMove> usi = parseUsiMove(tokens[at]);
    if (!usi) return KifError{1, "「" + tokens[at] + "」は指し手ではありません"};
    TextMove m;
    m.toX = usi->toX;
    m.toY = usi->toY;
    if (usi->drop) {
      m.piece = ComHandPiece[usi->handIndex];
      m.action = TextMove::Drop;
    } else {
      m.fromX = usi->fromX;
      m.fromY = usi->fromY;
      m.piece = std::abs(player.board()[usi->fromX][usi->fromY]);
      if (m.piece == 0) return KifError{1, tokens[at] + "：" + kif::squareName(m.fromX, m.fromY) + "に駒がありません"};
      if (usi->promote) m.action = TextMove::Promote;
    }
    if (std::optional<std::string> reason = player.play(m)) return KifError{1, tokens[at] + "：" + *reason};
  }
  return std::nullopt;
}

}  // namespace

std::string readPastedRecord(const std::string& text, KifRecord& record) {
  constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
  const std::vector<std::string> lines =
      splitLines(text.starts_with(ByteOrderMark) ? text.substr(ByteOrderMark.size()) : text);
  std::optional<KifError> error;
  switch (kindOf(lines)) {
    case PastedKind::Kif: error = readKif(lines, record); break;
    case PastedKind::Ki2: error = readKi2(lines, record); break;
    case PastedKind::Csa: error = readCsa(lines, record); break;
    case PastedKind::Position: {
      std::size_t filled = 0;
      while (trimmed(lines[filled]).empty()) ++filled;
      error = readPosition(lines[filled], record);
      if (error) error->line = filled + 1;
      break;
    }
    case PastedKind::Empty: return "ｸﾘｯﾌﾟﾎﾞｰﾄﾞに棋譜がありません";
    case PastedKind::Unknown: return "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの文字は KIF, KI2, CSA, SFEN, USI の position のどれでもありません";
  }
  if (!error) return {};
  return unreadableLineMessage("貼り付けた棋譜", lines, *error);
}

}  // namespace vudeve
