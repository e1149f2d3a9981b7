// Qt implementations of the platform interfaces other than the drawing
// surface and the record-file panel: message boxes, clocks, the window timer,
// the menu check marks, the clipboard and the background work.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <map>
#include <thread>

#include "platform/ports.h"

class QAction;
class QMessageBox;
class QWidget;

namespace vudeve::window {

class QtMessageBoxes final : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
  MessageAnswer show(const std::string& text, const std::string& caption, MessageButtons buttons,
                     MessageIcon icon) override;
  // Called with every box just before it runs modally, so a test can read
  // it and queue the press of one of its buttons.
  std::function<void(QMessageBox&)> beforeExec;

 private:
  QWidget* parent_;
};

class QtClock final : public Clock {
 public:
  QtClock() { monotonic_.start(); }
  double secondsSinceMidnight() override;
  CalendarTime now() override;
  double monotonicSeconds() override;
  void pause() override;

 private:
  QElapsedTimer monotonic_;
};

// Timer1: a 50 ms window timer whose ticks call onTick.
class QtWindowTimer final : public WindowTimer {
 public:
  static constexpr int IntervalMs = 50;
  QtWindowTimer();
  void setEnabled(bool enabled) override;
  bool enabled() const override { return timer_.isActive(); }
  std::function<void()> onTick;

 private:
  QTimer timer_;
};

// The check marks of the menu actions.
class QtMenu final : public Menu {
 public:
  void bind(MenuItem item, QAction* action) { actions_[item] = action; }
  void setChecked(MenuItem item, bool checked) override;
  bool isChecked(MenuItem item) const override;

 private:
  std::map<MenuItem, QAction*> actions_;
};

// The application's clipboard.
class QtClipboard final : public Clipboard {
 public:
  void setText(const std::string& text) override;
  std::string text() const override;
};

// The work on a thread of its own. Its done is posted back to the window's
// event loop and handed to `deliver`, which runs it when the game is free;
// while a handler runs (a message box's modal loop), the answer asks again
// a moment later.
class QtBackgroundWork final : public BackgroundWork {
 public:
  static constexpr int RetryMs = 50;
  ~QtBackgroundWork() override { abandon(); }
  void start(Work work, std::function<void()> done) override;
  void abandon() override;
  // Runs the answer and says true, or says false when it cannot run now.
  std::function<bool(const std::function<void()>& answer)> deliver;

 private:
  void answered(unsigned turn);

  QObject context_;  // where the answer is posted, on the window's thread
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::function<void()> done_;
  unsigned turn_ = 0;  // an answer posted by abandoned work finds it changed
};

}  // namespace vudeve::window
