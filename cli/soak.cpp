// vudeve-cli soak: many games of the computer against itself across the
// levels and handicap grades, each kept as a game record, written to a
// record file, read back and stepped through to its end with 進. Any
// broken position or any difference after the round trip fails the run.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/handlers/position_commands.h"
#include "app/handlers/record_panel_commands.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/folder_panel.h"
#include "engine/search_turn.h"
#include "engine/selfplay.h"
#include "engine/tool_game.h"
#include "record/record.h"
#include "record/record_file.h"
#include "record/replay.h"
#include "rules/handicap.h"
#include "rules/invariants.h"

namespace vudeve::cli {

namespace {

// --levels N: the games go through levels 1..N on each side (3 by default).
constexpr const char* Usage =
    "soak [--games N] [--max-plies P] [--long-plies Q] [--seed S] [--levels N] [--folder DIR]";

// Grades the games go through in turn, both sides' handicaps included.
constexpr int Grades[] = {0, 1, -1, 2, -2, 4, -5, 6, -8, 10, -10, 3};
// Every second game may run to the long cap, past the record's first 501.
constexpr int LongGameEvery = 2;

int usageError(std::ostream& err, const std::string& reason) {
  err << "soak: " << reason << "\nusage: vudeve-cli " << Usage << "\n";
  return UsageError;
}

struct SoakGame {
  int index, topLevel, bottomLevel, grade, maxPlies;
  std::optional<std::uint32_t> seed;
};

struct SoakResult {
  int plies = 0;
  int snapshots = 0;
  std::string winner = "draw";
  std::string problem;  // "" when all held
};

// The position after each ply (entry 0 the start), as the person would see
// it (MAN at the bottom), with made-up clocks: each side's thinking
// milliseconds counted as seconds, so long games reach the wide clock fields
// too.
void storeSnapshot(Game& record, const Game& play, int index, double bottomClock, double topClock) {
  record.Board = play.Board;
  record.ManHand = play.ManHand;
  record.ComHand = play.ComHand;
  record.MoveNumber = index;
  const double bottom = std::floor(bottomClock), top = std::floor(topClock);
  手順保存(record, 0, 0, 0, 0, 0, 0, bottom, bottom, top, top);
}

bool sameEntry(const Game& a, const Game& b, int k) {
  return a.RecordBoard[k] == b.RecordBoard[k] && a.RecordManHand[k] == b.RecordManHand[k] &&
         a.RecordComHand[k] == b.RecordComHand[k] && a.RecordManTimeBefore[k] == b.RecordManTimeBefore[k] &&
         a.RecordManTimeAfter[k] == b.RecordManTimeAfter[k] && a.RecordComTimeBefore[k] == b.RecordComTimeBefore[k] &&
         a.RecordComTimeAfter[k] == b.RecordComTimeAfter[k];
}

// Plays the game the way selfplay does: the bottom side moves on the
// position turned round, as the top side always moves.
SoakResult playAndRecord(const SoakGame& game, Game& record) {
  SoakResult result;
  std::unique_ptr<Game> played = makeToolGame(game.topLevel);
  Game& g = *played;
  g.GameMode = ModeCom;
  設定_ハンデ局面(g, game.grade);
  g.HandicapGrade = game.grade;
  const int removed = std::abs(game.grade);

  double bottomClock = 0, topClock = 0;
  bool bottomToMove = true;
  while (result.plies < game.maxPlies && g.Winner == NoSide) {
    storeSnapshot(record, g, result.plies, bottomClock, topClock);
    // The first move at random, so that games of the same levels differ.
    const auto seed = result.plies == 0 ? game.seed : std::nullopt;
    (bottomToMove ? bottomClock : topClock) +=
        playSelfPlayPly(g, bottomToMove, bottomToMove ? game.bottomLevel : game.topLevel, seed);
    ++result.plies;
    bottomToMove = !bottomToMove;
    if (std::string wrong = checkPosition(g, removed); !wrong.empty()) {
      result.problem = "after ply " + std::to_string(result.plies) + ": " + wrong;
      return result;
    }
  }
  storeSnapshot(record, g, result.plies, bottomClock, topClock);
  if (g.Winner == g.ComSide) result.winner = "top";
  if (g.Winner == g.ManSide) result.winner = "bottom";
  result.snapshots = record.LastMoveNumber + 1;
  return result;
}

// Writes the record through the panel, reads it into a fresh game and
// steps through it; "" when every entry came back as it was.
std::string roundTrip(const SoakGame& game, Game& record, FolderPanel& panel) {
  const std::string name = "soak-" + std::to_string(game.index);
  record.Panel = &panel;
  KIFU_WRITE_Click(record);
  panel.texts[PanelText::Text1] = name;
  panel.texts[PanelText::Text2] = "soak game " + std::to_string(game.index);
  panel.texts[PanelText::Text3] = "level " + std::to_string(game.bottomLevel);
  panel.texts[PanelText::Text4] = "level " + std::to_string(game.topLevel);
  Command1_Click(record);

  Game reader;
  reader.Panel = &panel;
  panel.chosenFile = name + RecordFileExtension;
  File1_Click(reader);
  const int last = record.LastMoveNumber;
  if (reader.RecordMode != TrueValue) return "the written file was not read as a record";
  if (reader.LastMoveNumber != last)
    return std::to_string(reader.LastMoveNumber) + " entries read back, " + std::to_string(last) + " written";
  // The file holds no start: the one read back must be the one played from,
  // and the record must go move by move from it, as KIF has it.
  if (reader.RecordBoard[0] != record.RecordBoard[0] || reader.RecordManHand[0] != record.RecordManHand[0] ||
      reader.RecordComHand[0] != record.RecordComHand[0])
    return "another start read back";
  std::vector<std::string> kif;
  if (std::string error; !変換_棋譜からKIF(reader, kif, error)) return "not written as KIF: " + error;
  for (int k = 1; k <= last; ++k) {
    AFTER_Click(reader);
    if (reader.MoveNumber != k) return "進 stopped at " + std::to_string(reader.MoveNumber);
    if (!sameEntry(record, reader, k)) return "entry " + std::to_string(k) + " changed on the way back";
    if (reader.Board != record.RecordBoard[k] || reader.ManHand != record.RecordManHand[k] ||
        reader.ComHand != record.RecordComHand[k])
      return "進 to " + std::to_string(k) + " shows another position";
    if (std::string wrong = checkPosition(reader, std::abs(game.grade)); !wrong.empty())
      return "進 to " + std::to_string(k) + ": " + wrong;
  }
  AFTER_Click(reader);
  if (reader.MoveNumber != last) return "進 went past the end";
  return "";
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  long long games = 200, maxPlies = 300, longPlies = 600, seed = 1, levels = 3;
  std::string folder;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (i + 1 >= args.size()) return usageError(err, "missing value after " + flag);
    const std::string& value = args[++i];
    if (flag == "--folder") {
      folder = value;
      continue;
    }
    long long* target = flag == "--games"        ? &games
                        : flag == "--max-plies"  ? &maxPlies
                        : flag == "--long-plies" ? &longPlies
                        : flag == "--seed"       ? &seed
                        : flag == "--levels"     ? &levels
                                                 : nullptr;
    if (!target) return usageError(err, "unknown option '" + flag + "'");
    const long long highest = flag == "--seed" ? 0xffffffffLL : flag == "--levels" ? StrongestLevel : 100000;
    const auto number = parseInteger(value, flag == "--seed" ? 0 : 1, highest);
    if (!number) return usageError(err, "bad value '" + value + "' for " + flag);
    *target = *number;
  }

