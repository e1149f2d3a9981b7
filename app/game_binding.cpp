#include "app/game_binding.h"

#include <QCoreApplication>
#include <QDir>
#include <filesystem>

#include "app/handlers/lifecycle.h"
#include "app/handlers/match_commands.h"
#include "app/handlers/mouse_input.h"
#include "app/handlers/position_commands.h"
#include "app/handlers/record_panel_commands.h"
#include "record/record_file.h"
#include "record/replay.h"
#include "ui/clocks.h"
#include "ui/settings.h"

namespace vudeve::window {
namespace {

struct CommandEntry {
  const char* name;
  void (*handler)(Game&);
};

// Every menu entry with a handler; menu titles run theirs when they open.
// 棋譜 (KIFU), 対局(COM), COM対局ﾚﾍﾞﾙ and 背景画 have none.
constexpr CommandEntry Commands[] = {
    {"TAIKYOKU", TAIKYOKU_Click},     {"MATCH_MAN", MATCH_MAN_Click}, {"START", START_Click},
    {"SENTE", SENTE_Click},           {"GOTE", GOTE_Click},           {"LEVEL1", LEVEL1_Click},
    {"LEVEL2", LEVEL2_Click},         {"LEVEL3", LEVEL3_Click},       {"LEVEL4", LEVEL4_Click},
    {"LEVEL5", LEVEL5_Click},         {"OWARI", OWARI_Click},
    {"STOP", STOP_Click},             {"CANCEL", CANCEL_Click},       {"REVERSE", REVERSE_Click},
    {"REPLAY", REPLAY_Click},         {"AFTER", AFTER_Click},         {"LBEL_UP", LBEL_UP_Click},
    {"LEBEL_DOWN", LEBEL_DOWN_Click}, {"KIFU_READ", KIFU_READ_Click}, {"KIFU_WRITE", KIFU_WRITE_Click},
    {"OPTION", OPTION_Click},         {"MIDORI", MIDORI_Click},       {"TATAMI", TATAMI_Click},
    {"TAKE", TAKE_Click},             {"UCHU", UCHU_Click},           {"RENGA", RENGA_Click},
    {"SIDOU", SIDOU_Click},           {"KEIKA", KEIKA_Click},         {"BGM", BGM_Click},
    {"VER", VER_Click},               {"COPY", COPY_Click},           {"KIFU_COPY", KIFU_COPY_Click},
    {"KIFU_PASTE", KIFU_PASTE_Click},
};

}  // namespace

GameBinding::GameBinding(Game& g, window::MainWindow& window, SoundLibrary& sound, std::function<void()> endProgram)
    : g_(g),
      window_(window),
      platform_(window, [this] { quit(); }),
      endProgram_(endProgram ? std::move(endProgram) : [] { QCoreApplication::quit(); }) {
  window_.attach(g_);
  g_.Window = &platform_;
  g_.Sound = &sound;
  g_.Clip = &clipboard_;
  g_.Background = &background_;
  background_.deliver = [this](const std::function<void()>& answer) {
    if (busy_) return false;
    run(answer);
    return true;
  };
  bindCommands();

  window_.canvas().onMousePress = [this](int button, int shift, double x, double y) {
    run([&] { Form_MouseDown(g_, button, shift, x, y); });
  };
  window_.onKeyPress = [this](int code) { run([&] { Form_KeyPress(g_, code); }); };
  window_.onClose = [this] { return close(); };
  window_.onFileDrop = [this](const QString& path) { openRecord(path); };
  window_.timer().onTick = [this] { tick(); };

  QtRecordPanel& panel = window_.panel();
  panel.onDriveChange = [this] { run([&] { Drive1_Change(g_); }); };
  panel.onDirChange = [this] { run([&] { Dir1_Change(g_); }); };
  panel.onFileClick = [this] { run([&] { File1_Click(g_); }); };
  panel.onReturn = [this] { run([&] { Command1_Click(g_); }); };
}

void GameBinding::bindCommands() {
  for (const CommandEntry& entry : Commands) {
    auto handler = entry.handler;
    window_.setCommand(QString::fromLatin1(entry.name), [this, handler] { run([&] { handler(g_); }); });
  }
}

template <class Handler>
void GameBinding::run(Handler&& handler) {
  if (busy_ || ended_) return;
  busy_ = true;
  handler();
  busy_ = false;
}

void GameBinding::start() {
  window_.panel().startAt(QDir::currentPath());
  run([&] { Form_Load(g_); });
  if (!ended_) window_.show();
}

void GameBinding::openRecord(const QString& path) {
  run([&] { Form_DragDrop(g_, std::filesystem::path(path.toStdString())); });
}

void GameBinding::tick() {
  if (ticking_ || ended_) return;
  ticking_ = true;
  Timer1_Timer(g_);
  ticking_ = false;
}

// Closing while a handler waits in its message box would pull the game
// out from under it: the window stays open then.
bool GameBinding::close() {
  if (ended_) return true;
  if (busy_) return false;
  run([&] { Form_Unload(g_); });
  ended_ = true;
  window_.timer().setEnabled(false);
  endProgram_();
  return true;
}

// Called by the game itself after 終了処理, from inside a handler.
void GameBinding::quit() {
  ended_ = true;
  window_.timer().setEnabled(false);
  endProgram_();
}

}  // namespace vudeve::window
