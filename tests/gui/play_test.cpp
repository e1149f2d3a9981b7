// Playing against the computer by clicking the real window: the board and
// the messages after each move, the start as 後手 (and its position copied),
// the guard that keeps a second press out of a running handler, LEVEL5
// thinking while the window goes on, and the ways to quit.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <optional>

#include "app/handlers/match_commands.h"
#include "engine/com_turn.h"
#include "engine/search_turn.h"
#include "rules/setup.h"
#include "support/presses.h"
#include "support/window_harness.h"

using vudeve::BoardMap;
using vudeve::testing::WindowHarness;

namespace {

// Squares whose computer piece differs between two positions.
int comSquaresChanged(const BoardMap& before, const BoardMap& after) {
  int changed = 0;
  for (int x = 1; x <= vudeve::BoardSize; ++x)
    for (int y = 1; y <= vudeve::BoardSize; ++y)
      if (before[x][y] != after[x][y] && (before[x][y] > 0 || after[x][y] > 0)) ++changed;
  return changed;
}

// Mean colour of the middle of a cell as the window shows it.
QColor shownCellColor(vudeve::window::Canvas& canvas, double x, double y) {
  const QImage shot = canvas.grab().toImage();
  const double ratio = shot.devicePixelRatio();
  const QPointF a = canvas.toWidget(QPointF(vudeve::BoardLeft + (x + 0.3) * vudeve::CellWidth,
                                            vudeve::BoardTop + (y + 0.3) * vudeve::CellHeight)) * ratio;
  const QPointF b = canvas.toWidget(QPointF(vudeve::BoardLeft + (x + 0.7) * vudeve::CellWidth,
                                            vudeve::BoardTop + (y + 0.7) * vudeve::CellHeight)) * ratio;
  long r = 0, g = 0, bl = 0, n = 0;
  for (int py = static_cast<int>(a.y()); py < static_cast<int>(b.y()); ++py)
    for (int px = static_cast<int>(a.x()); px < static_cast<int>(b.x()); ++px) {
      const QColor c = shot.pixelColor(px, py);
      r += c.red();
      g += c.green();
      bl += c.blue();
      ++n;
    }
  return n == 0 ? QColor() : QColor(int(r / n), int(g / n), int(bl / n));
}

// The computer may announce its move; nothing else may follow the first
// `count` boxes.
bool onlyComputerAnnouncementsAfter(const WindowHarness& h, std::size_t count) {
  for (std::size_t i = count; i < h.shown.size(); ++i)
    if (h.shown[i].text != "   ** 王手 **" && h.shown[i].text != "よし！!") return false;
  return h.shown.size() >= count;
}

class ChosenMove final : public vudeve::ComSearchHooks {
 public:
  std::optional<vudeve::ComCandidate> move;
  void chosen(const vudeve::ComCandidate& c) override { move = c; }
};

int colorDistance(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    harness_ = std::make_unique<WindowHarness>();
    QVERIFY(harness_->start());
  }
  void cleanup() { harness_.reset(); }

  void movesAsSenteAgainstTheComputer() {
    WindowHarness& h = *harness_;
    vudeve::Game& g = h.game();
    QVERIFY(h.shown.empty());
    const QColor emptySquare = shownCellColor(h.window().canvas(), 7, 6);

    h.press(7, 7);
    QCOMPARE(h.texts(), (std::vector<std::string>{"「対局」で始めて下さい"}));
    QCOMPARE(h.shown.back().caption, std::string("開始"));

    h.choose("SENTE");
    QCOMPARE(h.shown.back().text, std::string("MANの番です"));
    QCOMPARE(g.ManSide, vudeve::SenteSide);
    QCOMPARE(g.Turn, vudeve::SenteSide);

    // 7六歩 (file 7 is column 3): the computer answers inside the press.
    BoardMap before = g.Board;
    h.move(3, 7, 3, 6);
    QCOMPARE(g.Board[3][6], vudeve::ManPawn);
    QCOMPARE(g.Board[3][7], vudeve::Empty);
    QCOMPARE(g.Turn, g.ManSide);
    QCOMPARE(g.MoveCount, 2);
    QVERIFY(comSquaresChanged(before, g.Board) >= 2);
    QVERIFY(onlyComputerAnnouncementsAfter(h, 2));
    // The window shows the pawn on its new square, no longer on the old one.
    QVERIFY(colorDistance(shownCellColor(h.window().canvas(), 3, 6), emptySquare) > 30);
    QVERIFY(colorDistance(shownCellColor(h.window().canvas(), 3, 7), emptySquare) < 15);

    // The computer opened its bishop's diagonal: the bishop must be taken.
    // A pawn that cannot capture is refused while the capturers blink.
    QCOMPARE(g.Board[8][2], vudeve::ComBishop);
    const std::size_t beforeRefusal = h.shown.size();
    h.move(8, 7, 8, 6);
    QCOMPARE(g.Board[8][7], vudeve::ManPawn);
    QCOMPARE(g.MoveCount, 2);
    QCOMPARE(h.shown.size(), beforeRefusal + 1);
    QCOMPARE(h.shown.back().text, std::string("\u3000この駒は移動できません\n\n他に移動できる駒があります"));
    QCOMPARE(h.shown.back().caption, std::string("警告"));
    QCOMPARE(g.SelectState, 0);

    before = g.Board;
    h.move(2, 8, 8, 2);
    QCOMPARE(g.MoveCount, 4);
    QCOMPARE(g.Turn, g.ManSide);
    QCOMPARE(g.ManHand[6], 1);
    QVERIFY(comSquaresChanged(before, g.Board) >= 2);
    QVERIFY(onlyComputerAnnouncementsAfter(h, beforeRefusal + 1));
    const std::size_t boxes = h.shown.size();
    h.move(5, 7, 5, 5);
    QCOMPARE(g.Board[5][7], vudeve::ManPawn);
    QCOMPARE(g.MoveCount, 4);
    QCOMPARE(g.SelectState, 0);
    QCOMPARE(h.shown.size(), boxes);
  }

