#pragma once
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/command_interrupt.h"
#include "app/console_highlighter.h"
#include "app/document_builder.h"
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
  ~ConsoleEdit() override;

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
  // The caret's line as far as it belongs to the line being typed: its text, where that starts
  // in the document and the caret in it. Nothing when the caret is in old lines.
  struct CaretLine {
    QString text;
    int start = 0;
    int caret = 0;
  };
  std::optional<CaretLine> LineAtCaret() const;
  // Replaces the line being typed; the caret ends after it.
  void SetTypedLine(const QString& line);

  // Ctrl+Z and Ctrl+Shift+Z (Ctrl+Y): the widget's own undo of typing first, then whole-screen
  // replacements; with neither, a hint.
  void UndoStep();
  void RedoStep();

  // Long lines wrap at the edge (display only: the text keeps its lines).
  void SetWrap(bool wrap);

  // Runs each complete line of `text` as a typed command followed by Enter, in turn; an
  // unfinished last line stays on the prompt. Empty lines are skipped; Esc stops the rest.
  void RunLines(const QString& text);

  // Shows `screen` in place of the console text, not as an undo step.
  void ShowScreen(const Screen& screen);
  // Shows `text` in place of the console text, the caret at its end, not as an undo step (a
  // restored session). A long text shows its last lines at once and the older ones follow from
  // a thread of their own: until they are in, anything that reads or changes more than the lines
  // shown (a key, a click, the wheel, the scroll bar, a menu, saving, a command) waits for them.
  void ShowText(const QString& text);
  // Puts the older lines of a text ShowText is still loading above the lines shown, waiting for
  // them if need be; the caret, the selection and the lines in view stay where they are.
  void FinishLoading();
  bool Loading() const { return builder_ != nullptr; }
  // Select All of the menu: the whole text, older lines included.
  void SelectAll();
  // A document for the console that holds `text`.
  std::shared_ptr<QTextDocument> NewDocument(const QString& text) const;

  ConsoleHighlighter& highlighter() { return highlighter_; }
  RecallList& recall() { return recall_; }
  const RecallList& recall() const { return recall_; }
  ScreenHistory& screens() { return screens_; }
  // Whether the last command showed a page in place of the screen (then cleared).
  bool TakePageShown() { return std::exchange(pageShown_, false); }

 signals:
  void aboutRequested();
  // Something for the status line that goes again after a while (F2, F3, a read-only hint).
  void said(const QString& message);
  // Enter has run a command; `note` says how its line was read ("" when as typed).
  void answered(const QString& note);
  // A command ran or the screen was replaced: what a saved session holds may have changed.
  void changed();
  // The console shows another document (another screen).
  void documentReplaced();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void PressEnter(bool numberPad);
  // Enter off the prompt line.
  void CopyOldCommand();
  // Up and Down on the prompt line: through its visual lines, recalling from its first or last.
  void UpOrDown(bool up);
  void Recall(bool older);
  // An edit by `event` that would start before the prompt line goes to the end instead: the
  // caret moves there and the status line says how to reuse old lines. True when the key is
  // done with (an edit that only removes or cuts).
  bool KeepOldLines(QKeyEvent* event);
  // Where an edit by `event` would start; -1 for a key that edits nothing.
  int EditStart(QKeyEvent* event) const;
  // The screen shown, as it goes into the screen history: the typing on it is no longer undone.
  Screen TakeScreen();
  void ShowDocument(std::shared_ptr<QTextDocument> document);
  // A double click at `point`: a bracket selection on a bracket (with bracket checking on),
  // else the number or word there. False when it selects nothing of its own.
  bool SelectAt(QPoint point);

  QtDialogs dialogs_{this};
  CommandInterrupt interrupt_;
  ConsoleSession session_;
  bool closeWhenDone_ = false;
  bool pageShown_ = false;
  RecallList recall_;
  ScreenHistory screens_;
  ConsoleHighlighter highlighter_{*this};
  std::shared_ptr<QTextDocument> document_;
  // The older lines of a restored session, while they are loading.
  std::unique_ptr<DocumentBuilder> builder_;
};

// The first local file of a drag, or an empty string when it carries none.
QString FirstLocalFile(const QMimeData* data);

// A drag (entering or moving) is accepted when it carries a local file, refused otherwise.
void AcceptFileDrag(QDragMoveEvent* event);

// Starts the first on-screen keyboard program found on the search path; nothing when there is
// none. Returns whether one was started.
bool StartOnScreenKeyboard();

}  // namespace orvo::app
