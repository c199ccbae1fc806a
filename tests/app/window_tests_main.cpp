// The window tests: `orvo_window_tests GROUP [QtTest options]` runs one group, no GROUP all.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cstring>
#include <vector>

#include "window_test_support.h"

int main(int argc, char** argv) {
  // No user configuration may leak into the tests.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");

  using orvo::app::test::MakeConsoleTest;
  using orvo::app::test::MakeKeepWorkTest;
  using orvo::app::test::MakePlotTest;
  using orvo::app::test::MakeSessionTest;
  using orvo::app::test::MakeStatusTest;
  using orvo::app::test::MakeTypingTest;
  using orvo::app::test::MakeWindowTest;
  const struct {
    const char* name;
    std::unique_ptr<QObject> (*make)();
  } kGroups[] = {
      {"Console", MakeConsoleTest}, {"Window", MakeWindowTest}, {"KeepWork", MakeKeepWorkTest},
      {"Session", MakeSessionTest}, {"Status", MakeStatusTest}, {"Plot", MakePlotTest},
      {"Typing", MakeTypingTest},
  };

  const char* chosen = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  std::vector<char*> args{argv[0]};
  for (int i = chosen != nullptr ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);

  int failures = 0;
  bool found = false;
  for (const auto& group : kGroups) {
    if (chosen != nullptr && std::strcmp(chosen, group.name) != 0) continue;
    found = true;
    std::unique_ptr<QObject> test = group.make();
    failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
  }
  if (!found) {
    qCritical("no test group named %s", chosen);
    return 2;
  }
  return failures == 0 ? 0 : 1;
}
