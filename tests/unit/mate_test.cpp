#include <gtest/gtest.h>

#include "rules/influence.h"
#include "rules/mate.h"
#include "support/board_builder.h"

namespace vudeve {
namespace {

using testing::mapSum;
using testing::placeOnly;

// ---- Compulsory capture ----

TEST(CompulsoryCapture, CaptureThatExposesTheKingDoesNotCount) {
  Game g;
  // The COM gold may take the pawn, but that opens the rook's line.
  placeOnly(g, {{5, 1, ComKing}, {5, 2, ComGold}, {4, 3, ManPawn}, {5, 9, ManRook}, {1, 9, ManKing}});
  EXPECT_EQ(調査_移動先あるか2(g, g.ComSide, 5, 2), FalseValue);
  EXPECT_EQ(調査_移動先あるか(g, g.ComSide), FalseValue);

  g.Board[5][9] = Empty;
  EXPECT_EQ(調査_移動先あるか2(g, g.ComSide, 5, 2), TrueValue);
  EXPECT_EQ(調査_移動先あるか(g, g.ComSide), TrueValue);
}

TEST(CompulsoryCapture, KingTakingAnUnprotectedPieceIsSafe) {
  Game g;
  placeOnly(g, {{5, 1, ComKing}, {5, 2, ManPawn}, {1, 9, ManKing}});
  EXPECT_EQ(調査_移動先あるか2(g, g.ComSide, 5, 1), TrueValue);
  // The maps and king square are those of the tried position.
  EXPECT_EQ(g.ComKingX, 5);
  EXPECT_EQ(g.ComKingY, 2);
  EXPECT_EQ(g.Board[5][1], ComKing);
  EXPECT_EQ(g.Board[5][2], ManPawn);

  g.Board[5][4] = ManLance;  // now the pawn is guarded
  EXPECT_EQ(調査_移動先あるか2(g, g.ComSide, 5, 1), FalseValue);
}

TEST(CompulsoryCapture, OnlyTheSidesOwnPiecesOnTheBoardAreAsked) {
  Game g;
  placeOnly(g, {{5, 5, ManSilver}, {5, 4, ComPawn}, {1, 1, ComKing}, {9, 9, ManKing}});
  EXPECT_EQ(調査_移動先あるか2(g, g.ComSide, 5, 5), FalseValue);
  EXPECT_EQ(調査_移動先あるか2(g, g.ManSide, 5, 4), FalseValue);
  EXPECT_EQ(調査_移動先あるか2(g, NoSide, 5, 5), FalseValue);
  EXPECT_EQ(調査_移動先あるか2(g, g.ManSide, 5, 5), TrueValue);
  EXPECT_EQ(調査_移動先あるか2(g, g.ComSide, 5, 4), TrueValue);
  for (int off : {0, 10, -1, 11}) {
    EXPECT_EQ(調査_移動先あるか2(g, g.ManSide, off, 5), FalseValue) << off;
    EXPECT_EQ(調査_移動先あるか2(g, g.ManSide, 5, off), FalseValue) << off;
  }
}

TEST(CompulsoryCapture, CapturerFlagsMarkEveryPieceWithASafeCapture) {
  Game g;
  placeOnly(g, {{5, 5, ManGold}, {4, 6, ManSilver}, {6, 4, ComPawn}, {5, 4, ComPawn},
                {1, 1, ComKing}, {9, 9, ManKing}, {2, 2, ManPawn}});
  g.CapturerFlags[2][2] = TrueValue;
  設定_移動可能駒(g, g.ManSide);
  EXPECT_EQ(g.CapturerFlags[5][5], TrueValue);
  EXPECT_EQ(g.CapturerFlags[4][6], FalseValue);
  EXPECT_EQ(g.CapturerFlags[2][2], FalseValue);
  EXPECT_EQ(mapSum(g.CapturerFlags), 1);
}

// ---- Mate of COM ----

// COM king in the corner, checked along column 1; the golds of MAN hold
// both other flight squares.
void cornerRookCheck(Game& g) {
  placeOnly(g, {{1, 1, ComKing}, {1, 9, ManRook}, {3, 2, ManGold}, {9, 9, ManKing}});
  勢力調査(g);
}

TEST(ComMate, NoCheckIsNoMate) {
  Game g;
  placeOnly(g, {{1, 1, ComKing}, {9, 9, ManKing}});
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), FalseValue);
}

