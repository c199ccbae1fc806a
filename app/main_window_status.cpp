// The window's status line and what goes with it: the live preview, VIEW, Ctrl+Shift+C and the
// view that follows answers.
#include <QClipboard>
#include <QGuiApplication>
#include <QSettings>
#include <QTextBlock>

#include "app/completion_popup.h"
#include "app/console_edit.h"
#include "app/live_preview.h"
#include "app/main_window.h"
#include "app/prompt_line.h"
#include "app/status_line.h"
#include "app/texts.h"
#include "app/typed_line_formats.h"
#include "app/window_view.h"
#include "console/completion.h"
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
  SetUpTypingAids();
}

void MainWindow::SetUpTypingAids() {
  completion_ = new CompletionPopup(*console_);
  connect(console_, &QPlainTextEdit::cursorPositionChanged, this, &MainWindow::UpdateHint);
  connect(console_, &QPlainTextEdit::textChanged, this, &MainWindow::UpdateHint);
  console_->highlighter().SetTypedLineFormatter([this](const QString& line) {
    const QTextCursor caret = console_->textCursor();
    const bool onLine = caret.block() == console_->document()->lastBlock();
    return TypedLineFormats(line, onLine ? caret.positionInBlock() : -1,
                            console_->session().state().definitions, console_->highlighter());
  });
  // The partner of the bracket at the caret changes with the caret alone.
  connect(console_, &QPlainTextEdit::cursorPositionChanged, console_->viewport(),
          qOverload<>(&QWidget::update));
}

void MainWindow::UpdateHint() {
  const std::optional<ConsoleEdit::CaretLine> line = console_->LineAtCaret();
  if (!line || console_->interrupt().Running()) {
    status_->SetHint({});
    return;
  }
  const std::string typed = line->text.toStdString();
  const std::optional<SignatureHint> hint =
      HintAt(typed, Utf8Offset(line->text, line->caret), console_->session().state().definitions);
  if (!hint) {
    status_->SetHint({});
    return;
  }
  const qsizetype start = Utf16Index(hint->usage, hint->argument);
  status_->SetHint(QString::fromStdString(hint->usage), start,
                   Utf16Index(hint->usage, hint->argument + hint->argumentLength) - start);
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
