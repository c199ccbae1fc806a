// orvo-cli's line mode (arguments or a pipe): each answer is read from what its line appended, so
// n lines cost time in proportion to n. The complexity fit at the end should say O(N).
#include <benchmark/benchmark.h>

#include "cli/cli.h"

namespace {

void TypeManyLines(benchmark::State& state) {
  for (auto _ : state) {
    orvo::cli::ListSource source({});
    orvo::NeverInterrupt interrupt;
    orvo::cli::LineSession session(source, nullptr, interrupt, {});
    for (int line = 0; line < state.range(0); ++line) {
      benchmark::DoNotOptimize(session.Type("1+1="));
    }
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(TypeManyLines)->Arg(10000)->Arg(100000)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
