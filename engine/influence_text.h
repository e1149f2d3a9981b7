// The influence maps as text, the output of `vudeve-cli survey`: one block
// per map (its name, then rows y = 1..9 of the values for x = 1..9 separated
// by single blanks), then "kings MANKINGX MANKINGY COMKINGX COMKINGY".
#pragma once

#include <ostream>

#include "rules/game.h"

namespace vudeve {

void printInfluenceMaps(std::ostream& out, const Game& g);

}  // namespace vudeve
