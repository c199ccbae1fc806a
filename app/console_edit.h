#pragma once
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <string_view>

#include "app/command_interrupt.h"
#include "app/qt_dialogs.h"
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
  explicit ConsoleEdit(QWidget* parent = nullptr);

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

 signals:
  void aboutRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void PressEnter(bool numberPad);
  void ToggleBracketCheck();
  void SelectBracketed();

  QtDialogs dialogs_{this};
  CommandInterrupt interrupt_;
  ConsoleSession session_{*this, dialogs_, interrupt_};
  bool closeWhenDone_ = false;
};

// The first local file of a drag, or an empty string when it carries none.
QString FirstLocalFile(const QMimeData* data);

// Starts the first on-screen keyboard program found on the search path; nothing when there is
// none. Returns whether one was started.
bool StartOnScreenKeyboard();

}  // namespace orvo::app
