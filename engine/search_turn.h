// The computer's turn at the strong levels: the deep search chooses on its
// own copy of the position, and the move is played as every level plays it.
#pragma once

#include <optional>

#include "engine/com_turn.h"
#include "engine/search.h"
#include "rules/game.h"

namespace vudeve {

inline constexpr int FirstSearchLevel = 4;
inline constexpr int StrongestLevel = 5;

// LEVEL4 searches a fixed number of nodes, so that a position always gets
// the same move; LEVEL5 searches for about three seconds.
search::Limits searchLimits(int level);

// The move the search chooses for the computer (the top side) in g at the
// level, with its searched score; nothing when it has no move. Besides the
// position, only the positions the record holds before the computer's
// earlier moves count (it does not go round in circles when ahead). g is
// only read.
std::optional<ComCandidate> chooseSearchMove(const Game& g, int level);

// The turn as com_ban runs it from LEVEL4 up: hooks.chosen hears the move.
// The search runs as the game's background work (platform/ports.h): with a
// window it answers later, on the window's thread, and the game shows
// ComThinking until then (hooks must live that long); without one the move
// is played before this returns.
void searchComTurn(Game& g, ComSearchHooks& hooks);

// Quitting while the search thinks: it is stopped and its answer dropped.
void abandonComThinking(Game& g);

}  // namespace vudeve
