// Sampling curves for charts: a plain grid of 10,000 points shows the cost of one replayed
// evaluation; the adaptive run with its analysis is what one curve of "&plot" costs.
#include <benchmark/benchmark.h>

#include "base/interrupt.h"
#include "base/random.h"
#include "engine/evaluator.h"
#include "plot/plot.h"

namespace {

void Sample(benchmark::State& state, const char* f, orvo::SampleOptions options) {
  orvo::Random rng;
  orvo::NeverInterrupt interrupt;
  orvo::PlotCurve curve;
  std::string errors;
  for (auto _ : state) {
    orvo::SampleCurve(f, -5, 5, orvo::Evaluator::kE, orvo::Evaluator::kPi, options, rng, interrupt,
                      curve, errors);
    benchmark::DoNotOptimize(curve.points.data());
  }
  state.counters["points"] = static_cast<double>(curve.points.size());
}

void Grid10000(benchmark::State& state) {
  Sample(state, "sin(x)*exp(-x)", {.intervals = 9999, .refine = false, .analyse = false});
}
BENCHMARK(Grid10000)->Unit(benchmark::kMicrosecond);

void AdaptiveSmooth(benchmark::State& state) {
  Sample(state, "sin(x)*exp(-x)", {});
}
BENCHMARK(AdaptiveSmooth)->Unit(benchmark::kMicrosecond);

void AdaptivePoles(benchmark::State& state) {
  Sample(state, "tan(x)", {});
}
BENCHMARK(AdaptivePoles)->Unit(benchmark::kMicrosecond);

}  // namespace
