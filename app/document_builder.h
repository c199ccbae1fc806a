#pragma once
#include <QFont>
#include <QString>
#include <QTextDocument>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QThread;

namespace orvo::app {

// Builds a console document on a thread of its own. Qt spends a fifth of a second making the
// blocks of a 1 MB text, which a restored session must not add to the start-up; the window shows
// the last lines at once and takes the document from here when it is done (see
// ConsoleEdit::ShowText). The document comes laid out for the console (plain text, `font`), with
// undo on, and belongs to the thread that made the builder, which is the one to use the builder.
class DocumentBuilder {
 public:
  // A builder of a document of the first `length` characters of `text`; `ready` is to run on
  // `receiver`'s thread once it is done.
  DocumentBuilder(QString text, qsizetype length, QFont font, QObject* receiver,
                  std::function<void()> ready);
  // Drops a document not taken yet, stopping the building where it is.
  ~DocumentBuilder();
  DocumentBuilder(const DocumentBuilder&) = delete;
  DocumentBuilder& operator=(const DocumentBuilder&) = delete;

  // Starts the thread (once).
  void Start();
  // The document, waiting for the thread if it is not done yet; built here and now when the
  // thread was never started.
  std::unique_ptr<QTextDocument> Take();

 private:
  void Build();

  QString text_;
  qsizetype length_;
  QFont font_;
  QObject* receiver_;
  std::function<void()> ready_;
  QThread* home_;
  std::atomic<bool> stop_{false};
  std::unique_ptr<QTextDocument> document_;  // the thread's until it has ended
  std::thread thread_;
};

}  // namespace orvo::app
