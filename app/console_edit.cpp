#include "app/console_edit.h"
#include "app/prompt_line.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <algorithm>
#include <array>

#include "app/bracket_selection.h"
#include "app/texts.h"

namespace orvo::app {
namespace {

// On-screen keyboards for F3, the first found on the search path wins.
constexpr std::array kOnScreenKeyboards = {"onboard", "florence"};

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ConsoleEdit::ConsoleEdit(SessionOptions options, QWidget* parent)
    : QPlainTextEdit(parent), session_(*this, dialogs_, interrupt_, std::move(options)) {
  // Long lines scroll sideways; a wrapped line would read like two.
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(false);
  setAcceptDrops(true);
}

std::string ConsoleEdit::Text() const {
  return ToConsoleText(document()->toRawText());
}

std::string ConsoleEdit::TextAfterLastBackslash() const {
  // Block by block from the end: the cost depends on the line being typed, not on the history.
  QStringList reversed;
  for (QTextBlock block = document()->lastBlock(); block.isValid(); block = block.previous()) {
    QString line = block.text();
    qsizetype slash = line.lastIndexOf(u'\\');
    if (slash >= 0) {
      reversed.append(line.mid(slash + 1));
      break;
    }
    reversed.append(line);
  }
  std::reverse(reversed.begin(), reversed.end());
  return ToConsoleText(reversed.join(QChar::ParagraphSeparator));
}

// What Orvo writes cannot be undone, and it ends the undo history of what was typed before: an
// undo must never take away half an answer or a prompt line. It also keeps the history from
// growing with the session.
void ConsoleEdit::ReplaceSelection(std::string_view text) {
  document()->setUndoRedoEnabled(false);
  QTextCursor cursor = textCursor();
  cursor.insertText(FromUtf8(text));
  setTextCursor(cursor);
  document()->setUndoRedoEnabled(true);
  ensureCursorVisible();
  interrupt_.KeepPainting();
}

void ConsoleEdit::SetText(std::string_view text) {
  screens_.Replacing(CurrentScreen());
  setPlainText(FromUtf8(text));
  MoveCaretToEnd();
  interrupt_.KeepPainting();
}

void ConsoleEdit::MoveCaretToEnd() {
  moveCursor(QTextCursor::End);
  ensureCursorVisible();
}

void ConsoleEdit::RunCommand(const std::function<void()>& command) {
  interrupt_.Run(command);
  ensureCursorVisible();
  emit changed();
  if (closeWhenDone_) QMetaObject::invokeMethod(window(), &QWidget::close, Qt::QueuedConnection);
}

void ConsoleEdit::CancelAndClose() {
  interrupt_.Cancel();
  closeWhenDone_ = true;
}

QMenu* ConsoleEdit::CreateContextMenu() {
  QMenu* menu = createStandardContextMenu();
  menu->addSeparator();
  QAction* about = menu->addAction(QString::fromUtf8(text::kAboutEntry));
  // Queued: the About box opens once the menu is gone.
  connect(about, &QAction::triggered, this, &ConsoleEdit::aboutRequested, Qt::QueuedConnection);
  return menu;
}

void ConsoleEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Undo)) {
    UndoStep();
    return;
  }
  if (event->matches(QKeySequence::Redo) ||
      (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier)) {
    RedoStep();
    return;
  }
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (modifiers == Qt::NoModifier && textCursor().position() >= PromptPosition()) {
        Recall(event->key() == Qt::Key_Up);
        return;
      }
      // Ctrl moves the caret wherever it is (the widget would only scroll).
      if (modifiers.testFlag(Qt::ControlModifier)) {
        moveCursor(event->key() == Qt::Key_Up ? QTextCursor::Up : QTextCursor::Down,
                   modifiers.testFlag(Qt::ShiftModifier) ? QTextCursor::KeepAnchor
                                                         : QTextCursor::MoveAnchor);
        return;
      }
      QPlainTextEdit::keyPressEvent(event);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      PressEnter(event->key() == Qt::Key_Enter && event->modifiers().testFlag(Qt::KeypadModifier));
      return;
    case Qt::Key_F1:
      session_.ShowHelpIndex();
      return;
    case Qt::Key_F2:
      ToggleBracketCheck();
      return;
    case Qt::Key_F3:
      StartOnScreenKeyboard();
      return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // A tab character, never a focus change: the console is the only thing to type into.
      insertPlainText(QStringLiteral("\t"));
      return;
    default:
      QPlainTextEdit::keyPressEvent(event);
  }
}

