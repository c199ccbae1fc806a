#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

#include "app/console_edit.h"
#include "app/look_dialog.h"
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

bool FontInstalled(const std::string& name) {
  return QFontDatabase::hasFamily(QString::fromStdString(name));
}

}  // namespace

QFont ConsoleFont(const ConsoleLook& look) {
  QFont font = FontInstalled(look.fontName) ? QFont(QString::fromStdString(look.fontName))
                                            : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(look.sizeTenths / 10.0);
  font.setBold(look.bold);
  font.setItalic(look.italic);
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

  SetUpStatusLine();
  plots_ = new PlotFollower(this, console_);  // owned by the window
  SetUpMenus();
  // Window managers keep drops on the title bar to themselves: the menu bar takes settings
  // files instead.
  menuBar()->setAcceptDrops(true);
  menuBar()->installEventFilter(this);

  connect(console_, &ConsoleEdit::aboutRequested, this, &MainWindow::ShowAboutBox);
  connect(console_, &ConsoleEdit::said, status_, &StatusLine::Say);

  ConsoleLook look = look_;
  if (!settingsPath.isEmpty()) {
    look = LoadSettingsFile(look_, QFile::encodeName(settingsPath).toStdString());
  }
  Apply(look, ConsoleFont(look));
  RestoreWindowGeometry(*this, DefaultWindowSize(font_, screen()->availableGeometry()));
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
  console_->highlighter().SetLook(look_);
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
  LookDialog dialog(look_, font_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The size and name of the look stay: a dropped file that fails validation falls back to
  // them, not to the dialog's choice.
  ConsoleLook look = dialog.look();
  look.sizeTenths = look_.sizeTenths;
  look.fontName = look_.fontName;
  Apply(look, dialog.font());
  SaveFontChoices(dialog.font());
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
    status_->Say(
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
  connect(store_, &SessionStore::saveFailed, status_, &StatusLine::Say);
  newSession_->setEnabled(true);
}

void MainWindow::StartNewSession() {
  const QString question = QString::fromUtf8(text::kNewQuestion).arg(store_->backupPath());
  // An empty session stays as it is, and so does the backup of the one before.
  if (!store_->HasWork() || !console_->session().dialogs().AskYesNo(question.toStdString())) {
    return;
  }
  store_->StartNew();
  status_->Say(QString::fromUtf8(text::kNewSessionStarted).arg(store_->backupPath()));
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
