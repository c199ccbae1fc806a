// The session survives a restart: saved after commands and on close, restored at start (a big
// one shows its last lines at once, and is whole for anything that reaches past them); a file
// that cannot be used is moved aside and kept; NEW and --new keep the previous session.
#include <sys/stat.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QWheelEvent>
#include <cmath>

#include "app/session_store.h"
#include "app/status_line.h"
#include "console/session_file.h"
#include "window_test_support.h"

namespace orvo::app::test {
namespace {

const QStringList kWork = {
    "x=5",    "prec=12", "bracketoff", "#define(f(x,y);x^2+y)=", "@1(2,2;1;2;3;4)=",
    "save 3", "f(2,3)="};

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything a session file would hold of this window.
std::string Saved(ConsoleEdit& console) {
  return WriteSessionText(
      CaptureSession(console.session(), console.Text(), console.recall().Entries()));
}

// A window that keeps its session in `folder`.
struct SessionWindow {
  explicit SessionWindow(const QString& folder, bool startNew = false) {
    fixture.window().KeepSession(folder, startNew);
  }
  ConsoleEdit& console() { return fixture.console(); }
  SessionStore& store() { return *fixture.window().sessionStore(); }
  WindowFixture fixture;
};

// A console of 3000 answers (6000 lines), each with its prompt line: far more than a restored
// session shows at once.
QString BigConsole() {
  QString text;
  for (int i = 0; i < 3000; ++i) {
    text += QStringLiteral("sqrt(%1)=%2\r\n\\\\\r\n").arg(i).arg(std::sqrt(i));
  }
  return text;
}

// The first line in view.
QTextBlock TopBlock(const ConsoleEdit& console) {
  return console.cursorForPosition(QPoint(0, 0)).block();
}

// Saves in `folder` the session of a window showing `console`; returns the file's bytes.
QByteArray SaveConsole(const QString& folder, const QString& console) {
  SessionWindow window(folder);
  window.console().SetText(console.toStdString());
  window.store().SaveNow();
  return Contents(window.store().path());
}

// A window given BigConsole() whole, as a restored session was before it loaded lazily.
struct WholeWindow {
  WholeWindow() {
    fixture.console().setPlainText(BigConsole());
    fixture.console().MoveCaretToEnd();
  }
  ConsoleEdit& console() { return fixture.console(); }
  WindowFixture fixture;
};

class SessionTest final : public QObject {
  Q_OBJECT

 private slots:
  void closingAndReopeningKeepsEverything() {
    QTemporaryDir folder;
    std::string before;
    {
      SessionWindow first(folder.path());
      for (const QString& line : kWork) TypeLine(first.console(), line);
      // Saving waits for a quiet moment after the command.
      QVERIFY(first.store().SaveScheduled());
      TypeText(first.console(), QStringLiteral("7*"));  // typed, not run: saved on close
      before = Saved(first.console());
      QTest::keyClick(&first.console(), Qt::Key_Q, Qt::ControlModifier);
    }
    SessionWindow second(folder.path());
    QCOMPARE(Saved(second.console()), before);
    QCOMPARE(second.console().textCursor().position(),
             second.console().document()->characterCount() - 1);
    QTest::keyClick(&second.console(), Qt::Key_Up);
    QCOMPARE(second.console().TypedLine(), QStringLiteral("f(2,3)="));
  }

  // A big session shows its last lines at once and loads the rest afterwards; quitting at once
  // still saves all of it.
  void aBigSessionQuitAtOnceIsSavedWhole() {
    const QString big = BigConsole();
    QTemporaryDir folder;
    const QByteArray saved = SaveConsole(folder.path(), big);
    for (bool menu : {false, true}) {
      SessionWindow window(folder.path());
      QVERIFY(window.console().Loading());
      QVERIFY(window.console().document()->blockCount() < 1000);
      if (menu) {
        MenuCommand(window.fixture.window(), QStringLiteral("&Quit"))->trigger();
      } else {
        QTest::keyClick(&window.console(), Qt::Key_Q, Qt::ControlModifier);
      }
      QCOMPARE(Contents(window.store().path()), saved);
    }
  }

