#include "engine/usi_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/com_turn.h"
#include "record/usi_notation.h"
#include "rules/turn_round.h"

namespace vudeve {
namespace {

using Lines = std::vector<std::string>;

// Forty moves of the computer against itself, with drops and promotions.
const std::string MidGame =
    "7g7f 9a9b 2g2f 9c9d 2f2e 9b9c 5i4h 8c8d 6i7h 8b8c 1g1f 7a8b 1f1e 7c7d 4h3h 8a7c 3h2g 7c6e 3i4h 8b7c "
    "6g6f 6e5g 4i5i 5g4i+ 5i4i 7c6d N*3e 4a3b 2g3h 3c3d 3e2c+ 3b2c 2e2d 2c2d 3h2g N*3e 2g3f 2b3c 9g9f 6d5e";

// Scores by a rule of the test; the real evaluation when there is none.
class PinnedScores final : public ComSearchHooks {
 public:
  std::function<double(int fromX, int fromY, int toX, int toY)> rule;
  double score(Game& g, int captured, int placed, int fromX, int fromY, int toX, int toY) override {
    if (rule) return rule(fromX, fromY, toX, toY);
    return ComSearchHooks::score(g, captured, placed, fromX, fromY, toX, toY);
  }
};

class UsiSession : public ::testing::Test {
 protected:
  // What the engine answers to the lines, each line flushed as it came.
  Lines send(const Lines& lines) {
    for (const std::string& line : lines) engine.command(line);
    Lines answer;
    std::istringstream written(out.str());
    for (std::string line; std::getline(written, line);) answer.push_back(line);
    out.str("");
    return answer;
  }
  // The move of "bestmove MOVE", after checking that it is legal there.
  std::string bestMoveIn(const Lines& answer) {
    EXPECT_EQ(answer.size(), 2u);
    if (answer.size() != 2 || !answer[1].starts_with("bestmove ")) return "";
    const std::string move = answer[1].substr(9);
    EXPECT_TRUE(answer[0].starts_with("info depth 1 score ") && answer[0].ends_with(" pv " + move)) << answer[0];
    const std::vector<std::string> legal = standardUsiMoves(*engine.position());
    EXPECT_NE(std::find(legal.begin(), legal.end(), move), legal.end()) << move;
    return move;
  }

