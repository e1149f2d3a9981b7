#include "app/platform_adapters.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QDateTime>
#include <QThread>
#include <QTime>
#include <QWidget>

namespace vudeve::window {

MessageAnswer QtMessageBoxes::show(const std::string& text, const std::string& caption, MessageButtons buttons,
                                   MessageIcon icon) {
  QString body = QString::fromStdString(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // Before the window is shown (a warning at start-up) the box stands
  // alone: a box over the window would make the window's window-system
  // window before the window is placed, its frame then above the screen.
  QMessageBox box(parent_->isVisible() ? parent_ : nullptr);
  box.setWindowTitle(QString::fromStdString(caption));
  box.setText(body);
  box.setTextFormat(Qt::PlainText);
  box.setIcon(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  if (buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    if (beforeExec) beforeExec(box);
    return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  box.setStandardButtons(QMessageBox::Ok);
  if (beforeExec) beforeExec(box);
  box.exec();
  return MessageAnswer::Ok;
}

double QtClock::secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

CalendarTime QtClock::now() {
  const QDateTime here = QDateTime::currentDateTime();
  const QDate date = here.date();
  const QTime time = here.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

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

void QtClipboard::setText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtClipboard::text() const { return QGuiApplication::clipboard()->text().toStdString(); }

void QtBackgroundWork::start(Work work, std::function<void()> done) {
  abandon();
  stop_ = false;
  done_ = std::move(done);
  const unsigned turn = ++turn_;
  thread_ = std::thread([this, work = std::move(work), turn] {
    work(stop_);
    QMetaObject::invokeMethod(&context_, [this, turn] { answered(turn); }, Qt::QueuedConnection);
  });
}

void QtBackgroundWork::abandon() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  done_ = nullptr;
  ++turn_;
}

void QtBackgroundWork::answered(unsigned turn) {
  if (turn != turn_ || !done_) return;
  if (thread_.joinable()) thread_.join();
  std::function<void()> done = std::move(done_);
  done_ = nullptr;
  if (!deliver) {
    done();
  } else if (!deliver(done)) {
    done_ = std::move(done);
    QTimer::singleShot(RetryMs, &context_, [this, turn] { answered(turn); });
  }
}

}  // namespace vudeve::window
