// The console widget with real key and mouse events: Enter, the number-pad Enter, pasted lines,
// F1, F2, F3, Tab, old lines kept from typing and undo; a double click just left of a bracket
// selects the bracketed text.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "app/help_pane.h"
#include "app/status_line.h"
#include "window_test_support.h"

namespace orvo::app::test {
namespace {

const QString kReadOnlyHint = QStringLiteral(
    "Earlier lines stay as they are: typing goes to the last line. To reuse a line, put the "
    "caret on it and press Enter, or select it and copy.");

// Double-clicks the left half of the character at `position`, so the first click puts the
// caret just left of it. Through the window, as the window system delivers clicks: press,
// release, press, double click, release.
void DoubleClickAt(ConsoleEdit& console, int position) {
  QTextCursor cursor(console.document());
  cursor.setPosition(position);
  QRect caret = console.cursorRect(cursor);
  QPoint inViewport(caret.left() + 2, caret.center().y());
  QTest::mouseDClick(console.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                     console.viewport()->mapTo(console.window(), inViewport));
}

QString Selected(const ConsoleEdit& console) {
  QString text = console.textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  return text;
}

class ConsoleTest final : public QObject {
  Q_OBJECT

 private slots:
  void enterRunsTheLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("console");
    const int enter = Qt::Key_Return;
    QTest::newRow("blanks, upper case, signs beyond ASCII")
        << QStringLiteral("3 \u00D7 4 \u2212 X =") << enter << int(Qt::NoModifier)
        << QStringLiteral("3 \u00D7 4 \u2212 X =12\r\n\\\\\r\n");
    QTest::newRow("number-pad Enter adds the =")
        << QStringLiteral("2^10") << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
        << QStringLiteral("2^10=1024\r\n\\\\\r\n");
    QTest::newRow("Shift+Enter is an Enter too")
        << QStringLiteral("1+2") << enter << int(Qt::ShiftModifier)
        << QStringLiteral("1+2\r\n\\\\\r\n");
  }
  void enterRunsTheLine() {
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, console);
    WindowFixture fixture;
    TypeText(fixture.console(), text);
    QTest::keyClick(&fixture.console(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ConsoleText(fixture.console()), console);
  }

  // Each pasted line runs as its own command; the unfinished last one waits on the prompt.
  void pastedLinesRunOneByOne_data() {
    QTest::addColumn<QString>("typed");  // on the prompt before the paste
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("console");
    QTest::newRow("three answers") << QString() << QStringLiteral("1+2=\n3*4=\nsqrt(2)=\n")
                                   << QStringLiteral(
                                          "1+2=3\r\n\\\\\r\n3*4=12\r\n\\\\\r\n"
                                          "sqrt(2)=1.4142136\r\n\\\\\r\n");
    QTest::newRow("empty lines skipped, a failure goes on, the last line waits")
        << QStringLiteral("2*") << QStringLiteral("3=\r\n\r\n1/0=\r\n  \r\n4+")
        << QStringLiteral("2*3=6\r\n\\\\\r\n1/0=\r\nError: divided by zero\r\n\\\\\r\n  4+");
  }
  void pastedLinesRunOneByOne() {
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, console);
    WindowFixture fixture;
    TypeText(fixture.console(), typed);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(&fixture.console(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ConsoleText(fixture.console()), console);
  }

  // F1 opens the help pane from its first line; the console stays as it was.
  void f1OpensTheHelpPaneAtTheTop() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeLine(console, QStringLiteral("1+2="));
    TypeText(console, QStringLiteral("2*"));
    const QString before = ConsoleText(console);
    HelpPane* help = fixture.window().help();
    QVERIFY(!help->isVisible());
    QTest::keyClick(&console, Qt::Key_F1);
    QVERIFY(help->isVisible());
    QCOMPARE(help->page(), HelpPane::kIndex);
    QCOMPARE(ConsoleText(console), before);

    // A long page opens at its first line too, and F1 on a name at the place describing it.
    help->ShowPage(HelpPane::kFunctions);
    QCOMPARE(help->pageView()->verticalScrollBar()->value(), 0);
    QCOMPARE(help->pageView()->textCursor().position(), 0);
    TypeText(console, QStringLiteral("sinh"));
    QTest::keyClick(&console, Qt::Key_F1);
    QVERIFY(help->pageView()->textCursor().selectedText().startsWith(QStringLiteral("sinh(")));
    QCOMPARE(ConsoleText(console), before + QStringLiteral("sinh"));
    QVERIFY(console.hasFocus());
  }

