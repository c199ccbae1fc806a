// The status line under the console: the preview of the line being typed, progress of a long
// command, Ctrl+Shift+C; and the view that follows the answer.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "app/live_preview.h"
#include "app/status_line.h"
#include "window_test_support.h"

namespace orvo::app::test {
namespace {

// Runs out the preview's timer instead of waiting for it, and waits for the preview.
QString PreviewOf(MainWindow& window) {
  window.preview()->Start();
  window.preview()->Finish();
  return window.statusLine()->text();
}

class StatusTest final : public QObject {
  Q_OBJECT

 private slots:
  // What the preview says is the console's (tests/console/preview_test.cpp); here, that the
  // window shows it for the line being typed, and only there.
  void previewWhileTyping() {
    WindowFixture fixture;
    TypeLine(fixture.console(), QStringLiteral("x=2"));
    TypeText(fixture.console(), QStringLiteral("x+1"));
    QVERIFY(fixture.window().preview()->Waiting());
    QCOMPARE(PreviewOf(fixture.window()), QStringLiteral("= 3"));
    // Up in the old lines there is nothing to preview.
    QTest::keyClick(&fixture.console(), Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(PreviewOf(fixture.window()), QString());
    QCOMPARE(fixture.console().session().state().evaluator.GetX(), 2.0);
  }

  void viewTogglesTheStatusLine() {
    WindowFixture fixture;
    QVERIFY(fixture.window().statusLine()->isVisible());
    fixture.window().menuBar()->actions().last()->trigger();
    QVERIFY(!fixture.window().statusLine()->isVisible());
    fixture.window().menuBar()->actions().last()->trigger();
    QVERIFY(fixture.window().statusLine()->isVisible());
  }

  void ctrlShiftCCopiesTheLastAnswer() {
    WindowFixture fixture;
    QWindow* window = fixture.window().windowHandle();
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fixture.window().statusLine()->text(), QStringLiteral("No answer to copy"));
    TypeLine(fixture.console(), QStringLiteral("&is(0;1;x^2)="));
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0.33333333"));
    QCOMPARE(fixture.window().statusLine()->text(),
             QStringLiteral("Copied the last answer: 0.33333333"));
  }

  // A long line's answer is scrolled into view, with the new prompt's line.
  void theViewFollowsTheAnswer() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    console.insertPlainText(QStringLiteral("1") + QStringLiteral("+1").repeated(400) +
                            QStringLiteral("="));
    QTest::keyClick(&console, Qt::Key_Return);
    QCoreApplication::processEvents();
    QTextCursor answer(console.document()->firstBlock());
    answer.movePosition(QTextCursor::EndOfBlock);
    QVERIFY(console.viewport()->rect().contains(console.cursorRect(answer).topLeft()));
    const QRect prompt = console.cursorRect();
    QVERIFY(prompt.top() >= 0 && prompt.bottom() < console.viewport()->height());
  }
};

}  // namespace

std::unique_ptr<QObject> MakeStatusTest() {
  return std::make_unique<StatusTest>();
}

}  // namespace orvo::app::test

#include "status_line_test.moc"