TEST(ComMate, DistantRookCheckIsAnsweredByAnyDropButAPawn) {
  Game g;
  cornerRookCheck(g);
  EXPECT_EQ(詰めかCOM(g), TrueValue);

  g.ComHand[5] = 1;
  g.ComHandTotal = 1;
  EXPECT_EQ(詰めかCOM(g), FalseValue);
  EXPECT_EQ(g.Board[1][2], Empty);  // the stand-in pawn is gone again
}

struct PawnDropCase {
  const char* name;
  int blockedFile;  // 0: no COM pawn on any file
  int expected;
};

class ComPawnDrop : public ::testing::TestWithParam<PawnDropCase> {};

// A rook checks along row 1; the silver holds the squares below the king.
TEST_P(ComPawnDrop, PawnFilesAsLastLeftDecideTheDrop) {
  const PawnDropCase& c = GetParam();
  Game g;
  placeOnly(g, {{1, 1, ComKing}, {9, 1, ManRook}, {1, 3, ManSilver}, {9, 9, ManKing}});
  g.ComHand[1] = 2;
  g.ComHandTotal = 2;
  if (c.blockedFile != 0) g.ComPawnFiles[c.blockedFile] = 1;
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), c.expected);
  for (int x = 2; x <= 8; ++x) EXPECT_EQ(g.Board[x][1], Empty) << x;
}

INSTANTIATE_TEST_SUITE_P(
    OnlyPawnsInHand, ComPawnDrop,
    ::testing::Values(PawnDropCase{"EveryFileOpen", 0, FalseValue},
                      // The first line square refuses the pawn: the drop step gives way.
                      PawnDropCase{"NextFileHasAPawn", 2, TrueValue},
                      // Squares before it block, but the scan still reaches the refused one.
                      PawnDropCase{"LaterFileHasAPawn", 6, TrueValue},
                      PawnDropCase{"RooksFileHasAPawn", 9, FalseValue}),
    [](const ::testing::TestParamInfo<PawnDropCase>& info) { return std::string(info.param.name); });

TEST(ComMate, AdjacentCheckerSkipsTheDrop) {
  Game g;
  placeOnly(g, {{1, 1, ComKing}, {1, 2, ManGold}, {1, 9, ManLance}, {9, 9, ManKing}});
  g.ComHand[5] = 1;
  g.ComHandTotal = 1;
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), TrueValue);

  // Unguarded, the king simply takes the gold.
  g.Board[1][9] = Empty;
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), FalseValue);
}

TEST(ComMate, KnightCheckSkipsTheDropAndDependsOnCaptures) {
  Game g;
  // The king is walled in by its own pieces, none of which reaches the knight.
  placeOnly(g, {{1, 1, ComKing}, {1, 2, ComLance}, {2, 1, ComLance}, {2, 2, ComKnight},
                {2, 3, ManKnight}, {9, 9, ManKing}});
  g.ComHand[5] = 1;
  g.ComHandTotal = 1;
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), TrueValue);

  g.Board[3][2] = ComSilver;  // the silver can take the knight
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), FalseValue);
  EXPECT_EQ(g.Board[3][2], ComSilver);
  EXPECT_EQ(g.Board[2][3], ManKnight);
}

TEST(ComMate, KingCannotRetreatAlongTheCheckingLine) {
  Game g;
  placeOnly(g, {{5, 5, ComKing}, {5, 9, ManRook}, {4, 9, ManRook}, {6, 9, ManRook}, {9, 9, ManKing}});
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), TrueValue);

  g.Board[6][9] = Empty;
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), FalseValue);
}

