#pragma once
#include <QObject>
#include <QTimer>
#include <optional>
#include <string>

class QThread;

namespace orvo::app {

class ConsoleEdit;
class StatusLine;

// Shows in the status line what Enter would give for the line being typed. Typing restarts a
// short timer; when it runs out, the line is worked on another thread (on copies of what the
// session knows), so a slow line never holds up the keys. One line is worked on at a time: a
// line typed meanwhile waits for it, and only the newest such line is worked on next.
class LivePreview final : public QObject {
 public:
  // The pause in typing after which the line is previewed.
  static constexpr int kDelayMs = 150;

  LivePreview(ConsoleEdit& console, StatusLine& status);
  ~LivePreview() override;

  // What the timer starts when it runs out: the preview of the line at the caret.
  void Start();
  // Waits for the line being worked on and shows its preview (for tests).
  void Finish();
  bool Waiting() const { return timer_.isActive(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // After Enter: the answer's note stays until the next key.
  void ShowNote(const QString& note);

  void Done();
  // The line being typed, when the caret is on it.
  std::optional<std::string> LineAtCaret() const;

  ConsoleEdit& console_;
  StatusLine& status_;
  QTimer timer_;
  QThread* worker_ = nullptr;
  std::string result_;    // written by the worker, read once it has finished
  bool pending_ = false;  // the line changed while the worker was busy
  bool holdingNote_ = false;
};

}  // namespace orvo::app
