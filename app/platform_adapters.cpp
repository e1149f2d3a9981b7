#include "app/platform_adapters.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTime>
#include <QWidget>

namespace vudeve::window {

MessageAnswer QtMessageBoxes::show(const std::string& text, const std::string& caption, MessageButtons buttons,
                                   MessageIcon icon) {
  QString body = QString::fromStdString(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(parent_);
  box.setWindowTitle(QString::fromStdString(caption));
  box.setText(body);
  box.setTextFormat(Qt::PlainText);
  box.setIcon(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  if (buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return MessageAnswer::Ok;
}

double QtClock::secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double QtClock::monotonicSeconds() { return static_cast<double>(monotonic_.nsecsElapsed()) / 1e9; }

// Sleeps without handling events: the busy waits of the game block the
// window on purpose.
void QtClock::pause() { QThread::msleep(1); }

QtWindowTimer::QtWindowTimer() {
  timer_.setInterval(IntervalMs);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (onTick) onTick();
  });
}

void QtWindowTimer::setEnabled(bool enabled) {
  if (enabled && !timer_.isActive())
    timer_.start();
  else if (!enabled)
    timer_.stop();
}

void QtMenu::setChecked(MenuItem item, bool checked) {
  if (auto found = actions_.find(item); found != actions_.end()) found->second->setChecked(checked);
}

bool QtMenu::isChecked(MenuItem item) const {
  auto found = actions_.find(item);
  return found != actions_.end() && found->second->isChecked();
}

PlaceholderRecordPanel::PlaceholderRecordPanel(QWidget* parent)
    : drive_(new QListWidget(parent)),
      dir_(new QListWidget(parent)),
      file_(new QListWidget(parent)),
      textPanel_(new QWidget(parent)) {
  drive_->setObjectName(QStringLiteral("Drive1"));
  dir_->setObjectName(QStringLiteral("Dir1"));
  file_->setObjectName(QStringLiteral("File1"));
  auto* layout = new QGridLayout(textPanel_);
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(textPanel_);
    label->setObjectName(QStringLiteral("Label1_%1").arg(i));
    texts_[i] = new QLineEdit(textPanel_);
    texts_[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
    layout->addWidget(label, i, 0);
    layout->addWidget(texts_[i], i, 1);
  }
  auto* button = new QPushButton(QStringLiteral("RETURN"), textPanel_);
  button->setObjectName(QStringLiteral("Command1"));
  layout->addWidget(button, 4, 1);
  for (QWidget* w : {static_cast<QWidget*>(drive_), static_cast<QWidget*>(dir_), static_cast<QWidget*>(file_), textPanel_})
    w->hide();
}

void PlaceholderRecordPanel::setListsVisible(bool drive, bool dir, bool file) {
  drive_->setVisible(drive);
  dir_->setVisible(dir);
  file_->setVisible(file);
}

void PlaceholderRecordPanel::showTextPanel() { textPanel_->show(); }

std::string PlaceholderRecordPanel::text(PanelText box) const {
  return texts_[static_cast<int>(box) - 1]->text().toStdString();
}

void PlaceholderRecordPanel::hideAndClearTextPanel() {
  for (QLineEdit* text : texts_) text->clear();
  textPanel_->hide();
}

}  // namespace vudeve::window
