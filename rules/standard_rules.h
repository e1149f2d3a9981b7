// Standard shogi, as the rest of the shogi world plays it, for talking with
// other shogi programs: a move may not leave the mover's own king attacked
// nor mate with a dropped pawn, and there is no compulsory capture. The
// move rules themselves (two pawns, dead pieces, forced promotion) are the
// ones 移動チェック and generateMoves already follow.
#pragma once

#include <string>

#include "rules/game.h"
#include "rules/perft.h"

namespace vudeve {

// Whether some piece of the other side reaches the king of MAN (man = true,
// the negative codes) or COM. A side without a king is never attacked.
bool kingAttacked(const Game& g, bool man);

// A MoveFilter keeping the moves of standard shogi: those that leave the
// mover's king unattacked and are not a pawn drop that mates. The board and
// hands are as before afterwards.
void keepStandardMoves(Game& g, bool man, MoveList& list);

// What standard shogi refuses in the position with the given side to move,
// in words, or "" when nothing: more pieces of a kind than a set holds, two
// kings of one side, a pawn, lance or knight with no move left, two
// unpromoted pawns of one side on a file, or the side not to move in check.
std::string standardPositionError(const Game& g, bool manToMove);

}  // namespace vudeve
