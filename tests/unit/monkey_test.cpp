// The monkey: a headless game driven by a seeded random stream of presses
// and menu commands, message boxes answered at random, with every
// invariant a player relies on checked after each event.
//
// VUDEVE_MONKEY_EVENTS (events per seed) and VUDEVE_MONKEY_SEEDS (a comma
// list) make the long run: `make monkey`.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/handlers/lifecycle.h"
#include "app/handlers/match_commands.h"
#include "app/handlers/mouse_input.h"
#include "app/handlers/position_commands.h"
#include "app/handlers/record_panel_commands.h"
#include "record/record_file.h"
#include "record/replay.h"
#include "rules/invariants.h"
#include "rules/legality.h"
#include "support/fakes.h"
#include "support/temp_folder.h"
#include "ui/clocks.h"
#include "ui/settings.h"

namespace vudeve {
namespace {

using testing::FakePlatform;
using testing::TempFolder;

constexpr int DefaultEvents = 10000;
const std::vector<unsigned> DefaultSeeds = {1, 2, 3};

int environmentCount(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text ? std::atoi(text) : fallback;
}

std::vector<unsigned> environmentSeeds() {
  const char* text = std::getenv("VUDEVE_MONKEY_SEEDS");
  if (!text) return DefaultSeeds;
  std::vector<unsigned> seeds;
  std::stringstream list(text);
  for (std::string item; std::getline(list, item, ',');) seeds.push_back(static_cast<unsigned>(std::stoul(item)));
  return seeds;
}

// Which pieces each record entry lacks from a full set, as far as the
// monkey can follow the game from outside: pieces only ever move between
// board and hands, except where a handicap grade takes them away, the
// position is reset, or a snapshot is copied back.
struct PieceModel {
  int live = 0;                       // lacking from the position shown
  std::vector<int> entries;           // lacking from each record entry
  std::map<std::string, int> files;   // lacking from the entries of a written file

  int entry(int k) const { return k >= 0 && k < static_cast<int>(entries.size()) ? entries[k] : NeverStored; }
  void store(int k, int lacking) {
    if (k >= static_cast<int>(entries.size())) entries.resize(k + 1, NeverStored);
    entries[k] = lacking;
  }
  // An entry nothing was stored in holds an empty board.
  static constexpr int NeverStored = 0;
};

class Monkey {
 public:
  // What the model itself found wrong; "" while all holds.
  std::string problem;
  struct Stats {
    int playEvents = 0, gamesWon = 0, filesWritten = 0, filesRead = 0;
  } stats;

  Monkey(unsigned seed, const std::filesystem::path& folder) : random_(seed), folder_(folder) {
    fake_.messages.answerSource = [this] {
      lastAnswer_ = coin(0.5) ? MessageAnswer::Yes : MessageAnswer::No;
      return lastAnswer_;
    };
    start();
  }

  // Runs one event; returns "" or what went wrong after it.
  std::string step() {
    const Before before{g().MoveNumber, g().RecordMode, g().Winner, g().HandicapGrade, g().Reversed};
    lastAnswer_ = MessageAnswer::Ok;
    const std::string event = runRandomEvent(before);
    remember(event);
    if (g().MoveNumber > before.moveNumber && event.rfind("AFTER", 0) != 0) ++stats.playEvents;
    if (g().Winner != NoSide && before.winner == NoSide) ++stats.gamesWon;
    fake_.messages.shown.clear();
    fake_.sound.log.clear();
    return checkInvariants(g(), model_.live);
  }

  std::string history() const {
    std::string out;
    for (const std::string& e : history_) out += "  " + e + "\n";
    return out;
  }
  const Game& game() const { return *game_; }

 private:
  struct Before {
    int moveNumber, recordMode, winner, handicapGrade, reversed;
  };
  enum class Kind { Press, Move, Menu };

