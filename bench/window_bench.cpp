// Big sessions in the window, colours on: a console of 1 MB (about 40,000 lines of answers and
// messages). UndoClear: Ctrl+Z after clearing it, to the first paint; beside it the former path,
// which set the whole text again (UndoClearBySettingText). Start: the window built, the session
// restored and the first paint, with the 1 MB session and with none; beside it the former path,
// which set the whole restored text at once (StartRestoringBySettingText).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "app/console_edit.h"
#include "app/main_window.h"
#include "app/session_store.h"
#include "base/safe_file.h"
#include "console/session_file.h"

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

enum class Restore { kNone, kShown, kWhole };

// Saves in `folder` the session of a window whose console holds `console`; returns its file.
QString SaveSession(const QString& folder, const std::string& console) {
  orvo::app::MainWindow window{orvo::SessionOptions{}};
  window.KeepSession(folder, false);
  window.console()->SetText(console);
  window.sessionStore()->SaveNow();
  return window.sessionStore()->path();
}

// Start: from the window's construction to its first paint; kWhole goes on until the older lines
// have come in and the window has painted again. The window's end is not measured.
void Start(benchmark::State& state, Restore restore) {
  QTemporaryDir folder;
  if (restore != Restore::kNone) SaveSession(folder.path(), BigConsole());
  for (auto _ : state) {
    auto window = std::make_unique<orvo::app::MainWindow>(orvo::SessionOptions{});
    window->KeepSession(folder.path(), false);
    window->show();
    Paint(*window);
    if (restore == Restore::kWhole) {
      window->console()->FinishLoading();
      Paint(*window);
    }
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(Start, empty, Restore::kNone)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Start, restoring1MB, Restore::kShown)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Start, restoring1MBWhole, Restore::kWhole)->Unit(benchmark::kMillisecond);

// The former start-up with a 1 MB session: the session read as SessionStore::Restore reads it,
// the whole console text set at once.
void StartRestoringBySettingText(benchmark::State& state) {
  QTemporaryDir folder;
  const std::string path =
      QFile::encodeName(SaveSession(folder.path(), BigConsole())).toStdString();
  QTemporaryDir empty;
  for (auto _ : state) {
    auto window = std::make_unique<orvo::app::MainWindow>(orvo::SessionOptions{});
    window->KeepSession(empty.path(), false);
    orvo::app::ConsoleEdit& console = *window->console();
    orvo::ReadOptions options;
    options.maxBytes = orvo::kMaxSessionFileBytes;
    const orvo::ReadResult read = orvo::ReadFileSafely(path, options);
    orvo::SessionData data;
    if (!read.ok() || !orvo::ReadSessionText(read.bytes, data).empty()) {
      state.SkipWithError("the session could not be read");
      break;
    }
    orvo::RestoreSession(data, console.session());
    console.recall().Assign(data.recall);
    console.setPlainText(QString::fromStdString(data.console));
    console.MoveCaretToEnd();
    console.screens().Clear();
    window->show();
    Paint(*window);
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(StartRestoringBySettingText)->Unit(benchmark::kMillisecond);

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
