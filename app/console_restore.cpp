// A restored session's text: its last lines at once, the older ones from a thread of their own.
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "app/console_edit.h"

namespace orvo::app {
namespace {

// Pixels, when the screen is not known.
constexpr int kTallScreen = 4320;

// What Qt takes for a line break when it makes blocks of a text.
bool BreaksLine(QChar c) {
  return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

// Where the lines of `text` shown at once begin: at least `lines` lines before its end, just
// after a prompt line, so that they are coloured as they are in the whole text (a line after a
// prompt is a command, first or not). 0 for a text with no such place: it is shown whole.
qsizetype ShownPartStart(const QString& text, int lines) {
  qsizetype lineBreak = text.size();
  for (int counted = 0; lineBreak > 0; ++counted) {
    lineBreak = text.lastIndexOf(u'\n', lineBreak - 1);
    if (lineBreak <= 0) return 0;
    if (counted < lines) continue;
    // The line before, as Qt makes it a block.
    qsizetype end = text[lineBreak - 1] == u'\r' ? lineBreak - 1 : lineBreak;
    qsizetype start = end;
    while (start > 0 && !BreaksLine(text[start - 1])) --start;
    if (KindOfLine(QStringView(text).sliced(start, end - start), {}, false) ==
        ColourKind::kPrompt) {
      return lineBreak + 1;
    }
  }
  return 0;
}

}  // namespace

void ConsoleEdit::ShowText(const QString& text) {
  // Twice the lines the screen holds: the window shows no more, whatever its size.
  const int height = screen() != nullptr ? screen()->availableGeometry().height() : kTallScreen;
  const int lines = height / std::max(fontMetrics().lineSpacing(), 1) * 2;
  const qsizetype shown = ShownPartStart(text, lines);
  if (shown == 0) {
    builder_.reset();
    setPlainText(text);
  } else {
    ShowDocument(NewDocument(text.sliced(shown)));
    builder_ =
        std::make_unique<DocumentBuilder>(text, shown, font(), this, [this] { FinishLoading(); });
  }
  MoveCaretToEnd();
}

void ConsoleEdit::FinishLoading() {
  if (builder_ == nullptr) return;
  const std::unique_ptr<DocumentBuilder> builder = std::move(builder_);
  std::shared_ptr<QTextDocument> whole = builder->Take();
  // The older lines end with a line break: the lines shown, as they are now, go after them.
  const int characters = whole->characterCount() - 1;
  const int blocks = whole->blockCount() - 1;
  whole->setUndoRedoEnabled(false);
  QTextCursor end(whole.get());
  end.movePosition(QTextCursor::End);
  end.insertText(document()->toRawText());
  whole->setUndoRedoEnabled(true);

  const int anchor = textCursor().anchor() + characters;
  const int position = textCursor().position() + characters;
  const QTextBlock top = firstVisibleBlock();
  const int topBlock = top.blockNumber() + blocks;
  const int linesIntoTop = verticalScrollBar()->value() - top.firstLineNumber();
  const int across = horizontalScrollBar()->value();
  ShowDocument(std::move(whole));
  QTextCursor moved(document());
  moved.setPosition(anchor);
  moved.setPosition(position, QTextCursor::KeepAnchor);
  setTextCursor(moved);
  verticalScrollBar()->setValue(document()->findBlockByNumber(topBlock).firstLineNumber() +
                                linesIntoTop);
  horizontalScrollBar()->setValue(across);
}

}  // namespace orvo::app
