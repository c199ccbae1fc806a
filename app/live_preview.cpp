#include "app/live_preview.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTextBlock>
#include <QThread>
#include <utility>

#include "app/console_edit.h"
#include "app/status_line.h"
#include "console/preview.h"

namespace orvo::app {

LivePreview::LivePreview(ConsoleEdit& console, StatusLine& status)
    : QObject(&console), console_(console), status_(status) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &LivePreview::Start);
  auto restart = [this] { timer_.start(); };
  connect(&console_, &QPlainTextEdit::textChanged, this, restart);
  connect(&console_, &QPlainTextEdit::cursorPositionChanged, this, restart);
  connect(&console_, &ConsoleEdit::answered, this, &LivePreview::ShowNote);
  console_.installEventFilter(this);
}

void LivePreview::ShowNote(const QString& note) {
  timer_.stop();
  holdingNote_ = true;
  status_.SetPreview(note);
}

bool LivePreview::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && holdingNote_) {
    holdingNote_ = false;
    timer_.start();
  }
  return QObject::eventFilter(watched, event);
}

LivePreview::~LivePreview() {
  if (worker_ != nullptr) worker_->wait();
}

std::optional<std::string> LivePreview::LineAtCaret() const {
  // The prompt line starts after the last backslash; search from the end, block by block.
  int start = 0;
  for (QTextBlock block = console_.document()->lastBlock(); block.isValid();
       block = block.previous()) {
    qsizetype slash = block.text().lastIndexOf(u'\\');
    if (slash >= 0) {
      start = block.position() + static_cast<int>(slash) + 1;
      break;
    }
  }
  if (console_.textCursor().position() < start) return std::nullopt;
  return console_.TextAfterLastBackslash();
}

void LivePreview::Start() {
  // The session is busy with a command (this runs while it lets the window repaint): later.
  if (console_.interrupt().Running()) {
    timer_.start();
    return;
  }
  if (holdingNote_) return;
  std::optional<std::string> line = LineAtCaret();
  if (!line) {
    status_.SetPreview({});
    return;
  }
  if (worker_ != nullptr) {
    pending_ = true;
    return;
  }
  worker_ = QThread::create([this, snapshot = SnapshotForPreview(console_.session()),
                             line = std::move(*line)] { result_ = PreviewLine(snapshot, line); });
  connect(worker_, &QThread::finished, this, &LivePreview::Done);
  worker_->start();
}

void LivePreview::Done() {
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  if (pending_) {
    pending_ = false;
    Start();
    return;
  }
  if (holdingNote_) return;
  status_.SetPreview(QString::fromStdString(result_));
}

void LivePreview::Finish() {
  while (worker_ != nullptr) {
    worker_->wait();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
  }
}

}  // namespace orvo::app
