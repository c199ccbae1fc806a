// orvo: the calculator's desktop window.
#include <QApplication>
#include <QIcon>
#include <clocale>

#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Qt adopts the user's locale for the whole process; number text is "C" wherever a library
  // might format or read a number.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Orvo"));
  QApplication::setApplicationVersion(QStringLiteral(ORVO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("orvo"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/orvo/orvo.svg")));

  orvo::app::MainWindow window(orvo::app::FindSettingsFile());
  window.show();
  return QApplication::exec();
}
