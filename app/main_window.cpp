#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

#include "app/console_edit.h"
#include "app/plot_view.h"
#include "app/session_store.h"
#include "app/status_line.h"
#include "app/texts.h"
#include "app/window_view.h"
#include "base/safe_file.h"

namespace orvo::app {
namespace {

QColor ToQColor(Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

Rgb ToRgb(const QColor& colour) {
  return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
             static_cast<std::uint8_t>(colour.blue())};
}

bool FontInstalled(const std::string& name) {
  return QFontDatabase::hasFamily(QString::fromStdString(name));
}

}  // namespace

QFont ConsoleFont(const ConsoleLook& look) {
  QFont font = FontInstalled(look.fontName) ? QFont(QString::fromStdString(look.fontName))
                                            : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(look.sizeTenths / 10.0);
  return font;
}

QString UserSettingsFile() {
  const QString configHome =
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (configHome.isEmpty()) return {};
  return QDir(configHome)
      .filePath(QStringLiteral("%1/%2").arg(QString::fromUtf8(text::kConfigFolder),
                                            QString::fromUtf8(text::kSettingsFileName)));
}

QString FindSettingsFile() {
  const QString besideProgram =
      QDir(QCoreApplication::applicationDirPath()).filePath(text::kSettingsFileName);
  if (QFileInfo(besideProgram).isFile()) return besideProgram;
  const QString inConfig = UserSettingsFile();
  return !inConfig.isEmpty() && QFileInfo(inConfig).isFile() ? inConfig : QString();
}

MainWindow::MainWindow(SessionOptions options, const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent), console_(new ConsoleEdit(std::move(options), this)) {
  setWindowTitle(QString::fromUtf8(text::kTitle));
  setCentralWidget(console_);

  QMenuBar* bar = menuBar();
  connect(bar->addAction(QString::fromUtf8(text::kMenuAbout)), &QAction::triggered, this,
          [this] { console_->session().ShowAbout(); });
  connect(bar->addAction(QString::fromUtf8(text::kMenuFont)), &QAction::triggered, this,
          &MainWindow::ChooseFont);
  connect(bar->addAction(QString::fromUtf8(text::kMenuHelp)), &QAction::triggered, this,
          [this] { console_->session().ShowHelpIndex(); });
  SetUpStatusLine();
  // Window managers keep drops on the title bar to themselves: the menu bar takes settings
  // files instead.
  bar->setAcceptDrops(true);
  bar->installEventFilter(this);

  connect(console_, &ConsoleEdit::aboutRequested, this, &MainWindow::ShowAboutBox);

  auto* closeKeys = new QAction(this);
  closeKeys->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)});
  connect(closeKeys, &QAction::triggered, this, &QWidget::close);
  addAction(closeKeys);

  ConsoleLook look = look_;
  if (!settingsPath.isEmpty()) {
    look = LoadSettingsFile(look_, QFile::encodeName(settingsPath).toStdString());
  }
  Apply(look, ConsoleFont(look));
  RestoreWindowGeometry(*this, DefaultWindowSize(font_, screen()->availableGeometry()));
  new PlotFollower(this, console_);  // owned by the window
  console_->setFocus();
}

void MainWindow::Apply(const ConsoleLook& look, const QFont& font) {
  look_ = look;
  font_ = font;
  console_->setFont(font_);
  QPalette palette = console_->palette();
  palette.setColor(QPalette::Base, ToQColor(look_.background));
  palette.setColor(QPalette::Text, ToQColor(look_.text));
  QColor hint = ToQColor(look_.text);
  hint.setAlpha(128);
  palette.setColor(QPalette::PlaceholderText, hint);
  console_->setPalette(palette);
  status_->SetColours(ToQColor(look_.text), ToQColor(look_.background));
}

void MainWindow::ApplySettingsFile(const QString& path) {
  ConsoleLook look = LoadSettingsFile(look_, QFile::encodeName(path).toStdString());
  // A face that is not installed leaves the font as it was; the colours still apply.
  if (look.fontName != look_.fontName && !FontInstalled(look.fontName)) {
    look.sizeTenths = look_.sizeTenths;
    look.fontName = look_.fontName;
  }
  Apply(look, ConsoleFont(look));
}

void MainWindow::ChooseFont() {
  bool ok = false;
  QFont font = QFontDialog::getFont(&ok, font_, this, QString::fromUtf8(text::kFontDialogTitle));
  if (!ok) return;
  QColor colour = QColorDialog::getColor(ToQColor(look_.text), this,
                                         QString::fromUtf8(text::kColourDialogTitle));
  // The size and name of the look stay: a dropped file that fails validation falls back to
  // them, not to the dialog's choice. Cancelling the colour keeps the font just chosen.
  ConsoleLook look = look_;
  if (colour.isValid()) look.text = ToRgb(colour);
  Apply(look, font);
  SaveFontChoices(font);
}

void MainWindow::SaveFontChoices(const QFont& font) {
  if (fontFile_.isEmpty()) return;
  ConsoleLook saved = look_;
  saved.sizeTenths = static_cast<int>(std::lround(font.pointSizeF() * 10));
  saved.fontName = font.family().toStdString();
  QDir().mkpath(QFileInfo(fontFile_).path());
  WriteResult written =
      WriteFileSafely(QFile::encodeName(fontFile_).toStdString(), SettingsFileText(saved));
  if (!written.ok) {
    statusBar()->showMessage(
        QString::fromUtf8(text::kFontNotSaved).arg(QString::fromStdString(written.reason)));
  }
}

void MainWindow::KeepSession(const QString& folder, bool startNew) {
  store_ = new SessionStore(folder, *console_, this);
  if (startNew) {
    store_->KeepAsBackup();
  } else {
    store_->Restore();
  }
  connect(console_, &ConsoleEdit::changed, store_, &SessionStore::ScheduleSave);
  connect(store_, &SessionStore::saveFailed, this,
          [this](const QString& message) { statusBar()->showMessage(message); });
  connect(menuBar()->addAction(QString::fromUtf8(text::kMenuNew)), &QAction::triggered, this,
          &MainWindow::StartNewSession);
}

void MainWindow::StartNewSession() {
  const QString question = QString::fromUtf8(text::kNewQuestion).arg(store_->backupPath());
  // An empty session stays as it is, and so does the backup of the one before.
  if (!store_->HasWork() || !console_->session().dialogs().AskYesNo(question.toStdString())) {
    return;
  }
  store_->StartNew();
}

void MainWindow::ShowAboutBox() {
  QDialog box(this);
  box.setWindowTitle(QString::fromUtf8(text::kAboutBoxTitle));
  auto* layout = new QVBoxLayout(&box);
  auto* label = new QLabel(QString::fromUtf8(text::kAboutBoxText), &box);
  label->setWordWrap(true);
  label->setTextFormat(Qt::RichText);
  layout->addWidget(label);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  layout->addWidget(buttons);
  box.resize(360, box.sizeHint().height());
  box.exec();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != menuBar()) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
      AcceptFileDrag(static_cast<QDragMoveEvent*>(event));
      return true;
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      QString path = FirstLocalFile(drop->mimeData());
      if (!path.isEmpty()) {
        drop->acceptProposedAction();
        ApplySettingsFile(path);
      }
      return true;
    }
    default:
      return QMainWindow::eventFilter(watched, event);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A running command has the session on its stack: stop it first, then close.
  if (console_->interrupt().Running()) {
    console_->CancelAndClose();
    event->ignore();
    return;
  }
  if (store_ != nullptr) store_->SaveNow();
  SaveWindowGeometry(*this);
  event->accept();
}

}  // namespace orvo::app
