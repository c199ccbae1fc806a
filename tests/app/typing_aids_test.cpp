// What helps while typing, with real keys: the completion popup (it never swallows typing, Tab
// and Up/Down act on it only while it is open, Enter runs the line unless a row was chosen), the
// hint of the call at the caret, F1 on a name, and the colours of the line being typed. Which
// names complete a prefix is the console's (tests/console/completion_test.cpp).
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include "app/completion_popup.h"
#include "app/help_pane.h"
#include "app/live_preview.h"
#include "app/status_line.h"
#include "window_test_support.h"

namespace orvo::app::test {
namespace {

QString LastLine(const ConsoleEdit& console) {
  return console.document()->lastBlock().text();
}

// The format the typed line's character at `index` is drawn with (later ranges are drawn over
// earlier ones).
QTextCharFormat FormatAt(ConsoleEdit& console, int index, QTextBlock block = QTextBlock()) {
  if (!block.isValid()) block = console.document()->lastBlock();
  // As the console formats what comes into view.
  console.highlighter().FormatVisible(block, 1);
  QTextCharFormat format;
  for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
    if (index >= range.start && index < range.start + range.length) format.merge(range.format);
  }
  return format;
}

QColor ColourAt(ConsoleEdit& console, int index) {
  return FormatAt(console, index).foreground().color();
}

QColor KindColour(ConsoleEdit& console, ColourKind kind) {
  return console.highlighter().Format(kind).foreground().color();
}

class TypingTest final : public QObject {
  Q_OBJECT

 private slots:
  void tabCompletesAndTheHintFollows() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    CompletionPopup& popup = *fixture.window().completion();
    TypeText(console, QStringLiteral("gam"));
    QVERIFY(popup.IsOpen());
    const QStringList names = popup.Names();
    QVERIFY(names.size() <= 8);
    QCOMPARE(names.first(), QStringLiteral("gamma"));
    for (const char* name : {"gammainc", "gammaln", "gammalninv"}) {
      QVERIFY2(names.contains(QString::fromUtf8(name)), name);
    }
    QVERIFY(popup.list()->item(0)->text().startsWith(QStringLiteral("gamma(x): ")));
    // Typing goes on with the popup open.
    TypeText(console, QStringLiteral("m"));
    QCOMPARE(LastLine(console), QStringLiteral("gamm"));
    QVERIFY(popup.IsOpen());
    QVERIFY(console.hasFocus());
    QTest::keyClick(&console, Qt::Key_Tab);
    QCOMPARE(LastLine(console), QStringLiteral("gamma("));
    QVERIFY(!popup.IsOpen());
    QCOMPARE(fixture.window().statusLine()->text(), QStringLiteral("gamma(x): gamma function"));
    TypeLine(console, QStringLiteral("5)="));
    QCOMPARE(ConsoleText(console), QStringLiteral("gamma(5)=24\r\n\\\\\r\n"));
  }

  // Enter runs the line as typed while the popup is open, unless a row was chosen with the
  // arrows; with the popup closed, Up, Down and Tab keep their own meanings.
  void keysActOnThePopupOnlyWhileItIsOpen() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    CompletionPopup& popup = *fixture.window().completion();
    TypeText(console, QStringLiteral("1+si"));
    QVERIFY(popup.IsOpen());
    QTest::keyClick(&console, Qt::Key_Return);
    QVERIFY(!popup.IsOpen());
    QCOMPARE(ConsoleText(console), QStringLiteral("1+si\r\n\\\\\r\n"));

    TypeText(console, QStringLiteral("gam"));
    const QString second = popup.Names().value(1);
    QTest::keyClick(&console, Qt::Key_Down);
    QTest::keyClick(&console, Qt::Key_Down);
    QTest::keyClick(&console, Qt::Key_Up);
    QTest::keyClick(&console, Qt::Key_Down);
    QTest::keyClick(&console, Qt::Key_Return);
    QCOMPARE(LastLine(console), second + u'(');
    QVERIFY(!popup.IsOpen());

