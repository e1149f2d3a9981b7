// Game states for tools, tests and benchmarks that ask the computer.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "rules/board_fields.h"
#include "rules/game.h"

namespace vudeve {

// A game state as the program has it just after start-up (every map and
// array untouched, ComSide 1, ManSide -1, ApproachDistance 0) on the null
// platform, with the computer to move at the given level.
std::unique_ptr<Game> makeToolGame(int level);

// Loads position text onto the board and hands with their totals, gives the
// computer the move whatever side the text names, and runs the survey once,
// as the move handler does before handing over. On malformed text nothing
// changes and the reason is in error.
bool loadPositionForComputer(Game& g, std::string_view text, std::string& error);

// The same for pieces already read.
void placePiecesForComputer(Game& g, const Placement& pieces);

}  // namespace vudeve
