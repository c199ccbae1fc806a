#pragma once
#include <QFont>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace orvo::app {

class ConsoleEdit;

// Keeps the console's view on what matters: after an answer, the start of the answer and the
// new prompt (a long typed line would leave the answer off to the right); after a resize, the
// caret's line.
class ViewFollower final : public QObject {
 public:
  explicit ViewFollower(ConsoleEdit& console);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowAnswer();

  ConsoleEdit& console_;
  QMetaObject::Connection contents_;  // to the document shown
  int answerStart_ = -1;              // where the running command's first text went
};

// The window's first size: wide enough for the widest line of the help pages in `font`, at
// most the `available` screen area.
QSize DefaultWindowSize(const QFont& font, const QRect& available);

// `wanted` moved and shrunk to lie within `available`.
QRect ClampToScreen(const QRect& wanted, const QRect& available);

// The window's size and position as the user left them (QSettings), within the screen; the
// default size, centred, the first time.
void RestoreWindowGeometry(QWidget& window, const QSize& defaultSize);
void SaveWindowGeometry(const QWidget& window);

}  // namespace orvo::app