  void asGoteTheComputerOpens() {
    WindowHarness& h = *harness_;
    vudeve::Game& g = h.game();
    const BoardMap start = g.Board;
    h.choose("GOTE");
    QCOMPARE(g.ComSide, vudeve::SenteSide);
    QCOMPARE(g.Turn, g.ManSide);
    QCOMPARE(g.MoveCount, 1);
    QCOMPARE(comSquaresChanged(start, g.Board), 2);
    // 局面コピー writes the computer's army, which moved first, as black.
    h.choose("COPY");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 2"));
    h.move(3, 7, 3, 6);
    QCOMPARE(g.Board[3][6], vudeve::ManPawn);
    QCOMPARE(g.MoveCount, 3);
    QCOMPARE(g.Turn, g.ManSide);
  }

  void handlersDoNotOverlap() {
    WindowHarness& h = *harness_;
    // A press and a command that arrive while the first press waits in its
    // message box are dropped; a close is refused.
    bool closed = true;
    h.duringNextBox = [&] {
      QVERIFY(h.binding().busy());
      h.press(7, 7);
      h.choose("SENTE");
      closed = h.window().close();
    };
    h.press(7, 7);
    QCOMPARE(h.texts(), (std::vector<std::string>{"「対局」で始めて下さい"}));
    QVERIFY(!closed);
    QVERIFY(h.window().isVisible());
    QCOMPARE(h.game().Turn, vudeve::NoSide);
    QVERIFY(!h.binding().busy());
    h.choose("SENTE");
    QCOMPARE(h.game().Turn, vudeve::SenteSide);
  }

  // The press returns while LEVEL5 thinks: the clock runs, a press or a
  // command meanwhile is refused, and the answer, when it comes, is played
  // as a game without a window plays the same move.
  void level5ThinksWhileTheWindowGoesOn() {
    WindowHarness& h = *harness_;
    vudeve::Game& g = h.game();
    h.choose("LEVEL5");
    QVERIFY(h.window().action(QStringLiteral("LEVEL5"))->isChecked());
    QVERIFY(!h.window().action(QStringLiteral("LEVEL3"))->isChecked());
    h.choose("SENTE");

    vudeve::Game alone;
    vudeve::testing::FakePlatform platform;
    vudeve::testing::HeldBackgroundWork held;
    platform.attach(alone);
    alone.Background = &held;
    vudeve::初期設定(alone);
    vudeve::LEVEL5_Click(alone);
    vudeve::SENTE_Click(alone);

    ChosenMove chosen;
    vudeve::ComTurnWatch watch(g, chosen);
    h.move(3, 7, 3, 6);
    vudeve::testing::pressMove(alone, 3, 7, 3, 6);
    QVERIFY(g.ComThinking);
    QCOMPARE(g.MoveCount, 1);

    const BoardMap board = g.Board;
    const std::size_t boxes = h.shown.size();
    const std::string forbidden = "play " + std::to_string(g.ForbiddenSound);
    h.press(3, 6);
    h.choose("REVERSE");
    const std::vector<std::string>& log = h.sound().log;
    QCOMPARE(std::vector<std::string>(log.end() - 2, log.end()), (std::vector<std::string>{forbidden, forbidden}));
    QCOMPARE(g.Board, board);
    QCOMPARE(g.SelectState, 0);
    QCOMPARE(g.Reversed, vudeve::FalseValue);
    QCOMPARE(h.shown.size(), boxes);

    // The window timer runs the computer's clock meanwhile.
    QVERIFY(g.Timer1->enabled());
    QTRY_VERIFY_WITH_TIMEOUT(!g.ComThinking, 20000);
    QVERIFY(chosen.move);
    vudeve::abandonComThinking(alone);
    vudeve::playComMove(alone, *chosen.move);
    QCOMPARE(g.Board, alone.Board);
    QCOMPARE(g.ManHand, alone.ManHand);
    QCOMPARE(g.ComHand, alone.ComHand);
    QCOMPARE(g.Turn, g.ManSide);
    QCOMPARE(g.MoveCount, alone.MoveCount);
    QCOMPARE(g.MoveNumber, alone.MoveNumber);
    QCOMPARE(g.LastMoveNumber, alone.LastMoveNumber);
    for (int k = 0; k <= g.LastMoveNumber; ++k) QCOMPARE(g.RecordBoard[k], alone.RecordBoard[k]);
    QCOMPARE(h.texts(), platform.messages.texts());
    // The thinking is the computer's time.
    QVERIFY(g.ComSeconds > 0);
    QCOMPARE(g.RecordComTimeAfter[2], g.ComSeconds);
  }