void ConsoleEdit::PressEnter(bool numberPad) {
  if (textCursor().position() < PromptPosition()) {
    CopyOldCommand();
    return;
  }
  QString typed = TypedLine();
  if (numberPad && !typed.isEmpty() && !typed.endsWith(u'=')) typed += u'=';
  recall_.Add(typed.toStdString());

  bool consumed = false;
  RunCommand([&] { consumed = session_.HandleEnterKey(numberPad); });
  if (!consumed) {
    // The widget's own Enter: a line break at the caret. A plain Return, so that Shift+Enter
    // does not insert a soft line break instead.
    QKeyEvent lineBreak(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QPlainTextEdit::keyPressEvent(&lineBreak);
  }
  ensureCursorVisible();
}

void ConsoleEdit::ToggleBracketCheck() {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(text::kTitle),
                  QString::fromStdString(session_.ToggleBracketCheck()), QMessageBox::Ok, this);
  box.exec();
}

void ConsoleEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  // The widget's own handling first: it ends a drag that the first click may have begun inside
  // a selection, which would otherwise clear the new selection on release.
  QPlainTextEdit::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) SelectAt(event->position().toPoint());
}

bool ConsoleEdit::SelectAt(QPoint point) {
  // The character under the pointer, wherever the first click left the caret (inside a
  // selection it leaves it alone).
  QTextCursor cursor = cursorForPosition(point);
  int p = cursor.position();
  if (p > 0 && point.x() < cursorRect(cursor).left()) --p;
  QString text = document()->toRawText();
  std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()),
                           static_cast<std::size_t>(text.size()));
  auto at = static_cast<std::size_t>(p);
  std::optional<TextRange> range =
      session_.state().bracketCheck ? BracketSelection(view, at) : std::nullopt;
  if (!range) range = NumberOrWordAt(view, at);
  if (!range) return false;
  cursor.setPosition(static_cast<int>(range->start));
  cursor.setPosition(static_cast<int>(range->end), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  ensureCursorVisible();
  return true;
}

void ConsoleEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateContextMenu();
  menu->exec(event->globalPos());
  delete menu;
}

// Dropped files go to the definition-file loader. A drag that carries files never reaches the
// widget's own handling, which would insert the file's address as text.
void ConsoleEdit::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) {
    AcceptFileDrag(event);
  } else {
    QPlainTextEdit::dragEnterEvent(event);
  }
}

void ConsoleEdit::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) {
    AcceptFileDrag(event);
  } else {
    QPlainTextEdit::dragMoveEvent(event);
  }
}

void ConsoleEdit::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasUrls()) {
    QPlainTextEdit::dropEvent(event);
    return;
  }
  QString path = FirstLocalFile(event->mimeData());
  if (path.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  std::string localPath = QFile::encodeName(path).toStdString();
  RunCommand([&] { session_.OnDropFiles({localPath}); });
}

QString FirstLocalFile(const QMimeData* data) {
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

void AcceptFileDrag(QDragMoveEvent* event) {
  if (FirstLocalFile(event->mimeData()).isEmpty()) {
    event->ignore();
  } else {
    event->acceptProposedAction();
  }
}

bool StartOnScreenKeyboard() {
  for (const char* name : kOnScreenKeyboards) {
    QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty()) return QProcess::startDetached(path, {});
  }
  return false;
}

}  // namespace orvo::app
