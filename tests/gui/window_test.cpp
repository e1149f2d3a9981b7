// The window under the offscreen platform: the even position on the canvas,
// the menu bar, and the routing of commands, presses and keys.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/main_window.h"
#include "rules/setup.h"
#include "ui/draw.h"

using vudeve::Game;
using vudeve::window::Canvas;
using vudeve::window::MainWindow;

namespace {

QPointF cellCorner(double x, double y) {
  return QPointF(vudeve::BoardLeft + x * vudeve::CellWidth, vudeve::BoardTop + y * vudeve::CellHeight);
}

// Mean colour of the middle of a rectangle of an image.
QColor meanColor(const QImage& image, QRectF area) {
  const QRectF inner = area.adjusted(area.width() * 0.2, area.height() * 0.2, -area.width() * 0.2, -area.height() * 0.2);
  double r = 0, g = 0, b = 0;
  int n = 0;
  for (int y = static_cast<int>(inner.top()); y < static_cast<int>(inner.bottom()); ++y)
    for (int x = static_cast<int>(inner.left()); x < static_cast<int>(inner.right()); ++x) {
      const QColor c = image.pixelColor(x, y);
      r += c.red();
      g += c.green();
      b += c.blue();
      ++n;
    }
  if (n == 0) return {};
  return QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

bool closeColors(const QColor& a, const QColor& b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<MainWindow>();
    game_ = std::make_unique<Game>();
    window_->attach(*game_);
    game_->BackgroundCode = vudeve::MidoriCode;
    game_->Menus->setChecked(vudeve::MenuItem::MIDORI, true);
    game_->Menus->setChecked(vudeve::MenuItem::LEVEL3, true);
    window_->resize(700, 560);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    vudeve::初期設定(*game_);
  }
  void cleanup() {
    window_.reset();
    game_.reset();
  }

  void evenPositionShowsPiecesAndBackground_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("resized");
    QTest::newRow("MAN king") << vudeve::ManKing << 5.0 << 9.0 << false;
    QTest::newRow("MAN rook") << vudeve::ManRook << 8.0 << 8.0 << false;
    QTest::newRow("COM bishop") << vudeve::ComBishop << 8.0 << 2.0 << false;
    QTest::newRow("empty square") << vudeve::Empty << 5.0 << 5.0 << false;
    QTest::newRow("MAN hand stand") << vudeve::Empty << 11.0 << 4.0 << false;
    QTest::newRow("background right") << vudeve::MidoriCode << 13.0 << 5.0 << false;
    QTest::newRow("background left") << vudeve::MidoriCode << -2.0 << 5.0 << false;
    QTest::newRow("COM king, resized") << vudeve::ComKing << 5.0 << 1.0 << true;
    QTest::newRow("background, resized") << vudeve::MidoriCode << 12.0 << 9.0 << true;
  }
  void evenPositionShowsPiecesAndBackground() {
    QFETCH(int, code);
    QFETCH(double, x);
    QFETCH(double, y);
    QImage picture(vudeve::window::Pictures::resourcePath(code));
    if (picture.isNull()) {
      const QDir sources(QStringLiteral(VUDEVE_ASSETS_DIR "/pictures"));
      QVERIFY2(sources.entryList({QStringLiteral("*.png")}).isEmpty(), "pictures exist but are not embedded");
      QSKIP("no pictures in this tree");
    }
    QFETCH(bool, resized);
    Canvas& canvas = window_->canvas();
    // After a resize the canvas is rebuilt from what was drawn before.
    if (resized) window_->resize(1100, 700);
    const QImage shot = canvas.grab().toImage();
    QCOMPARE(shot.width() > 1000, resized);
    const double ratio = shot.devicePixelRatio();
    const QRectF cell(canvas.toWidget(cellCorner(x, y)) * ratio, canvas.toWidget(cellCorner(x + 1, y + 1)) * ratio);
    const QColor expected = meanColor(picture, QRectF(picture.rect()));
    const QColor seen = meanColor(shot, cell);
    QVERIFY2(closeColors(seen, expected, 16), qPrintable(QStringLiteral("seen %1, picture %2")
                                                            .arg(seen.name(), expected.name())));
    // A square left empty or a tile left unpainted must not pass for the picture.
    for (int other : {vudeve::Empty, vudeve::TitleCode}) {
      if (other == code) continue;
      const QImage wrong(vudeve::window::Pictures::resourcePath(other));
      const QColor wrongMean = meanColor(wrong, QRectF(wrong.rect()));
      if (!closeColors(wrongMean, expected, 16)) QVERIFY(!closeColors(seen, wrongMean, 8));
    }
    QVERIFY(!closeColors(seen, vudeve::window::qbColor(vudeve::BackColorIndex), 8));
  }

