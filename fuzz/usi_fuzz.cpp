// The USI command reader over arbitrary bytes, one command a line, as a
// host would send them. Every bestmove must be a legal move of standard
// shogi in the position it answers, and resign only where there is none;
// every position the engine takes must be one standard shogi can reach and
// must write back to SFEN that reads as the same position.
#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/usi_engine.h"
#include "fuzz/fuzz_support.h"
#include "rules/standard_rules.h"

namespace {

using namespace vudeve;

// Searches are the slow part: a few per input keep each run short.
constexpr int MaxSearches = 8;

bool samePosition(const SfenPosition& a, const SfenPosition& b) {
  return a.pieces.board == b.pieces.board && a.pieces.manHand == b.pieces.manHand &&
         a.pieces.comHand == b.pieces.comHand && a.blackToMove == b.blackToMove && a.moveNumber == b.moveNumber;
}

void checkTaken(const SfenPosition& position) {
  const std::string sfen = writeSfen(position);
  Game g;
  placePieces(g, position.pieces);
  if (std::string wrong = standardPositionError(g, position.blackToMove); !wrong.empty())
    fuzzing::fail("the engine took '" + sfen + "': " + wrong);
  SfenPosition again;
  std::string error;
  if (!readSfen(sfen, again, error)) fuzzing::fail("written SFEN '" + sfen + "' is refused: " + error);
  if (!samePosition(position, again)) fuzzing::fail("written SFEN '" + sfen + "' reads as another position");
}

// The moves a bestmove may name: those of the position asked about, none
// when there was no position.
struct Question {
  std::string sfen;
  std::vector<std::string> legal;
};

void checkAnswer(const std::string& line, const std::optional<Question>& asked) {
  if (!line.starts_with("bestmove")) return;
  if (!asked) fuzzing::fail("'" + line + "' answers no go");
  const std::string move = line.substr(line.find(' ') + 1);
  if (move == "resign") {
    if (!asked->legal.empty()) fuzzing::fail("resigns in '" + asked->sfen + "', where " + asked->legal[0] + " is legal");
    return;
  }
  if (std::find(asked->legal.begin(), asked->legal.end(), move) == asked->legal.end())
    fuzzing::fail("'" + move + "' is not a legal move in '" + asked->sfen + "'");
}

std::string_view firstWord(std::string_view line) {
  const std::size_t start = std::min(line.find_first_not_of(" \t\r"), line.size());
  const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
  return line.substr(start, end - start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::ostringstream out;
  UsiEngine engine(out);
  std::optional<Question> asked;
  int searches = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view line = text.substr(at, end - at);
    at = end + 1;
    const std::string_view command = firstWord(line);
    if (command == "go") {
      if (++searches > MaxSearches) continue;
      asked = Question{};
      if (engine.position()) {
        asked->sfen = writeSfen(*engine.position());
        asked->legal = standardUsiMoves(*engine.position());
      }
    }
    out.str("");
    const bool goOn = engine.command(line);
    std::istringstream answer(out.str());
    for (std::string written; std::getline(answer, written);) checkAnswer(written, asked);
    if (command == "position" && engine.position()) checkTaken(*engine.position());
    if (!goOn) break;
  }
  return 0;
}
