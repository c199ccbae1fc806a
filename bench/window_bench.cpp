// Big sessions in the window, colours on: a console of 1 MB (about 40,000 lines of answers and
// messages). UndoClear: Ctrl+Z after clearing it, to the first paint; beside it the former path,
// which set the whole text again (UndoClearBySettingText). Start: the window built, the session
// restored and the first paint, with the 1 MB session and with none.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cmath>

#include "app/console_edit.h"
#include "app/main_window.h"
#include "app/session_store.h"

namespace {

std::string BigConsole() {
  std::string text;
  for (int i = 0; text.size() < (1u << 20); ++i) {
    text += "sqrt(" + std::to_string(i) + ")=" + std::to_string(std::sqrt(i)) + "\r\n\\\\\r\n";
    if (i % 7 == 0) text += "1/0=\r\nError: divided by zero\r\n\\\\\r\n";
  }
  return text;
}

void Paint(orvo::app::MainWindow& window) {
  window.console()->viewport()->grab();
}

void UndoClear(benchmark::State& state) {
  orvo::app::MainWindow window{orvo::SessionOptions{}};
  window.show();
  orvo::app::ConsoleEdit& console = *window.console();
  console.SetText(BigConsole());
  Paint(window);
  for (auto _ : state) {
    state.PauseTiming();
    console.SetText("");
    Paint(window);
    state.ResumeTiming();
    console.UndoStep();
    Paint(window);
  }
}
BENCHMARK(UndoClear)->Unit(benchmark::kMillisecond);

void UndoClearBySettingText(benchmark::State& state) {
  orvo::app::MainWindow window{orvo::SessionOptions{}};
  window.show();
  orvo::app::ConsoleEdit& console = *window.console();
  const QString text = QString::fromStdString(BigConsole());
  console.setPlainText(text);
  Paint(window);
  for (auto _ : state) {
    state.PauseTiming();
    console.setPlainText(QString());
    Paint(window);
    state.ResumeTiming();
    console.setPlainText(text);
    console.moveCursor(QTextCursor::End);
    Paint(window);
  }
}
BENCHMARK(UndoClearBySettingText)->Unit(benchmark::kMillisecond);

void Start(benchmark::State& state, bool big) {
  QTemporaryDir folder;
  if (big) {
    orvo::app::MainWindow window{orvo::SessionOptions{}};
    window.KeepSession(folder.path(), false);
    window.console()->SetText(BigConsole());
    window.sessionStore()->SaveNow();
  }
  for (auto _ : state) {
    orvo::app::MainWindow window{orvo::SessionOptions{}};
    window.KeepSession(folder.path(), false);
    window.show();
    Paint(window);
    state.PauseTiming();
    window.sessionStore()->ScheduleSave();  // nothing written: the timer never runs out
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(Start, empty, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Start, restoring1MB, true)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
