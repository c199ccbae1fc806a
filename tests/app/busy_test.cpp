// A running command: the window repaints, shows a busy cursor, ignores input, and Esc stops it.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QThread>

#include "window_test_support.h"

namespace orvo::app::test {
namespace {

// Counts the paints of a widget.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Polls the command's interrupt as a long loop would, for at most `limitMs`; true when the
// command was asked to stop.
bool PollUntilStopped(Interrupt& interrupt, int limitMs) {
  QElapsedTimer running;
  running.start();
  while (running.elapsed() < limitMs) {
    if (interrupt.Requested()) return true;
    QThread::msleep(2);
  }
  return false;
}

void PostKey(QWidget* target, Qt::Key key, const QString& text) {
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

class BusyTest final : public QObject {
  Q_OBJECT

 private slots:
  void escStopsTheCommandAndOtherInputIsIgnored() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    PaintCounter counter(console.viewport());
    bool stopped = false;
    int paintsWhileRunning = 0;
    bool busyCursor = false;

    console.RunCommand([&] {
      QCursor* cursor = QApplication::overrideCursor();
      busyCursor = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
      console.ReplaceSelection("\r\nPlease wait...");
      int paintsBefore = counter.paints;
      PostKey(&console, Qt::Key_7, QStringLiteral("7"));
      // A long command without Esc keeps running, and the window repaints meanwhile.
      QVERIFY(!PollUntilStopped(console.interrupt(), 300));
      paintsWhileRunning = counter.paints - paintsBefore;
      PostKey(&console, Qt::Key_Escape, QString());
      stopped = PollUntilStopped(console.interrupt(), 2000);
    });

    QVERIFY(busyCursor);
    QVERIFY(paintsWhileRunning > 0);
    QVERIFY(stopped);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCoreApplication::processEvents();
    QCOMPARE(ConsoleText(console), QStringLiteral("\r\nPlease wait..."));

    // The next command starts afresh, and input reaches the console again.
    bool stoppedAgain = true;
    console.RunCommand([&] { stoppedAgain = PollUntilStopped(console.interrupt(), 100); });
    QVERIFY(!stoppedAgain);
    TypeText(console, QStringLiteral("7"));
    QCOMPARE(ConsoleText(console), QStringLiteral("\r\nPlease wait...7"));
  }

  void closingDuringACommandStopsItThenCloses() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    bool stopped = false;
    console.RunCommand([&] {
      QVERIFY(!fixture.window().close());
      QVERIFY(fixture.window().isVisible());
      stopped = PollUntilStopped(console.interrupt(), 2000);
    });
    QVERIFY(stopped);
    QTRY_VERIFY(!fixture.window().isVisible());
  }
};

}  // namespace

std::unique_ptr<QObject> MakeBusyTest() {
  return std::make_unique<BusyTest>();
}

}  // namespace orvo::app::test

#include "busy_test.moc"
