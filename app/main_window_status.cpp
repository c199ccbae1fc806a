// The window's status line and what goes with it: the live preview, VIEW, Ctrl+Shift+C and the
// view that follows answers.
#include <QClipboard>
#include <QGuiApplication>
#include <QSettings>

#include "app/console_edit.h"
#include "app/live_preview.h"
#include "app/main_window.h"
#include "app/status_line.h"
#include "app/texts.h"
#include "app/window_view.h"
#include "console/preview.h"

namespace orvo::app {
namespace {

constexpr char kStatusLineKey[] = "window/statusLine";

QSettings WindowSettings() {
  return QSettings(QStringLiteral("orvo"), QStringLiteral("orvo"));
}

}  // namespace

void MainWindow::SetUpStatusLine() {
  status_ = new StatusLine(this);
  setStatusBar(status_);
  status_->setVisible(WindowSettings().value(kStatusLineKey, true).toBool());
  status_->ShowTipsAtCaretOf(console_);
  preview_ = new LivePreview(*console_, *status_);
  new ViewFollower(*console_);
  console_->setPlaceholderText(QString::fromUtf8(text::kPlaceholder));
  connect(&console_->interrupt(), &CommandInterrupt::workingChanged, status_,
          &StatusLine::SetWorking);
}

void MainWindow::ToggleStatusLine() {
  status_->setVisible(!status_->isVisible());
  WindowSettings().setValue(kStatusLineKey, status_->isVisible());
  statusAction_->setChecked(status_->isVisible());
}

// The values of the last answer's record, one a line; nothing after a failure or an answer
// without a value (a setting, a page, a definition).
void MainWindow::CopyLastAnswer() {
  const Answer* answer = console_->session().LastAnswer();
  if (answer == nullptr) {
    status_->Say(QString::fromUtf8(text::kNothingToCopy));
    return;
  }
  if (answer->values.empty()) {
    status_->Say(QString::fromUtf8(text::kNoValueToCopy));
    return;
  }
  QStringList values;
  for (const AnswerValue& value : answer->values) values << QString::fromStdString(value.text);
  QGuiApplication::clipboard()->setText(values.join(u'\n'));
  status_->Say(QString::fromUtf8(text::kCopied).arg(values.join(QStringLiteral(", "))));
}

}  // namespace orvo::app
