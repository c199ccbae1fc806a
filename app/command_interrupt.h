#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "base/interrupt.h"

namespace orvo::app {

// The window while a command runs: it keeps repainting, shows a busy cursor and takes no input
// but Esc, which asks the command to stop. Keys typed meanwhile are kept and handed on, in
// order, when the command ends. Commands that take a while poll Requested(); a short command
// never gives the event loop a turn, so keys typed ahead of it wait in the window system.
class CommandInterrupt final : public QObject, public Interrupt {
  Q_OBJECT

 public:
  // How often a running command lets the window repaint and look for Esc.
  static constexpr int kPumpIntervalMs = 50;
  // A command running this long says so (workingChanged).
  static constexpr int kWorkingAfterMs = 300;

  // Runs `command` with the window busy.
  void Run(const std::function<void()>& command);
  bool Running() const { return running_; }

  // True once Esc was pressed during the command (or Cancel called). Lets the window repaint
  // and take Esc at most every kPumpIntervalMs.
  bool Requested() override;
  // Text was added while the command runs: show it when the window is due for a repaint.
  void KeepPainting() { PumpWhenDue(); }
  void Cancel() { cancelled_ = true; }
  // Whether the last command was asked to stop (until the next one starts).
  bool Cancelled() const { return cancelled_; }
  // For tests: pump and say "working" at once instead of after the intervals above.
  void SetIntervals(int pumpMs, int workingAfterMs) {
    pumpMs_ = pumpMs;
    workingAfterMs_ = workingAfterMs;
  }

 signals:
  // A command has run kWorkingAfterMs (true), or the command that did has ended (false).
  void workingChanged(bool working);
  // The command has ended and the keys typed during it are on their way.
  void finished();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PumpWhenDue();

  bool running_ = false;
  bool cancelled_ = false;
  bool working_ = false;
  int pumpMs_ = kPumpIntervalMs;
  int workingAfterMs_ = kWorkingAfterMs;
  QElapsedTimer sincePump_;
  QElapsedTimer sinceStart_;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> typedAhead_;
};

}  // namespace orvo::app
