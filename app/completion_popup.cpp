#include "app/completion_popup.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "app/console_edit.h"
#include "app/prompt_line.h"

namespace orvo::app {
namespace {

// The row widest in characters sets the width, up to the console's.
constexpr int kMinWidth = 160;

bool IsWordChar(QChar c) {
  return c.isLetterOrNumber();
}

}  // namespace

CompletionPopup::CompletionPopup(ConsoleEdit& console)
    : QObject(&console), console_(console), list_(new QListWidget(&console)) {
  // A child of the console, never a window of its own: it cannot take the focus or the keys.
  list_->setFocusPolicy(Qt::NoFocus);
  list_->viewport()->setFocusPolicy(Qt::NoFocus);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setTextElideMode(Qt::ElideRight);
  list_->setUniformItemSizes(true);
  list_->hide();
  connect(list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Accept(list_->row(item)); });
  connect(&console_, &QPlainTextEdit::textChanged, this, &CompletionPopup::Update);
  connect(&console_, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    if (IsOpen()) Update();
  });
  connect(console_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (IsOpen()) Place();
  });
  console_.installEventFilter(this);
}

bool CompletionPopup::IsOpen() const {
  return !list_->isHidden();
}

QStringList CompletionPopup::Names() const {
  QStringList names;
  for (const Completion& completion : shown_) names << QString::fromStdString(completion.name);
  return names;
}

bool CompletionPopup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !IsOpen()) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    return QObject::eventFilter(watched, event);
  }
  switch (key->key()) {
    case Qt::Key_Tab:
      Accept(std::max(list_->currentRow(), 0));
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      Choose(key->key() == Qt::Key_Up ? -1 : 1);
      return true;
    case Qt::Key_Escape:
      dismissedAt_ = wordStart_;
      Close();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (chosen_ && list_->currentRow() >= 0) {
        Accept(list_->currentRow());
        return true;
      }
      Close();
      return false;
    default:
      return false;
  }
}

void CompletionPopup::Update() {
  const std::optional<ConsoleEdit::CaretLine> line = console_.LineAtCaret();
  if (!line || console_.interrupt().Running() || console_.textCursor().hasSelection()) {
    Close();
    return;
  }
  const std::string typed = line->text.toStdString();
  CompletedWord word =
      Complete(typed, Utf8Offset(line->text, line->caret), console_.session().state().definitions);
  const int start = line->start + static_cast<int>(Utf16Index(typed, word.start));
  if (start != dismissedAt_) dismissedAt_ = -1;
  if (word.candidates.empty() || start == dismissedAt_) {
    Close();
    return;
  }
  const bool same =
      IsOpen() && start == wordStart_ && word.candidates.size() == shown_.size() &&
      std::equal(shown_.begin(), shown_.end(), word.candidates.begin(),
                 [](const Completion& a, const Completion& b) { return a.name == b.name; });
  wordStart_ = start;
  if (!same) {
    shown_ = std::move(word.candidates);
    chosen_ = false;
    list_->clear();
    for (const Completion& completion : shown_) {
      list_->addItem(QString::fromStdString(completion.usage));
    }
    list_->setCurrentRow(-1);
  }
  Place();
  list_->show();
  list_->raise();
}

void CompletionPopup::Place() {
  list_->setFont(console_.font());
  list_->setPalette(console_.palette());
  const QRect view = console_.viewport()->geometry();
  QTextCursor at = console_.textCursor();
  at.setPosition(wordStart_);
  const QRect caret = console_.cursorRect(at).translated(view.topLeft());
  const int frame = 2 * list_->frameWidth();
  const int height = list_->count() * list_->sizeHintForRow(0) + frame;
  const int width =
      std::min(view.width(), std::max(kMinWidth, list_->sizeHintForColumn(0) + frame + 8));
  // Under the caret's line when it fits, else over it.
  int top = caret.bottom() + 1;
  if (top + height > view.bottom() && caret.top() - height >= view.top()) {
    top = caret.top() - height;
  }
  const int left = std::clamp(caret.left(), view.left(), view.right() - width);
  list_->setGeometry(left, top, width, height);
}

void CompletionPopup::Choose(int step) {
  const int rows = list_->count();
  const int current = list_->currentRow();
  const int next = current < 0 ? (step > 0 ? 0 : rows - 1) : (current + step + rows) % rows;
  list_->setCurrentRow(next);
  chosen_ = true;
}

void CompletionPopup::Accept(int row) {
  if (row < 0 || row >= static_cast<int>(shown_.size())) return;
  const QString insert = QString::fromStdString(shown_[static_cast<std::size_t>(row)].insert);
  QTextCursor cursor = console_.textCursor();
  // The rest of a word the caret is inside goes too: gam|ma accepted as gammaln gives gammaln(.
  const QTextBlock block = cursor.block();
  const QString text = block.text();
  int end = cursor.positionInBlock();
  while (end < text.size() && IsWordChar(text[end])) ++end;
  cursor.setPosition(wordStart_);
  cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
  Close();
  cursor.insertText(insert);
  console_.setTextCursor(cursor);
}

void CompletionPopup::Close() {
  list_->hide();
  chosen_ = false;
}

}  // namespace orvo::app
