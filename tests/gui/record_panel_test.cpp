// The record-file panel in the real window: 書込 opens it with the text
// boxes, RETURN writes the file, 読込 lists it, a click reads it back and
// 進 steps through it; the folder and drive lists move the panel around.
#include <QComboBox>
#include <QDropEvent>
#include <QDir>
#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>
#include <QPushButton>
#include <QTest>

#include "support/window_harness.h"

using vudeve::testing::WindowHarness;

namespace {

QListWidgetItem* itemNamed(QListWidget* list, const QString& text) {
  const auto found = list->findItems(text, Qt::MatchExactly);
  return found.isEmpty() ? nullptr : found.front();
}

// Japanese text arrives through the input method, committed at once.
void typeText(QWidget* edit, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(edit, &commit);
}

QStringList itemTexts(QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

}  // namespace

class RecordPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    harness_ = std::make_unique<WindowHarness>();
    QVERIFY(harness_->start());
  }
  void cleanup() { harness_.reset(); }

  void writesReadsAndStepsARecord() {
    WindowHarness& h = *harness_;
    vudeve::Game& g = h.game();
    QWidget* panel = h.window().findChild<QWidget*>("RecordPanel");
    auto* files = h.window().findChild<QListWidget*>("File1");
    auto* folders = h.window().findChild<QListWidget*>("Dir1");
    QVERIFY(panel && files && folders);
    QVERIFY(panel->isHidden());

    h.choose("SENTE");
    h.move(3, 7, 3, 6);
    // Index 1 is the position after the person's move, 2 after the
    // computer's answer.
    QCOMPARE(g.LastMoveNumber, 2);
    QCOMPARE(g.RecordBoard[2], g.Board);
    const vudeve::BoardMap afterFirstMove = g.RecordBoard[1];

    const int narrow = h.window().width();
    h.choose("KIFU_WRITE");
    QVERIFY(panel->isVisible());
    QVERIFY(files->isHidden());
    QVERIFY(folders->isVisible());

    const std::pair<const char*, const char*> typed[] = {
        {"Text2", "練習対局"}, {"Text3", "わたし"}, {"Text4", "COM"}, {"Text1", "first"}};
    for (const auto& [name, text] : typed) {
      auto* edit = h.window().findChild<QLineEdit*>(name);
      QVERIFY2(edit && edit->isVisible(), name);
      typeText(edit, QString::fromUtf8(text));
    }
    QTest::mouseClick(h.window().findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(h.shown.back().text, std::string("棋譜を書き込みました"));
    QCOMPARE(h.shown.back().caption, std::string("  "));
    QVERIFY(panel->isHidden());
    QCOMPARE(h.window().width(), narrow);

    QFile written(QDir(h.folder()).filePath(QStringLiteral("first.棋譜")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 6);  // three header lines, two record lines, the end
    QCOMPARE(lines[1], QByteArray("COM\r"));
    QCOMPARE(lines[3].size(), 359);

    // 書込 again: the boxes were emptied when the panel closed.
    h.choose("KIFU_WRITE");
    QCOMPARE(h.window().findChild<QLineEdit*>("Text1")->text(), QString());
    h.open("OPTION");
    QVERIFY(panel->isHidden());

    h.choose("KIFU_READ");
    QVERIFY(files->isVisible());
    QVERIFY(!h.window().findChild<QLineEdit*>("Text1")->isVisible());
    QCOMPARE(itemTexts(files), QStringList{QStringLiteral("first.棋譜")});
    QListWidgetItem* item = itemNamed(files, QStringLiteral("first.棋譜"));
    const std::size_t boxes = h.shown.size();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(item).center());
    QCOMPARE(h.shown.size(), boxes + 2);
    QCOMPARE(h.shown[boxes].text, std::string(" 読み込みました"));
    QCOMPARE(h.shown[boxes].caption, std::string("棋譜"));
    QCOMPARE(h.shown[boxes + 1].text, std::string("棋譜を '進 'で進めて下さい"));
    QCOMPARE(g.RecordMode, vudeve::TrueValue);
    QCOMPARE(g.LastMoveNumber, 2);
    QCOMPARE(g.Board[3][7], vudeve::ManPawn);
    QVERIFY(panel->isHidden());

    h.choose("AFTER");
    QCOMPARE(g.MoveNumber, 1);
    QCOMPARE(g.Board, afterFirstMove);
    QCOMPARE(g.Board[3][6], vudeve::ManPawn);
  }

  // A record dropped on the window reads as if chosen in 読込; one named
  // when the game starts (as `vudeve FILE`) goes the same way, and a file
  // that cannot be read gets its message and leaves the game as it was.
  void dropsAndNamedFilesAreRead() {
    WindowHarness& h = *harness_;
    vudeve::Game& g = h.game();
    const QString kif = h.folder() + QStringLiteral("/dropped.kifu");
    QFile file(kif);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("手合割：平手\r\n手数----指手---------消費時間--\r\n   1 ７六歩(77)\r\n   2 ３四歩(33)\r\n");
    file.close();

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(kif)});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&h.window(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&h.window(), &drop);
    QCOMPARE(g.RecordMode, vudeve::TrueValue);
    QCOMPARE(g.LastMoveNumber, 2);

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(h.folder() + QStringLiteral("/picture.png"))});
    QDragEnterEvent refused(QPoint(100, 100), Qt::CopyAction, &other, Qt::LeftButton, {});
    QApplication::sendEvent(&h.window(), &refused);
    QVERIFY(!refused.isAccepted());

    h.choose("AFTER");
    const vudeve::BoardMap shown = g.Board;
    h.shown.clear();
    h.binding().openRecord(h.folder() + QStringLiteral("/missing.kif"));
    QCOMPARE(h.shown.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(h.shown[0].text).startsWith(QStringLiteral("棋譜ﾌｧｲﾙを読み込めませんでした")));
    QCOMPARE(g.Board, shown);
    QCOMPARE(g.MoveNumber, 1);
  }

  void foldersAndDrivesMoveTheLists() {
    WindowHarness& h = *harness_;
    QDir here(h.folder());
    QVERIFY(here.mkdir(QStringLiteral("sub")));
    QFile record(here.filePath(QStringLiteral("sub/kept.棋譜")));
    QVERIFY(record.open(QIODevice::WriteOnly));
    record.close();
    for (const char* name : {"sub/notes.txt", "sub/game.kif", "sub/game.kifu"}) {
      QFile other(here.filePath(QString::fromUtf8(name)));
      QVERIFY(other.open(QIODevice::WriteOnly));
      other.close();
    }

    auto* files = h.window().findChild<QListWidget*>("File1");
    auto* folders = h.window().findChild<QListWidget*>("Dir1");
    auto* drives = h.window().findChild<QComboBox*>("Drive1");
    vudeve::RecordPanel& panel = h.window().panel();
    h.choose("KIFU_READ");
    QVERIFY(files->isVisible() && folders->isVisible() && drives->isVisible());
    QCOMPARE(QString::fromStdString(panel.folderPath()), QDir(h.folder()).absolutePath());
    QVERIFY(itemTexts(files).isEmpty());

    // A click points at a folder; a double click goes into it.
    QListWidgetItem* sub = itemNamed(folders, QStringLiteral("sub"));
    QVERIFY(sub);
    const QPoint subAt = folders->visualItemRect(sub).center();
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, subAt);
    QVERIFY(itemTexts(files).isEmpty());
    QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, subAt);
    QCOMPARE(QString::fromStdString(panel.fileListPath()), here.filePath(QStringLiteral("sub")));
    // Record files of both kinds, nothing else.
    QCOMPARE(itemTexts(files), (QStringList{QStringLiteral("game.kif"), QStringLiteral("game.kifu"), QStringLiteral("kept.棋譜")}));
    QCOMPARE(folders->item(0)->text(), QStringLiteral(".."));
    folders->setCurrentRow(0);
    QTest::keyClick(folders, Qt::Key_Return);
    QCOMPARE(QString::fromStdString(panel.fileListPath()), QDir(h.folder()).absolutePath());

    // The home folder comes first among the drives; choosing it moves both lists.
    QVERIFY(drives->count() >= 1);
    QCOMPARE(drives->itemData(0).toString(), QDir::homePath());
    drives->setCurrentIndex(0);
    emit drives->activated(0);
    QCOMPARE(QString::fromStdString(panel.folderPath()), QDir::homePath());
    QCOMPARE(QString::fromStdString(panel.fileListPath()), QDir::homePath());
    QVERIFY(h.shown.empty());
  }

 private:
  std::unique_ptr<WindowHarness> harness_;
};

QTEST_MAIN(RecordPanelTest)
#include "record_panel_test.moc"
