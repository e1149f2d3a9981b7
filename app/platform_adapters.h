// Qt implementations of the platform interfaces other than the drawing
// surface and the record-file panel: message boxes, clocks, the window timer,
// the menu check marks and the clipboard.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <map>

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
};

}  // namespace vudeve::window
