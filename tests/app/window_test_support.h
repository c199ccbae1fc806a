#pragma once
#include <QElapsedTimer>
#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/console_edit.h"
#include "app/main_window.h"

// What the window test groups share: a fresh window, typing, and answering dialogs.
namespace orvo::app::test {

// The groups of cases, one test object each (window_tests_main.cpp runs them by name).
std::unique_ptr<QObject> MakeConsoleTest();
std::unique_ptr<QObject> MakeWindowTest();
std::unique_ptr<QObject> MakeKeepWorkTest();
std::unique_ptr<QObject> MakeSessionTest();
std::unique_ptr<QObject> MakeStatusTest();
std::unique_ptr<QObject> MakePlotTest();
std::unique_ptr<QObject> MakeTypingTest();

// Fails the running test and closes any dialog or popup that stays open longer than kLimitMs,
// so that a dialog nobody answers cannot hang the run.
class ModalWatchdog final : public QObject {
 public:
  static constexpr int kLimitMs = 15000;  // generous: a loaded 2-core machine is slow
  ModalWatchdog();

 private:
  void Check();
  QTimer timer_;
  QPointer<QWidget> open_;
  QElapsedTimer openFor_;
};

// Answers the dialogs that the code under test opens, in order: each step waits for a modal
// dialog of its type and hands it over (the step accepts or rejects it).
class DialogScript final : public QObject {
 public:
  DialogScript();

  template <class Dialog>
  DialogScript& Then(std::function<void(Dialog*)> answer) {
    steps_.push_back([answer](QWidget* widget) {
      auto* dialog = qobject_cast<Dialog*>(widget);
      if (dialog == nullptr) return false;
      answer(dialog);
      // A file dialog still loading its folder in the background can ignore the answer (its
      // selection is reset when the listing arrives); the next check then answers again.
      return !dialog->isVisible();
    });
    return *this;
  }
  // How many steps have run.
  int answered() const { return answered_; }

 private:
  void Check();
  QTimer timer_;
  std::vector<std::function<bool(QWidget*)>> steps_;
  int answered_ = 0;
  QPointer<QWidget> last_;
};

// Sets an environment variable for as long as it lives.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), saved_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
    qputenv(name, value);
  }
  ~ScopedEnv() { wasSet_ ? qputenv(name_, saved_) : qunsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  QByteArray saved_;
  bool wasSet_;
};

// A fresh window (no settings file), shown and active, with the console focused, and a watchdog.
class WindowFixture {
 public:
  explicit WindowFixture(const QString& settingsPath = {});
  MainWindow& window() { return *window_; }
  ConsoleEdit& console() { return *window_->console(); }

 private:
  std::unique_ptr<MainWindow> window_;
  ModalWatchdog watchdog_;
};

// Puts a path into a file dialog's name box, as a user typing it would. (selectFile leaves the
// box alone while it has the keyboard focus, which the dialog gives it at a moment of its own.)
void TypeFileName(QFileDialog* dialog, const QString& path);

// The menu entry with `text` (mnemonic marks included), in any menu; null when there is none.
QAction* MenuCommand(MainWindow& window, const QString& text);

// Types `text` into the console with key events.
void TypeText(ConsoleEdit& console, const QString& text);

// Types `line` into the console with key events and presses Enter.
void TypeLine(ConsoleEdit& console, const QString& line);

// The console text as the command console sees it.
QString ConsoleText(const ConsoleEdit& console);

}  // namespace orvo::app::test
