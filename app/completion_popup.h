#pragma once
#include <QObject>
#include <QStringList>
#include <vector>

#include "console/completion.h"

class QListWidget;

namespace orvo::app {

class ConsoleEdit;

// The names that complete the word being typed on the prompt line, each with its usage, in a
// list under the caret. It never takes the keyboard: the console keeps the focus and every key
// goes on to it, except these while the list is open: Tab accepts (the chosen row, else the
// first), Up and Down choose a row, Enter accepts once a row was chosen with them (else it runs
// the line as typed), Esc closes the list until another word is typed. A click accepts a row.
class CompletionPopup final : public QObject {
  Q_OBJECT

 public:
  explicit CompletionPopup(ConsoleEdit& console);

  bool IsOpen() const;
  // The names listed, in order ("gamma", "&is(").
  QStringList Names() const;
  QListWidget* list() const { return list_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Lists what completes the word at the caret, or closes when nothing does.
  void Update();
  void Accept(int row);
  void Choose(int step);
  void Close();
  void Place();

  ConsoleEdit& console_;
  QListWidget* list_;
  std::vector<Completion> shown_;
  int wordStart_ = 0;     // where the completed word starts in the document
  int dismissedAt_ = -1;  // the word Esc closed the list on
  bool chosen_ = false;   // a row was chosen with Up or Down
};

}  // namespace orvo::app
