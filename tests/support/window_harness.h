// The whole program in a test: a Game bound to a real main window (shown
// on the offscreen platform), a recording sound library, and the window's
// own message boxes answered from a script as soon as their modal loop
// runs. The test runs in a fresh current folder, where the settings file
// and the record panel start.
#pragma once

#include <QAbstractButton>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/game_binding.h"
#include "app/main_window.h"
#include "support/fakes.h"

namespace vudeve::testing {

struct ShownBox {
  std::string text, caption;
  bool yesNo;
};

class WindowHarness {
 public:
  WindowHarness() : previousFolder_(QDir::currentPath()) {
    QDir::setCurrent(folder_.path());
    window_ = std::make_unique<window::MainWindow>();
    window_->messages().beforeExec = [this](QMessageBox& box) { answer(box); };
    binding_ = std::make_unique<window::GameBinding>(game_, *window_, sound_, [this] { ++programEnds; });
  }
  ~WindowHarness() {
    binding_.reset();
    window_.reset();
    QDir::setCurrent(previousFolder_);
  }
  WindowHarness(const WindowHarness&) = delete;
  WindowHarness& operator=(const WindowHarness&) = delete;

  // Form_Load and show; true once the window is exposed.
  bool start() {
    binding_->start();
    return QTest::qWaitForWindowExposed(window_.get());
  }

  Game& game() { return game_; }
  window::MainWindow& window() { return *window_; }
  window::GameBinding& binding() { return *binding_; }
  RecordingSound& sound() { return sound_; }
  QString folder() const { return folder_.path(); }

  // Presses the centre of a cell of the real canvas.
  void press(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
    window::Canvas& canvas = window_->canvas();
    const QPointF centre(BoardLeft + (x + 0.5) * CellWidth, BoardTop + (y + 0.5) * CellHeight);
    QTest::mouseClick(&canvas, button, {}, canvas.toWidget(centre).toPoint());
  }
  void move(int fromX, int fromY, int toX, int toY) {
    press(fromX, fromY);
    press(toX, toY);
  }
  // Runs a menu command as choosing its entry does.
  void choose(const char* entry) { window_->action(QString::fromLatin1(entry))->trigger(); }
  // Opens a menu title (its command runs when it opens).
  void open(const char* title) { emit window_->findChild<QMenu*>(QString::fromLatin1(title))->aboutToShow(); }
  // Clicks a title of the menu bar, which pops its menu up.
  QMenu* clickTitle(const char* title) {
    QMenuBar* bar = window_->menuBar();
    auto* menu = window_->findChild<QMenu*>(QString::fromLatin1(title));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    return menu;
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const ShownBox& box : shown) out.push_back(box.text);
    return out;
  }

  // Every box shown, its text with line breaks as the box shows them.
  std::vector<ShownBox> shown;
  // Answers for Yes/No boxes (Yes when empty).
  std::deque<QMessageBox::StandardButton> answers;
  // Runs inside the next box's modal loop, before the box is answered.
  std::function<void()> duringNextBox;
  int programEnds = 0;

 private:
  void answer(QMessageBox& box) {
    const bool yesNo = box.button(QMessageBox::Yes) != nullptr;
    shown.push_back({box.text().toStdString(), box.windowTitle().toStdString(), yesNo});
    QMessageBox::StandardButton button = QMessageBox::Ok;
    if (yesNo) {
      button = answers.empty() ? QMessageBox::Yes : answers.front();
      if (!answers.empty()) answers.pop_front();
    }
    std::function<void()> during = std::move(duringNextBox);
    duringNextBox = nullptr;
    QTimer::singleShot(0, &box, [&box, button, during] {
      if (during) during();
      box.button(button)->click();
    });
  }

  QTemporaryDir folder_;
  QString previousFolder_;
  Game game_;
  RecordingSound sound_;
  std::unique_ptr<window::MainWindow> window_;
  std::unique_ptr<window::GameBinding> binding_;
};

}  // namespace vudeve::testing
