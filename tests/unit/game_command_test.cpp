// vudeve-cli game: whole games through the window's handlers, moves in USI
// notation. Square (x, y) is file 10 - x, rank a + y - 1; the person's
// pieces are uppercase in the position text.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "support/temp_folder.h"

namespace vudeve {
namespace {

const std::string Even = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL -";

struct CommandRun {
  int status = -1;
  std::string out, err;
};

CommandRun runGame(const std::vector<std::string>& args) {
  for (const cli::Command& command : cli::commands()) {
    if (command.name != "game") continue;
    std::ostringstream out, err;
    CommandRun run;
    run.status = command.run(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
  }
  ADD_FAILURE() << "no game command";
  return {};
}

// The arguments of a level-3 game: POSITION and the moves follow.
std::vector<std::string> levelThree(const char* person, const std::vector<std::string>& rest) {
  std::vector<std::string> args = {"--level", "3", "--person", person};
  args.insert(args.end(), rest.begin(), rest.end());
  return args;
}

std::string withoutCandidates(const std::string& out) {
  std::istringstream lines(out);
  std::string kept, line;
  while (std::getline(lines, line))
    if (!line.starts_with("cand ")) kept += line + "\n";
  return kept;
}

struct Case {
  const char* name;
  std::vector<std::string> args;
  std::string out;  // without cand lines
  int status;
};

void expectTranscripts(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const CommandRun run = runGame(c.args);
    EXPECT_EQ(run.status, c.status) << c.name;
    EXPECT_EQ(withoutCandidates(run.out), c.out) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
  }
}

// Worked out by hand:
// - The person's moves: 7g7f is the pawn (3,7) -> (3,6); 8h2b+ the bishop
//   (2,8) taking the bishop on (8,2) and promoting; 7i8h the silver (3,9)
//   taking on (2,8).
// - 3c3d, the computer's first move from the even position (and its answer
//   to 7g7f) is the pawn (7,3) -> (7,4); it opens the bishops' diagonal.
//   Before 後手 the king squares are still unset, but no first move of the
//   computer changes the human king's escapes, so the answer is the one of
//   the fresh position.
// - Once the diagonal is open the side to move must take the bishop. The
//   person's only taker is the bishop; the computer's is its bishop, which
//   always promotes in the zone (2b8h+).
// - The horse on (8,2) can be retaken by the rook (2,2) (801: the horse
//   won on an unattacked square) or the silver (7,1) (the same plus 801
//   for a major piece won by a minor one): the silver takes, 3a2b.
// - After 7i8h the computer may drop the bishop it took; B*6e on (4,5) is
//   the best of its candidates.
// - The endings: the rook takes the king on (5,1); a gold dropped on (5,2)
//   in front of the king, held by the pawn on (5,3), leaves no escape; in
//   the mirrored position the computer drops its gold on (5,8) (mate,
//   9998, the game goes on), the king takes it into the pawn's reach and
//   the pawn takes the king, promoting as a pawn always does (9999).
// - A computer without pieces has no candidate: best none, no com line.
TEST(GameCommand, GamesPlayedMoveByMove) {
  const std::vector<Case> cases = {
      {"sente, crossing a compulsory capture",
       levelThree("sente", {Even, "7g7f", "8h2b+"}),
       "man 7g7f\n"
       "best 7 3 7 4 10 10\n"
       "com 3c3d\n"
       "man 8h2b+\n"
       "best 7 1 8 2 100 1601.5999999999999\n"
       "com 3a2b\n"
       "winner none\n"
       "position lnsgkg1nl/1r5s1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL Bb b\n",
       0},
      {"gote, the computer opens and then must capture",
       levelThree("gote", {Even, "7g7f", "7i8h"}),
       "best 7 3 7 4 10 10\n"
       "com 3c3d\n"
       "man 7g7f\n"
       "best 8 2 2 8 801 -691\n"
       "com 2b8h+\n"
       "man 7i8h\n"
       "best -1 6 4 5 800 4.2999999999999989\n"
       "com B*6e\n"
       "winner none\n"
       "position lnsgkgsnl/1r7/pppppp1pp/6p2/3b5/2P6/PP1PPPPPP/1S5R1/LN1GKGSNL B b\n",
       0},
      {"a + where no promotion is possible plays the plain move",
       levelThree("sente", {Even, "7g7f+"}),
       "man 7g7f\n"
       "best 7 3 7 4 10 10\n"
       "com 3c3d\n"
       "winner none\n"
       "position lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL - b\n",
       0},
      {"the person takes the king",
       levelThree("sente", {"4k4/9/9/9/4R4/9/9/9/4K4 -", "5e5a+"}),
       "man 5e5a+\n"
       "winner man\n"
       "position 4+R4/9/9/9/9/9/9/9/4K4 - w\n",
       0},
      {"the person mates with a drop",
       levelThree("sente", {"4k4/9/4P4/9/9/9/9/9/4K4 G", "G*5b"}),
       "man G*5b\n"
       "winner man\n"
       "position 4k4/4G4/4P4/9/9/9/9/9/4K4 - w\n",
       0},
      {"the computer mates with a drop, then takes the king",
       levelThree("gote", {"4k4/9/9/9/9/9/4p4/9/4K4 g", "5i5h"}),
       "best -1 5 5 8 110 9998\n"
       "com G*5h\n"
       "man 5i5h\n"
       "best 5 7 5 8 11 9999\n"
       "com 5g5h+\n"
       "winner com\n"
       "position 4k4/9/9/9/9/9/9/4+p4/9 G b\n",
       0},
      {"a computer without a move passes",
       levelThree("sente", {"9/9/9/9/9/9/9/9/4K4 -", "5i5h", "5h5g"}),
       "man 5i5h\n"
       "best none\n"
       "man 5h5g\n"
       "best none\n"
       "winner none\n"
       "position 9/9/9/9/9/9/4K4/9/9 - b\n",
       0},
  };
  expectTranscripts(cases);
}

// With --all every scored candidate comes first, in search order, and the
// best line repeats the first of the highest. Under compulsory capture the
// computer scores only the captures: here the two takers of the horse.
TEST(GameCommand, AllShowsTheCandidatesOfEveryComputerTurn) {
  const CommandRun run = runGame(levelThree("sente", {"--all", Even, "7g7f", "8h2b+"}));
  ASSERT_EQ(run.status, 0);
  const std::string recapture = run.out.substr(run.out.find("man 8h2b+\n"));
  EXPECT_EQ(recapture,
            "man 8h2b+\n"
            "cand 2 2 8 2 900 801\n"
            "cand 7 1 8 2 100 1601.5999999999999\n"
            "best 7 1 8 2 100 1601.5999999999999\n"
            "com 3a2b\n"
            "winner none\n"
            "position lnsgkg1nl/1r5s1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL Bb b\n");
}

// Every refusal prints the move as given, the winner and the position as
// they stand, and stops with status 1; later moves are not played.
TEST(GameCommand, RefusedMovesEndTheRun) {
  const std::string answered7g7f = "man 7g7f\nbest 7 3 7 4 10 10\ncom 3c3d\n";
  const std::string after7g7f =
      "winner none\nposition lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL - b\n";
  const std::string untouched = "winner none\nposition " + Even + " b\n";
  const std::vector<Case> cases = {
      {"empty square", levelThree("sente", {Even, "5e5d", "7g7f"}), "refused 5e5d\n" + untouched, 1},
      {"the computer's piece", levelThree("sente", {Even, "5c5d"}), "refused 5c5d\n" + untouched, 1},
      {"a drop from an empty hand", levelThree("sente", {Even, "P*5e"}), "refused P*5e\n" + untouched, 1},
      {"an illegal destination", levelThree("sente", {Even, "7g7e"}), "refused 7g7e\n" + untouched, 1},
      {"onto the person's own piece", levelThree("sente", {Even, "5i4i"}), "refused 5i4i\n" + untouched, 1},
      {"a pawn left without a move", levelThree("sente", {"4k4/8P/9/9/9/9/9/9/4K4 -", "1b1a"}),
       "refused 1b1a\nwinner none\nposition 4k4/8P/9/9/9/9/9/9/4K4 - b\n", 1},
      {"a piece that cannot capture while one can", levelThree("sente", {Even, "7g7f", "2g2f"}),
       answered7g7f + "refused 2g2f\n" + after7g7f, 1},
      {"a capturer moving without capturing", levelThree("sente", {Even, "7g7f", "8h7g"}),
       answered7g7f + "refused 8h7g\n" + after7g7f, 1},
      {"after the person's win", levelThree("sente", {"4k4/9/9/9/4R4/9/9/9/4K4 -", "5e5a", "5i5h"}),
       "man 5e5a\nrefused 5i5h\nwinner man\nposition 4R4/9/9/9/9/9/9/9/4K4 - w\n", 1},
      {"after the computer's win", levelThree("gote", {"4k4/9/9/9/9/9/4p4/9/4K4 g", "5i5h", "G*5e"}),
       "best -1 5 5 8 110 9998\ncom G*5h\nman 5i5h\nbest 5 7 5 8 11 9999\ncom 5g5h+\nrefused G*5e\n"
       "winner com\nposition 4k4/9/9/9/9/9/9/4+p4/9 G b\n",
       1},
  };
  expectTranscripts(cases);
}

// The right button promotes where the left one is refused.
TEST(GameCommand, PromotionByThePlusSign) {
  const CommandRun run = runGame(levelThree("sente", {"4k4/8P/9/9/9/9/9/9/4K4 -", "1b1a+"}));
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with("man 1b1a+\n")) << run.out;
  EXPECT_NE(run.out.find("position 8+P/"), std::string::npos) << run.out;
}

// Bad arguments are found before anything is played: nothing on stdout.
TEST(GameCommand, BadArgumentsPrintOnlyTheReason) {
  const std::vector<std::vector<std::string>> cases = {
      {"--person", "sente", Even},
      {"--level", "6", "--person", "sente", Even},
      {"--level", "3", Even},
      {"--level", "3", "--person", "black", Even},
      {"--level", "3", "--person", "sente"},
      {"--level", "3", "--person", "sente", "--fast", Even},
      {"--level", "3", "--person", "sente", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSN -"},
      {"--level", "3", "--person", "sente", Even, "7g7f", "7g7"},
      {"--level", "3", "--person", "gote", Even, "P*5e+"},
      {"--level", "3", "--person", "gote", Even, "7g7F"},
  };
  for (const auto& args : cases) {
    const CommandRun run = runGame(args);
    EXPECT_EQ(run.status, cli::UsageError) << args.back();
    EXPECT_EQ(run.out, "") << args.back();
    EXPECT_TRUE(run.err.starts_with("game: ")) << run.err;
  }
}

// The tool runs without the player's preferences: a missing settings file
// is not written with the defaults, as the window's start-up would.
TEST(GameCommand, LeavesTheSettingsFileAlone) {
  testing::TempFolder folder;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  const CommandRun run = runGame(levelThree("gote", {Even}));
  std::filesystem::current_path(previous);
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "vudeve.ini"));
}

}  // namespace
}  // namespace vudeve
