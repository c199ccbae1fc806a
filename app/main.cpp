// orvo: the calculator's desktop window.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "app/display_check.h"
#include "app/main_window.h"
#include "base/version.h"

namespace {

constexpr char kUsage[] =
    "usage: orvo [-h | --help | -V | --version | --new] [Qt options]\n"
    "The Orvo calculator's window: type an expression ending in = after the last prompt line\n"
    "and press Enter; F1 shows the help pages. orvo-cli is the same calculator in a terminal.\n"
    "Font and colours: ~/.config/orvo/font&color.txt ($XDG_CONFIG_HOME/orvo/font&color.txt).\n"
    "The session is kept in ~/.local/state/orvo/session.txt ($XDG_STATE_HOME/orvo/); --new\n"
    "starts an empty one and keeps the previous one as session.txt.bak.\n";

// --help and --version answer on the terminal, before Qt looks for a display.
bool AnsweredOnTerminal(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0) {
      std::fputs("orvo " ORVO_VERSION "\n", stdout);
      return true;
    }
  }
  return false;
}

// Where the session is kept: $XDG_STATE_HOME/orvo, else ~/.local/state/orvo.
QString StateFolder() {
  QString base = qEnvironmentVariable("XDG_STATE_HOME");
  if (base.isEmpty() || QDir::isRelativePath(base)) {
    base = QDir::home().filePath(QStringLiteral(".local/state"));
  }
  return QDir(base).filePath(QStringLiteral("orvo"));
}

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

int main(int argc, char** argv) {
  if (AnsweredOnTerminal(argc, argv)) return 0;
  if (orvo::app::LacksDisplay(
          argc, argv,
          {Variable("DISPLAY"), Variable("WAYLAND_DISPLAY"), Variable("QT_QPA_PLATFORM")})) {
    std::fputs(
        "orvo: no display found (DISPLAY/WAYLAND_DISPLAY); the terminal calculator is "
        "orvo-cli\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  // Qt adopts the user's locale for the whole process; number text is "C" wherever a library
  // might format or read a number.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Orvo"));
  QApplication::setApplicationVersion(QStringLiteral(ORVO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.orvo.Orvo"));
  // PNG icons of every size in the resources: they show without Qt's SVG plugin.
  QIcon icon;
  for (const QFileInfo& file : QDir(QStringLiteral(":/orvo/icons")).entryInfoList()) {
    icon.addFile(file.filePath());
  }
  QApplication::setWindowIcon(icon);

  const orvo::SessionOptions options{orvo::FoldersFrom(qgetenv("ORVO_HOME").toStdString(),
                                                       qgetenv("XDG_CONFIG_HOME").toStdString(),
                                                       qgetenv("HOME").toStdString())};
  orvo::app::MainWindow window(options, orvo::app::FindSettingsFile());
  window.KeepFontChoices(orvo::app::UserSettingsFile());
  // --new: start an empty session, the previous one kept as the backup.
  window.KeepSession(StateFolder(), QApplication::arguments().contains(QStringLiteral("--new")));
  window.show();
  return QApplication::exec();
}