  // Quitting while LEVEL5 thinks does not wait for its answer: it ends
  // well before the search's own budget would have.
  void quittingWhileLevel5ThinksEndsAtOnce_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("終わり") << QStringLiteral("OWARI");
    QTest::newRow("Escape") << QStringLiteral("Escape");
    QTest::newRow("closing the window") << QStringLiteral("close");
  }
  void quittingWhileLevel5ThinksEndsAtOnce() {
    QFETCH(QString, way);
    WindowHarness& h = *harness_;
    h.choose("LEVEL5");
    h.choose("GOTE");
    QVERIFY(h.game().ComThinking);
    if (way == QStringLiteral("OWARI"))
      h.choose("OWARI");
    else if (way == QStringLiteral("Escape"))
      QTest::keyClick(&h.window().canvas(), Qt::Key_Escape);
    else
      QVERIFY(h.window().close());
    QCOMPARE(h.programEnds, 1);
    QVERIFY(!h.game().ComThinking);
    QCOMPARE(h.game().MoveCount, 0);
  }

  void escapeQuitsAndOtherKeysDoNot() {
    WindowHarness& h = *harness_;
    QTest::keyClick(&h.window().canvas(), Qt::Key_A);
    QCOMPARE(h.programEnds, 0);
    QVERIFY(!h.binding().ended());
    QTest::keyClick(&h.window().canvas(), Qt::Key_Escape);
    QCOMPARE(h.programEnds, 1);
    QVERIFY(h.binding().ended());
    QCOMPARE(h.sound().log.back(), std::string("terminate"));
    // Nothing runs once the game has shut down, closing included.
    const std::size_t logged = h.sound().log.size();
    h.press(7, 7);
    QVERIFY(h.shown.empty());
    QVERIFY(h.window().close());
    QCOMPARE(h.sound().log.size(), logged);
    QCOMPARE(h.programEnds, 1);
  }

  // Closing a menu with Escape hands the keyboard to the menu bar; the next
  // Escape still reaches the quit handler, whoever had the focus before.
  void escapeQuitsAfterAMenu_data() {
    QTest::addColumn<bool>("focusedBefore");
    QTest::addColumn<bool>("altInstead");
    QTest::addColumn<bool>("boardClicked");
    QTest::newRow("menu closed with Escape") << true << false << false;
    QTest::newRow("nothing focused before, as without a window manager") << false << false << false;
    QTest::newRow("then a click on the board") << true << false << true;
    QTest::newRow("menu bar entered with Alt") << true << true << false;
  }
  void escapeQuitsAfterAMenu() {
    QFETCH(bool, focusedBefore);
    QFETCH(bool, altInstead);
    QFETCH(bool, boardClicked);
    WindowHarness& h = *harness_;
    // Keys go where the platform sends them: the open menu, else the focus.
    QWindow* window = h.window().windowHandle();
    if (!focusedBefore) h.window().canvas().clearFocus();
    if (altInstead) {
      QTest::keyClick(window, Qt::Key_Alt);
    } else {
      QMenu* menu = h.clickTitle("STOP");
      QTRY_VERIFY(menu->isVisible());
      QTest::keyClick(window, Qt::Key_Escape);
      QTRY_VERIFY(!menu->isVisible());
    }
    if (boardClicked) h.press(7, 7);
    QCOMPARE(h.programEnds, 0);
    QTest::keyClick(window, Qt::Key_Escape);
    QCOMPARE(h.programEnds, 1);
  }

  void closingTheWindowUnloads() {
    WindowHarness& h = *harness_;
    QVERIFY(h.window().close());
    QCOMPARE(h.programEnds, 1);
    QVERIFY(h.binding().ended());
    QCOMPARE(h.sound().log.back(), std::string("terminate"));
  }

  void owariQuits() {
    WindowHarness& h = *harness_;
    h.choose("OWARI");
    QCOMPARE(h.programEnds, 1);
    QCOMPARE(h.sound().log.back(), std::string("terminate"));
  }

 private:
  std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
