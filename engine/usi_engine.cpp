#include "engine/usi_engine.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/com_turn.h"
#include "engine/tool_game.h"
#include "record/usi_notation.h"
#include "rules/standard_rules.h"
#include "rules/turn_round.h"

namespace vudeve {

namespace {

// A mate scores 9998 and a king capture 9999.
constexpr double MateScore = 9998;

std::vector<std::string_view> wordsOf(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (true) {
    at = line.find_first_not_of(" \t\r\n", at);
    if (at == std::string_view::npos) return words;
    const std::size_t end = std::min(line.find_first_of(" \t\r\n", at), line.size());
    words.push_back(line.substr(at, end - at));
    at = end;
  }
}

// The host's own text in an answer, cut short: a line of a megabyte sent
// back would flood its log. Cut before a UTF-8 character, not inside one.
std::string quoted(std::string_view text) {
  constexpr std::size_t Longest = 40;
  if (text.size() <= Longest) return "'" + std::string(text) + "'";
  std::size_t end = Longest;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return "'" + std::string(text.substr(0, end)) + "...'";
}

std::string joined(const std::vector<std::string_view>& words, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) text += (i > from ? " " : "") + std::string(words[i]);
  return text;
}

// A move of standard shogi with its USI form on the board it is made on.
struct StandardMove {
  Move move;
  UsiMove usi;
};

UsiMove usiMoveOf(const Game& g, const Move& m) {
  const bool promotes = !isHandColumn(m.fromX) && m.piece != g.Board[m.fromX][m.fromY];
  return usiMoveFromCells(m.fromX, m.fromY, m.toX, m.toY, promotes);
}

// Every standard move of MAN (man = true) or COM on the board of g.
std::vector<StandardMove> standardMoves(Game& g, bool man, MoveList& list) {
  list.size = 0;
  generateMoves(g, man, list);
  keepStandardMoves(g, man, list);
  std::vector<StandardMove> moves;
  moves.reserve(static_cast<std::size_t>(list.size));
  for (int i = 0; i < list.size; ++i) moves.push_back({list.moves[i], usiMoveOf(g, list.moves[i])});
  return moves;
}

// The move the host names, if it is one of standard shogi for the side to
// move: the one move is checked, not found among all of them, so that a
// long game reads in at once.
std::optional<Move> standardMoveOf(Game& g, bool man, const UsiMove& usi, MoveList& list) {
  const int fromX = usi.drop ? (man ? ManHandColumn : ComHandColumn) : usi.fromX;
  const int fromY = usi.drop ? (man ? usi.handIndex + 2 : usi.handIndex) : usi.fromY;
  const std::optional<Move> move = generatedMove(g, man, fromX, fromY, usi.toX, usi.toY, usi.promote);
  if (!move) return std::nullopt;
  list.moves[0] = *move;
  list.size = 1;
  keepStandardMoves(g, man, list);
  return list.size == 1 ? move : std::nullopt;
}

// The same move on the board turned half round.
UsiMove turnedBack(UsiMove usi) {
  if (!usi.drop) {
    usi.fromX = 10 - usi.fromX;
    usi.fromY = 10 - usi.fromY;
  }
  usi.toX = 10 - usi.toX;
  usi.toY = 10 - usi.toY;
  return usi;
}

// The position a `position` command names, checked under standard shogi.
std::optional<SfenPosition> readHostPosition(const std::vector<std::string_view>& words, MoveList& list,
                                             std::string& error) {
  SfenPosition position;
  std::size_t at = 2;
  if (words.size() > 1 && words[1] == "startpos") {
    readSfen(StartSfen, position, error);
  } else if (words.size() > 1 && words[1] == "sfen") {
    while (at < words.size() && words[at] != "moves") ++at;
    if (!readSfen(joined(words, 2, at), position, error)) return std::nullopt;
  } else {
    error = "position wants startpos or sfen";
    return std::nullopt;
  }
  if (at < words.size() && words[at] != "moves") {
    error = quoted(words[at]) + " after the position, where moves or nothing belongs";
    return std::nullopt;
  }

  auto g = std::make_unique<Game>();
  placePieces(*g, position.pieces);
  if (std::string wrong = standardPositionError(*g, position.blackToMove); !wrong.empty()) {
    error = "not a position of standard shogi: " + wrong;
    return std::nullopt;
  }
  for (std::size_t i = at + 1; i < words.size(); ++i) {
    const std::optional<UsiMove> wanted = parseUsiMove(words[i]);
    const std::optional<Move> move = wanted ? standardMoveOf(*g, position.blackToMove, *wanted, list) : std::nullopt;
    if (!move) {
      error = "move " + std::to_string(i - at) + " " + quoted(words[i]) + " is not a legal move there";
      return std::nullopt;
    }
    makeMove(*g, *move);
    position.blackToMove = !position.blackToMove;
    position.moveNumber += 1;
  }
  position.pieces = {g->Board, g->ManHand, g->ComHand};
  return position;
}

// Keeps every candidate the search scores, in search order.
class CandidateList final : public ComSearchHooks {
 public:
  explicit CandidateList(ComSearchHooks& scoring) : scoring_(scoring) {}
  double score(Game& g, int captured, int placed, int fromX, int fromY, int toX, int toY) override {
    return scoring_.score(g, captured, placed, fromX, fromY, toX, toY);
  }
  void scored(const ComCandidate& c) override { all.push_back(c); }
  std::vector<ComCandidate> all;

