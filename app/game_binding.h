// Binds one Game to the main window: the platform adapters, every menu
// entry to its handler, presses, keys, closing and the timer ticks.
//
// Handlers never overlap. A handler that shows a message box runs a modal
// event loop; while it does, presses, keys, menu commands and closing are
// dropped (Qt's modality already keeps most of them from the window), and
// only the Timer1 tick may run, as it would between any two events. Work
// that blocks without an event loop (the one-move look of LEVEL1..3, a
// blink) simply delays the events queued meanwhile until the handler
// returns. The deep search of LEVEL4 and LEVEL5 runs in the background
// instead: the window goes on meanwhile, and its answer is played like a
// handler of its own once no other handler runs.
#pragma once

#include <cstdint>
#include <functional>

#include "app/main_window.h"
#include "app/platform_adapters.h"
#include "rules/game.h"

namespace vudeve::window {

// The window's placement and the end of the program, for the game.
class WindowPlatform final : public vudeve::MainWindow {
 public:
  WindowPlatform(window::MainWindow& window, std::function<void()> quit)
      : window_(window), quit_(std::move(quit)) {}
  double topTwips() const override { return window_.topTwips(); }
  void placeTwips(double left, double top, double width, double height) override {
    window_.placeTwips(left, top, width, height);
  }
  // Names the window without making its window-system window: one made
  // before the window is placed keeps its frame above the screen.
  std::uintptr_t handle() const override { return reinterpret_cast<std::uintptr_t>(&window_); }
  void quit() override { quit_(); }

 private:
  window::MainWindow& window_;
  std::function<void()> quit_;
};

class GameBinding {
 public:
  // endProgram ends the event loop; by default QCoreApplication::quit.
  GameBinding(Game& g, window::MainWindow& window, SoundLibrary& sound, std::function<void()> endProgram = {});
  GameBinding(const GameBinding&) = delete;
  GameBinding& operator=(const GameBinding&) = delete;

  // Form_Load (sounds, settings, the even position, placement), then shows
  // the window. The record panel starts at the current folder.
  void start();
  // Reads a record file as a file dropped on the window is read.
  void openRecord(const QString& path);

  // A handler is running (possibly inside its message box).
  bool busy() const { return busy_; }
  // The game has been shut down (終了処理 has run); nothing runs any more.
  bool ended() const { return ended_; }

 private:
  void bindCommands();
  template <class Handler>
  void run(Handler&& handler);
  void tick();
  bool close();
  void quit();

  Game& g_;
  window::MainWindow& window_;
  WindowPlatform platform_;
  QtClipboard clipboard_;
  QtBackgroundWork background_;
  std::function<void()> endProgram_;
  bool busy_ = false;
  bool ticking_ = false;
  bool ended_ = false;
};

}  // namespace vudeve::window
