#include "window_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace orvo::app::test {

ModalWatchdog::ModalWatchdog() {
  connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::Check);
  timer_.start(50);
}

void ModalWatchdog::Check() {
  QWidget* open = QApplication::activeModalWidget();
  if (open == nullptr) open = QApplication::activePopupWidget();
  if (open == nullptr) {
    open_ = nullptr;
    return;
  }
  if (open != open_) {
    open_ = open;
    openFor_.start();
    return;
  }
  if (openFor_.elapsed() < kLimitMs) return;
  QTest::qFail(qPrintable(QStringLiteral("a dialog stayed open: %1 \"%2\"")
                              .arg(QString::fromLatin1(open->metaObject()->className()),
                                   open->windowTitle())),
               __FILE__, __LINE__);
  if (auto* dialog = qobject_cast<QDialog*>(open)) {
    dialog->reject();
  } else {
    open->close();
  }
}

DialogScript::DialogScript() {
  connect(&timer_, &QTimer::timeout, this, &DialogScript::Check);
  timer_.start(10);
}

void DialogScript::Check() {
  if (answered_ >= static_cast<int>(steps_.size())) return;
  QWidget* open = QApplication::activeModalWidget();
  if (open == nullptr || open == last_ || !open->isVisible()) return;
  if (steps_[answered_](open)) {
    last_ = open;
    ++answered_;
  }
}

WindowFixture::WindowFixture(const QString& settingsPath)
    : window_(std::make_unique<MainWindow>(SessionOptions{}, settingsPath)) {
  window_->show();
  window_->activateWindow();
  if (!QTest::qWaitForWindowActive(window_.get())) qWarning("the window did not become active");
  window_->console()->setFocus();
}

void TypeFileName(QFileDialog* dialog, const QString& path) {
  auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (name == nullptr) {
    QFAIL("the file dialog has no name box");
    return;
  }
  name->setText(path);
}

QAction* MenuCommand(MainWindow& window, const QString& text) {
  for (QAction* menu : window.menuBar()->actions()) {
    if (menu->text() == text) return menu;
    if (menu->menu() == nullptr) continue;
    for (QAction* action : menu->menu()->actions()) {
      if (action->text() == text) return action;
    }
  }
  return nullptr;
}

void TypeText(ConsoleEdit& console, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(&console, c.toLatin1());
    } else {
      // Characters beyond ASCII arrive as text, as from a keyboard layout or an input method.
      QTest::sendKeyEvent(QTest::Click, &console, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

void TypeLine(ConsoleEdit& console, const QString& line) {
  TypeText(console, line);
  QTest::keyClick(&console, Qt::Key_Return);
}

QString ConsoleText(const ConsoleEdit& console) {
  return QString::fromStdString(console.Text());
}

}  // namespace orvo::app::test