 private:
  ComSearchHooks& scoring_;
};

ComSearchHooks& evaluation() {
  static ComSearchHooks hooks;
  return hooks;
}

bool sameMove(const Move& m, const ComCandidate& c) {
  return m.fromX == c.fromX && m.fromY == c.fromY && m.toX == c.toX && m.toY == c.toY && m.piece == c.placed;
}

std::string scoreText(double score) {
  if (score >= MateScore) return "mate 1";
  return "cp " + std::to_string(std::lround(score));
}

}  // namespace

UsiEngine::UsiEngine(std::ostream& out) : UsiEngine(out, evaluation()) {}

UsiEngine::UsiEngine(std::ostream& out, ComSearchHooks& scoring)
    : out_(out), scoring_(scoring), moves_(std::make_unique<MoveList>()) {
  SfenPosition start;
  std::string error;
  readSfen(StartSfen, start, error);
  position_ = start;
}

bool UsiEngine::command(std::string_view line) {
  const std::vector<std::string_view> words = wordsOf(line);
  if (words.empty()) return true;
  const std::string_view name = words[0];
  if (name == "usi") {
    usi();
  } else if (name == "isready") {
    send("readyok");
  } else if (name == "setoption") {
    setOption(words);
  } else if (name == "position") {
    setPosition(words);
  } else if (name == "go") {
    go(words);
  } else if (name == "stop" || name == "ponderhit") {
    releaseHeldAnswer();
  } else if (name == "usinewgame" || name == "gameover") {
    heldAnswer_.reset();
  } else if (name == "quit") {
    return false;
  }
  return true;
}

void UsiEngine::usi() {
  send("id name vudeve " VUDEVE_VERSION);
  send("id author the vudeve team");
  send("option name Level type spin default 3 min 1 max 3");
  send("usiok");
}

// setoption name NAME [value VALUE]; options other than Level are ignored.
void UsiEngine::setOption(const std::vector<std::string_view>& words) {
  if (words.size() < 2 || words[1] != "name") return;
  const auto valueWord = std::find(words.begin() + 2, words.end(), "value");
  const std::size_t valueAt = static_cast<std::size_t>(valueWord - words.begin());
  if (joined(words, 2, valueAt) != "Level") return;
  const std::string value = valueAt < words.size() ? joined(words, valueAt + 1, words.size()) : "";
  int level = 0;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), level);
  if (ec != std::errc() || end != value.data() + value.size() || level < 1 || level > 3) {
    send("info string error: Level wants 1, 2 or 3, not " + quoted(value));
    return;
  }
  level_ = level;
}

void UsiEngine::setPosition(const std::vector<std::string_view>& words) {
  std::string error;
  position_ = readHostPosition(words, *moves_, error);
  if (!position_) send("info string error: " + error + "; waiting for the next position");
}

// Time controls are ignored: the answer comes at once. Pondering and
// infinite search hold it back until the host asks for it, as it expects.
void UsiEngine::go(const std::vector<std::string_view>& words) {
  // A host that asks again without a stop no longer waits for the old answer.
  heldAnswer_.reset();
  bool hold = false;
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (words[i] == "mate") {
      send("checkmate notimplemented");
      return;
    }
    hold = hold || words[i] == "ponder" || words[i] == "infinite";
  }
  std::string reply;
  if (position_) {
    reply = answer();
  } else {
    // Silence would leave the host waiting for ever.
    send("info string error: no position to play from; resigning");
    reply = "bestmove resign";
  }
  if (hold)
    heldAnswer_ = reply;
  else
    send(reply);
}

std::string UsiEngine::answer() {
  // The computer plays the top side: black, who sits at the bottom of an
  // SFEN board, plays on the board turned round.
  const bool turned = position_->blackToMove;
  std::unique_ptr<Game> g = makeToolGame(level_);
  placePiecesForComputer(*g, turned ? turnedRound(position_->pieces) : position_->pieces);
  CandidateList candidates(scoring_);
  searchComMoves(*g, candidates, false);

  const std::vector<StandardMove> legal = standardMoves(*g, false, *moves_);
  // Stable: among equal scores the first in search order wins, as in play.
  std::stable_sort(candidates.all.begin(), candidates.all.end(),
                   [](const ComCandidate& a, const ComCandidate& b) { return a.score > b.score; });
  for (const ComCandidate& c : candidates.all) {
    const auto found =
        std::find_if(legal.begin(), legal.end(), [&](const StandardMove& m) { return sameMove(m.move, c); });
    if (found == legal.end()) continue;
    const std::string move = formatUsiMove(turned ? turnedBack(found->usi) : found->usi);
    send("info depth 1 score " + scoreText(c.score) + " pv " + move);
    return "bestmove " + move;
  }
  return "bestmove resign";
}

void UsiEngine::releaseHeldAnswer() {
  if (!heldAnswer_) return;
  send(*heldAnswer_);
  heldAnswer_.reset();
}

void UsiEngine::send(const std::string& line) { out_ << line << std::endl; }

std::vector<std::string> standardUsiMoves(const SfenPosition& position) {
  auto g = std::make_unique<Game>();
  placePieces(*g, position.pieces);
  auto list = std::make_unique<MoveList>();
  std::vector<std::string> moves;
  for (const StandardMove& m : standardMoves(*g, position.blackToMove, *list)) moves.push_back(formatUsiMove(m.usi));
  return moves;
}

}  // namespace vudeve