  Game& g() { return *game_; }
  const Game& g() const { return *game_; }
  bool coin(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  double real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

  void remember(const std::string& event) {
    history_.push_back(event);
    if (history_.size() > 40) history_.pop_front();
  }

  // A fresh program start in the same folder: the settings and the record
  // files written before are still there.
  void start() {
    game_ = std::make_unique<Game>();
    fake_.attach(*game_);
    fake_.panel = testing::FakePanel();
    fake_.panel.fileFolder = folder_.string();
    fake_.panel.folder = folder_.string();
    g().Screen = &NullPlatform::surface();  // a whole redraw per event would only fill memory
    g().SettingsFolder = folder_.string();
    Form_Load(g());
    model_.live = 0;
    model_.entries.assign(1, PieceModel::NeverStored);
  }

  std::string runRandomEvent(const Before& before) {
    fake_.clock.timeOfDay += real(0, 4);
    if (fake_.clock.timeOfDay >= 86400) fake_.clock.timeOfDay -= 86400;  // past midnight
    const double roll = real(0, 1);
    if (roll < 0.40) return press(before);
    if (roll < 0.62) return move(before);
    return menu(before);
  }

  // Twips of a point inside cell (x, y).
  double cellX(int x) { return BoardLeft + (x + real(0.05, 0.95)) * CellWidth; }
  double cellY(int y) { return BoardTop + (y + real(0.05, 0.95)) * CellHeight; }
  int button() { return coin(0.5) ? LeftButton : RightButton; }

  std::string pressAt(int button, double x, double y, const Before& before) {
    Form_MouseDown(g(), button, 0, x, y);
    afterPlay(before, before.recordMode == TrueValue && lastAnswer_ == MessageAnswer::No);
    std::ostringstream text;
    text << "press " << (button == LeftButton ? "left" : "right") << " at " << x << "," << y << " (col "
         << std::floor((x - BoardLeft) / CellWidth) << ", row " << std::floor((y - BoardTop) / CellHeight)
         << ")";
    return text.str();
  }

  // A press anywhere, weighted toward the board and the hand stands.
  std::string press(const Before& before) {
    const double where = real(0, 1);
    if (where < 0.55) return pressAt(button(), cellX(between(1, 9)), cellY(between(1, 9)), before);
    if (where < 0.70) return pressAt(button(), cellX(11), cellY(between(3, 9)), before);
    if (where < 0.82) return pressAt(button(), cellX(-1), cellY(between(1, 7)), before);
    return pressAt(button(), real(-200, 9700), real(-200, 8200), before);
  }

  // Two presses that make a move the rules allow, so that games go far:
  // a piece (or hand piece) of the side to move, then one of its squares.
  std::string move(const Before& before) {
    struct From {
      int x, y, piece;
    };
    std::vector<From> froms;
    const bool manToMove = g().Turn == g().ManSide;
    for (int x = 1; x <= BoardSize; ++x)
      for (int y = 1; y <= BoardSize; ++y) {
        const int code = g().Board[x][y];
        if (manToMove ? code <= ManPawn : code >= ComPawn) froms.push_back({x, y, code});
      }
    for (int i = 1; i <= 7; ++i) {
      if (manToMove && g().ManHand[i] > 0) froms.push_back({11, i + 2, ManHandPiece[i]});
      if (!manToMove && g().ComHand[i] > 0) froms.push_back({-1, 8 - i, ComHandPiece[i]});
    }
    if (froms.empty()) return press(before);
    const From from = froms[between(0, static_cast<int>(froms.size()) - 1)];
    std::vector<std::array<int, 2>> tos;
    for (int x = 1; x <= BoardSize; ++x)
      for (int y = 1; y <= BoardSize; ++y)
        if (移動チェック(g(), from.x, from.y, x, y, from.piece) == TrueValue) tos.push_back({x, y});
    std::string first = pressAt(LeftButton, cellX(from.x), cellY(from.y), before);
    if (tos.empty()) return first;
    const Before middle{g().MoveNumber, g().RecordMode, g().Winner, g().HandicapGrade, g().Reversed};
    const auto to = tos[between(0, static_cast<int>(tos.size()) - 1)];
    return first + "; " + pressAt(button(), cellX(to[0]), cellY(to[1]), middle);
  }

  // Moves played since `before` stored every entry from the first one's up
  // to the position reached, all of the position's lineage.
  void afterPlay(const Before& before, bool reset) {
    const int from = reset ? 0 : before.moveNumber;
    if (reset) model_.live = 0;
    if (g().MoveNumber > from)
      for (int k = from; k <= g().MoveNumber; ++k) model_.store(k, model_.live);
  }
  void afterStep(const Before& before) {
    if (g().MoveNumber != before.moveNumber) model_.live = model_.entry(g().MoveNumber);
  }
  void afterHandicap(const Before& before) {
    model_.live += std::abs(g().HandicapGrade) - std::abs(before.handicapGrade);
  }

  std::string panelName() {
    static const char* const Names[] = {"a", "b", "棋譜1", "", "c/d", "ｼｮｳｷﾞ"};
    return Names[between(0, 5)];
  }
  std::string panelText() {
    static const char* const Texts[] = {"", "対局", "MAN", "ｺﾝﾋﾟｭｰﾀ", "名人戦 第1局", "\xF0\x9F\x98\x80"};
    return Texts[between(0, 5)];
  }

  std::string writeRecord() {
    KIFU_WRITE_Click(g());
    if (!fake_.panel.textPanelVisible) return "KIFU_WRITE (refused)";
    const std::string name = panelName();
    fake_.panel.texts[PanelText::Text1] = name;
    fake_.panel.texts[PanelText::Text2] = panelText();
    fake_.panel.texts[PanelText::Text3] = panelText();
    fake_.panel.texts[PanelText::Text4] = panelText();
    const int refreshes = fake_.panel.refreshes;
    Command1_Click(g());
    if (fake_.panel.refreshes != refreshes) {
      const int lacking = model_.entry(1);
      for (int k = 2; k <= g().LastMoveNumber; ++k)
        if (model_.entry(k) != lacking) problem = "the record written mixes games (entry " + std::to_string(k) + ")";
      model_.files[name + RecordFileExtension] = lacking;
      ++stats.filesWritten;
    }
    return "KIFU_WRITE, RETURN as '" + name + "'";
  }

  std::string readRecord() {
    KIFU_READ_Click(g());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
      if (entry.path().extension() == RecordFileExtension) names.push_back(entry.path().filename().string());
    names.push_back("none.棋譜");
    fake_.panel.chosenFile = names[between(0, static_cast<int>(names.size()) - 1)];
    const std::size_t shown = fake_.messages.shown.size();
    File1_Click(g());
    // A file that cannot be read leaves the game as it was.
    bool read = false;
    for (std::size_t i = shown; i < fake_.messages.shown.size(); ++i)
      read |= fake_.messages.shown[i].text == " 読み込みました" || fake_.messages.shown[i].text == NoRecordDataMessage;
    if (read) {
      ++stats.filesRead;
      // The start read is the one the game was played from.
      const auto file = model_.files.find(fake_.panel.chosenFile);
      const int lacking = file == model_.files.end() ? 0 : file->second;
      model_.live = lacking;
      for (int k = 0; k <= g().LastMoveNumber; ++k) model_.store(k, lacking);
    }
    return "KIFU_READ, file '" + fake_.panel.chosenFile + "'";
  }

  // Commands that end a game come a quarter as often as the others, so
  // that games grow long enough to reach their middles and ends.
  int menuCommand() {
    for (;;) {
      const int command = between(0, 30);
      const bool endsGame = command == 18 || command == 19 || command == 21 || command >= 28;
      if (!endsGame || coin(0.25)) return command;
    }
  }

  std::string menu(const Before& before) {
    switch (menuCommand()) {
      case 0: TAIKYOKU_Click(g()); return "TAIKYOKU";
      case 1: MATCH_MAN_Click(g()); return "MATCH_MAN";
      case 2: case 3: START_Click(g()); afterPlay(before, before.winner != NoSide); return "START";
      case 4: case 5: SENTE_Click(g()); afterPlay(before, before.winner != NoSide); return "SENTE";
      case 6: case 7: GOTE_Click(g()); afterPlay(before, before.winner != NoSide); return "GOTE";
      case 8: LEVEL1_Click(g()); return "LEVEL1";
      case 9: LEVEL2_Click(g()); return "LEVEL2";
      case 10: LEVEL3_Click(g()); return "LEVEL3";
      case 11: LBEL_UP_Click(g()); afterHandicap(before); return "LBEL_UP";
      case 12: LEBEL_DOWN_Click(g()); afterHandicap(before); return "LEBEL_DOWN";
      case 13: STOP_Click(g()); return "STOP";
      case 14: case 15: REPLAY_Click(g()); afterStep(before); return "REPLAY";
      case 16: case 17: AFTER_Click(g()); afterStep(before); return "AFTER";
      case 18: CANCEL_Click(g()); model_.live = 0; return "CANCEL";
      case 19: REVERSE_Click(g()); return "REVERSE";
      case 20: return writeRecord();
      case 21: return readRecord();
      case 22: {
        const int pick = between(0, 4);
        using Handler = void (*)(Game&);
        static const Handler Backgrounds[] = {MIDORI_Click, TATAMI_Click, TAKE_Click, UCHU_Click, RENGA_Click};
        OPTION_Click(g());
        Backgrounds[pick](g());
        return "background " + std::to_string(pick);
      }
      case 23: SIDOU_Click(g()); return "SIDOU";
      case 24: KEIKA_Click(g()); return "KEIKA";
      case 25: BGM_Click(g()); return "BGM";
      case 26: VER_Click(g()); return "VER";
      case 27: Timer1_Timer(g()); return "Timer1";
      case 28: {
        const int key = between(0, 127);
        Form_KeyPress(g(), key);
        if (key != EscapeKey) return "key " + std::to_string(key);
        start();
        return "Escape, start again";
      }
      case 29:
        fake_.panel.chosenDrive = coin(0.7) ? folder_.string() : (folder_ / "missing").string();
        Drive1_Change(g());
        return "drive " + fake_.panel.chosenDrive;
      default:
        if (coin(0.5)) {
          OWARI_Click(g());
        } else {
          Form_Unload(g());
        }
        start();
        return "quit, start again";
    }
  }

  std::mt19937 random_;
  std::filesystem::path folder_;
  FakePlatform fake_;
  std::unique_ptr<Game> game_;
  PieceModel model_;
  MessageAnswer lastAnswer_ = MessageAnswer::Ok;
  std::deque<std::string> history_;
};

TEST(Monkey, RandomPressesAndCommandsKeepEveryInvariant) {
  TempFolder folder;
  const int events = environmentCount("VUDEVE_MONKEY_EVENTS", DefaultEvents);
  for (unsigned seed : environmentSeeds()) {
    std::filesystem::remove_all(folder.path());
    std::filesystem::create_directories(folder.path());
    Monkey monkey(seed, folder.path());
    int maxMove = 0;
    for (int i = 1; i <= events; ++i) {
      std::string wrong = monkey.step();
      if (wrong.empty()) wrong = monkey.problem;
      ASSERT_EQ(wrong, "") << "seed " << seed << ", event " << i << ", last events:\n" << monkey.history();
      maxMove = std::max(maxMove, monkey.game().MoveNumber);
    }
    std::printf("monkey seed %u: %d events, %d that played moves, %d games won, %d records written, %d read, "
                "deepest move %d\n",
                seed, events, monkey.stats.playEvents, monkey.stats.gamesWon, monkey.stats.filesWritten,
                monkey.stats.filesRead, maxMove);
  }
}

}  // namespace
}  // namespace vudeve
