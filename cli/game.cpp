// vudeve-cli game: a whole game against the computer, played through the
// handlers the window runs, with the person's moves in USI notation.
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/handlers/lifecycle.h"
#include "app/handlers/match_commands.h"
#include "app/handlers/mouse_input.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/search_lines.h"
#include "engine/search_turn.h"
#include "record/usi_notation.h"
#include "rules/position_text.h"

namespace vudeve::cli {

namespace {

constexpr const char* Usage = "game --level N --person sente|gote [--all] POSITION [MOVE ...]";
constexpr int MoveRefused = 1;

struct Request {
  int level = 0;
  bool personFirst = true;
  bool all = false;
  ParsedPosition position;
  std::vector<std::string> moveTexts;
  std::vector<UsiMove> moves;
};

int usageError(std::ostream& err, const std::string& reason) {
  err << "game: " << reason << "\nusage: vudeve-cli " << Usage << "\n";
  return UsageError;
}

// Everything is read before anything is played: bad input prints nothing.
// Returns what is wrong with the arguments, or "" when they are good.
std::string readRequest(const std::vector<std::string>& args, Request& request) {
  std::optional<long long> level;
  std::optional<bool> personFirst;
  std::optional<std::string> position;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--level") {
      if (i + 1 >= args.size()) return "missing level after --level";
      level = parseInteger(args[++i], 1, StrongestLevel);
      if (!level) return "--level wants 1..5, not '" + args[i] + "'";
    } else if (arg == "--person") {
      if (i + 1 >= args.size()) return "missing side after --person";
      const std::string& side = args[++i];
      if (side != "sente" && side != "gote") return "--person wants sente or gote, not '" + side + "'";
      personFirst = side == "sente";
    } else if (arg == "--all") {
      request.all = true;
    } else if (arg.starts_with("--")) {
      return "unknown option '" + arg + "'";
    } else if (!position) {
      position = arg;
    } else {
      const std::optional<UsiMove> move = parseUsiMove(arg);
      if (!move) return "'" + arg + "' is not a move in USI notation (7g7f, 8h2b+, P*5e)";
      request.moveTexts.push_back(arg);
      request.moves.push_back(*move);
    }
  }
  if (!level) return "--level is required";
  if (!personFirst) return "--person is required";
  if (!position) return "missing POSITION";
  std::string error;
  const std::optional<ParsedPosition> parsed = parsePositionText(*position, error);
  if (!parsed) return error;
  request.level = static_cast<int>(*level);
  request.personFirst = *personFirst;
  request.position = *parsed;
  return "";
}

// The person's move as two presses: the pick-up, then the destination with
// the right button for a promotion. Nothing when the handler refuses it;
// else the move as played, unpromoted where a promotion was impossible.
std::optional<UsiMove> playPersonMove(Game& g, const UsiMove& move) {
  if (move.drop)
    pressCell(g, LeftButton, ManHandColumn, handRow(true, move.handIndex));
  else
    pressCell(g, LeftButton, move.fromX, move.fromY);
  // Nothing picked up: no piece of the person there, or the game is over.
  if (g.SelectState != 1) return std::nullopt;
  const int picked = g.MoveRec[8];
  const int movesBefore = g.MoveCount;
  pressCell(g, move.promote ? RightButton : LeftButton, move.toX, move.toY);
  if (g.MoveCount == movesBefore) return std::nullopt;
  UsiMove played = move;
  played.promote = g.MoveRec[8] != picked;
  return played;
}

// Watches the computer's turn that a handler call may start. Its lines wait
// in a buffer, so that they follow the person's move in the output.
class ComputerTurn {
 public:
  ComputerTurn(const Game& g, bool all) : lines_(text_, all), watch_(g, lines_) {}
  ComputerTurn(const ComputerTurn&) = delete;
  ComputerTurn& operator=(const ComputerTurn&) = delete;

  void print(std::ostream& out) {
    lines_.printBest();
    out << text_.str();
    if (const std::optional<ComCandidate>& c = lines_.best()) {
      const bool promotes = c->placed != c->candidatePiece;
      out << "com " << formatUsiMove(usiMoveFromCells(c->fromX, c->fromY, c->toX, c->toY, promotes)) << "\n";
    }
  }

 private:
  std::ostringstream text_;
  SearchLines lines_;
  ComTurnWatch watch_;
};

void printEnd(std::ostream& out, const Game& g) {
  const bool manWon = g.Winner == g.ManSide;
  out << "winner " << (manWon ? "man" : g.Winner == g.ComSide ? "com" : "none") << "\n";
  // After the person's win the computer would be to move.
  out << "position " << writeBoardAndHands(g) << (manWon ? " w" : " b") << "\n";
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Request request;
  if (const std::string error = readRequest(args, request); !error.empty()) return usageError(err, error);

  // The window just after start-up, with the position in place of the even one.
  auto game = std::make_unique<Game>();
  Game& g = *game;
  Form_Load(g, SettingsFile::Ignore);
  レベル_設定(g, request.level);
  placeBoardAndHands(g, request.position.pieces);

  if (request.personFirst) {
    SENTE_Click(g);
  } else {
    ComputerTurn turn(g, request.all);
    GOTE_Click(g);
    turn.print(out);
  }

  for (std::size_t i = 0; i < request.moves.size(); ++i) {
    ComputerTurn turn(g, request.all);
    const std::optional<UsiMove> played = playPersonMove(g, request.moves[i]);
    if (!played) {
      out << "refused " << request.moveTexts[i] << "\n";
      printEnd(out, g);
      return MoveRefused;
    }
    out << "man " << formatUsiMove(*played) << "\n";
    // Every move of the person that does not win hands the turn over.
    if (g.Winner != g.ManSide) turn.print(out);
  }
  printEnd(out, g);
  return 0;
}

const CommandRegistration registration{Command{"game", Usage, run}};

}  // namespace

}  // namespace vudeve::cli
