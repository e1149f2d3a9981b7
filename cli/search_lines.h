// The computer's search as vudeve-cli prints it: with --all a "cand" line
// for every scored candidate in search order, then the "best" line. Other
// tools read these lines; think and game print them alike.
#pragma once

#include <optional>
#include <ostream>

#include "engine/com_turn.h"

namespace vudeve::cli {

class SearchLines final : public ComSearchHooks {
 public:
  SearchLines(std::ostream& out, bool all) : out_(out), all_(all) {}
  void scored(const ComCandidate& candidate) override;
  void chosen(const ComCandidate& candidate) override { best_ = candidate; }

  // The move the computer played, when it had one.
  const std::optional<ComCandidate>& best() const { return best_; }
  // "best FROMX FROMY TOX TOY PLACED SCORE", or "best none".
  void printBest();

 private:
  std::ostream& out_;
  bool all_;
  std::optional<ComCandidate> best_;
};

}  // namespace vudeve::cli