  // A help command typed in the console shows its page there, from the first line.
  void typedHelpPageShowsItsFirstLine() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    fixture.window().resize(640, 300);
    TypeLine(console, QStringLiteral("&func="));
    QCoreApplication::processEvents();  // the view settles after the command
    QVERIFY(console.verticalScrollBar()->maximum() > 0);
    QCOMPARE(console.verticalScrollBar()->value(), 0);
    QCOMPARE(console.textCursor().position(), console.document()->characterCount() - 1);
  }

  // F2 and F3 say what they did in the status line; no box takes the keys that follow.
  void f2AndF3SayWhatHappened() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    StatusLine* status = fixture.window().statusLine();
    QTest::keyClick(&console, Qt::Key_F2);
    QVERIFY(!console.session().state().bracketCheck);
    QCOMPARE(status->text(), QStringLiteral("Brackets-Checking is turned off"));
    QTest::keyClick(&console, Qt::Key_F2);
    QVERIFY(console.session().state().bracketCheck);
    QCOMPARE(status->text(), QStringLiteral("Brackets-Checking is turned on"));
    TypeText(console, QStringLiteral("1"));
    QCOMPARE(ConsoleText(console), QStringLiteral("1"));

    ScopedEnv path("PATH", QByteArray("/nonexistent"));
    QTest::keyClick(&console, Qt::Key_F3);
    QCOMPARE(status->text(), QStringLiteral("No on-screen keyboard found: F3 starts onboard or "
                                            "florence when one is installed"));
  }

  void f3StartsTheFirstOnScreenKeyboardFound() {
    WindowFixture fixture;
    QTemporaryDir bin;
    const QString marker = bin.filePath(QStringLiteral("started"));
    // Only florence is there: the search goes on past onboard.
    QFile keyboard(bin.filePath(QStringLiteral("florence")));
    QVERIFY(keyboard.open(QIODevice::WriteOnly));
    keyboard.write(QStringLiteral("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
    keyboard.close();
    keyboard.setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    ScopedEnv path("PATH", QFile::encodeName(bin.path()));
    QTest::keyClick(&fixture.console(), Qt::Key_F3);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 5000);
  }

  void tabInsertsATabAndKeepsTheFocus() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeText(console, QStringLiteral("1"));
    QTest::keyClick(&console, Qt::Key_Tab);
    QTest::keyClick(&console, Qt::Key_Backtab, Qt::ShiftModifier);
    TypeLine(console, QStringLiteral("+2="));
    QCOMPARE(ConsoleText(console), QStringLiteral("1\t\t+2=3\r\n\\\\\r\n"));
    QCOMPARE(QApplication::focusWidget(), &console);
  }

  // An edit that would start in old text goes to the end of the prompt line instead.
  void keysInOldTextGoToThePrompt_data() {
    QTest::addColumn<QList<int>>("keys");  // Qt::Key | modifiers, after Ctrl+Home
    QTest::addColumn<QString>("end");      // what the prompt line then holds
    QTest::newRow("a digit") << QList<int>{Qt::Key_9} << QStringLiteral("1+9");
    QTest::newRow("Backspace and Delete remove nothing")
        << QList<int>{Qt::Key_Backspace, Qt::Key_Delete} << QStringLiteral("1+");
    QTest::newRow("select all, then type")
        << QList<int>{(Qt::ControlModifier | Qt::Key_A).toCombined(), Qt::Key_7}
        << QStringLiteral("1+7");
    QTest::newRow("cut a selection") << QList<int>{(Qt::ShiftModifier | Qt::Key_End).toCombined(),
                                                   (Qt::ControlModifier | Qt::Key_X).toCombined()}
                                     << QStringLiteral("1+");
  }
  void keysInOldTextGoToThePrompt() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, end);
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeLine(console, QStringLiteral("10/4="));
    TypeText(console, QStringLiteral("1+"));
    QTest::keyClick(&console, Qt::Key_Home, Qt::ControlModifier);
    for (int key : keys) {
      QTest::keyClick(&console, Qt::Key(key & ~Qt::KeyboardModifierMask),
                      Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    }
    QCOMPARE(ConsoleText(console), QStringLiteral("10/4=2.5\r\n\\\\\r\n") + end);
    QCOMPARE(fixture.window().statusLine()->text(), kReadOnlyHint);
    QVERIFY(!console.textCursor().hasSelection());
  }

  // After an answer there is no typing to undo: the first Ctrl+Z keeps the answer's line break
  // and says so; typing after it is undone as usual.
  void firstUndoAfterAnAnswer() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeLine(console, QStringLiteral("1+2="));
    const QString answered = ConsoleText(console);
    QCOMPARE(answered, QStringLiteral("1+2=3\r\n\\\\\r\n"));
    QTest::keyClick(&console, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ConsoleText(console), answered);
    QVERIFY(fixture.window().statusLine()->text().startsWith(QStringLiteral("Nothing to undo")));
    TypeText(console, QStringLiteral("45"));
    for (int i = 0; i < 3; ++i) QTest::keyClick(&console, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ConsoleText(console), answered);
    TypeLine(console, QStringLiteral("2*3="));
    QCOMPARE(ConsoleText(console), answered + QStringLiteral("2*3=6\r\n\\\\\r\n"));
  }

  void doubleClickOnABracket_data() {
    QTest::addColumn<QString>("text");
    // In the widget, where a line break is one character; each a double click of its own.
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QString>("selected");
    const QString expression = QStringLiteral("2*(3+[4-1])=");
    QTest::newRow("opening: to its partner")
        << expression << QList<int>{2} << QStringLiteral("(3+[4-1])");
    QTest::newRow("not a bracket: the number")
        << expression << QList<int>{3} << QStringLiteral("3");
    QTest::newRow("pairs across a line break")
        << QStringLiteral("(1+\r\n2)=") << QList<int>{5} << QStringLiteral("(1+\r\n2)");
    QTest::newRow("inside a bracket selection: a new one")
        << expression << QList<int>{2, 5} << QStringLiteral("[4-1]");
  }
  void doubleClickOnABracket() {
    QFETCH(QString, text);
    QFETCH(QList<int>, positions);
    QFETCH(QString, selected);
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    console.SetText(text.toStdString());
    for (int position : positions) DoubleClickAt(console, position);
    QCOMPARE(Selected(console), selected);
    QCOMPARE(ConsoleText(console), text);
  }

  // The widget's own word selection comes back while bracket checking is off.
  void wordsAgainWhenBracketCheckingIsOff() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeLine(console, QStringLiteral("bracketoff"));
    TypeText(console, QStringLiteral("abc (def)"));
    const QTextBlock last = console.document()->lastBlock();
    DoubleClickAt(console, last.position() + 6);
    QCOMPARE(Selected(console), QStringLiteral("def"));
  }
};

}  // namespace

std::unique_ptr<QObject> MakeConsoleTest() {
  return std::make_unique<ConsoleTest>();
}

}  // namespace orvo::app::test

#include "console_test.moc"