  // A folder of our own unless one is named; ours is removed at the end.
  const bool ownFolder = folder.empty();
  if (ownFolder) folder = (std::filesystem::temp_directory_path() / ("vudeve-soak-" + std::to_string(::getpid()))).string();
  std::filesystem::create_directories(folder);
  FolderPanel panel(folder);

  int failures = 0, pastFirstRecord = 0;
  long long totalPlies = 0, longest = 0;
  for (long long i = 0; i < games; ++i) {
    const SoakGame game{static_cast<int>(i + 1),
                        1 + static_cast<int>(i % levels),
                        1 + static_cast<int>(i / levels % levels),
                        Grades[i % std::size(Grades)],
                        static_cast<int>(i % LongGameEvery == LongGameEvery - 1 ? longPlies : maxPlies),
                        static_cast<std::uint32_t>(seed + i)};
    Game record;
    record.ManSide = SenteSide;  // the bottom side moves first
    record.ComSide = GoteSide;
    SoakResult result = playAndRecord(game, record);
    if (result.problem.empty() && record.LastMoveNumber >= 1) result.problem = roundTrip(game, record, panel);
    totalPlies += result.plies;
    longest = std::max<long long>(longest, result.plies);
    if (result.snapshots > RecordCapacity) ++pastFirstRecord;
    out << "game " << game.index << " levels " << game.topLevel << "," << game.bottomLevel << " handicap " << game.grade
        << " plies " << result.plies << " snapshots " << result.snapshots << " " << result.winner << " "
        << (result.problem.empty() ? "ok" : "FAILED: " + result.problem) << "\n";
    if (!result.problem.empty()) ++failures;
  }
  out << "totals games " << games << " plies " << totalPlies << " longest " << longest << " past-501-snapshots "
      << pastFirstRecord << " failed " << failures << "\n";
  if (ownFolder) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  return failures == 0 ? 0 : 1;
}

const CommandRegistration registration{Command{"soak", Usage, run}};

}  // namespace

}  // namespace vudeve::cli
