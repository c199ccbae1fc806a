#pragma once
#include <QStatusBar>
#include <QString>
#include <QTimer>

class QLabel;
class QPlainTextEdit;

namespace orvo::app {

// The slim line under the console, in the console's colours. One line, several wishes, in this
// order: "Working... Esc cancels" while a command runs; a message (what Ctrl+Shift+C copied,
// F2's new state, a hint), for kMessageMs; a hint about the name being typed; and below them
// the preview of the line being typed, or the note of the last answer. With the line hidden,
// messages show as a tooltip at the caret instead.
class StatusLine final : public QStatusBar {
 public:
  static constexpr int kMessageMs = 4000;

  explicit StatusLine(QWidget* parent = nullptr);

  // Where messages show while the line is hidden.
  void ShowTipsAtCaretOf(QPlainTextEdit* console) { console_ = console; }

  void SetPreview(const QString& text);
  // A hint of the language about the call at the caret, with [markStart, markStart+markLength)
  // shown in bold (the argument being typed); "" when there is none.
  void SetHint(const QString& text, qsizetype markStart = 0, qsizetype markLength = 0);
  void SetWorking(bool working);
  void Say(const QString& message);
  void SetColours(const QColor& text, const QColor& background);

  // What the line shows now, as plain text.
  QString text() const;
  // The message being said (shown, or as a tooltip), "" once it has gone.
  const QString& message() const { return message_; }

 private:
  void Show();

  QLabel* label_;
  QPlainTextEdit* console_ = nullptr;
  QTimer messageTimer_;
  QString message_;
  QString hint_;
  qsizetype markStart_ = 0;
  qsizetype markLength_ = 0;
  QString shown_;
  QString preview_;
  bool working_ = false;
};

}  // namespace orvo::app
