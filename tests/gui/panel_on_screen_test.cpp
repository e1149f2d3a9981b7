// The window on a small screen: it starts with its frame at the screen's
// top left and the board at its own size, and returns there from
// maximised; a record's long title stays on the window, clear of the
// bottom player's name. Opening the record panel keeps the window inside the screen's
// available area with every control of the panel whole, and closing it
// gives the window back its former geometry. CTest runs this on
// the offscreen platform's 800 x 600 screen and again on a 1024 x 600 one.
#include <QFile>
#include <QListWidget>
#include <QScreen>
#include <QTest>

#include "support/window_harness.h"

using vudeve::testing::WindowHarness;
using vudeve::window::QtRecordPanel;

namespace {

enum class Shape { AsStarted, Unmaximised, WithALongTitle, MostOfTheScreen, AtTheRightEdge, Maximised };

// A record whose title runs far past its place, as KIF files have them.
const char* const LongTitleKif =
    "開始日時：2023/10/19 09:00:00\n"
    "棋戦：第三十六期竜王戦七番勝負第二局　山田一郎竜王対鈴木誠七段戦（京都）\n"
    "手合割：平手\n先手：山田一郎\n後手：佐藤次郎\n"
    "手数----指手---------消費時間--\n"
    "   1 ７六歩(77)   ( 0:03/00:00:03)\n";
constexpr double NameLength = 4;  // characters, both names

// Reads the record through the panel's file list.
void readLongTitleRecord(WindowHarness& h) {
  QFile file(h.folder() + QStringLiteral("/long.kifu"));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(LongTitleKif);
  file.close();
  h.choose("KIFU_READ");
  auto* files = h.window().findChild<QListWidget*>("File1");
  h.window().panel().refreshFileList();
  const auto found = files->findItems(QStringLiteral("long.kifu"), Qt::MatchExactly);
  QVERIFY(!found.isEmpty());
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.front()).center());
  QCOMPARE(h.game().RecordMode, vudeve::TrueValue);
}

// The red title's pixels on its row lie between the window's left edge and
// the bottom player's name.
void verifyTitleClearOfTheName(vudeve::window::MainWindow& window) {
  vudeve::window::Canvas& canvas = window.canvas();
  const QImage shown = canvas.grab().toImage();
  const double nameX = vudeve::BoardLeft + ((13 - NameLength) / 5 + 3) * vudeve::CellWidth;
  const int top = static_cast<int>(canvas.toWidget({0, 6350}).y());
  const int bottom = static_cast<int>(canvas.toWidget({0, 6350 + 12 * 20}).y());
  int left = shown.width(), right = -1;
  for (int y = top; y <= bottom && y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixelColor(x, y) == QColor(0xFF0000)) left = std::min(left, x), right = std::max(right, x);
  QVERIFY2(right >= 0, "no title");
  QVERIFY(left >= canvas.toWidget({0, 0}).x());
  QVERIFY2(right < canvas.toWidget({nameX, 0}).x(), qPrintable(QStringLiteral("the title ends at %1").arg(right)));
}

QString describe(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

Q_DECLARE_METATYPE(Shape)

class PanelOnScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void panelStaysOnTheScreen_data() {
    QTest::addColumn<Shape>("shape");
    QTest::newRow("as started") << Shape::AsStarted;
    QTest::newRow("maximised, then back") << Shape::Unmaximised;
    QTest::newRow("with a long title") << Shape::WithALongTitle;
    QTest::newRow("most of the screen") << Shape::MostOfTheScreen;
    QTest::newRow("at the right edge") << Shape::AtTheRightEdge;
    QTest::newRow("maximised") << Shape::Maximised;
  }
  void panelStaysOnTheScreen() {
    QFETCH(Shape, shape);
    WindowHarness h;
    QVERIFY(h.start());
    auto& window = h.window();
    const QRect available = window.screen()->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    switch (shape) {
      case Shape::AsStarted: break;
      case Shape::Unmaximised:
        window.showMaximized();
        window.showNormal();
        break;
      case Shape::WithALongTitle:
        readLongTitleRecord(h);
        if (!QTest::currentTestFailed()) verifyTitleClearOfTheName(window);
        if (QTest::currentTestFailed()) return;
        break;
      case Shape::MostOfTheScreen:
        window.move(available.topLeft() + QPoint(20, 10));
        window.resize(available.size() - frame - QSize(60, 40));
        break;
      case Shape::AtTheRightEdge:
        window.move(available.right() + 1 - window.frameGeometry().width(), available.top());
        break;
      case Shape::Maximised: window.showMaximized(); break;
    }
    QVERIFY(available.contains(window.frameGeometry()));
    if (shape == Shape::AsStarted || shape == Shape::Unmaximised) {
      QCOMPARE(window.frameGeometry().topLeft(), window.screen()->geometry().topLeft());
      QCOMPARE(window.canvas().size(), window.canvas().sizeHint());
    }
    const QRect before = window.frameGeometry();
    const int canvasBefore = window.canvas().width();

    h.choose("KIFU_WRITE");
    QCoreApplication::processEvents();  // the layout follows the panel
    auto* panel = window.findChild<QtRecordPanel*>("RecordPanel");
    QVERIFY(panel->isVisible());
    QVERIFY2(available.contains(window.frameGeometry()), qPrintable(describe(window.frameGeometry())));
    if (shape == Shape::AsStarted && before.width() + QtRecordPanel::PanelWidth <= available.width())
      QCOMPARE(window.canvas().width(), canvasBefore);  // room enough: the board keeps its size
    if (shape == Shape::Maximised) {
      QCOMPARE(window.frameGeometry(), before);
      QCOMPARE(window.canvas().width(), canvasBefore - QtRecordPanel::PanelWidth);
    }
    // Every control of the panel lies whole inside the window at no less
    // than the size it needs.
    const QRect client(window.mapToGlobal(QPoint(0, 0)), window.size());
    for (const char* name : {"Drive1", "Dir1", "Text1", "Text2", "Text3", "Text4", "Label1_0", "Label1_3", "Command1"}) {
      auto* control = window.findChild<QWidget*>(name);
      QVERIFY2(control && control->isVisible(), name);
      const QRect at(control->mapToGlobal(QPoint(0, 0)), control->size());
      QVERIFY2(client.contains(at), qPrintable(QStringLiteral("%1 at %2").arg(name, describe(at))));
      const QSize needed = control->minimumSizeHint();
      QVERIFY2(at.width() >= needed.width() && at.height() >= needed.height(), name);
    }

    h.open("OPTION");
    QCoreApplication::processEvents();
    QVERIFY(panel->isHidden());
    QCOMPARE(window.frameGeometry(), before);
    QCOMPARE(window.canvas().width(), canvasBefore);
  }
};

QTEST_MAIN(PanelOnScreenTest)
#include "panel_on_screen_test.moc"
