// Time per numerical command. The integrand's evaluations dominate the integrals, so these show
// what the replayed evaluation buys and what the independent confirming estimate adds; the
// polynomial searches show the complex Newton loop and its Aberth-Ehrlich fallback.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/interrupt.h"
#include "base/random.h"
#include "numeric/numeric.h"

namespace {

// Arguments: the method (IntegrationMethod order), the precision, and whether the value is
// confirmed by the independent estimate; the pairs with and without show what confirming costs.
void Integrate(benchmark::State& state) {
  orvo::Random rng;
  orvo::NeverInterrupt interrupt;
  orvo::NumericTools tools(rng, interrupt);
  orvo::IntegrationTask task;
  task.f = "sin(x)*exp(-x)";
  task.a = 0;
  task.b = 10;
  task.tolerance = std::pow(10.0, -static_cast<double>(state.range(1)));
  task.confirm = state.range(2) != 0;
  auto method = static_cast<orvo::IntegrationMethod>(state.range(0));
  orvo::IntegrationResult result;
  std::string errors;
  for (auto _ : state) {
    tools.Integrate(method, task, result, errors);
    if (!errors.empty()) {
      state.SkipWithError(errors.c_str());
      return;
    }
    benchmark::DoNotOptimize(result.value);
  }
  state.counters["steps"] = result.steps;
}
BENCHMARK(Integrate)
    ->ArgNames({"is_ir_ig_it", "prec", "confirm"})
    ->ArgsProduct({{0, 1, 2, 3}, {8, 16}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// A monic polynomial with pseudo-random coefficients in [-1, 1] at a precision. At degree 30 the
// far Newton starts run out of updates before they reach the roots, so the search tries every
// tolerance down to one digit before the fallback finds them: the long case of &prt, longest at
// precision 16.
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
    orvo::CommandAnswer answer =
        tools.PolynomialRoots(coefficients, static_cast<int>(state.range(1)));
    benchmark::DoNotOptimize(answer);
    state.SetLabel(answer.failed ? "no roots found" : "roots found");
  }
}
BENCHMARK(PolynomialRoots)
    ->ArgNames({"degree", "prec"})
    ->Args({30, 8})
    ->Args({30, 16})
    ->Args({100, 8})
    ->Unit(benchmark::kMillisecond);

// x^n - 1: the Newton search fails from its far starting points, the fallback finds all roots.
void RootsOfUnity(benchmark::State& state) {
  orvo::Random rng;
  orvo::NeverInterrupt interrupt;
  orvo::NumericTools tools(rng, interrupt);
  std::vector<double> coefficients(static_cast<std::size_t>(state.range(0)) + 1, 0.0);
  coefficients.front() = 1;
  coefficients.back() = -1;
  for (auto _ : state) benchmark::DoNotOptimize(tools.PolynomialRoots(coefficients, 8));
}
BENCHMARK(RootsOfUnity)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
