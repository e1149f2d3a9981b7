// Qt implementations of the platform interfaces other than the drawing
// surface: message boxes, clocks, the window timer, the menu check marks and
// a stand-in for the record-file panel.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <map>

#include "ui/platform.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace vudeve::window {

class QtMessageBoxes final : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}
  MessageAnswer show(const std::string& text, const std::string& caption, MessageButtons buttons,
                     MessageIcon icon) override;

 private:
  QWidget* parent_;
};

class QtClock final : public Clock {
 public:
  QtClock() { monotonic_.start(); }
  double secondsSinceMidnight() override;
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

// The controls of the record-file panel, hidden inside the window until the
// panel is built for real.
class PlaceholderRecordPanel final : public RecordPanel {
 public:
  explicit PlaceholderRecordPanel(QWidget* parent);
  void setListsVisible(bool drive, bool dir, bool file) override;
  void showTextPanel() override;
  void hideAndClearTextPanel() override;
  std::string text(PanelText box) const override;
  std::string drive() const override { return folder_; }
  std::string folderPath() const override { return folder_; }
  void setFolderPath(const std::string& path) override { folder_ = path; }
  std::string fileListPath() const override { return folder_; }
  void setFileListPath(const std::string& path) override { folder_ = path; }
  std::string fileName() const override { return {}; }
  void refreshFileList() override {}

 private:
  std::string folder_;
  QListWidget* drive_;
  QListWidget* dir_;
  QListWidget* file_;
  QWidget* textPanel_;
  QLineEdit* texts_[4];
};

}  // namespace vudeve::window
