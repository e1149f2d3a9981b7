// The computer as a USI engine: the host (a shogi GUI or a tournament
// manager) sends commands one line at a time and reads the answers.
//
// The host plays standard shogi, so the engine answers only with moves
// legal there: the computer's search scores every board move and drop, with
// the position turned so that the computer moves as the top player and
// without compulsory capture, and the best-scoring candidate that standard
// shogi allows is played. Each `go` starts from a fresh game state, so the
// same position always gets the same answer.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "rules/perft.h"
#include "rules/sfen.h"

namespace vudeve {

class ComSearchHooks;

class UsiEngine {
 public:
  // Every line written to `out` is flushed at once.
  explicit UsiEngine(std::ostream& out);
  // Candidates scored by scoring.score (盤評価 unless a test pins the
  // scores down).
  UsiEngine(std::ostream& out, ComSearchHooks& scoring);

  // Handles one line of the host; false once it said quit. Lines it does
  // not know are ignored, as the protocol asks.
  bool command(std::string_view line);

  // The position the next `go` answers; nothing after a `position` command
  // that was refused, until the next one is taken.
  const std::optional<SfenPosition>& position() const { return position_; }

 private:
  void usi();
  void setOption(const std::vector<std::string_view>& words);
  void setPosition(const std::vector<std::string_view>& words);
  void go(const std::vector<std::string_view>& words);
  // The answer to `go` for the position taken: "bestmove ..." after any
  // info lines, which are sent at once.
  std::string answer();
  void releaseHeldAnswer();
  void send(const std::string& line);

  std::ostream& out_;
  ComSearchHooks& scoring_;
  int level_ = 3;
  std::optional<SfenPosition> position_;
  // The bestmove of a `go ponder` or `go infinite`, sent on stop or ponderhit.
  std::optional<std::string> heldAnswer_;
  std::unique_ptr<MoveList> moves_;
};

// Every move of standard shogi in the position, in USI notation.
std::vector<std::string> standardUsiMoves(const SfenPosition& position);

}  // namespace vudeve
