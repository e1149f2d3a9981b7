// Whole games against the computer in the real window, to the end: the
// person's side is played by clicking the canvas, each move the first one
// the move generator offers under compulsory capture (a capture of the
// computer's king first), at every level, as 先手 and 後手, even and with
// handicaps either way. The position must stay sound after every move and
// the game must end with one of the two closing messages.
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>

#include "rules/compulsory.h"
#include "rules/invariants.h"
#include "rules/perft.h"
#include "support/window_harness.h"

using vudeve::Game;
using vudeve::Move;
using vudeve::MoveList;
using vudeve::testing::ManualClock;
using vudeve::testing::WindowHarness;

namespace {

constexpr int MaxPlies = 400;
constexpr const char* ManWins = "あなたの勝ちです";
constexpr const char* ComWins = "ｺﾝﾋﾟｭｰﾀの勝ちです";

// What the move generator and the capture tests leave behind in the game;
// put back so that choosing a move does not change what the window's own
// handlers find.
struct SurveyState {
  explicit SurveyState(const Game& g)
      : manInfluence(g.ManInfluence), comInfluence(g.ComInfluence), manGuardCode(g.ManGuardCode),
        comGuardCode(g.ComGuardCode), comGuardX(g.ComGuardX), comGuardY(g.ComGuardY),
        manAttackerCode(g.ManAttackerCode), manAttackerX(g.ManAttackerX), manAttackerY(g.ManAttackerY),
        comAttackerCode(g.ComAttackerCode), comAttackerX(g.ComAttackerX), comAttackerY(g.ComAttackerY),
        manPawnFiles(g.ManPawnFiles), comPawnFiles(g.ComPawnFiles), manKingX(g.ManKingX), manKingY(g.ManKingY),
        comKingX(g.ComKingX), comKingY(g.ComKingY), promotedCode(g.PromotedCode) {}
  void restore(Game& g) const {
    g.ManInfluence = manInfluence;
    g.ComInfluence = comInfluence;
    g.ManGuardCode = manGuardCode;
    g.ComGuardCode = comGuardCode;
    g.ComGuardX = comGuardX;
    g.ComGuardY = comGuardY;
    g.ManAttackerCode = manAttackerCode;
    g.ManAttackerX = manAttackerX;
    g.ManAttackerY = manAttackerY;
    g.ComAttackerCode = comAttackerCode;
    g.ComAttackerX = comAttackerX;
    g.ComAttackerY = comAttackerY;
    g.ManPawnFiles = manPawnFiles;
    g.ComPawnFiles = comPawnFiles;
    g.ManKingX = manKingX;
    g.ManKingY = manKingY;
    g.ComKingX = comKingX;
    g.ComKingY = comKingY;
    g.PromotedCode = promotedCode;
  }
  vudeve::BoardMap manInfluence, comInfluence, manGuardCode, comGuardCode, comGuardX, comGuardY;
  vudeve::BoardMap manAttackerCode, manAttackerX, manAttackerY, comAttackerCode, comAttackerX, comAttackerY;
  std::array<int, 10> manPawnFiles, comPawnFiles;
  int manKingX, manKingY, comKingX, comKingY, promotedCode;
};

// The person's move: the first the rules allow, a capture of the
// computer's king when there is one. False when there is no move at all.
bool choosePersonMove(Game& g, MoveList& list, Move& chosen) {
  const SurveyState saved(g);
  list.size = 0;
  vudeve::generateMoves(g, true, list);
  vudeve::keepCompulsoryCaptures(g, true, list);
  saved.restore(g);
  if (list.size == 0) return false;
  const Move* begin = list.moves.data();
  const Move* end = begin + list.size;
  const Move* kingCapture = std::find_if(begin, end, [&](const Move& m) {
    return m.fromX >= 1 && m.fromX <= vudeve::BoardSize && g.Board[m.toX][m.toY] == vudeve::ComKing;
  });
  chosen = kingCapture != end ? *kingCapture : list.moves[0];
  return true;
}

// Plays the move by pressing its cells: the hand cell or the piece, then
// the destination, with the right button when the piece promotes.
void clickMove(WindowHarness& h, const Move& m) {
  const Game& g = h.game();
  const bool drop = m.fromX == 11;
  const bool promotes = !drop && g.Board[m.fromX][m.fromY] != m.piece;
  h.press(m.fromX, m.fromY);
  h.press(m.toX, m.toY, promotes ? Qt::RightButton : Qt::LeftButton);
}

const char* winnerName(const Game& g) {
  if (g.Winner == g.ManSide) return "person";
  if (g.Winner == g.ComSide) return "computer";
  return "nobody";
}

}  // namespace

