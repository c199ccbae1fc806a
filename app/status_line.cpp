#include "app/status_line.h"

#include <QLabel>

#include "app/texts.h"

namespace orvo::app {

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent), label_(new QLabel(this)) {
  setSizeGripEnabled(false);
  label_->setTextFormat(Qt::PlainText);
  // A long preview must not widen the window.
  label_->setMinimumWidth(1);
  addWidget(label_, 1);
  setAutoFillBackground(true);
}

void StatusLine::SetPreview(const QString& text) {
  preview_ = text;
  Show();
}

void StatusLine::SetWorking(bool working) {
  working_ = working;
  Show();
}

void StatusLine::Say(const QString& message) {
  if (!working_) label_->setText(message);
}

void StatusLine::SetColours(const QColor& text, const QColor& background) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, background);
  colours.setColor(QPalette::WindowText, text);
  setPalette(colours);
  label_->setPalette(colours);
}

QString StatusLine::text() const {
  return label_->text();
}

void StatusLine::Show() {
  label_->setText(working_ ? QString::fromUtf8(text::kWorking) : preview_);
}

}  // namespace orvo::app
