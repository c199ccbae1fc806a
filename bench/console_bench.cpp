// One Enter on a console that already holds a long history must cost what it costs on an empty
// one: only the line after the last prompt is read.
#include <benchmark/benchmark.h>

#include "base/dialogs.h"
#include "base/interrupt.h"
#include "console/session.h"

namespace {

void EnterWithHistory(benchmark::State& state) {
  orvo::StringTextBox box;
  orvo::NoDialogs dialogs;
  orvo::NeverInterrupt interrupt;
  orvo::ConsoleSession session(box, dialogs, interrupt, {});
  std::string history;
  for (int line = 0; line < state.range(0); ++line) history += "1+2=3\r\n\\\\\r\n";
  box.SetText(history);
  for (auto _ : state) {
    state.PauseTiming();
    box.SetText(history);
    box.ReplaceSelection("1+2*3=");
    state.ResumeTiming();
    session.HandleEnterKey(false);
  }
}
BENCHMARK(EnterWithHistory)->Arg(0)->Arg(10000);

}  // namespace
