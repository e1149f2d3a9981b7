#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "ui/draw.h"

namespace vudeve::window {
namespace {

// The menu bar, left to right; depth 0 entries sit on the bar itself.
struct MenuEntry {
  int depth;
  const char* name;
  const char* caption;
  enum Kind { Submenu, Command, Checkable, Separator } kind;
};

constexpr MenuEntry MenuEntries[] = {
    {0, "TAIKYOKU", "対局", MenuEntry::Submenu},
    {1, "MATCH_MAN", "対局(人間)", MenuEntry::Submenu},
    {2, "START", "スタート", MenuEntry::Command},
    {1, "START2", "対局(COM)", MenuEntry::Submenu},
    {2, "SENTE", "先手", MenuEntry::Command},
    {2, "GOTE", "後手", MenuEntry::Command},
    {1, "LEVEL", "COM対局ﾚﾍﾞﾙ", MenuEntry::Submenu},
    {2, "LEVEL1", "LEVEL1", MenuEntry::Checkable},
    {2, "LEVEL2", "LEVEL2", MenuEntry::Checkable},
    {2, "LEVEL3", "LEVEL3", MenuEntry::Checkable},
    // The deep search's levels, apart from the three of the one-move look.
    {2, nullptr, nullptr, MenuEntry::Separator},
    {2, "LEVEL4", "LEVEL4", MenuEntry::Checkable},
    {2, "LEVEL5", "LEVEL5", MenuEntry::Checkable},
    {1, "OWARI", "終わり", MenuEntry::Command},
    {0, "STOP", "局面", MenuEntry::Submenu},
    {1, "CANCEL", "最初", MenuEntry::Command},
    {1, "REVERSE", "反転", MenuEntry::Command},
    {1, "COPY", "局面コピー", MenuEntry::Command},
    {1, "KIFU_COPY", "棋譜コピー", MenuEntry::Command},
    {1, "KIFU_PASTE", "棋譜貼り付け", MenuEntry::Command},
    {0, "REPLAY", "戻", MenuEntry::Command},
    {0, "AFTER", "進", MenuEntry::Command},
    {0, "LBEL_UP", "△", MenuEntry::Command},
    {0, "LEBEL_DOWN", "▽", MenuEntry::Command},
    {0, "KIFU", "棋譜", MenuEntry::Submenu},
    {1, "KIFU_READ", "読込", MenuEntry::Command},
    {1, "KIFU_WRITE", "書込", MenuEntry::Command},
    {0, "OPTION", "ｵﾌﾟｼｮﾝ", MenuEntry::Submenu},
    {1, "HAIKEI_GA", "背景画", MenuEntry::Submenu},
    {2, "MIDORI", "泥", MenuEntry::Checkable},
    {2, "TATAMI", "畳", MenuEntry::Checkable},
    {2, "TAKE", "竹", MenuEntry::Checkable},
    {2, "UCHU", "宇宙", MenuEntry::Checkable},
    {2, "RENGA", "煉瓦", MenuEntry::Checkable},
    {1, "SIDOU", "移動指導", MenuEntry::Checkable},
    {1, "KEIKA", "経過時間", MenuEntry::Checkable},
    {1, "BGM", "BGM", MenuEntry::Checkable},
    {1, "VER", "その他", MenuEntry::Command},
};

struct CheckItem {
  const char* name;
  MenuItem item;
};
constexpr std::array<CheckItem, 13> CheckItems = {{
    {"LEVEL1", MenuItem::LEVEL1}, {"LEVEL2", MenuItem::LEVEL2}, {"LEVEL3", MenuItem::LEVEL3},
    {"LEVEL4", MenuItem::LEVEL4}, {"LEVEL5", MenuItem::LEVEL5},
    {"MIDORI", MenuItem::MIDORI}, {"TATAMI", MenuItem::TATAMI}, {"TAKE", MenuItem::TAKE},
    {"UCHU", MenuItem::UCHU},     {"RENGA", MenuItem::RENGA},   {"SIDOU", MenuItem::SIDOU},
    {"KEIKA", MenuItem::KEIKA},   {"BGM", MenuItem::BGM},
}};

constexpr int EscapeKey = 27;

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / Canvas::TwipsPerPixel)); }

// The one record file a drag brings, of a kind the file list shows; "" for
// anything else.
QString droppedRecord(const QMimeData* data) {
  if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
  const QString path = data->urls().front().toLocalFile();
  QStringList patterns;
  for (const char* pattern : QtRecordPanel::FilePatterns) patterns << QString::fromUtf8(pattern);
  return QDir::match(patterns, QFileInfo(path).fileName()) ? path : QString();
}

}  // namespace

MainWindow::MainWindow() : messages_(this) {
  setWindowTitle(QStringLiteral("vudeve"));
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  canvas_ = new Canvas(central);
  panel_ = new QtRecordPanel(central);
  row->addWidget(canvas_, 1);
  row->addWidget(panel_, 0);
  setCentralWidget(central);
  panel_->onShownChanged = [this](bool shown) { panelShown(shown); };
  canvas_->setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  canvas_->setFocus();
  buildMenus();
  menuBar()->installEventFilter(this);
  for (const CheckItem& check : CheckItems) menu_.bind(check.item, action(QString::fromLatin1(check.name)));
}

