#include "app/command_interrupt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <algorithm>
#include <array>

namespace orvo::app {
namespace {

// What the user can do to the window; none of it may reach a window whose command is running.
constexpr std::array kInputEvents = {
    QEvent::KeyPress,
    QEvent::KeyRelease,
    QEvent::ShortcutOverride,
    QEvent::Shortcut,
    QEvent::MouseButtonPress,
    QEvent::MouseButtonRelease,
    QEvent::MouseButtonDblClick,
    QEvent::MouseMove,
    QEvent::Wheel,
    QEvent::ContextMenu,
    QEvent::DragEnter,
    QEvent::DragMove,
    QEvent::Drop,
    QEvent::InputMethod,
    QEvent::TouchBegin,
    QEvent::TouchUpdate,
    QEvent::TouchEnd,
    QEvent::TabletPress,
};

}  // namespace

void CommandInterrupt::Run(const std::function<void()>& command) {
  if (running_) {
    command();
    return;
  }
  running_ = true;
  cancelled_ = false;
  sincePump_.start();
  sinceStart_.start();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  qApp->installEventFilter(this);
  command();
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
  running_ = false;
  if (working_) {
    working_ = false;
    emit workingChanged(false);
  }
  // Posted, not sent: a typed-ahead Enter then runs its command after this one has unwound.
  for (auto& [receiver, event] : typedAhead_) {
    if (receiver) QCoreApplication::postEvent(receiver, event.release());
  }
  typedAhead_.clear();
  emit finished();
}

bool CommandInterrupt::Requested() {
  if (!running_) return false;
  PumpWhenDue();
  return cancelled_;
}

void CommandInterrupt::PumpWhenDue() {
  if (!running_ || sincePump_.elapsed() < pumpMs_) return;
  if (!working_ && sinceStart_.elapsed() >= workingAfterMs_) {
    working_ = true;
    emit workingChanged(true);
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  sincePump_.restart();
}

bool CommandInterrupt::eventFilter(QObject* watched, QEvent* event) {
  if (!running_ ||
      std::find(kInputEvents.begin(), kInputEvents.end(), event->type()) == kInputEvents.end()) {
    return QObject::eventFilter(watched, event);
  }
  // A question the command asks (a file dialog, a yes/no box) takes input as usual.
  if (QApplication::activeModalWidget() != nullptr) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      cancelled_ = true;
    } else {
      typedAhead_.emplace_back(watched, event->clone());
    }
  }
  return true;
}

}  // namespace orvo::app
