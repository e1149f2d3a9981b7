// Positions for rule tests from position text, with MAN (the bottom
// player) as the side that moves first.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "rules/position_text.h"

namespace vudeve::testing {

inline void loadSenteFirst(Game& g, std::string_view text) {
  g.ManSide = SenteSide;
  g.ComSide = GoteSide;
  std::string error;
  ASSERT_TRUE(readPositionText(g, text, error)) << error;
}

}  // namespace vudeve::testing
