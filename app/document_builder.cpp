#include "app/document_builder.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QThread>
#include <algorithm>

namespace orvo::app {
namespace {

// The text goes in in pieces of about this many characters, each ending with a line break: a
// builder dropped half-way stops after the piece in hand.
constexpr qsizetype kPiece = 16 * 1024;

}  // namespace

DocumentBuilder::DocumentBuilder(QString text, qsizetype length, QFont font, QObject* receiver,
                                 std::function<void()> ready)
    : text_(std::move(text)),
      length_(std::min(length, text_.size())),
      font_(std::move(font)),
      receiver_(receiver),
      ready_(std::move(ready)),
      home_(QThread::currentThread()) {}

DocumentBuilder::~DocumentBuilder() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void DocumentBuilder::Start() {
  if (thread_.joinable() || document_ != nullptr) return;
  thread_ = std::thread([this] {
    Build();
    if (document_ != nullptr) QMetaObject::invokeMethod(receiver_, ready_, Qt::QueuedConnection);
  });
}

std::unique_ptr<QTextDocument> DocumentBuilder::Take() {
  if (thread_.joinable()) {
    thread_.join();
  } else if (document_ == nullptr) {
    Build();
  }
  return std::move(document_);
}

void DocumentBuilder::Build() {
  auto document = std::make_unique<QTextDocument>();
  document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
  document->setDefaultFont(font_);
  document->setUndoRedoEnabled(false);
  {
    QTextCursor end(document.get());
    for (qsizetype at = 0; at < length_;) {
      if (stop_) return;
      // A piece ends after a line break, never between the "\r" and "\n" of one.
      const qsizetype lineBreak = text_.indexOf(u'\n', std::min(at + kPiece, length_ - 1));
      const qsizetype next = std::min(lineBreak < 0 ? length_ : lineBreak + 1, length_);
      end.insertText(text_.sliced(at, next - at));
      at = next;
    }
  }
  // The window lays every block out again when it takes the document; with their layouts made
  // here, that costs it a walk over the blocks and no more.
  for (QTextBlock block = document->firstBlock(); block.isValid() && !stop_; block = block.next()) {
    block.layout();
  }
  if (stop_) return;
  document->setUndoRedoEnabled(true);
  document->moveToThread(home_);
  document_ = std::move(document);
}

}  // namespace orvo::app
