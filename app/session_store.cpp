#include "app/session_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "app/console_edit.h"
#include "app/texts.h"
#include "base/safe_file.h"
#include "console/session_file.h"

namespace orvo::app {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

SessionStore::SessionStore(const QString& folder, ConsoleEdit& console, QObject* parent)
    : QObject(parent),
      console_(console),
      path_(QDir(folder).filePath(QString::fromUtf8(text::kSessionFileName))) {
  QDir().mkpath(folder);
  timer_.setSingleShot(true);
  timer_.setInterval(kSaveDelayMs);
  connect(&timer_, &QTimer::timeout, this, [this] { Queue(Snapshot()); });
  writer_ = std::thread([this] { WriteLoop(); });
}

SessionStore::~SessionStore() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  writer_.join();
}

void SessionStore::Restore() {
  const std::string path = QFile::encodeName(path_).toStdString();
  ReadOptions options;
  options.maxBytes = kMaxSessionFileBytes;
  ReadResult read = ReadFileSafely(path, options);
  if (read.fault == ReadFault::kNotFound) return;  // no session yet
  SessionData data;
  std::string reason = read.ok() ? ReadSessionText(read.bytes, data) : read.reason;
  if (!reason.empty()) {
    Refuse(FromUtf8(reason));
    return;
  }
  RestoreSession(data, console_.session());
  console_.recall().Assign(data.recall);
  console_.ShowText(FromUtf8(data.console));
  console_.screens().Clear();
}

void SessionStore::Refuse(const QString& reason) {
  const QString base = path_ + QStringLiteral(".unreadable-") +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  QString aside = base;
  for (int n = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++n) {
    aside = base + QStringLiteral("-") + QString::number(n);
  }
  QString message;
  if (::rename(QFile::encodeName(path_).constData(), QFile::encodeName(aside).constData()) == 0) {
    message = QString::fromUtf8(text::kSessionMovedAside).arg(reason, aside);
  } else {
    message = QString::fromUtf8(text::kSessionKeptInPlace)
                  .arg(reason, QString::fromLocal8Bit(std::strerror(errno)));
    saving_ = false;
  }
  console_.ShowScreen(Screen{console_.NewDocument(message + QStringLiteral("\n\\\\\n")),
                             std::numeric_limits<int>::max()});
}

bool SessionStore::HasWork() const {
  SessionData data = CaptureSession(console_.session(), "", {});
  // The records of answers no longer on the screen are no work to keep.
  data.answers.clear();
  return !console_.document()->isEmpty() || !console_.recall().Entries().empty() ||
         WriteSessionText(data) != WriteSessionText(SessionData{});
}

void SessionStore::KeepAsBackup() {
  if (!saving_) return;  // the file there is one this window could not read: it stays
  ::rename(QFile::encodeName(path_).constData(), QFile::encodeName(backupPath()).constData());
}

void SessionStore::StartNew() {
  SaveNow();
  KeepAsBackup();
  ConsoleSession& session = console_.session();
  session.state() = ConsoleState(session.rng());
  session.RestoreAnswers({});
  console_.recall().Assign({});
  console_.ShowScreen(Screen{});
  console_.screens().Clear();
  Queue(Snapshot());
}

std::string SessionStore::Snapshot() const {
  return WriteSessionText(
      CaptureSession(console_.session(), console_.Text(), console_.recall().Entries()));
}

void SessionStore::SaveNow() {
  timer_.stop();
  Queue(Snapshot());
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [this] { return !pending_ && !writing_; });
}

void SessionStore::Queue(std::string bytes) {
  if (!saving_) return;
  {
    std::lock_guard lock(mutex_);
    pending_ = std::move(bytes);  // a newer session replaces one not yet written
  }
  wake_.notify_all();
}

void SessionStore::WriteLoop() {
  const std::string path = QFile::encodeName(path_).toStdString();
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || pending_; });
    if (!pending_) return;
    std::string bytes = std::move(*pending_);
    pending_.reset();
    writing_ = true;
    lock.unlock();
    // The session is the user's own business: a new file is theirs alone.
    WriteResult written = WriteFileSafely(path, bytes, WriteOptions{0600});
    std::string failure = written.ok ? "" : written.reason;
    lock.lock();
    writing_ = false;
    const bool show = !failure.empty() && !failureShown_;
    failureShown_ = !failure.empty();
    if (show) {
      QMetaObject::invokeMethod(
          this,
          [this, failure] {
            emit saveFailed(QString::fromUtf8(text::kSessionNotSaved).arg(FromUtf8(failure)));
          },
          Qt::QueuedConnection);
    }
    wake_.notify_all();
  }
}

}  // namespace orvo::app
