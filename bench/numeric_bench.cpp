// Time per numerical command. The integrand's evaluations dominate the integrals, so these show
// what the replayed evaluation buys; the polynomial searches show the complex Newton loop.
#include <benchmark/benchmark.h>

#include <vector>

#include "base/interrupt.h"
#include "base/random.h"
#include "numeric/numeric.h"

namespace {

enum Method { kSimpson, kRomberg, kGauss, kTrapezium };

void Integrate(benchmark::State& state) {
  orvo::Random rng;
  orvo::NeverInterrupt interrupt;
  orvo::NumericTools tools(rng, interrupt);
  orvo::IntegrationTask task;
  task.f = "sin(x)*exp(-x)";
  task.a = 0;
  task.b = 10;
  task.tolerance = 1e-16;  // precision 16
  orvo::IntegrationResult result;
  std::string errors;
  for (auto _ : state) {
    switch (state.range(0)) {
      case kSimpson:
        tools.IntegrateSimpson(task, result, errors);
        break;
      case kRomberg:
        tools.IntegrateRomberg(task, result, errors);
        break;
      case kGauss:
        tools.IntegrateGauss(task, result, errors);
        break;
      default:
        tools.IntegrateTrapezium(orvo::CurveMode::kArea, task, result, errors);
        break;
    }
    if (!errors.empty()) {
      state.SkipWithError(errors.c_str());
      return;
    }
    benchmark::DoNotOptimize(result.value);
  }
  state.counters["steps"] = result.steps;
}
BENCHMARK(Integrate)
    ->ArgName("is_ir_ig_it")
    ->Arg(kSimpson)
    ->Arg(kRomberg)
    ->Arg(kGauss)
    ->Arg(kTrapezium)
    ->Unit(benchmark::kMillisecond);

// A monic polynomial with pseudo-random coefficients in [-1, 1].
void PolynomialRoots(benchmark::State& state) {
  orvo::Random rng;
  orvo::NeverInterrupt interrupt;
  orvo::NumericTools tools(rng, interrupt);
  int degree = static_cast<int>(state.range(0));
  std::vector<double> coefficients(static_cast<std::size_t>(degree) + 1, 1.0);
  orvo::Random coefficientSource;
  for (std::size_t k = 1; k < coefficients.size(); ++k) {
    coefficients[k] = coefficientSource.Next() / 16383.5 - 1;
  }
  for (auto _ : state) {
    std::string lines = tools.PolynomialRoots(coefficients, 8);
    benchmark::DoNotOptimize(lines);
    state.SetLabel(lines.find("Failed") == std::string::npos ? "roots found" : "no roots found");
  }
}
BENCHMARK(PolynomialRoots)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
