#pragma once
#include <QStatusBar>
#include <QString>

class QLabel;

namespace orvo::app {

// The slim line under the console, in the console's colours. It shows what Enter would give for
// the line being typed, "Working... Esc cancels" while a command runs, and what Ctrl+Shift+C
// copied. A message lasts until the next preview.
class StatusLine final : public QStatusBar {
 public:
  explicit StatusLine(QWidget* parent = nullptr);

  void SetPreview(const QString& text);
  void SetWorking(bool working);
  void Say(const QString& message);
  void SetColours(const QColor& text, const QColor& background);

  // What the line shows now.
  QString text() const;

 private:
  void Show();

  QLabel* label_;
  QString preview_;
  bool working_ = false;
};

}  // namespace orvo::app
