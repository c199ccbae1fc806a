// The window: title, menu, About box, resizing, font and colours from files and dialogs, drops;
// while a command runs it repaints, shows a busy cursor, ignores input, and Esc stops it.
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "app/help_pane.h"
#include "app/look_dialog.h"
#include "app/status_line.h"
#include "base/version.h"
#include "window_test_support.h"

namespace orvo::app::test {
namespace {

QColor TextColour(const ConsoleEdit& console) {
  return console.palette().color(QPalette::Text);
}
QColor BackgroundColour(const ConsoleEdit& console) {
  return console.palette().color(QPalette::Base);
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
  QString path = dir.filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(content);
  return path;
}

// Drops `path` on `target` as a file manager would: the file's address, and its text form.
void DropFile(QWidget* target, const QString& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  data.setText(QUrl::fromLocalFile(path).toString());
  QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
}

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

// Polls the command's interrupt as a long loop would, at most `calls` times; true when the
// command was asked to stop. With intervals of zero every poll gives the event loop one turn.
bool PollUntilStopped(Interrupt& interrupt, int calls) {
  for (int i = 0; i < calls; ++i) {
    if (interrupt.Requested()) return true;
  }
  return false;
}

void PostKey(QWidget* target, Qt::Key key, const QString& text) {
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
  QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

class WindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void titleMenuAndDefaultLook() {
    WindowFixture fixture;
    QCOMPARE(fixture.window().windowTitle(), QStringLiteral("Orvo"));
    QStringList menus;
    for (QAction* action : fixture.window().menuBar()->actions()) {
      menus << action->text();
      QVERIFY(action->menu() != nullptr);
    }
    QCOMPARE(menus, (QStringList{"&File", "&Edit", "&View", "&Help"}));
    QCOMPARE(MenuCommand(fixture.window(), QStringLiteral("&Quit"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(MenuCommand(fixture.window(), QStringLiteral("Help &index"))->shortcut(),
             QKeySequence(Qt::Key_F1));
    QCOMPARE(TextColour(fixture.console()), QColor(192, 192, 192));
    QCOMPARE(BackgroundColour(fixture.console()), QColor(0, 0, 0));
    QCOMPARE(fixture.console().font().pointSizeF(), 14.0);
    QCOMPARE(ConsoleText(fixture.console()), QString());
    QCOMPARE(fixture.console().placeholderText(),
             QStringLiteral("Type an expression ending in = and press Enter \u00B7 F1 help"));
  }

  void missingFaceFallsBackToTheSystemFont() {
    ConsoleLook look;
    look.fontName = "No Such Face Anywhere";
    look.sizeTenths = 200;
    QFont font = ConsoleFont(look);
    QCOMPARE(font.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    QCOMPARE(font.pointSizeF(), 20.0);
  }

  void aboutAndHelpCommandsFillTheConsole() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    TypeLine(console, QStringLiteral("1+2="));
    MenuCommand(fixture.window(), QStringLiteral("&About Orvo"))->trigger();
    QString about = ConsoleText(console);
    QVERIFY2(about.startsWith(QStringLiteral("Orvo " ORVO_VERSION ", ")), qPrintable(about));
    QVERIFY(about.endsWith(QStringLiteral("\r\n\\\\\r\n")));
    TypeLine(console, QStringLiteral("2*3="));
    QCOMPARE(ConsoleText(console), about + QStringLiteral("2*3=6\r\n\\\\\r\n"));

    // The help index opens beside the console.
    const QString shown = ConsoleText(console);
    MenuCommand(fixture.window(), QStringLiteral("Help &index"))->trigger();
    QVERIFY(fixture.window().help()->isVisible());
    QCOMPARE(ConsoleText(console), shown);
  }

  void contextMenuOpensTheAboutBox() {
    WindowFixture fixture;
    std::unique_ptr<QMenu> menu(fixture.console().CreateContextMenu());
    QAction* entry = menu->actions().constLast();
    QCOMPARE(entry->text(), QStringLiteral("&About Orvo..."));

    QString title;
    QString text;
    DialogScript script;
    script.Then<QDialog>([&](QDialog* box) {
      title = box->windowTitle();
      for (QLabel* label : box->findChildren<QLabel*>()) text += label->text();
      box->accept();
    });
    entry->trigger();
    QTRY_COMPARE(script.answered(), 1);
    QCOMPARE(title, QStringLiteral("About Orvo"));
    QVERIFY(text.contains(QStringLiteral(ORVO_VERSION)));
    QCOMPARE(ConsoleText(fixture.console()), QString());
  }

  void consoleFillsTheWindowAtEverySize() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    for (QSize size : {QSize(1100, 760), QSize(300, 200)}) {
      window.resize(size);
      QTRY_COMPARE(window.size(), size);
      const QRect console = fixture.console().geometry();
      QCOMPARE(console.top(), window.menuBar()->geometry().bottom() + 1);
      QCOMPARE(console.left(), 0);
      QCOMPARE(console.right(), size.width() - 1);
      // The status line takes the bottom.
      QCOMPARE(console.bottom(), window.statusLine()->geometry().top() - 1);
      QCOMPARE(window.statusLine()->geometry().bottom(), size.height() - 1);
    }
    // Long lines wrap instead of scrolling sideways; the text keeps its one line.
    TypeText(fixture.console(), QString(200, QChar(u'7')));
    QCOMPARE(fixture.console().document()->blockCount(), 1);
    QVERIFY(fixture.console().document()->firstBlock().layout()->lineCount() > 1);
    QCOMPARE(fixture.console().horizontalScrollBar()->maximum(), 0);
  }

  void settingsFileFoundInTheConfigFolder() {
    QTemporaryDir config;
    ScopedEnv home("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCOMPARE(FindSettingsFile(), QString());
    QVERIFY(QDir(config.path()).mkpath(QStringLiteral("orvo")));
    QString path = WriteFile(config, QStringLiteral("orvo/font&color.txt"), "160\n");
    QCOMPARE(FindSettingsFile(), path);
  }

  void settingsFileDroppedOnTheMenuBar() {
    QTemporaryDir dir;
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    QWidget* bar = fixture.window().menuBar();

    DropFile(bar, WriteFile(dir, QStringLiteral("big.txt"), "180\nDejaVu Serif\n"));
    QCOMPARE(console.font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(console.font().pointSizeF(), 18.0);
    QCOMPARE(TextColour(console), QColor(192, 192, 192));

    // A face that is not installed keeps face and size; the colours still apply.
    DropFile(bar, WriteFile(dir, QStringLiteral("odd.txt"),
                            "240\nNo Such Face Anywhere\n255\n255\n0\n0\n0\n128\n"));
    QCOMPARE(console.font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(console.font().pointSizeF(), 18.0);
    QCOMPARE(TextColour(console), QColor(255, 255, 0));
    QCOMPARE(BackgroundColour(console), QColor(0, 0, 128));

    // A folder is not read.
    DropFile(bar, dir.path());
    QCOMPARE(TextColour(console), QColor(255, 255, 0));
    QCOMPARE(fixture.window().look().sizeTenths, 180);
    QCOMPARE(ConsoleText(console), QString());
  }

  void fileDroppedOnTheConsoleIsNeverTypedIn() {
    QTemporaryDir dir;
    WindowFixture fixture;
    TypeText(fixture.console(), QStringLiteral("1+"));
    DropFile(fixture.console().viewport(),
             WriteFile(dir, QStringLiteral("f.def"), "#define(f(x);x^2)\r\r\n"));
    QVERIFY(!ConsoleText(fixture.console()).contains(QStringLiteral("file:")));
    QCOMPARE(fixture.window().look(), ConsoleLook());
    // The console loaded the definitions instead: the next line can call them.
    TypeLine(fixture.console(), QStringLiteral("f(3)="));
    QVERIFY2(ConsoleText(fixture.console()).contains(QStringLiteral("f(3)=9")),
             qPrintable(ConsoleText(fixture.console())));
  }

  void commandsAskWithRealDialogs() {
    QTemporaryDir dir;
    const QString existing = WriteFile(dir, QStringLiteral("f.def"), "#define(f(x);x^2)\n");
    WindowFixture fixture;
    Dialogs& dialogs = fixture.console().session().dialogs();
    QString question;

    DialogScript script;
    script
        .Then<QMessageBox>([&](QMessageBox* box) {
          question = box->windowTitle() + QStringLiteral(": ") + box->text();
          box->button(QMessageBox::Yes)->click();
        })
        .Then<QFileDialog>([&](QFileDialog* dialog) {
          QCOMPARE(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
          TypeFileName(dialog, existing);
          static_cast<QDialog*>(dialog)->accept();  // what the Open button does
        })
        .Then<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); })
        .Then<QFileDialog>([&](QFileDialog* dialog) {
          TypeFileName(dialog, QDir(dir.path()).filePath(QStringLiteral("new")));
          static_cast<QDialog*>(dialog)->accept();
        });
    const std::string folder = QFile::encodeName(dir.path()).toStdString();
    const std::string filter = "Definition files (*.def);;All files (*)";

    QVERIFY(dialogs.AskYesNo("Overwrite?\r\nReally?"));
    QCOMPARE(question, QStringLiteral("Orvo: Overwrite?\nReally?"));
    QCOMPARE(dialogs.ChooseFileToOpen(filter, folder),
             std::optional<std::string>(QFile::encodeName(existing).toStdString()));
    QCOMPARE(dialogs.ChooseFileToOpen(filter, folder), std::optional<std::string>());
    QCOMPARE(dialogs.ChooseFileToSave(filter, "def", folder),
             std::optional<std::string>(folder + "/new.def"));
    QCOMPARE(script.answered(), 4);
  }

  void fontAndColourDialog_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("cancelled") << false;
  }
  void fontAndColourDialog() {
    QFETCH(bool, ok);
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    QTemporaryDir config;
    const QString saved = config.filePath(QStringLiteral("orvo/font&color.txt"));
    fixture.window().KeepFontChoices(saved);
    const QFont before = console.font();
    QFont chosen(QStringLiteral("DejaVu Serif"), 22);
    chosen.setItalic(true);

    DialogScript script;
    script.Then<LookDialog>([&](LookDialog* dialog) {
      dialog->SetFont(chosen);
      QVERIFY(dialog->SetColour(ColourKind::kCommand, Rgb{255, 0, 0}));
      QVERIFY(dialog->SetColour(ColourKind::kAnswer, Rgb{0, 200, 255}));
      ok ? dialog->accept() : dialog->reject();
    });
    MenuCommand(fixture.window(), QStringLiteral("&Font and colours..."))->trigger();

    QCOMPARE(script.answered(), 1);
    QCOMPARE(console.font().family(), ok ? chosen.family() : before.family());
    QCOMPARE(console.font().pointSizeF(), ok ? 22.0 : before.pointSizeF());
    QCOMPARE(TextColour(console), ok ? QColor(255, 0, 0) : QColor(192, 192, 192));
    // The dialog never changes the size and name that a dropped file falls back to.
    QCOMPARE(fixture.window().look().sizeTenths, 140);
    QCOMPARE(fixture.window().look().fontName, std::string("Verdana"));

    // The choices come back at the next start, italic and answer colour included; a reader of
    // the first eight lines reads the same font and colours.
    QCOMPARE(QFile::exists(saved), ok);
    if (!ok) return;
    WindowFixture next(saved);
    QCOMPARE(next.console().font().family(), chosen.family());
    QCOMPARE(next.console().font().pointSizeF(), 22.0);
    QVERIFY(next.console().font().italic());
    QCOMPARE(TextColour(next.console()), QColor(255, 0, 0));
    QCOMPARE(next.window().look().kinds.answer, (Rgb{0, 200, 255}));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(ApplySettingsLines(ConsoleLook{}, {lines[0].toStdString(), lines[1].toStdString(),
                                                lines[2].toStdString(), lines[3].toStdString(),
                                                lines[4].toStdString(), lines[5].toStdString(),
                                                lines[6].toStdString(), lines[7].toStdString()})
                 .text,
             (Rgb{255, 0, 0}));
  }

  // A colour too close to the background is refused, with the reason, and nothing changes.
  void colourDialogRefusesLowContrast() {
    LookDialog dialog{ConsoleLook{}, QFont()};
    dialog.show();
    QPushButton* errors = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == QStringLiteral("&Errors")) errors = button;
    }
    QVERIFY(errors != nullptr);
    DialogScript script;
    script.Then<QColorDialog>([](QColorDialog* colours) {
      colours->setCurrentColor(QColor(40, 10, 10));
      colours->accept();
    });
    QTest::mouseClick(errors, Qt::LeftButton);
    QCOMPARE(script.answered(), 1);
    QCOMPARE(dialog.refusal(),
             QStringLiteral("Not taken: errors would have a contrast of only 1.1:1 against the "
                            "background (at least 3:1 keeps them readable)."));
    QCOMPARE(dialog.look(), ConsoleLook{});
    // A background that would hide a kind is refused too; the light set is taken whole.
    QVERIFY(!dialog.SetBackground(Rgb{120, 120, 120}));
    dialog.UseKinds(kLightKinds, Rgb{30, 30, 30}, Rgb{255, 255, 255});
    QCOMPARE(dialog.refusal(), QString());
    QVERIFY(dialog.SetColour(ColourKind::kError, Rgb{40, 10, 10}));
  }

  void escStopsTheCommandAndKeysTypedMeanwhileLandAfter() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    // Every poll pumps the event loop, and "Working" shows from the first one.
    console.interrupt().SetIntervals(0, 0);
    QString statusWhileRunning;
    PaintCounter counter(console.viewport());
    bool stopped = false;
    bool stoppedEarly = false;
    bool busyCursor = false;

    console.RunCommand([&] {
      QCursor* cursor = QApplication::overrideCursor();
      busyCursor = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
      console.ReplaceSelection("\r\nPlease wait...");
      const int paintsBefore = counter.paints;
      PostKey(&console, Qt::Key_7, QStringLiteral("7"));
      // A long command without Esc keeps running, and the window repaints meanwhile (a hang
      // here is caught by the test time limit).
      while (counter.paints == paintsBefore && !stoppedEarly) {
        stoppedEarly = console.interrupt().Requested();
      }
      statusWhileRunning = fixture.window().statusLine()->text();
      PostKey(&console, Qt::Key_Escape, QString());
      stopped = PollUntilStopped(console.interrupt(), 20);
    });

    QVERIFY(busyCursor);
    QVERIFY(!stoppedEarly);
    QVERIFY(stopped);
    QCOMPARE(statusWhileRunning, QStringLiteral("Working... Esc cancels"));
    QVERIFY(fixture.window().statusLine()->text() != statusWhileRunning);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCoreApplication::processEvents();
    QCOMPARE(ConsoleText(console), QStringLiteral("\r\nPlease wait...7"));

    // The next command starts afresh, and input reaches the console again.
    bool stoppedAgain = true;
    console.RunCommand([&] { stoppedAgain = PollUntilStopped(console.interrupt(), 20); });
    QVERIFY(!stoppedAgain);
    TypeText(console, QStringLiteral("7"));
    QCOMPARE(ConsoleText(console), QStringLiteral("\r\nPlease wait...77"));
  }

  void closingDuringACommandStopsItThenCloses() {
    WindowFixture fixture;
    ConsoleEdit& console = fixture.console();
    console.interrupt().SetIntervals(0, 0);
    bool stopped = false;
    console.RunCommand([&] {
      QVERIFY(!fixture.window().close());
      QVERIFY(fixture.window().isVisible());
      stopped = PollUntilStopped(console.interrupt(), 1);
    });
    QVERIFY(stopped);
    QTRY_VERIFY(!fixture.window().isVisible());
  }
};

}  // namespace

std::unique_ptr<QObject> MakeWindowTest() {
  return std::make_unique<WindowTest>();
}

}  // namespace orvo::app::test

#include "window_test.moc"
