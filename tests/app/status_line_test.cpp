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
    QAction* view = MenuCommand(fixture.window(), QStringLiteral("&Status line"));
    QVERIFY(fixture.window().statusLine()->isVisible());
    QVERIFY(view->isChecked());
    view->trigger();
    QVERIFY(!fixture.window().statusLine()->isVisible());
    QVERIFY(!view->isChecked());
    // Hidden, what would be said there is still said.
    QTest::keyClick(&fixture.console(), Qt::Key_F2);
    QCOMPARE(fixture.window().statusLine()->message(),
             QStringLiteral("Brackets-Checking is turned off"));
    view->trigger();
    QVERIFY(fixture.window().statusLine()->isVisible());
  }

  // How a line was read stays in view after Enter, until the next key.
  void theNoteStaysAfterEnter() {
    WindowFixture fixture;
    TypeLine(fixture.console(), QStringLiteral("5*-2="));
    QCOMPARE(ConsoleText(fixture.console()), QStringLiteral("5*-2=10\r\n\\\\\r\n"));
    const QString note =
        QStringLiteral("read as 5*2 (a sign right after an operator is dropped: write 5*(-2))");
    QCOMPARE(fixture.window().statusLine()->text(), note);
    fixture.window().preview()->Start();
    QCOMPARE(fixture.window().statusLine()->text(), note);
    TypeText(fixture.console(), QStringLiteral("1"));
    QCOMPARE(PreviewOf(fixture.window()), QStringLiteral("= 1"));
  }

  // Ctrl+Shift+C copies the values of the last answer's record, one a line; after a failure or
  // an answer without a value the clipboard is left as it was.
  void ctrlShiftCCopiesTheLastAnswer() {
    WindowFixture fixture;
    QWindow* window = fixture.window().windowHandle();
    const auto copy = [&] {
      QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    };
    copy();
    QCOMPARE(fixture.window().statusLine()->text(), QStringLiteral("No answer to copy"));
    const struct {
      const char* line;
      const char* clipboard;
      const char* status;
    } rows[] = {
        {"1/3=", "0.33333333", "Copied the last answer: 0.33333333"},
        {"&prt(1;-3;2)=", "1+0i\n2+0i", "Copied the last answer: 1+0i, 2+0i"},
        {"@1(2,2;1;2;3;4)=", "1\n2\n3\n4", "Copied the last answer: 1, 2, 3, 4"},
        {"@sin(mat1)=", "1\n2\n3\n4", "The last answer has no value to copy"},
        {"x=5", "1\n2\n3\n4", "The last answer has no value to copy"},
    };
    for (const auto& row : rows) {
      TypeLine(fixture.console(), QString::fromUtf8(row.line));
      copy();
      QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(row.clipboard));
      QCOMPARE(fixture.window().statusLine()->text(), QString::fromUtf8(row.status));
    }
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
