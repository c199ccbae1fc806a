#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace orvo::app {

class ConsoleEdit;

// Keeps a window's session in one file of the user's state folder: restores it at start, saves
// it a moment after every command (and at once on close), and starts a new one on request.
// Files are replaced whole (temporary file, sync, rename), so a crash leaves the old session or
// the new one; two windows saving in turn leave the last one's, whole. The writing happens on a
// thread of its own: a slow disk never holds up typing.
class SessionStore final : public QObject {
  Q_OBJECT

 public:
  // Commands in quick succession are saved once, this long after the last.
  static constexpr int kSaveDelayMs = 400;

  // `folder` holds the session file; it is created when missing.
  SessionStore(const QString& folder, ConsoleEdit& console, QObject* parent = nullptr);
  ~SessionStore() override;

  QString path() const { return path_; }
  QString backupPath() const { return path_ + QStringLiteral(".bak"); }

  // At start: the saved session into the console. A file that cannot be used is moved aside
  // (kept, never deleted) and the console says so in one line.
  void Restore();
  // The file as it is becomes the backup (in place of an older one): `orvo --new`.
  void KeepAsBackup();
  // NEW: the current session, saved, becomes the backup, and an empty one starts.
  void StartNew();
  // Whether a new session would lose anything.
  bool HasWork() const;

  // A save kSaveDelayMs from now (again from the start if one was waiting).
  void ScheduleSave() { timer_.start(); }
  bool SaveScheduled() const { return timer_.isActive(); }
  // Saves now and waits until the file is written: on close, and for tests.
  void SaveNow();

 signals:
  // A save failed; said once until a save succeeds again.
  void saveFailed(const QString& message);

 private:
  std::string Snapshot() const;
  void Queue(std::string bytes);
  void WriteLoop();
  void Refuse(const QString& reason);

  ConsoleEdit& console_;
  QString path_;
  QTimer timer_;
  bool saving_ = true;  // off when a file that could not be read could not be moved aside either

  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<std::string> pending_;
  bool writing_ = false;
  bool stop_ = false;
  bool failureShown_ = false;
  std::thread writer_;
};

}  // namespace orvo::app
