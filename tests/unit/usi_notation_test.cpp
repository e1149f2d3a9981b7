#include <gtest/gtest.h>

#include "record/usi_notation.h"

namespace vudeve {
namespace {

UsiMove boardMove(int fromX, int fromY, int toX, int toY, bool promote = false) {
  UsiMove m;
  m.fromX = fromX;
  m.fromY = fromY;
  m.toX = toX;
  m.toY = toY;
  m.promote = promote;
  return m;
}

UsiMove dropMove(int handIndex, int toX, int toY) {
  UsiMove m;
  m.drop = true;
  m.handIndex = handIndex;
  m.toX = toX;
  m.toY = toY;
  return m;
}

// Column x is file 10 - x and row y is rank a + y - 1, both ways.
TEST(UsiNotation, MovesReadAndWriteBothWays) {
  const std::vector<std::pair<std::string, UsiMove>> cases = {
      {"7g7f", boardMove(3, 7, 3, 6)},      {"3c3d", boardMove(7, 3, 7, 4)},
      {"8h2b+", boardMove(2, 8, 8, 2, true)}, {"9a1i", boardMove(1, 1, 9, 9)},
      {"P*5e", dropMove(1, 5, 5)},          {"L*1a", dropMove(2, 9, 1)},
      {"N*9i", dropMove(3, 1, 9)},          {"S*2h", dropMove(4, 8, 8)},
      {"G*5a", dropMove(5, 5, 1)},          {"B*4d", dropMove(6, 6, 4)},
      {"R*6f", dropMove(7, 4, 6)},
  };
  for (const auto& [text, move] : cases) {
    EXPECT_EQ(parseUsiMove(text), move) << text;
    EXPECT_EQ(formatUsiMove(move), text) << text;
  }
}

TEST(UsiNotation, TextThatIsNoMoveIsRefused) {
  for (const char* text : {"", "7g", "7g7", "7g7f7", "7g7f=", "0g7f", "7j7f", "7g7F", "p*5e", "K*5e", "P*5e+",
                           "P+5e", "7g7f ", " 7g7f", "P*0e", "+P*5e"})
    EXPECT_FALSE(parseUsiMove(text).has_value()) << text;
}

TEST(UsiNotation, SquaresOffTheBoardAndUnknownHandIndicesWriteNothing) {
  EXPECT_EQ(usiSquare(0, 5), "");
  EXPECT_EQ(usiSquare(5, 10), "");
  EXPECT_EQ(formatUsiMove(dropMove(8, 5, 5)), "");
  EXPECT_EQ(formatUsiMove(boardMove(11, 3, 5, 5)), "");
  EXPECT_EQ(usiDropLetter(0), '\0');
}

}  // namespace
}  // namespace vudeve