  void aCommandTypedAtOnceIsAnsweredAfterTheLastPrompt() {
    const QString big = BigConsole();
    QTemporaryDir folder;
    SaveConsole(folder.path(), big);
    SessionWindow restored(folder.path());
    WholeWindow whole;
    for (ConsoleEdit* console : {&restored.console(), &whole.console()}) {
      TypeLine(*console, QStringLiteral("1+2="));
    }
    QVERIFY(ConsoleText(restored.console()).startsWith(big));
    QCOMPARE(ConsoleText(restored.console()), ConsoleText(whole.console()));
    QCOMPARE(restored.console().textCursor().position(), whole.console().textCursor().position());
  }

  // Clearing at once keeps the whole text for Ctrl+Z.
  void clearingAtOnceKeepsTheWholeTextForUndo() {
    const QString big = BigConsole();
    QTemporaryDir folder;
    SaveConsole(folder.path(), big);
    SessionWindow window(folder.path());
    QTest::keyClick(&window.console(), Qt::Key_Return);
    QCOMPARE(ConsoleText(window.console()), QString());
    QTest::keyClick(&window.console(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ConsoleText(window.console()), big);
  }

  // Every way up to the older lines finds them there.
  void theOlderLinesAreThereForEveryWayUp() {
    const QString big = BigConsole();
    QTemporaryDir folder;
    SaveConsole(folder.path(), big);
    const QString first = big.left(big.indexOf(u'\r'));
    {
      SessionWindow window(folder.path());
      QTest::keyClick(&window.console(), Qt::Key_Home, Qt::ControlModifier);
      QCOMPARE(window.console().textCursor().position(), 0);
      QCOMPARE(window.console().textCursor().block().text(), first);
      QCOMPARE(TopBlock(window.console()).blockNumber(), 0);
    }
    QString all = big;
    all.replace(QStringLiteral("\r\n"), QChar(QChar::ParagraphSeparator));
    for (bool menu : {false, true}) {
      SessionWindow window(folder.path());
      if (menu) {
        MenuCommand(window.fixture.window(), QStringLiteral("Select &all"))->trigger();
      } else {
        QTest::keyClick(&window.console(), Qt::Key_A, Qt::ControlModifier);
      }
      QCOMPARE(window.console().textCursor().selectedText(), all);
    }
    {
      SessionWindow window(folder.path());
      QWidget* view = window.console().viewport();
      QWheelEvent up(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(view, &up);
      QVERIFY(!window.console().Loading());
      QCOMPARE(ConsoleText(window.console()), big);
    }
    // The scroll bar: its first move stops at the top of the lines shown, which stay in view as
    // the older ones come in above them; the next reaches the first line.
    SessionWindow window(folder.path());
    ConsoleEdit& console = window.console();
    QScrollBar* bar = console.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    const int shown = console.document()->blockCount();
    QTRY_VERIFY(!console.Loading());
    QCOMPARE(TopBlock(console).blockNumber(), console.document()->blockCount() - shown);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(TopBlock(console).text(), first);
  }

  // Left alone, the older lines come in by themselves; the caret, the lines in view and their
  // colours are those of the whole text given at once.
  void theOlderLinesComeInUnseen() {
    const QString big = BigConsole();
    QTemporaryDir folder;
    SaveConsole(folder.path(), big);
    SessionWindow restored(folder.path());
    WholeWindow whole;
    ConsoleEdit& console = restored.console();
    console.viewport()->grab();
    QVERIFY(console.Loading());
    // The first line shown is coloured as in the whole text, where a line is before it.
    const int older = whole.console().document()->blockCount() - console.document()->blockCount();
    console.highlighter().FormatBlock(console.document()->firstBlock());
    const QTextBlock same = whole.console().document()->findBlockByNumber(older);
    whole.console().highlighter().FormatBlock(same);
    QCOMPARE(console.document()->firstBlock().layout()->formats(), same.layout()->formats());
    const int top = TopBlock(console).blockNumber();

    QTRY_VERIFY(!console.Loading());
    QCOMPARE(TopBlock(console).blockNumber(), older + top);
    QCOMPARE(ConsoleText(console), big);
    whole.console().viewport()->grab();
    console.viewport()->grab();
    QCOMPARE(console.textCursor().position(), whole.console().textCursor().position());
    QTextBlock block = TopBlock(console);
    QTextBlock wholeBlock = TopBlock(whole.console());
    QCOMPARE(block.blockNumber(), wholeBlock.blockNumber());
    for (; block.isValid(); block = block.next(), wholeBlock = wholeBlock.next()) {
      QCOMPARE(block.layout()->formats(), wholeBlock.layout()->formats());
    }
  }

  void unusableFilesAreMovedAside_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind");  // "file", "folder" or "fifo"
    QTest::addColumn<QString>("reason");
    QTest::newRow("binary") << QByteArray::fromHex("7f454c460201010000") << "file"
                            << "not an Orvo session file";
    QTest::newRow("a folder") << QByteArray() << "folder"
                              << "not a regular file";
    QTest::newRow("a FIFO") << QByteArray() << "fifo"
                            << "not a regular file";
  }
  void unusableFilesAreMovedAside() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("session.txt"));
    if (kind == QStringLiteral("folder")) {
      QVERIFY(QDir().mkdir(path));
    } else if (kind == QStringLiteral("fifo")) {
      QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(bytes);
    }
    SessionWindow window(folder.path());
    const QString text = ConsoleText(window.console());
    QVERIFY2(
        text.startsWith(QStringLiteral("The saved session could not be read (%1). It is kept as %2")
                            .arg(reason, path)),
        qPrintable(text));
    const QStringList aside = QDir(folder.path())
                                  .entryList({QStringLiteral("session.txt.unreadable-*")},
                                             QDir::AllEntries | QDir::System | QDir::Hidden);
    QCOMPARE(aside.size(), 1);
    if (kind == QStringLiteral("file")) QCOMPARE(Contents(folder.filePath(aside[0])), bytes);

