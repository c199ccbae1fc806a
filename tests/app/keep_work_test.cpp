// The window keeps the user's work: Enter off the prompt line copies instead of clearing, whole
// screen replacements are undone, Up and Down recall commands, Ctrl+Q and Ctrl+W close.
#include <QAction>
#include <QTest>

#include "window_test_support.h"

namespace orvo::app::test {
namespace {

// Keys are given as text: "C+Home" is Ctrl+Home, "S+" Shift; anything else is typed.
void Press(ConsoleEdit& console, const QStringList& keys) {
  static const QHash<QString, Qt::Key> kNames = {
      {"Home", Qt::Key_Home}, {"End", Qt::Key_End},     {"Up", Qt::Key_Up},
      {"Down", Qt::Key_Down}, {"PgUp", Qt::Key_PageUp}, {"Enter", Qt::Key_Return},
      {"F1", Qt::Key_F1},     {"Z", Qt::Key_Z},         {"Y", Qt::Key_Y},
      {"Q", Qt::Key_Q},       {"W", Qt::Key_W}};
  for (QString key : keys) {
    Qt::KeyboardModifiers modifiers;
    for (; key.size() > 2 && (key[0] == u'C' || key[0] == u'S') && key[1] == u'+';
         key.remove(0, 2)) {
      modifiers |= key[0] == u'C' ? Qt::ControlModifier : Qt::ShiftModifier;
    }
    if (kNames.contains(key)) {
      QTest::keyClick(&console, kNames[key], modifiers);
    } else {
      TypeText(console, key);
    }
  }
}

void RunLines(ConsoleEdit& console, const QStringList& lines) {
  for (const QString& line : lines) TypeLine(console, line);
}

class KeepWorkTest final : public QObject {
  Q_OBJECT

 private slots:
  void enterOffThePromptCopiesTheCommand_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("keys");  // move the caret into old text
    QTest::addColumn<QString>("copied");
    const QStringList sum{"1+2="};
    QTest::newRow("the answer stays behind") << sum << QStringList{"C+Home"} << "1+2=";
    QTest::newRow("PageUp") << sum << QStringList{"PgUp"} << "1+2=";
    QTest::newRow("a setting keeps its value")
        << QStringList{"x=5"} << QStringList{"C+Home"} << "x=5";
    QTest::newRow("the block the caret is in")
        << QStringList{"1+2=", "2*3="} << QStringList{"C+Home", "C+Down", "C+Down"} << "2*3=";
    QTest::newRow("an answer line of a tool")
        << QStringList{"&is(0;1;x^2)="} << QStringList{"C+Home", "C+Down"} << "&is(0;1;x^2)=";
  }
  void enterOffThePromptCopiesTheCommand() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, keys);
    QFETCH(QString, copied);
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    RunLines(console, lines);
    Press(console, keys);
    const QString old = ConsoleText(console);
    Press(console, {"Enter"});
    QCOMPARE(console.TypedLine(), copied);
    QCOMPARE(ConsoleText(console), old + copied);
    QCOMPARE(console.textCursor().position(), console.document()->characterCount() - 1);
    // The second Enter runs it.
    Press(console, {"Enter"});
    QVERIFY(ConsoleText(console).startsWith(old + copied));
    QVERIFY(ConsoleText(console).endsWith(QStringLiteral("\\\\\r\n")));
  }

  void screenReplacementsAreUndone_data() {
    QTest::addColumn<QStringList>("setup");  // typed or moved before the first replacement
    QTest::addColumn<QStringList>("keys");   // empty: the ABOUT menu command
    QTest::newRow("Enter on the empty prompt") << QStringList{} << QStringList{"Enter"};
    QTest::newRow("a help page") << QStringList{"&oper="} << QStringList{"Enter"};
    QTest::newRow("save, then load")
        << QStringList{"save 1"} << QStringList{"Enter", "load 1", "Enter"};
    QTest::newRow("ABOUT") << QStringList{"C+Home"} << QStringList{};
  }
  void screenReplacementsAreUndone() {
    QFETCH(QStringList, setup);
    QFETCH(QStringList, keys);
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    RunLines(console, {"1+2=", "2*3="});
    Press(console, setup);
    const QString before = ConsoleText(console);
    const int caret = console.textCursor().position();
    if (keys.isEmpty()) {
      MenuCommand(fixture.window(), QStringLiteral("&About Orvo"))->trigger();
    } else {
      Press(console, keys);
    }
    const QString after = ConsoleText(console);
    QVERIFY(after != before);

    Press(console, {"C+Z", "C+Z", "C+Z"});
    QCOMPARE(ConsoleText(console), before);
    QCOMPARE(console.textCursor().position(), caret);
    // The screen comes back as it was shown: wrapped, in the console's font.
    QCOMPARE(console.document()->defaultTextOption().wrapMode(),
             QTextOption::WrapAtWordBoundaryOrAnywhere);
    QCOMPARE(console.document()->defaultFont(), console.font());
    Press(console, {"C+S+Z", "C+S+Z", "C+S+Z"});
    QCOMPARE(ConsoleText(console), after);
    Press(console, {"C+Z", "C+Y"});
    QCOMPARE(ConsoleText(console), after);
  }

  void upAndDownRecallCommands() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    RunLines(console, {"1+2=", "1+2=", "x=5"});
    Press(console, {"2*"});
    const QStringList walk{"Up", "Up", "Up", "Down", "Down", "Down"};
    const QStringList shown{"x=5", "1+2=", "1+2=", "x=5", "2*", "2*"};
    for (int i = 0; i < walk.size(); ++i) {
      Press(console, {walk[i]});
      QCOMPARE(console.TypedLine(), shown[i]);
    }
    // Up off the prompt line moves the caret and changes nothing.
    const QString text = ConsoleText(console);
    Press(console, {"C+Up", "C+Up", "Up"});
    QCOMPARE(ConsoleText(console), text);
    QVERIFY(console.textCursor().position() < console.PromptPosition());
  }

  void ctrlQAndCtrlWClose() {
    for (const QString key : {"C+Q", "C+W"}) {
      WindowFixture fixture;
      Press(fixture.console(), {key});
      QVERIFY2(!fixture.window().isVisible(), qPrintable(key));
    }
  }
};

}  // namespace

std::unique_ptr<QObject> MakeKeepWorkTest() {
  return std::make_unique<KeepWorkTest>();
}

}  // namespace orvo::app::test

#include "keep_work_test.moc"
