#include "app/console_edit.h"
#include "app/prompt_line.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>
#include <algorithm>
#include <array>

#include "app/bracket_selection.h"
#include "app/texts.h"
#include "console/preview.h"

namespace orvo::app {
namespace {

// On-screen keyboards for F3, the first found on the search path wins.
constexpr std::array kOnScreenKeyboards = {"onboard", "florence"};

// A key that types: a printable character or a tab.
bool Types(const QKeyEvent* event) {
  const QString text = event->text();
  return event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
         (!text.isEmpty() && text.front().isPrint());
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ConsoleEdit::ConsoleEdit(SessionOptions options, QWidget* parent)
    : QPlainTextEdit(parent), session_(*this, dialogs_, interrupt_, std::move(options)) {
  ShowDocument(NewDocument({}));
  // Long lines wrap at the edge, so no answer or message is ever hidden sideways.
  SetWrap(true);
  setTabChangesFocus(false);
  setAcceptDrops(true);
  // The scroll bar reaches for lines that may not be loaded yet. Queued: its own step ends
  // first, in the lines shown, which then stay in view.
  auto finish = [this] {
    QMetaObject::invokeMethod(this, &ConsoleEdit::FinishLoading, Qt::QueuedConnection);
  };
  connect(verticalScrollBar(), &QScrollBar::sliderPressed, this, finish);
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, finish);
}

std::string ConsoleEdit::Text() const {
  // Loading the rest of a restored text changes how the text is held, never what it says.
  const_cast<ConsoleEdit*>(this)->FinishLoading();
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
  FinishLoading();
  document()->setUndoRedoEnabled(false);
  QTextCursor cursor = textCursor();
  cursor.insertText(FromUtf8(text));
  setTextCursor(cursor);
  document()->setUndoRedoEnabled(true);
  ensureCursorVisible();
  interrupt_.KeepPainting();
}

// The documents are the console's, not the widget's: it lets go of the one shown first.
ConsoleEdit::~ConsoleEdit() {
  setDocument(nullptr);
}

void ConsoleEdit::SetText(std::string_view text) {
  screens_.Replacing(TakeScreen());
  ShowDocument(NewDocument(FromUtf8(text)));
  // A page that replaces the screen is read from its first line.
  pageShown_ = !text.empty();
  MoveCaretToEnd();
  interrupt_.KeepPainting();
}

void ConsoleEdit::SetWrap(bool wrap) {
  setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void ConsoleEdit::MoveCaretToEnd() {
  moveCursor(QTextCursor::End);
  ensureCursorVisible();
}

void ConsoleEdit::RunCommand(const std::function<void()>& command) {
  FinishLoading();
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
  // Old lines are read-only: what would cut or delete there is not offered.
  if (textCursor().selectionStart() < PromptPosition()) {
    for (QAction* action : menu->actions()) {
      if (action->objectName() == QStringLiteral("edit-cut") ||
          action->objectName() == QStringLiteral("edit-delete")) {
        action->setEnabled(false);
      }
    }
  }
  menu->addSeparator();
  QAction* about = menu->addAction(QString::fromUtf8(text::kAboutEntry));
  // Queued: the About box opens once the menu is gone.
  connect(about, &QAction::triggered, this, &ConsoleEdit::aboutRequested, Qt::QueuedConnection);
  return menu;
}

// Keys, clicks and the wheel reach beyond the lines shown (Ctrl+Home, Select All, Page Up) or
// edit (and start an undo history): the older lines of a restored text come in first.
void ConsoleEdit::keyPressEvent(QKeyEvent* event) {
  FinishLoading();
  if (event->matches(QKeySequence::Undo)) {
    UndoStep();
    return;
  }
  if (event->matches(QKeySequence::Redo) ||
      (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier)) {
    RedoStep();
    return;
  }
  if (KeepOldLines(event)) return;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (modifiers == Qt::NoModifier && textCursor().position() >= PromptPosition()) {
        UpOrDown(event->key() == Qt::Key_Up);
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
    case Qt::Key_F2:
      emit said(QString::fromStdString(session_.ToggleBracketCheck()));
      return;
    case Qt::Key_F3:
      if (!StartOnScreenKeyboard()) emit said(QString::fromUtf8(text::kNoOnScreenKeyboard));
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

void ConsoleEdit::inputMethodEvent(QInputMethodEvent* event) {
  FinishLoading();
  QPlainTextEdit::inputMethodEvent(event);
}

bool ConsoleEdit::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      FinishLoading();
      break;
    default:
      break;
  }
  return QPlainTextEdit::viewportEvent(event);
}

void ConsoleEdit::SelectAll() {
  FinishLoading();
  selectAll();
}

void ConsoleEdit::paintEvent(QPaintEvent* event) {
  highlighter_.FormatVisible(firstVisibleBlock(), viewport()->height());
  QPlainTextEdit::paintEvent(event);
  // The older lines of a restored text load once the lines shown are on the screen.
  if (builder_ != nullptr) builder_->Start();
}

void ConsoleEdit::PressEnter(bool numberPad) {
  if (textCursor().position() < PromptPosition()) {
    CopyOldCommand();
    return;
  }
  QString typed = TypedLine();
  if (numberPad && !typed.isEmpty() && !typed.endsWith(u'=')) typed += u'=';
  recall_.Add(typed.toStdString());
  const std::uint64_t before = session_.AnswerCount();
  bool consumed = false;
  RunCommand([&] { consumed = session_.HandleEnterKey(numberPad); });
  // The line break of Enter belongs to the answer: no undo takes half of it away.
  if (!consumed) ReplaceSelection("\n");
  ensureCursorVisible();
  // The answer's notes (how the line was read, the usual spelling of a name) stay in view.
  QStringList notes;
  if (const Answer* answer = session_.AnswerCount() != before ? session_.LastAnswer() : nullptr) {
    for (const std::string& note : answer->notes) notes << QString::fromStdString(note);
  }
  emit answered(notes.join(QStringLiteral("; ")));
}

void ConsoleEdit::RunLines(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(u'\r', u'\n');
  QStringList commands = lines.split(u'\n');
  const QString unfinished = commands.takeLast();
  for (const QString& command : commands) {
    moveCursor(QTextCursor::End);
    insertPlainText(command);
    if (TypedLine().isEmpty()) continue;
    PressEnter(false);
    if (interrupt_.Cancelled()) return;
  }
  moveCursor(QTextCursor::End);
  insertPlainText(unfinished);
}

void ConsoleEdit::insertFromMimeData(const QMimeData* source) {
  FinishLoading();
  if (textCursor().selectionStart() < PromptPosition()) {
    moveCursor(QTextCursor::End);
    emit said(QString::fromUtf8(text::kOldLinesReadOnly));
  }
  const QString text = source->hasText() ? source->text() : QString();
  if (!text.contains(u'\n') && !text.contains(u'\r')) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  RunLines(text);
}

int ConsoleEdit::EditStart(QKeyEvent* event) const {
  const QTextCursor cursor = textCursor();
  const int start = cursor.selectionStart();
  const bool selected = cursor.hasSelection();
  if (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste) ||
      event->matches(QKeySequence::DeleteEndOfWord) ||
      event->matches(QKeySequence::DeleteEndOfLine) || event->key() == Qt::Key_Delete) {
    return start;
  }
  if (event->matches(QKeySequence::DeleteStartOfWord) || event->key() == Qt::Key_Backspace) {
    return selected ? start : start - 1;
  }
  return Types(event) ? start : -1;
}

bool ConsoleEdit::KeepOldLines(QKeyEvent* event) {
  const int start = EditStart(event);
  if (start < 0 || start >= PromptPosition()) return false;
  moveCursor(QTextCursor::End);
  ensureCursorVisible();
  emit said(QString::fromUtf8(text::kOldLinesReadOnly));
  // Typing and pasting go on at the end; removing has nothing to remove there.
  return !(event->matches(QKeySequence::Paste) || Types(event));
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
  FinishLoading();
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
  FinishLoading();
  if (!event->mimeData()->hasUrls()) {
    // Text dragged within the console is copied, never moved out of old lines.
    if (event->source() == this) event->setDropAction(Qt::CopyAction);
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