QAction* MainWindow::addCommand(QWidget* owner, const char* name, const char* caption, bool checkable) {
  const QString entry = QString::fromLatin1(name);
  auto* act = new QAction(QString::fromUtf8(caption), owner);
  act->setObjectName(entry);
  act->setCheckable(checkable);
  connect(act, &QAction::triggered, this, [this, act, entry, checkable](bool checked) {
    // Check marks change only when the command sets them, as the game
    // reads the old state to decide what the click means.
    if (checkable) act->setChecked(!checked);
    runCommand(entry);
  });
  owner->addAction(act);
  actions_[entry] = act;
  return act;
}

void MainWindow::buildMenus() {
  std::vector<QWidget*> owners = {menuBar()};
  for (const MenuEntry& entry : MenuEntries) {
    owners.resize(entry.depth + 1);
    QWidget* owner = owners.back();
    if (entry.kind == MenuEntry::Separator) {
      static_cast<QMenu*>(owner)->addSeparator();
      continue;
    }
    if (entry.kind != MenuEntry::Submenu) {
      addCommand(owner, entry.name, entry.caption, entry.kind == MenuEntry::Checkable);
      continue;
    }
    const QString name = QString::fromLatin1(entry.name);
    auto* menu = new QMenu(QString::fromUtf8(entry.caption), owner);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    if (auto* bar = qobject_cast<QMenuBar*>(owner))
      bar->addMenu(menu);
    else
      static_cast<QMenu*>(owner)->addMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, name] { runCommand(name); });
    actions_[name] = menu->menuAction();
    owners.push_back(menu);
  }
}

void MainWindow::attach(Game& g) {
  g.Screen = canvas_;
  g.View = &boardDrawing();
  g.Messages = &messages_;
  g.Time = &clock_;
  g.Timer1 = &timer_;
  g.Menus = &menu_;
  g.Panel = panel_;
}

void MainWindow::setCommand(const QString& name, std::function<void()> command) { commands_[name] = std::move(command); }

void MainWindow::runCommand(const QString& name) {
  if (auto found = commands_.find(name); found != commands_.end() && found->second) found->second();
}

QAction* MainWindow::action(const QString& name) const {
  auto found = actions_.find(name);
  return found == actions_.end() ? nullptr : found->second;
}

double MainWindow::topTwips() const { return frameGeometry().top() * Canvas::TwipsPerPixel; }

void MainWindow::placeTwips(double left, double top, double width, double height) {
  placement_ = QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
  applyPlacement();
}

void MainWindow::applyPlacement() {
  if (placement_.isEmpty()) return;
  // The game's outer size held the board and the menu bar inside a frame
  // of its own; here the window manager's frame, whatever its size, comes
  // around them and the board keeps its size. The panel, while shown,
  // widens the window.
  const QSize board = placement_.size() - QSize(twipsToPixels(StartWidthTwips - Canvas::WidthTwips),
                                                twipsToPixels(StartHeightTwips - Canvas::HeightTwips));
  const int menuHeight = std::max(menuBar()->heightForWidth(board.width()), menuBar()->sizeHint().height());
  resize(board + QSize(panelGrowth_, menuHeight));
  // Before the window is shown this is where the frame's corner goes, the
  // window manager's frame included; after, Qt allows for the frame.
  move(placement_.topLeft());
}

void MainWindow::panelShown(bool shown) {
  if (shown) {
    makeRoomForPanel();
    return;
  }
  giveBackPanelRoom();
  canvas_->setFocus();
}

// The window widens by the panel as far as its screen has room, moving left
// first when its right edge is in the way; where there is no room (or the
// window fills the screen) the canvas gives up the width and scales down.
void MainWindow::makeRoomForPanel() {
  if (isMaximized() || isFullScreen() || screen() == nullptr) return;
  const QRect available = screen()->availableGeometry();
  const QRect outer = frameGeometry();
  panelGrowth_ = std::clamp(available.width() - outer.width(), 0, QtRecordPanel::PanelWidth);
  // Left only as far as the right edge needs, never past the screen's left edge.
  const int overhang = outer.right() + panelGrowth_ - available.right();
  panelShift_ = std::clamp(overhang, 0, std::max(0, outer.left() - available.left()));
  move(pos() - QPoint(panelShift_, 0));
  resize(this->width() + panelGrowth_, height());
}

// Gives back exactly what the panel took, keeping any size the person gave
// the window meanwhile; a maximised window has nothing to give back.
void MainWindow::giveBackPanelRoom() {
  if (!isMaximized() && !isFullScreen()) {
    resize(width() - panelGrowth_, height());
    move(pos() + QPoint(panelShift_, 0));
  }
  panelGrowth_ = 0;
  panelShift_ = 0;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedRecord(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = droppedRecord(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  if (onFileDrop) onFileDrop(path);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  int code = 0;
  if (event->key() == Qt::Key_Escape)
    code = EscapeKey;
  else if (!event->text().isEmpty())
    code = event->text().at(0).unicode();
  if (code != 0 && onKeyPress)
    onKeyPress(code);
  else
    QMainWindow::keyPressEvent(event);
}

// Closing a menu with Escape hands the keyboard to the menu bar, to walk
// the menus with the arrow keys. The bar would eat the next Escape, and keep
// every later one when no widget had the focus before the menu opened (as
// without a window manager). Escape is the game's key: it reaches the
// window's handler whatever the bar is doing.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == menuBar() && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    keyPressEvent(static_cast<QKeyEvent*>(event));
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (onClose && !onClose()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace vudeve::window
