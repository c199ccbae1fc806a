#include "app/status_line.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QToolTip>

#include "app/texts.h"

namespace orvo::app {

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent), label_(new QLabel(this)) {
  setSizeGripEnabled(false);
  label_->setTextFormat(Qt::PlainText);
  // A long preview must not widen the window.
  label_->setMinimumWidth(1);
  addWidget(label_, 1);
  setAutoFillBackground(true);
  messageTimer_.setSingleShot(true);
  messageTimer_.setInterval(kMessageMs);
  connect(&messageTimer_, &QTimer::timeout, this, [this] {
    message_.clear();
    Show();
  });
}

void StatusLine::SetPreview(const QString& text) {
  preview_ = text;
  Show();
}

void StatusLine::SetHint(const QString& text, qsizetype markStart, qsizetype markLength) {
  if (text == hint_ && markStart == markStart_ && markLength == markLength_) return;
  hint_ = text;
  markStart_ = markStart;
  markLength_ = markLength;
  Show();
}

void StatusLine::SetWorking(bool working) {
  working_ = working;
  Show();
}

void StatusLine::Say(const QString& message) {
  message_ = message;
  messageTimer_.start();
  Show();
  if (!isVisible() && console_ != nullptr) {
    const QRect caret = console_->cursorRect();
    QToolTip::showText(console_->viewport()->mapToGlobal(caret.bottomLeft()), message, console_, {},
                       kMessageMs);
  }
}

void StatusLine::SetColours(const QColor& text, const QColor& background) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, background);
  colours.setColor(QPalette::WindowText, text);
  setPalette(colours);
  label_->setPalette(colours);
}

QString StatusLine::text() const {
  return shown_;
}

void StatusLine::Show() {
  shown_ = working_              ? QString::fromUtf8(text::kWorking)
           : !message_.isEmpty() ? message_
           : !hint_.isEmpty()    ? hint_
                                 : preview_;
  const bool marked = !working_ && message_.isEmpty() && !hint_.isEmpty() && markLength_ > 0;
  label_->setTextFormat(marked ? Qt::RichText : Qt::PlainText);
  if (!marked) {
    label_->setText(shown_);
    return;
  }
  label_->setText(hint_.left(markStart_).toHtmlEscaped() + QStringLiteral("<b>") +
                  hint_.mid(markStart_, markLength_).toHtmlEscaped() + QStringLiteral("</b>") +
                  hint_.mid(markStart_ + markLength_).toHtmlEscaped());
}

}  // namespace orvo::app