    // Esc closes it for this word; typing goes on, and Tab and Up mean what they always do.
    TypeLine(console, QStringLiteral("1,0.5)="));
    TypeText(console, QStringLiteral("gam"));
    QTest::keyClick(&console, Qt::Key_Escape);
    QVERIFY(!popup.IsOpen());
    TypeText(console, QStringLiteral("m"));
    QVERIFY(!popup.IsOpen());
    QTest::keyClick(&console, Qt::Key_Tab);
    QCOMPARE(LastLine(console), QStringLiteral("gamm\t"));
    QTest::keyClick(&console, Qt::Key_Up);
    QCOMPARE(LastLine(console), QStringLiteral("gammainc(1,0.5)="));
  }

  void aClickAccepts() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    CompletionPopup& popup = *fixture.window().completion();
    TypeText(console, QStringLiteral("2*GAM"));
    QListWidget* list = popup.list();
    const int row = static_cast<int>(popup.Names().indexOf(QStringLiteral("gammaln")));
    QVERIFY(row >= 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
    QCOMPARE(LastLine(console), QStringLiteral("2*gammaln("));
    QVERIFY(console.hasFocus());
  }

  // The call around the caret, the argument being typed in bold; the preview comes back outside.
  void theHintFollowsTheCaretThroughNestedCalls() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    StatusLine& status = *fixture.window().statusLine();
    auto* label = status.findChild<QLabel*>();
    TypeText(console, QStringLiteral("pow(2,sin("));
    QVERIFY(status.text().startsWith(QStringLiteral("sin(x): ")));
    QVERIFY(label->text().startsWith(QStringLiteral("sin(<b>x</b>): ")));
    TypeText(console, QStringLiteral("1)"));
    QVERIFY(status.text().startsWith(QStringLiteral("pow(x,y): ")));
    QVERIFY(label->text().startsWith(QStringLiteral("pow(x,<b>y</b>): ")));
    TypeText(console, QStringLiteral(")"));
    fixture.window().preview()->Start();
    fixture.window().preview()->Finish();
    QCOMPARE(status.text(), QStringLiteral("= 1.7918762"));
  }

  // F1 on a name or a command word opens its entry in the help pane.
  void f1OnACommandWord() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeText(console, QStringLiteral("&is"));
    QTest::keyClick(&console, Qt::Key_F1);
    HelpPane* help = fixture.window().help();
    QVERIFY(help->isVisible());
    QCOMPARE(help->pageView()->textCursor().selectedText(), QStringLiteral("&is("));
    QCOMPARE(LastLine(console), QStringLiteral("&is"));
  }

  void theTypedLineIsColouredByItsTokens() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeText(console, QStringLiteral("2*foo+sin(x)"));
    const struct {
      int at;
      ColourKind kind;
    } rows[] = {
        {0, ColourKind::kAnswer}, {1, ColourKind::kPrompt},   {2, ColourKind::kError},
        {6, ColourKind::kNote},   {10, ColourKind::kWarning},
    };
    for (const auto& row : rows) {
      QCOMPARE(ColourAt(console, row.at), KindColour(console, row.kind));
    }
    // The bracket before the caret and its partner.
    QCOMPARE(FormatAt(console, 11).fontWeight(), int(QFont::Bold));
    QCOMPARE(FormatAt(console, 9).fontWeight(), int(QFont::Bold));
    QVERIFY(FormatAt(console, 2).fontWeight() != int(QFont::Bold));
    QTest::keyClick(&console, Qt::Key_Home);
    QVERIFY(FormatAt(console, 11).fontWeight() != int(QFont::Bold));
    // Once run, the line has the colour of typed commands again.
    QTest::keyClick(&console, Qt::Key_End);
    QTest::keyClick(&console, Qt::Key_Return);
    const QTextBlock first = console.document()->firstBlock();
    QCOMPARE(first.text(), QStringLiteral("2*foo+sin(x)"));
    QCOMPARE(FormatAt(console, 2, first).foreground().color(),
             KindColour(console, ColourKind::kCommand));

    // Setting words and command words are known words; a command's unknown word is an error.
    TypeLine(console, QStringLiteral("prec=10"));
    TypeText(console, QStringLiteral("prec=9"));
    QCOMPARE(ColourAt(console, 0), KindColour(console, ColourKind::kNote));
    console.SetTypedLine(QStringLiteral("&is(0;1;x)"));
    QCOMPARE(ColourAt(console, 1), KindColour(console, ColourKind::kNote));
    QCOMPARE(ColourAt(console, 8), KindColour(console, ColourKind::kWarning));
    console.SetTypedLine(QStringLiteral("&zz(0)"));
    QCOMPARE(ColourAt(console, 1), KindColour(console, ColourKind::kError));
  }
};

}  // namespace

std::unique_ptr<QObject> MakeTypingTest() {
  return std::make_unique<TypingTest>();
}

}  // namespace orvo::app::test

#include "typing_aids_test.moc"
