// The console widget with real key and mouse events: Enter, the number-pad Enter, clearing, F1,
// F2, F3, Tab and undo; a double click just left of a bracket selects the bracketed text.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "window_test_support.h"

namespace orvo::app::test {
namespace {

const QString kHelpIndex = QStringLiteral(
    "View Functions:\r\n&oper= &func= &geom= &phys= &chem= &atom= &other= &= @= #=\r\n"
    "Input one of them, and then press Enter\r\nPress Enter with no char input to clear "
    "screen\r\n\\\\\r\n");

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
    QTest::addColumn<bool>("pasted");  // inserted at once rather than typed key by key
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("console");
    const int enter = Qt::Key_Return;
    QTest::newRow("blanks, upper case, signs beyond ASCII")
        << QStringLiteral("3 \u00D7 4 \u2212 X =") << false << enter << int(Qt::NoModifier)
        << QStringLiteral("3 \u00D7 4 \u2212 X =12\r\n\\\\\r\n");
    QTest::newRow("number-pad Enter adds the =")
        << QStringLiteral("2^10") << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
        << QStringLiteral("2^10=1024\r\n\\\\\r\n");
    QTest::newRow("Shift+Enter is an Enter too")
        << QStringLiteral("1+2") << false << enter << int(Qt::ShiftModifier)
        << QStringLiteral("1+2\r\n\\\\\r\n");
    QTest::newRow("a command pasted over several lines")
        << QStringLiteral("1+\n2=") << true << enter << int(Qt::NoModifier)
        << QStringLiteral("1+\r\n2=3\r\n\\\\\r\n");
  }
  void enterRunsTheLine() {
    QFETCH(QString, text);
    QFETCH(bool, pasted);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, console);
    WindowFixture fixture;
    if (pasted) {
      fixture.console().insertPlainText(text);
    } else {
      TypeText(fixture.console(), text);
    }
    QTest::keyClick(&fixture.console(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ConsoleText(fixture.console()), console);
  }

  void f1ShowsTheHelpIndexAndTheNextLineWorks() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeLine(console, QStringLiteral("1+2="));
    QTest::keyClick(&console, Qt::Key_Up);
    QTest::keyClick(&console, Qt::Key_F1);
    QCOMPARE(ConsoleText(console), kHelpIndex);
    QCOMPARE(console.textCursor().position(), console.document()->characterCount() - 1);
    TypeLine(console, QStringLiteral("2*3="));
    QCOMPARE(ConsoleText(console), kHelpIndex + QStringLiteral("2*3=6\r\n\\\\\r\n"));
  }

  void f2TogglesBracketCheckingWithAMessageBox() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    QStringList shown;
    DialogScript script;
    auto answer = [&shown](QMessageBox* box) {
      shown << box->windowTitle() + QStringLiteral(": ") + box->text();
      QCOMPARE(box->buttons().size(), 1);
      box->button(QMessageBox::Ok)->click();
    };
    script.Then<QMessageBox>(answer).Then<QMessageBox>(answer);

    QTest::keyClick(&console, Qt::Key_F2);
    QVERIFY(!console.session().state().bracketCheck);
    QTest::keyClick(&console, Qt::Key_F2);
    QVERIFY(console.session().state().bracketCheck);
    QCOMPARE(shown, (QStringList{"Orvo: Brackets-Checking is turned off",
                                 "Orvo: Brackets-Checking is turned on"}));
    QCOMPARE(ConsoleText(console), QString());
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

    // No keyboard anywhere: nothing happens.
    QVERIFY(QFile::remove(keyboard.fileName()));
    QVERIFY(!StartOnScreenKeyboard());
    QTest::keyClick(&fixture.console(), Qt::Key_F3);
    QCOMPARE(ConsoleText(fixture.console()), QString());
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

  void undoNeverTakesBackAnAnswer() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeLine(console, QStringLiteral("1+2="));
    TypeText(console, QStringLiteral("45"));
    for (int i = 0; i < 5; ++i) QTest::keyClick(&console, Qt::Key_Z, Qt::ControlModifier);
    // Only what was typed after the answer goes: the digits and the line break of Enter.
    QCOMPARE(ConsoleText(console), QStringLiteral("1+2=3\r\n\\\\"));
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
