// The console's memory of the user's work: the prompt line, recall and whole-screen undo.
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <algorithm>

#include "app/console_edit.h"
#include "app/prompt_line.h"
#include "app/texts.h"

namespace orvo::app {

// Off the prompt line Enter copies the command of the block it is in: running the empty prompt
// instead would clear the screen. The block's answer record knows the command; a block without
// one (a loaded screen, a help page, an edited answer) is read from its text.
void ConsoleEdit::CopyOldCommand() {
  const QString text = document()->toRawText();
  const qsizetype position = textCursor().position();
  const Answer* answer = session_.FindAnswer(BlockText(text, position));
  QString command = answer != nullptr && !answer->command.empty()
                        ? QString::fromStdString(answer->command)
                        : CommandOfBlock(text, position);
  if (command.isEmpty()) {
    MoveCaretToEnd();
  } else {
    SetTypedLine(command);
  }
}

int ConsoleEdit::PromptPosition() const {
  for (QTextBlock block = document()->lastBlock(); block.isValid(); block = block.previous()) {
    qsizetype slash = block.text().lastIndexOf(u'\\');
    if (slash >= 0) return block.position() + static_cast<int>(slash) + 1;
  }
  return 0;
}

QString ConsoleEdit::TypedLine() const {
  QTextCursor cursor(document());
  cursor.setPosition(PromptPosition());
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  QString line = cursor.selectedText();
  line.replace(QChar::ParagraphSeparator, u'\n');
  line.replace(QChar::LineSeparator, u'\n');
  return line.trimmed();
}

std::optional<ConsoleEdit::CaretLine> ConsoleEdit::LineAtCaret() const {
  const QTextCursor cursor = textCursor();
  const int prompt = PromptPosition();
  if (cursor.position() < prompt) return std::nullopt;
  const QTextBlock block = cursor.block();
  const int start = std::max(prompt, block.position());
  const int offset = start - block.position();
  return CaretLine{block.text().mid(offset), start, cursor.positionInBlock() - offset};
}

void ConsoleEdit::SetTypedLine(const QString& line) {
  QTextCursor cursor(document());
  const int start = PromptPosition();
  cursor.setPosition(start);
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  // The command goes on its own line under the prompt, where Enter leaves the caret.
  cursor.insertText(start > 0 ? QStringLiteral("\n") + line : line);
  setTextCursor(cursor);
  ensureCursorVisible();
}

void ConsoleEdit::UpOrDown(bool up) {
  QTextCursor cursor = textCursor();
  const int prompt = PromptPosition();
  // The line of the backslashes is not part of the line being typed.
  const bool moved = cursor.movePosition(up ? QTextCursor::Up : QTextCursor::Down);
  if (moved && (cursor.position() > prompt || prompt == 0)) {
    setTextCursor(cursor);
    ensureCursorVisible();
    return;
  }
  Recall(up);
}

void ConsoleEdit::Recall(bool older) {
  std::optional<std::string> line =
      older ? recall_.Older(TypedLine().toStdString()) : recall_.Newer();
  if (line) SetTypedLine(QString::fromStdString(*line));
}

Screen ConsoleEdit::TakeScreen() {
  FinishLoading();
  document_->clearUndoRedoStacks();
  return Screen{document_, textCursor().position()};
}

std::shared_ptr<QTextDocument> ConsoleEdit::NewDocument(const QString& text) const {
  auto document = std::make_shared<QTextDocument>();
  document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
  document->setDefaultFont(font());
  document->setPlainText(text);
  return document;
}

void ConsoleEdit::ShowDocument(std::shared_ptr<QTextDocument> document) {
  // A text still loading is replaced with the rest.
  builder_.reset();
  if (document->defaultFont() != font()) document->setDefaultFont(font());
  // The document shown until now lives until the widget has let go of it.
  const std::shared_ptr<QTextDocument> shown = std::exchange(document_, std::move(document));
  setDocument(document_.get());
  emit documentReplaced();
}

void ConsoleEdit::ShowScreen(const Screen& screen) {
  ShowDocument(screen.document != nullptr ? screen.document : NewDocument({}));
  QTextCursor cursor = textCursor();
  cursor.setPosition(std::clamp(screen.caret, 0, document()->characterCount() - 1));
  setTextCursor(cursor);
  ensureCursorVisible();
  emit changed();
}

void ConsoleEdit::UndoStep() {
  FinishLoading();
  if (document()->isUndoAvailable()) {
    undo();
  } else if (std::optional<Screen> screen = screens_.Undo(TakeScreen())) {
    ShowScreen(*screen);
  } else {
    emit said(QString::fromUtf8(text::kNothingToUndo));
  }
}

void ConsoleEdit::RedoStep() {
  FinishLoading();
  if (document()->isRedoAvailable()) {
    redo();
  } else if (std::optional<Screen> screen = screens_.Redo(TakeScreen())) {
    ShowScreen(*screen);
  } else {
    emit said(QString::fromUtf8(text::kNothingToRedo));
  }
}

}  // namespace orvo::app