class FullGameTest : public QObject {
  Q_OBJECT

 private slots:
  void playsToTheEnd_data() {
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("handicap");
    for (const char* side : {"SENTE", "GOTE"})
      for (const char* level : {"LEVEL1", "LEVEL2", "LEVEL3"})
        for (const char* handicap : {"", "LBEL_UP", "LEBEL_DOWN"}) {
          const std::string name = std::string(side) + " " + level + (*handicap ? " " : "") + handicap;
          QTest::newRow(name.c_str()) << side << level << handicap;
        }
  }

  void playsToTheEnd() {
    QFETCH(QString, side);
    QFETCH(QString, level);
    QFETCH(QString, handicap);
    WindowHarness h;
    QVERIFY(h.start());
    Game& g = h.game();
    // The computer's move waits half a second and blinks the piece through
    // the game's clock; a manual clock lets each wait end at once.
    ManualClock clock;
    clock.step = 1.0;
    g.Time = &clock;

    h.choose(level.toLatin1().constData());
    if (!handicap.isEmpty()) {
      h.choose(handicap.toLatin1().constData());
      h.choose(handicap.toLatin1().constData());
    }
    QCOMPARE(g.HandicapGrade, handicap.isEmpty() ? 0 : handicap == "LBEL_UP" ? 2 : -2);
    const int removed = std::abs(g.HandicapGrade);
    h.choose(side.toLatin1().constData());
    QCOMPARE(g.Turn, g.ManSide);
    QCOMPARE(g.Time, static_cast<vudeve::Clock*>(&clock));
    {
      const std::string wrong = vudeve::checkPosition(g, removed);
      QVERIFY2(wrong.empty(), wrong.c_str());
    }

    auto list = std::make_unique<MoveList>();
    int captures = 0, drops = 0, promotions = 0;
    while (g.Winner == vudeve::NoSide) {
      QVERIFY2(g.MoveCount < MaxPlies, qPrintable(QStringLiteral("no result after %1 plies").arg(MaxPlies)));
      QCOMPARE(g.Turn, g.ManSide);
      Move m{};
      QVERIFY2(choosePersonMove(g, *list, m),
               qPrintable(QStringLiteral("the person has no move at ply %1").arg(g.MoveCount)));
      const int before = g.MoveCount;
      captures += vudeve::isCapture(g, m);
      drops += m.fromX == 11;
      promotions += m.fromX != 11 && g.Board[m.fromX][m.fromY] != m.piece;
      clickMove(h, m);
      const std::string last = h.shown.empty() ? std::string() : h.shown.back().text;
      QVERIFY2(g.MoveCount > before, qPrintable(QStringLiteral("move %1,%2 -> %3,%4 refused at ply %5: %6")
                                                    .arg(m.fromX).arg(m.fromY).arg(m.toX).arg(m.toY)
                                                    .arg(before).arg(QString::fromStdString(last))));
      const std::string wrong = vudeve::checkPosition(g, removed);
      QVERIFY2(wrong.empty(), qPrintable(QStringLiteral("after ply %1: %2").arg(g.MoveCount)
                                             .arg(QString::fromStdString(wrong))));
    }

    const std::vector<std::string> texts = h.texts();
    const bool manMessage = std::find(texts.begin(), texts.end(), ManWins) != texts.end();
    const bool comMessage = std::find(texts.begin(), texts.end(), ComWins) != texts.end();
    QVERIFY(manMessage != comMessage);
    QCOMPARE(manMessage, g.Winner == g.ManSide);
    QCOMPARE(comMessage, g.Winner == g.ComSide);
    qInfo("%s %s %s: %d plies, %s won; the person captured %d times, dropped %d, promoted %d", qPrintable(side),
          qPrintable(level), handicap.isEmpty() ? "even" : qPrintable(handicap), g.MoveCount, winnerName(g), captures,
          drops, promotions);
  }
};

QTEST_MAIN(FullGameTest)
#include "full_game_test.moc"
