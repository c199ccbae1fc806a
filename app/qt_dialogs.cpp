#include "app/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/texts.h"

namespace orvo::app {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A question asked in the middle of a command gets the normal pointer, not the busy one.
class NormalCursor {
 public:
  NormalCursor() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
  ~NormalCursor() { QApplication::restoreOverrideCursor(); }
  NormalCursor(const NormalCursor&) = delete;
  NormalCursor& operator=(const NormalCursor&) = delete;
};

// File names as the file system spells them (not necessarily UTF-8).
std::optional<std::string> ChosenPath(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return QFile::encodeName(path).toStdString();
}

std::optional<std::string> RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                         std::string_view filter, std::string_view suffix,
                                         std::string_view startFolder) {
  NormalCursor cursor;
  QFileDialog dialog(parent, text::kTitle,
                     QFile::decodeName(QByteArray(startFolder.data(), startFolder.size())),
                     FromUtf8(filter));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  if (!suffix.empty()) dialog.setDefaultSuffix(FromUtf8(suffix));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ChosenPath(dialog.selectedFiles().constFirst());
}

}  // namespace

bool QtDialogs::AskYesNo(std::string_view question) {
  NormalCursor cursor;
  QString shown = FromUtf8(question);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return QMessageBox::question(parent_, text::kTitle, shown, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::ChooseFileToOpen(std::string_view filter,
                                                       std::string_view startFolder) {
  return RunFileDialog(parent_, QFileDialog::AcceptOpen, filter, {}, startFolder);
}

std::optional<std::string> QtDialogs::ChooseFileToSave(std::string_view filter,
                                                       std::string_view defaultSuffix,
                                                       std::string_view startFolder) {
  return RunFileDialog(parent_, QFileDialog::AcceptSave, filter, defaultSuffix, startFolder);
}

}  // namespace orvo::app
