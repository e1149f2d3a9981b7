// The main window: the menu bar, the canvas and the platform adapters. It
// holds no game state; every menu command, mouse press, key press and the
// closing of the window go to callbacks that the game's handlers fill in.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>

#include "app/canvas.h"
#include "app/platform_adapters.h"
#include "app/record_panel.h"
#include "rules/game.h"

class QMenu;

namespace vudeve::window {

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // The window's outer size at start-up, in twips: the board (the canvas)
  // and the menu bar inside the frame.
  static constexpr double StartWidthTwips = 9500;
  static constexpr double StartHeightTwips = 8000;

  MainWindow();

  Canvas& canvas() { return *canvas_; }
  QtWindowTimer& timer() { return timer_; }
  QtMenu& menu() { return menu_; }
  QtMessageBoxes& messages() { return messages_; }
  QtRecordPanel& panel() { return *panel_; }

  // Plugs the window's drawing surface, message boxes, clock, timer, menu
  // and record panel into the game.
  void attach(Game& g);

  // What a menu entry does, by the entry's name (START, KIFU_READ, ...).
  // Menu titles run their command when they open (TAIKYOKU, STOP, ...).
  void setCommand(const QString& name, std::function<void()> command);
  void runCommand(const QString& name);
  QAction* action(const QString& name) const;

  // A typed key by its character code (Escape is 27).
  std::function<void(int keyCode)> onKeyPress;
  // The window is being closed; answering false keeps it open.
  std::function<bool()> onClose;
  // A record file was dropped on the window (its local path).
  std::function<void(const QString& path)> onFileDrop;

  // The window's outer edges (frame included) in twips. Placing puts the
  // frame's corner at (left, top) and gives the board its part of the
  // outer size; before the window is shown it takes effect when it is.
  double topTwips() const;
  void placeTwips(double left, double top, double width, double height);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus();
  QAction* addCommand(QWidget* owner, const char* name, const char* caption, bool checkable);
  void applyPlacement();
  // The window makes room for the record panel while the panel is shown.
  void panelShown(bool shown);
  void makeRoomForPanel();
  void giveBackPanelRoom();

  Canvas* canvas_;
  QtMessageBoxes messages_;
  QtClock clock_;
  QtWindowTimer timer_;
  QtMenu menu_;
  QtRecordPanel* panel_;
  QRect placement_;  // outer geometry in pixels; empty until placed
  int panelGrowth_ = 0;  // how much wider the window became for the panel
  int panelShift_ = 0;   // how far it moved left to keep the panel on screen
  std::map<QString, std::function<void()>> commands_;
  std::map<QString, QAction*> actions_;
};

}  // namespace vudeve::window