TEST(ComMate, BoardPieceInterposes) {
  Game g;
  cornerRookCheck(g);
  g.Board[2][6] = ComSilver;
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), FalseValue);
  EXPECT_EQ(g.Board[2][6], ComSilver);
  EXPECT_EQ(g.Board[1][7], Empty);
}

TEST(ComMate, PinnedBlockerDoesNotHideTheChecksFromLaterPieces) {
  Game g;
  cornerRookCheck(g);
  // The silver could block but is pinned by the bishop; the gold, met later
  // in the scan, still blocks the rook's line.
  g.Board[2][2] = ComSilver;
  g.Board[4][4] = ManBishop;
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), TrueValue);
  g.Board[2][6] = ComGold;
  勢力調査(g);
  EXPECT_EQ(詰めかCOM(g), FalseValue);
}

// ---- Mate of MAN ----

// MAN king in the corner, checked along column 9; the COM gold holds the
// other flight squares.
void manCornerRookCheck(Game& g) {
  placeOnly(g, {{9, 9, ManKing}, {9, 1, ComRook}, {7, 8, ComGold}, {1, 1, ComKing}});
  勢力調査(g);
}

TEST(ManMate, CornerRookCheck) {
  Game g;
  manCornerRookCheck(g);
  EXPECT_EQ(詰めかMAN(g), TrueValue);

  g.ManHand[1] = 1;
  g.ManHandTotal = 1;
  g.ManPawnFiles[9] = 1;
  EXPECT_EQ(詰めかMAN(g), TrueValue);
  g.ManPawnFiles[9] = 0;
  EXPECT_EQ(詰めかMAN(g), FalseValue);
  EXPECT_EQ(g.Board[9][5], Empty);
}

TEST(ManMate, InterpositionAskedWithoutRebuildingTheMaps) {
  Game g;
  manCornerRookCheck(g);
  g.Board[8][4] = ManSilver;
  勢力調査(g);
  const BoardMap before = g.ComInfluence;
  EXPECT_EQ(詰めかMAN(g), FalseValue);
  EXPECT_EQ(g.ComInfluence, before);
  EXPECT_EQ(g.Board[8][4], ManSilver);
  EXPECT_EQ(g.Board[9][3], Empty);
}

TEST(ManMate, ComPieceReachingTheKing) {
  Game g;
  placeOnly(g, {{5, 5, ManKing}, {5, 1, ComLance}, {5, 3, ManPawn}, {9, 1, ComKing}});
  g.ManKingX = 5;
  g.ManKingY = 5;
  EXPECT_EQ(詰めかMAN_COM移動(g), FalseValue);
  g.Board[5][3] = Empty;
  EXPECT_EQ(詰めかMAN_COM移動(g), TrueValue);
}

// ---- Escape squares ----

TEST(KingEscapes, CornerKingLooksAtThreeSquares) {
  Game g;
  placeOnly(g, {{1, 9, ManKing}, {9, 1, ComKing}});
  g.ManKingEscapes[5][5] = 1;
  勢力調査(g);
  EXPECT_EQ(調査_自王逃道(g), 3);
  EXPECT_EQ(g.ManKingEscapes[1][8], 1);
  EXPECT_EQ(g.ManKingEscapes[2][8], 1);
  EXPECT_EQ(g.ManKingEscapes[2][9], 1);
  EXPECT_EQ(g.ManKingEscapes[5][5], 1);  // never cleared here
  EXPECT_EQ(mapSum(g.ManKingEscapes), 4);
}

TEST(KingEscapes, OccupiedAndAttackedSquaresAreNotCounted) {
  Game g;
  // (1, 8) holds a COM pawn the king could take; the bishop sweeps (2, 8).
  placeOnly(g, {{1, 9, ManKing}, {1, 8, ComPawn}, {5, 5, ComBishop}, {9, 1, ComKing}});
  勢力調査(g);
  EXPECT_EQ(調査_自王逃道(g), 1);
  EXPECT_EQ(g.ManKingEscapes[2][9], 1);
  EXPECT_EQ(g.ManKingEscapes[1][8], 0);
  EXPECT_EQ(g.ManKingEscapes[2][8], 0);
}

}  // namespace
}  // namespace vudeve