  // Where the window's shape differs from the board's, the strips beside
  // the canvas show the chosen background, whether the window was resized
  // before or after the game drew it.
  void marginsShowTheBackground_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("resizedFirst");
    QTest::addColumn<QPointF>("cell");  // a cell wholly inside a margin
    QTest::newRow("wide, resized after drawing") << QSize(1200, 560) << false << QPointF(20, 4);
    QTest::newRow("wide, drawn after resizing") << QSize(1200, 560) << true << QPointF(-5, 4);
    QTest::newRow("tall") << QSize(700, 1000) << false << QPointF(4, -3);
  }
  void marginsShowTheBackground() {
    QFETCH(QSize, size);
    QFETCH(bool, resizedFirst);
    QFETCH(QPointF, cell);
    const QImage picture(vudeve::window::Pictures::resourcePath(vudeve::RengaCode));
    if (picture.isNull()) QSKIP("no pictures in this tree");
    if (resizedFirst) window_->resize(size);
    game_->BackgroundCode = vudeve::RengaCode;
    vudeve::画面_再描画(*game_);
    if (!resizedFirst) window_->resize(size);

    Canvas& canvas = window_->canvas();
    QTRY_COMPARE(canvas.size(), window_->centralWidget()->size());
    const QImage shot = canvas.grab().toImage();
    const double ratio = shot.devicePixelRatio();
    const QRectF board(canvas.toWidget({0, 0}), canvas.toWidget({Canvas::WidthTwips, Canvas::HeightTwips}));
    const QRectF margin(canvas.toWidget(cellCorner(cell.x(), cell.y())),
                        canvas.toWidget(cellCorner(cell.x() + 1, cell.y() + 1)));
    QVERIFY(QRectF(canvas.rect()).contains(margin) && !board.intersects(margin));
    const QColor seen = meanColor(shot, QRectF(margin.topLeft() * ratio, margin.bottomRight() * ratio));
    const QColor expected = meanColor(picture, QRectF(picture.rect()));
    QVERIFY2(closeColors(seen, expected, 16), qPrintable(QStringLiteral("seen %1, picture %2")
                                                            .arg(seen.name(), expected.name())));
  }

  void menuBarHasEveryEntryInOrder() {
    const QStringList bar = {"TAIKYOKU", "STOP", "REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN", "KIFU", "OPTION"};
    QStringList seen;
    for (QAction* a : window_->menuBar()->actions()) seen << a->objectName();
    QCOMPARE(seen, bar);
    QStringList position;
    for (QAction* a : window_->findChild<QMenu*>("STOP")->actions()) position << a->objectName();
    QCOMPARE(position, (QStringList{"CANCEL", "REVERSE", "COPY", "KIFU_COPY", "KIFU_PASTE"}));

    const std::pair<const char*, const char*> captions[] = {
        {"TAIKYOKU", "対局"}, {"MATCH_MAN", "対局(人間)"}, {"START", "スタート"}, {"START2", "対局(COM)"},
        {"SENTE", "先手"}, {"GOTE", "後手"}, {"LEVEL", "COM対局ﾚﾍﾞﾙ"}, {"LEVEL1", "LEVEL1"},
        {"LEVEL2", "LEVEL2"}, {"LEVEL3", "LEVEL3"}, {"OWARI", "終わり"}, {"STOP", "局面"},
        {"CANCEL", "最初"}, {"REVERSE", "反転"}, {"COPY", "局面コピー"}, {"KIFU_COPY", "棋譜コピー"},
        {"KIFU_PASTE", "棋譜貼り付け"},
        {"REPLAY", "戻"}, {"AFTER", "進"},
        {"LBEL_UP", "△"}, {"LEBEL_DOWN", "▽"}, {"KIFU", "棋譜"}, {"KIFU_READ", "読込"},
        {"KIFU_WRITE", "書込"}, {"OPTION", "ｵﾌﾟｼｮﾝ"}, {"HAIKEI_GA", "背景画"}, {"MIDORI", "泥"},
        {"TATAMI", "畳"}, {"TAKE", "竹"}, {"UCHU", "宇宙"}, {"RENGA", "煉瓦"},
        {"SIDOU", "移動指導"}, {"KEIKA", "経過時間"}, {"BGM", "BGM"}, {"VER", "その他"}};
    for (const auto& [name, caption] : captions) {
      QAction* a = window_->action(QString::fromLatin1(name));
      QVERIFY2(a != nullptr, name);
      QCOMPARE(a->text(), QString::fromUtf8(caption));
    }
    for (const char* name : {"LEVEL1", "LEVEL2", "LEVEL3", "MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA", "SIDOU",
                             "KEIKA", "BGM"})
      QVERIFY2(window_->action(QString::fromLatin1(name))->isCheckable(), name);
    QVERIFY(window_->action("MIDORI")->isChecked());
    QVERIFY(window_->action("LEVEL3")->isChecked());
  }

  void commandsRunAndLeaveCheckMarksToTheGame() {
    QStringList ran;
    for (const char* name : {"START", "KEIKA", "REPLAY", "TAIKYOKU"})
      window_->setCommand(QString::fromLatin1(name), [&ran, name] { ran << QString::fromLatin1(name); });
    window_->action("START")->trigger();
    window_->action("KEIKA")->trigger();
    window_->action("REPLAY")->trigger();
    window_->action("SENTE")->trigger();  // no command yet: nothing happens
    emit window_->findChild<QMenu*>("TAIKYOKU")->aboutToShow();
    QCOMPARE(ran, (QStringList{"START", "KEIKA", "REPLAY", "TAIKYOKU"}));
    QVERIFY(!window_->action("KEIKA")->isChecked());
    QVERIFY(!game_->Menus->isChecked(vudeve::MenuItem::KEIKA));
  }

  void pressesArriveInTwipsWithTheirButton() {
    Canvas& canvas = window_->canvas();
    int button = 0;
    QPointF at;
    canvas.onMousePress = [&](int b, int, double x, double y) {
      button = b;
      at = QPointF(x, y);
    };
    const QPointF target = cellCorner(3.5, 7.5);
    QTest::mouseClick(&canvas, Qt::RightButton, {}, canvas.toWidget(target).toPoint());
    QCOMPARE(button, 2);
    const double pixelTwips = 1 / (canvas.toWidget(QPointF(1, 0)).x() - canvas.toWidget(QPointF(0, 0)).x());
    QVERIFY(std::abs(at.x() - target.x()) <= pixelTwips);
    QVERIFY(std::abs(at.y() - target.y()) <= pixelTwips);
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, canvas.toWidget(target).toPoint());
    QCOMPARE(button, 1);
  }

  void escapeIsKeyTwentySeven() {
    int key = 0;
    window_->onKeyPress = [&](int code) { key = code; };
    QTest::keyClick(&window_->canvas(), Qt::Key_Escape);
    QCOMPARE(key, 27);
    QTest::keyClick(&window_->canvas(), Qt::Key_A);
    QCOMPARE(key, int('a'));
  }

  void closingAsksTheCallback() {
    int asked = 0;
    bool allow = false;
    window_->onClose = [&] {
      ++asked;
      return allow;
    };
    QVERIFY(!window_->close());
    QVERIFY(window_->isVisible());
    allow = true;
    QVERIFY(window_->close());
    QCOMPARE(asked, 2);
  }

 private:
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<Game> game_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
