#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/influence_text.h"
#include "rules/influence.h"
#include "support/board_builder.h"

namespace vudeve {
namespace {

std::vector<std::string> printedLines(const Game& g) {
  std::ostringstream out;
  printInfluenceMaps(out, g);
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(InfluenceText, BlocksInOrderRowsTopToBottomThenKings) {
  Game g;
  testing::placeOnly(g, {{3, 3, ComKing}, {7, 7, ManKing}});
  勢力調査(g);
  const std::vector<std::string> lines = printedLines(g);
  ASSERT_EQ(lines.size(), 14u * 10u + 1u);

  const char* names[] = {"ManInfluence",    "ComInfluence", "ManGuardCode",    "ComGuardCode", "ComGuardX",
                         "ComGuardY",       "ManAttackerCode", "ManAttackerX", "ManAttackerY", "ComAttackerCode",
                         "ComAttackerX",    "ComAttackerY", "ComKingChecks",   "ManKingChecks"};
  for (int block = 0; block < 14; ++block) EXPECT_EQ(lines[block * 10], names[block]) << block;

  // Row y = 6 of ManInfluence: the king on (7, 7) reaches x = 6..8.
  EXPECT_EQ(lines[6], "0 0 0 0 0 1 1 1 0");
  EXPECT_EQ(lines[7], "0 0 0 0 0 1 0 1 0");
  EXPECT_EQ(lines[20 + 1], "999 999 999 999 999 999 999 999 999");
  EXPECT_EQ(lines[60 + 9], "-999 -999 -999 -999 -999 -999 -999 -999 -999");
  EXPECT_EQ(lines.back(), "kings 7 7 3 3");
}

}  // namespace
}  // namespace vudeve
