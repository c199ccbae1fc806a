// A double click just left of a bracket selects the bracketed text, with real mouse events.
#include <QTest>
#include <QTextBlock>

#include "window_test_support.h"

namespace orvo::app::test {
namespace {

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

class BracketClicksTest final : public QObject {
  Q_OBJECT

 private slots:
  void doubleClickOnABracket_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");  // in the widget, where a line break is one character
    QTest::addColumn<QString>("selected");
    const QString expression = QStringLiteral("2*(3+[4-1])=");
    QTest::newRow("opening: to its partner") << expression << 2 << QStringLiteral("(3+[4-1])");
    QTest::newRow("not a bracket: nothing, not even a word") << expression << 3 << QString();
    QTest::newRow("pairs across a line break")
        << QStringLiteral("(1+\r\n2)=") << 5 << QStringLiteral("(1+\r\n2)");
    QTest::newRow("never back across a prompt line")
        << QStringLiteral("(1+2\r\n\\\\\r\n3)=") << 9 << QStringLiteral(")");
  }
  void doubleClickOnABracket() {
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, selected);
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    console.SetText(text.toStdString());
    DoubleClickAt(console, position);
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

std::unique_ptr<QObject> MakeBracketClicksTest() {
  return std::make_unique<BracketClicksTest>();
}

}  // namespace orvo::app::test

#include "bracket_click_test.moc"
