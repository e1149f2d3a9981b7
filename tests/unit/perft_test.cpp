#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "rules/move.h"
#include "rules/perft.h"
#include "rules/position_text.h"
#include "support/position_loading.h"
#include "rules/standard_rules.h"

namespace vudeve {
namespace {

using testing::loadSenteFirst;

TEST(Perft, EvenPosition) {
  Game g;
  loadSenteFirst(g, EvenPositionText.data());
  Perft perft(g);
  EXPECT_EQ(perft.count(0), 1u);
  EXPECT_EQ(perft.count(1), 30u);
  EXPECT_EQ(perft.count(2), 900u);
  EXPECT_EQ(perft.count(3), 25470u);
}

TEST(Perft, EvenPositionWithComToMoveIsTheMirror) {
  Game g;
  loadSenteFirst(g, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL - w");
  EXPECT_EQ(Perft(g).count(3), 25470u);
}

// Standard shogi's own figures check the generator against independent
// counts (no pawn-drop mate is possible this early).
TEST(Perft, StandardCountsWhenTheKingMustBeSafe) {
  Game g;
  loadSenteFirst(g, EvenPositionText.data());
  Perft perft(g, keepStandardMoves);
  EXPECT_EQ(perft.count(4), 719731u);
  // Without the filter the moves that leave the king open count too.
  EXPECT_EQ(Perft(g).count(4), 720850u);
}

TEST(Perft, GameIsLeftAsFound) {
  Game g;
  loadSenteFirst(g, "l3k3l/1r1s3b1/p1n1pgnpp/2p3s2/1p1pP4/2P2PPP1/PP1P2N1P/1BG1G2R1/LN1SK1S1L GPs2p b");
  g.PromotedCode = 77;
  g.ManPawnFiles[3] = 5;
  const std::string before = writePositionText(g);
  const int manTotal = g.ManHandTotal, comTotal = g.ComHandTotal;
  Perft perft(g);
  perft.count(3);
  perft.divide(2);
  EXPECT_EQ(writePositionText(g), before);
  EXPECT_EQ(g.ManHandTotal, manTotal);
  EXPECT_EQ(g.ComHandTotal, comTotal);
  EXPECT_EQ(g.PromotedCode, 77);
  EXPECT_EQ(g.ManPawnFiles[3], 5);
}

TEST(Perft, DivideSumsToTheCount) {
  Game g;
  loadSenteFirst(g, "l3k3l/1r1s3b1/p1n1pgnpp/2p3s2/1p1pP4/2P2PPP1/PP1P2N1P/1BG1G2R1/LN1SK1S1L GPs2p w");
  Perft perft(g);
  std::uint64_t sum = 0;
  for (const DivideLine& line : perft.divide(3)) sum += line.count;
  EXPECT_EQ(sum, perft.count(3));
}

TEST(Perft, MissingKingMeansNoMoves) {
  Game g;
  loadSenteFirst(g, "9/9/9/9/9/9/9/9/4K4 R b");
  Perft perft(g);
  EXPECT_EQ(perft.count(0), 1u);
  EXPECT_EQ(perft.count(1), 0u);
  EXPECT_TRUE(perft.divide(1).empty());
}

TEST(Perft, TakingTheKingEndsTheGame) {
  // MAN's gold can take COM's king; after that capture no sequence goes on.
  Game g;
  loadSenteFirst(g, "4k4/4G4/9/9/9/9/9/9/K8 - b");
  Perft perft(g);
  const std::vector<DivideLine> lines = perft.divide(2);
  const auto capture = std::find_if(lines.begin(), lines.end(), [](const DivideLine& l) {
    return l.move.toX == 5 && l.move.toY == 1;
  });
  ASSERT_NE(capture, lines.end());
  EXPECT_EQ(capture->count, 0u);
  const auto one = perft.divide(1);
  EXPECT_TRUE(std::all_of(one.begin(), one.end(), [](const DivideLine& l) { return l.count == 1; }));
}

struct GenerationCase {
  const char* what;
  const char* position;
  std::uint64_t moves;
};

TEST(Perft, MoveGenerationCounts) {
  const GenerationCase cases[] = {
      // King in the corner: 3 steps each.
      {"kings only", "8k/9/9/9/9/9/9/9/K8 - b", 3},
      // Pawn to row 3 may promote or not: 2 moves, plus 3 king steps.
      {"pawn into the zone", "8k/9/9/4P4/9/9/9/9/K8 - b", 5},
      // Pawn to row 1 must promote: 1 move.
      {"pawn onto the last row", "8k/4P4/9/9/9/9/9/9/K8 - b", 4},
      // Knight to row 2 must promote: 2 moves (one per side), plus 3.
      {"knight onto row 2", "8k/9/9/4N4/9/9/9/9/K8 - b", 5},
      // Knight to row 3 may promote: 4 moves.
      {"knight into row 3", "8k/9/9/9/4N4/9/9/9/K8 - b", 7},
      // Silver leaving the zone from row 3 to row 4 may promote both ways.
      {"silver leaving the zone", "8k/9/4S4/9/9/9/9/9/K8 - b", 13},
      // Pawn drops: 79 empty squares less the 8 empty of row 1.
      {"pawn drop", "4k4/9/9/9/9/9/9/9/4K4 P b", 76},
      // An own pawn on column 1 closes its 7 other free squares to drops.
      {"two pawns", "4k4/9/9/9/9/9/P8/9/4K4 P b", 5 + 1 + (78 - 8 - 7)},
      // A tokin there leaves the column open (4 gold steps from the edge).
      {"tokin does not count", "4k4/9/9/9/9/9/+P8/9/4K4 P b", 5 + 4 + (78 - 8)},
      // Gold drops everywhere empty.
      {"gold drop", "4k4/9/9/9/9/9/9/9/4K4 G b", 5 + 79},
      // COM knight drops avoid rows 8 and 9.
      {"com knight drop", "4k4/9/9/9/9/9/9/9/4K4 n w", 5 + 79 - 17},
  };
  for (const GenerationCase& c : cases) {
    Game g;
    loadSenteFirst(g, c.position);
    EXPECT_EQ(Perft(g).count(1), c.moves) << c.what;
  }
}

TEST(Perft, DropsUseTheMoveEncodingOfEachHand) {
  Game g;
  loadSenteFirst(g, "4k4/9/9/9/9/9/9/9/4K4 R b");
  MoveList list;
  generateMoves(g, true, list);
  const Move& drop = list.moves[list.size - 1];
  EXPECT_EQ(drop.fromX, 11);
  EXPECT_EQ(drop.fromY, 9);  // row 9 of MAN's hand holds the rook
  EXPECT_EQ(drop.piece, ManRook);

  loadSenteFirst(g, "4k4/9/9/9/9/9/9/9/4K4 r w");
  list.size = 0;
  generateMoves(g, false, list);
  const Move& comDrop = list.moves[list.size - 1];
  EXPECT_EQ(comDrop.fromX, -1);
  EXPECT_EQ(comDrop.fromY, 7);  // hand index of the rook
  EXPECT_EQ(comDrop.piece, ComRook);
}

TEST(MakeMove, MatchesMovePieceOnHandsAndBoard) {
  // Every move of a busy position applied by makeMove and by 駒移動 gives
  // the same board, hands and totals; unmakeMove restores the start.
  Game g;
  loadSenteFirst(g, "l3k3l/1r1s3b1/p1n1pgnpp/2p3s2/1p1pP4/2P2PPP1/PP1P2N1P/1BG1G2R1/LN1SK1S1L GPs2p b");
  for (bool man : {true, false}) {
    MoveList list;
    generateMoves(g, man, list);
    ASSERT_GT(list.size, 0);
    for (int i = 0; i < list.size; ++i) {
      const Move& m = list.moves[i];
      Game reference;
      reference.Board = g.Board;
      reference.ManHand = g.ManHand;
      reference.ComHand = g.ComHand;
      reference.ManHandTotal = g.ManHandTotal;
      reference.ComHandTotal = g.ComHandTotal;
      駒移動(reference, m.fromX, m.fromY, m.toX, m.toY, m.piece);
      const std::string before = writePositionText(g);
      const MoveUndo undo = makeMove(g, m);
      EXPECT_EQ(g.Board, reference.Board);
      EXPECT_EQ(g.ManHand, reference.ManHand);
      EXPECT_EQ(g.ComHand, reference.ComHand);
      EXPECT_EQ(g.ManHandTotal, reference.ManHandTotal);
      EXPECT_EQ(g.ComHandTotal, reference.ComHandTotal);
      unmakeMove(g, m, undo);
      EXPECT_EQ(writePositionText(g), before);
    }
  }
}

}  // namespace
}  // namespace vudeve

namespace vudeve {
namespace {

std::string printed(const char* position, int depth, bool divide) {
  Game g;
  loadSenteFirst(g, position);
  std::ostringstream out;
  printPerft(out, g, depth, divide);
  return out.str();
}

std::string lastLines(const std::string& text, int n) {
  std::size_t at = text.size();
  for (int i = 0; i <= n && at != std::string::npos && at > 0; ++i) at = text.rfind('\n', at - 1);
  return at == std::string::npos ? text : text.substr(at + 1);
}

TEST(PrintPerft, CountAloneOrOneLinePerFirstMove) {
  EXPECT_EQ(printed("4k4/9/9/9/9/9/9/9/4K4 R b", 1, false), "84\n");
  EXPECT_EQ(printed("4k4/9/9/9/9/9/9/9/4K4 R b", 1, true).substr(0, 13), "5 9 4 8 -950 ");
  // Drops name the hand index in both hands.
  EXPECT_EQ(lastLines(printed("4k4/9/9/9/9/9/9/9/4K4 R b", 1, true), 2), "11 7 9 9 -900 1\ntotal 84\n");
  EXPECT_EQ(lastLines(printed("4k4/9/9/9/9/9/9/9/4K4 r w", 1, true), 2), "-1 7 9 9 900 1\ntotal 84\n");
  EXPECT_EQ(printed(EvenPositionText.data(), 0, true), "total 1\n");
  EXPECT_EQ(printed(EvenPositionText.data(), 0, false), "1\n");
}

TEST(PrintPerft, PromotionsAreTwoLinesWithThePlacedCode) {
  const std::string lines = printed("8k/9/9/4P4/9/9/9/9/K8 - b", 1, true);
  EXPECT_NE(lines.find("5 4 5 3 -10 1\n5 4 5 3 -11 1\n"), std::string::npos) << lines;
}

}  // namespace
}  // namespace vudeve
