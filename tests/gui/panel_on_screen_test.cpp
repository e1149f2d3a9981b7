// The window on a small screen: it starts with its frame at the screen's
// top left and the board at its own size, and returns there from
// maximised. Opening the record panel keeps the window inside the screen's
// available area with every control of the panel whole, and closing it
// gives the window back its former geometry. CTest runs this on
// the offscreen platform's 800 x 600 screen and again on a 1024 x 600 one.
#include <QScreen>
#include <QTest>

#include "support/window_harness.h"

using vudeve::testing::WindowHarness;
using vudeve::window::QtRecordPanel;

namespace {

enum class Shape { AsStarted, Unmaximised, MostOfTheScreen, AtTheRightEdge, Maximised };

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
