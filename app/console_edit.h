#pragma once
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <string_view>

#include "app/command_interrupt.h"
#include "app/qt_dialogs.h"
#include "app/recall.h"
#include "app/screen_undo.h"
#include "console/session.h"
#include "console/text_box.h"

class QMenu;

namespace orvo::app {

// The console: the text widget that fills the window, and the command console working on it.
// Its document is the only copy of the console text; the command console sees it through the
// TextBox interface, with every line break as "\r\n" and the text as UTF-8.
class ConsoleEdit final : public QPlainTextEdit, public TextBox {
  Q_OBJECT

 public:
  // `options` go to the console session.
  explicit ConsoleEdit(SessionOptions options, QWidget* parent = nullptr);

  std::string Text() const override;
  std::string TextAfterLastBackslash() const override;
  void ReplaceSelection(std::string_view text) override;
  void SetText(std::string_view text) override;
  void MoveCaretToEnd() override;

  ConsoleSession& session() { return session_; }
  CommandInterrupt& interrupt() { return interrupt_; }

  // Runs `command` of the session with the window busy (see CommandInterrupt).
  void RunCommand(const std::function<void()>& command);
  // Asks the running command to stop and closes the window once it has.
  void CancelAndClose();

  // The widget's own context menu with the entry that opens the About box.
  QMenu* CreateContextMenu();

  // Where the line being typed starts: just after the last backslash (0 when there is none).
  int PromptPosition() const;
  // The line being typed, without the line break after the prompt and surrounding blanks.
  QString TypedLine() const;
  // Replaces the line being typed; the caret ends after it.
  void SetTypedLine(const QString& line);

  // Ctrl+Z and Ctrl+Shift+Z (Ctrl+Y): the widget's own undo of typing first, then whole-screen
  // replacements.
  void UndoStep();
  void RedoStep();

  // Shows `screen` in place of the console text, not as an undo step.
  void ShowScreen(const Screen& screen);

  RecallList& recall() { return recall_; }
  const RecallList& recall() const { return recall_; }
  ScreenHistory& screens() { return screens_; }

 signals:
  void aboutRequested();
  // A command ran or the screen was replaced: what a saved session holds may have changed.
  void changed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void PressEnter(bool numberPad);
  // Enter off the prompt line.
  void CopyOldCommand();
  // Up and Down on the prompt line.
  void Recall(bool older);
  Screen CurrentScreen() const;
  void ToggleBracketCheck();
  // A double click at `point`: a bracket selection on a bracket (with bracket checking on),
  // else the number or word there. False when it selects nothing of its own.
  bool SelectAt(QPoint point);

  QtDialogs dialogs_{this};
  CommandInterrupt interrupt_;
  ConsoleSession session_;
  bool closeWhenDone_ = false;
  RecallList recall_;
  ScreenHistory screens_;
};

// The first local file of a drag, or an empty string when it carries none.
QString FirstLocalFile(const QMimeData* data);

// A drag (entering or moving) is accepted when it carries a local file, refused otherwise.
void AcceptFileDrag(QDragMoveEvent* event);

// Starts the first on-screen keyboard program found on the search path; nothing when there is
// none. Returns whether one was started.
bool StartOnScreenKeyboard();

}  // namespace orvo::app