    // The window works and saves as usual.
    TypeLine(window.console(), QStringLiteral("1+2="));
    window.store().SaveNow();
    SessionData data;
    QCOMPARE(ReadSessionText(Contents(path).toStdString(), data), std::string());
  }

  void twoWindowsSavingInTurn() {
    QTemporaryDir folder;
    SessionWindow first(folder.path());
    SessionWindow second(folder.path());
    SessionWindow* order[] = {&first, &second, &first};
    int n = 0;
    for (SessionWindow* window : order) {
      TypeLine(window->console(), QStringLiteral("x=%1").arg(++n));
      window->store().SaveNow();
      QCOMPARE(Contents(window->store().path()).toStdString(), Saved(window->console()));
    }
  }

  void newSessionsKeepTheOldOneAsBackup() {
    QTemporaryDir folder;
    QByteArray saved;
    {
      SessionWindow first(folder.path());
      TypeLine(first.console(), QStringLiteral("x=5"));
      first.store().SaveNow();
      saved = Contents(first.store().path());
    }
    // orvo --new
    SessionWindow second(folder.path(), true);
    QCOMPARE(ConsoleText(second.console()), QString());
    QCOMPARE(second.console().session().state().evaluator.GetX(), 0.0);
    QCOMPARE(Contents(second.store().backupPath()), saved);

    // NEW asks first when there is anything to lose; No keeps everything.
    TypeLine(second.console(), QStringLiteral("y=7"));
    for (QMessageBox::StandardButton button : {QMessageBox::No, QMessageBox::Yes}) {
      DialogScript script;
      script.Then<QMessageBox>([button](QMessageBox* box) { box->button(button)->click(); });
      second.fixture.window().StartNewSession();
      QCOMPARE(script.answered(), 1);
      QCOMPARE(ConsoleText(second.console()).isEmpty(), button == QMessageBox::Yes);
    }
    // The status line says where the last one is kept; no box takes the keys.
    QCOMPARE(second.fixture.window().statusLine()->text(),
             QStringLiteral("started a new session; the last one is kept as ") +
                 second.store().backupPath());
    // Nothing to lose: no question, and the backup stays.
    second.fixture.window().StartNewSession();
    QVERIFY(Contents(second.store().backupPath()).contains("y 7\n"));
  }

  void aFailingSaveIsReportedOnce() {
    QTemporaryDir folder;
    const QString gone = folder.filePath(QStringLiteral("gone"));
    SessionWindow window(gone);
    QVERIFY(QDir(gone).removeRecursively());
    StatusLine* status = window.fixture.window().statusLine();
    for (int i = 0; i < 2; ++i) {
      TypeLine(window.console(), QStringLiteral("1+2="));
      window.store().SaveNow();
      QCoreApplication::processEvents();
      QCOMPARE(status->message().startsWith(QStringLiteral("The session could not be saved")),
               i == 0);
      status->Say(QString());
    }
  }
};

}  // namespace

std::unique_ptr<QObject> MakeSessionTest() {
  return std::make_unique<SessionTest>();
}

}  // namespace orvo::app::test

#include "session_store_test.moc"
