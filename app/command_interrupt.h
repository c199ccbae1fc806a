#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <functional>

#include "base/interrupt.h"

namespace orvo::app {

// The window while a command runs: it keeps repainting, shows a busy cursor and ignores input,
// except Esc, which asks the command to stop. Commands that take a while poll Requested(); a
// short command never gives the event loop a turn, so keys typed ahead of it are kept.
class CommandInterrupt final : public QObject, public Interrupt {
 public:
  // How often a running command lets the window repaint and look for Esc.
  static constexpr int kPumpIntervalMs = 50;

  // Runs `command` with the window busy.
  void Run(const std::function<void()>& command);
  bool Running() const { return running_; }

  // True once Esc was pressed during the command (or Cancel called). Lets the window repaint
  // and take Esc at most every kPumpIntervalMs.
  bool Requested() override;
  // Text was added while the command runs: show it when the window is due for a repaint.
  void KeepPainting() { PumpWhenDue(); }
  void Cancel() { cancelled_ = true; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PumpWhenDue();

  bool running_ = false;
  bool cancelled_ = false;
  QElapsedTimer sincePump_;
};

}  // namespace orvo::app
