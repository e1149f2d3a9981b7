// The positions a game starts from: the even position and the handicaps
// (the game's 21 grades and every handicap KIF names), whichever player
// gives the handicap. And how a record from one of them faces the shogi
// world: 先手 of an even game and the player who gets a handicap (下手) are
// black at the bottom, the one who gives it (上手) white at the top.
#pragma once

#include <optional>

#include "record/record_line.h"

namespace vudeve {

enum class StartKind { Even, TopGivesHandicap, BottomGivesHandicap, Other };

StartKind startKind(const RecordEntry& start);

// The start from which `first` is one move of either player: the even
// position before the handicaps; nothing when no start is. The clocks are
// those before the first move and, after it, those `first` begins with.
std::optional<RecordEntry> impliedStart(const RecordEntry& first);

// Who moves first from a start when no move says so: the player who gives
// the handicap, else the bottom player (kif::Top or kif::Bottom).
int usualFirstMover(const RecordEntry& start);

// Whether a record from `start`, whose first move is made by `firstMover`
// (kif::Top, kif::Bottom or 0 for none), is turned round for the world: an
// even game the top player began, and a handicap the bottom player gives.
bool kifTurnsRound(const RecordEntry& start, int firstMover);

}  // namespace vudeve