  std::ostringstream out;
  PinnedScores scores;
  UsiEngine engine{out, scores};
};

TEST_F(UsiSession, IntroducesItselfAndTakesItsLevel) {
  EXPECT_EQ(send({"usi"}), (Lines{"id name vudeve " VUDEVE_VERSION, "id author the vudeve team",
                                  "option name Level type spin default 3 min 1 max 3", "usiok"}));
  EXPECT_EQ(send({"isready"}), Lines{"readyok"});
  EXPECT_EQ(send({"setoption name USI_Hash value 256", "setoption name Level value 1", "usinewgame"}), Lines{});
  EXPECT_FALSE(engine.command("quit"));
}

// Black plays on the board turned round: a position and the same one
// turned, colours exchanged, get the same answer turned.
TEST_F(UsiSession, AnswersALegalMoveForEitherColourTheSameWayRound) {
  const std::pair<std::string, std::string> games[] = {
      {"position startpos", "7g7f"},
      {"position startpos moves 7g7f", "3c3d"},
      {"position startpos moves 7g7f 3c3d 8h2b+", ""},
      {"position startpos moves 7g7f 3c3d 8h2b+ 3a2b", ""},
      {"position startpos moves " + MidGame, ""},
      {"position startpos moves " + MidGame + " 4i5i", ""},
      // Move number 0, as some hosts send it.
      {"position sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 0 moves 7g7f", "3c3d"},
  };
  for (const auto& [command, expected] : games) {
    const Lines answer = send({command, "go btime 0 wtime 0 byoyomi 1000"});
    const std::string move = bestMoveIn(answer);
    if (!expected.empty()) {
      EXPECT_EQ(move, expected) << command;
    }

    SfenPosition turned = *engine.position();
    turned.pieces = turnedRound(turned.pieces);
    turned.blackToMove = !turned.blackToMove;
    const Lines turnedAnswer = send({"position sfen " + writeSfen(turned), "go"});
    const std::optional<UsiMove> usi = parseUsiMove(bestMoveIn(turnedAnswer));
    ASSERT_TRUE(usi) << command;
    UsiMove back = *usi;
    back.toX = 10 - back.toX;
    back.toY = 10 - back.toY;
    if (!back.drop) {
      back.fromX = 10 - back.fromX;
      back.fromY = 10 - back.fromY;
    }
    EXPECT_EQ(formatUsiMove(back), move) << command;
    EXPECT_EQ(turnedAnswer[0].substr(0, turnedAnswer[0].find(" pv ")), answer[0].substr(0, answer[0].find(" pv ")));
  }
}

TEST_F(UsiSession, SkipsBestScoringCandidatesStandardShogiForbids) {
  struct Case {
    const char* what;
    const char* position;
    int fromX, fromY, toX, toY;  // the candidate scored best, on the board as the SFEN draws it
    const char* answer;
  };
  const Case cases[] = {
      // The silver is pinned to its king by the rook; the king's first step is next.
      {"leaves the king in check", "position sfen 4k4/4s4/9/9/9/9/9/9/K3R4 w - 1", 5, 2, 4, 3, "5a6a"},
      // A pawn dropped in front of the king with every way out covered.
      {"mates with a dropped pawn", "position sfen k8/9/9/9/9/9/4g4/9/3LKL3 w p 1", -1, 1, 5, 8, "9a9b"},
  };
  for (const Case& c : cases) {
    scores.rule = [&c](int fromX, int fromY, int toX, int toY) {
      return fromX == c.fromX && fromY == c.fromY && toX == c.toX && toY == c.toY ? 100.0 : 1.0;
    };
    EXPECT_EQ(send({c.position, "go"}), (Lines{std::string("info depth 1 score cp 1 pv ") + c.answer,
                                               std::string("bestmove ") + c.answer}))
        << c.what;
  }
}

TEST_F(UsiSession, ResignsWithoutALegalMoveAndCallsAMateOne) {
  // White's king is mated by the gold the pawn guards.
  EXPECT_EQ(send({"position sfen 8k/8G/8P/9/9/9/9/9/4K4 w - 1", "go"}), Lines{"bestmove resign"});
  // Black mates with the gold drop.
  EXPECT_EQ(send({"position sfen 4k4/9/4P4/9/9/9/9/9/4K4 b G 1", "go"}),
            (Lines{"info depth 1 score mate 1 pv G*5b", "bestmove G*5b"}));
}

TEST_F(UsiSession, HoldsThePonderedAnswerUntilTheHostAsksForIt) {
  send({"position startpos"});
  EXPECT_EQ(send({"go ponder btime 1000 wtime 1000"}).size(), 1u);  // the info line alone
  EXPECT_EQ(send({"ponderhit"}), Lines{"bestmove 7g7f"});
  EXPECT_EQ(send({"go infinite"}).size(), 1u);
  EXPECT_EQ(send({"stop"}), Lines{"bestmove 7g7f"});
  EXPECT_EQ(send({"stop", "ponderhit"}), Lines{});
  EXPECT_EQ(send({"go ponder", "gameover lose", "stop"}).size(), 1u);
  EXPECT_EQ(send({"go mate 1000"}), Lines{"checkmate notimplemented"});
}

TEST_F(UsiSession, BadLinesAreIgnoredOrRefusedAndTheNextPositionIsTaken) {
  const std::string waiting = "; waiting for the next position";
  const std::string megabyte(1 << 20, 'x');
  const std::string excerpt = "'" + megabyte.substr(0, 40) + "...'";
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {" \t\r", {}},
      {"hello world", {}},
      {"\xff\xfe\x01", {}},
      {"setoption name Level value 4", {"info string error: Level wants 1, 2 or 3, not '4'"}},
      {"setoption name Level", {"info string error: Level wants 1, 2 or 3, not ''"}},
      {"setoption name Level value " + megabyte, {"info string error: Level wants 1, 2 or 3, not " + excerpt}},
      {"position", {"info string error: position wants startpos or sfen" + waiting}},
      {"position sfen", {"info string error: bad SFEN at index 0: the text is empty" + waiting}},
      {"position sfen 9/9/9 b - 1", {"info string error: bad SFEN at index 5: only 3 ranks (9 expected)" + waiting}},
      {"position startpos 7g7f",
       {"info string error: '7g7f' after the position, where moves or nothing belongs" + waiting}},
      {"position startpos moves 7g7f 7g7f", {"info string error: move 2 '7g7f' is not a legal move there" + waiting}},
      {"position startpos moves P*5e", {"info string error: move 1 'P*5e' is not a legal move there" + waiting}},
      {"position startpos moves 7g7", {"info string error: move 1 '7g7' is not a legal move there" + waiting}},
      {"position startpos moves 7g7f " + megabyte,
       {"info string error: move 2 " + excerpt + " is not a legal move there" + waiting}},
      {"position startpos " + megabyte,
       {"info string error: " + excerpt + " after the position, where moves or nothing belongs" + waiting}},
      // Each move is checked alone, against every rule the full list of
      // moves kept: promotion, two pawns, a pinned piece, a pawn drop that
      // mates, a piece that would have no move left.
      {"position startpos moves 7g7f+", {"info string error: move 1 '7g7f+' is not a legal move there" + waiting}},
      {"position sfen 4k4/9/9/9/9/9/4P4/9/4K4 b P 1 moves P*5e",
       {"info string error: move 1 'P*5e' is not a legal move there" + waiting}},
      {"position sfen k3r4/9/9/9/9/9/4G4/9/4K4 b - 1 moves 5g4g",
       {"info string error: move 1 '5g4g' is not a legal move there" + waiting}},
      {"position sfen k8/9/9/9/9/9/4g4/9/3LKL3 w p 1 moves P*5h",
       {"info string error: move 1 'P*5h' is not a legal move there" + waiting}},
      {"position sfen 4k4/P8/9/9/9/9/9/9/4K4 b - 1 moves 9b9a",
       {"info string error: move 1 '9b9a' is not a legal move there" + waiting}},
      {"position sfen 4k4/4R4/9/9/9/9/9/9/4K4 b - 1",
       {"info string error: not a position of standard shogi: the side not to move is in check" + waiting}},
  };
  for (const auto& [line, answer] : cases) {
    EXPECT_EQ(send({line}), answer) << line;
    if (line.starts_with("position"))
      EXPECT_EQ(send({"go"}), (Lines{"info string error: no position to play from; resigning", "bestmove resign"}));
    else
      EXPECT_EQ(send({"go"}).size(), 2u) << line;
    send({"position startpos"});
  }
  EXPECT_EQ(bestMoveIn(send({"go"})), "7g7f");
}

}  // namespace
}  // namespace vudeve
