#include "rules/standard_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "rules/position_text.h"
#include "support/position_loading.h"

namespace vudeve {
namespace {

using testing::loadSenteFirst;

struct MoveCase {
  const char* what;
  const char* position;  // MAN to move
  Move move;
  bool standard;
};

TEST(StandardRules, KeepsOnlyMovesThatLeaveTheKingSafeAndNoPawnDropMate) {
  const MoveCase cases[] = {
      {"pawn drop mate", "3lkl3/9/4G4/9/9/9/9/9/4K4 P b", {11, 3, 5, 2, ManPawn}, false},
      {"gold drop mate", "3lkl3/9/4G4/9/9/9/9/9/4K4 G b", {11, 7, 5, 2, ManGold}, true},
      {"pawn drop check with a way out", "3lk4/9/4G4/9/9/9/9/9/4K4 P b", {11, 3, 5, 2, ManPawn}, true},
      {"pawn drop check the silver can take", "3skl3/9/4G4/9/9/9/9/9/4K4 P b", {11, 3, 5, 2, ManPawn}, true},
      {"pawn drop check the king can take", "3lkl3/9/9/9/9/9/9/9/4K4 P b", {11, 3, 5, 2, ManPawn}, true},
      {"pinned silver leaves the line", "k3r4/9/9/9/9/9/9/4S4/4K4 - b", {5, 8, 4, 7, ManSilver}, false},
      {"pinned silver stays on the line", "k3r4/9/9/9/9/9/9/4S4/4K4 - b", {5, 8, 5, 7, ManSilver}, true},
      {"king steps into the rook's file", "k2r5/9/9/9/9/9/9/9/4K4 - b", {5, 9, 4, 9, ManKing}, false},
      {"king steps aside", "k2r5/9/9/9/9/9/9/9/4K4 - b", {5, 9, 6, 9, ManKing}, true},
  };
  for (const MoveCase& c : cases) {
    auto g = std::make_unique<Game>();
    loadSenteFirst(*g, c.position);
    const std::string before = writePositionText(*g);
    auto list = std::make_unique<MoveList>();
    generateMoves(*g, true, *list);
    keepStandardMoves(*g, true, *list);
    bool found = false;
    for (int i = 0; i < list->size; ++i) {
      const Move& m = list->moves[i];
      found = found || (m.fromX == c.move.fromX && m.fromY == c.move.fromY && m.toX == c.move.toX &&
                        m.toY == c.move.toY && m.piece == c.move.piece);
    }
    EXPECT_EQ(found, c.standard) << c.what;
    EXPECT_EQ(writePositionText(*g), before) << c.what;
  }
}

TEST(StandardRules, PositionsStandardShogiCannotReach) {
  const std::pair<const char*, const char*> cases[] = {
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL - b", ""},
      {"4k4/9/9/9/9/9/9/9/4K4 - b", ""},
      {"P3k4/9/9/9/9/9/9/9/4K4 - b", "the piece on 9a has no move left"},
      {"4k4/9/9/9/9/9/9/9/4K3n - b", "the piece on 1i has no move left"},
      {"4k4/9/9/9/9/9/P8/P8/4K4 - b", "two pawns of one side on file 9"},
      {"4k4/9/9/9/9/9/P8/+P8/4K4 - b", ""},
      {"4k4/9/9/9/9/9/9/9/4K4 18P1p b", "19 pawns (a set has 18)"},
      {"4k4/9/9/9/9/9/9/9/4K4 3Bb b", "4 bishops (a set has 2)"},
      {"4k4/9/9/9/9/9/9/9/3KK4 - b", "two kings of one side"},
      {"4k4/4R4/9/9/9/9/9/9/4K4 - b", "the side not to move is in check"},
      {"4k4/4R4/9/9/9/9/9/9/4K4 - w", ""},
  };
  for (const auto& [position, expected] : cases) {
    auto g = std::make_unique<Game>();
    loadSenteFirst(*g, position);
    EXPECT_EQ(standardPositionError(*g, g->Turn == g->ManSide), expected) << position;
  }
}

}  // namespace
}  // namespace vudeve
