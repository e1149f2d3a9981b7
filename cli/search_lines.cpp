#include "cli/search_lines.h"

#include <cstdio>
#include <string>

namespace vudeve::cli {

namespace {

std::string candidateLine(const char* label, const ComCandidate& c) {
  char text[128];
  std::snprintf(text, sizeof text, "%s %d %d %d %d %d %.17g", label, c.fromX, c.fromY, c.toX, c.toY, c.placed,
                c.score);
  return text;
}

}  // namespace

void SearchLines::scored(const ComCandidate& candidate) {
  if (all_) out_ << candidateLine("cand", candidate) << "\n";
}

void SearchLines::printBest() {
  if (best_)
    out_ << candidateLine("best", *best_) << "\n";
  else
    out_ << "best none\n";
}

}  // namespace vudeve::cli
