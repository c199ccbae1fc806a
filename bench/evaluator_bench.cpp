// Time per evaluation of a prepared expression, the hot path of every numerical tool, side by
// side with muparser (when installed) on the same expressions.
#include <benchmark/benchmark.h>

#include <string>

#include "base/random.h"
#include "engine/evaluator.h"

#ifdef ORVO_BENCH_MUPARSER
#include <muParser.h>
#endif

namespace {

// A 30-operator Horner polynomial: ((1*x+2)*x+3)*x ... +16.
std::string Horner() {
  std::string text = "1";
  for (int k = 2; k <= 16; ++k) text = "(" + text + ")*x+" + std::to_string(k);
  return text;
}

const std::string kExpressions[] = {
    "x^2",    "1/(1+x^2)",      "sqrt(1-x^2)*4", "x^3-2*x^2+3*x-4", "(x+1)*(x+2)*(x+3)*(x+4)/(x+5)",
    Horner(), "sin(x)*exp(-x)",
};

void Orvo(benchmark::State& state) {
  const std::string& text = kExpressions[state.range(0)];
  orvo::Random rng;
  orvo::Evaluator evaluator(rng);
  evaluator.SetExpression(text);
  std::string errors;
  double value = 0;
  double x = 0.25;
  evaluator.SetX(x);
  evaluator.Evaluate(value, errors);  // prepares and records the plan
  if (!errors.empty()) {
    state.SkipWithError(errors.c_str());
    return;
  }
  for (auto _ : state) {
    x = x < 0.75 ? x + 1e-6 : 0.25;
    evaluator.SetX(x);
    evaluator.Evaluate(value, errors);
    benchmark::DoNotOptimize(value);
  }
  state.SetLabel(text);
}
BENCHMARK(Orvo)->DenseRange(0, std::size(kExpressions) - 1);

#ifdef ORVO_BENCH_MUPARSER
void MuParser(benchmark::State& state) {
  const std::string& text = kExpressions[state.range(0)];
  mu::Parser parser;
  double x = 0.25;
  parser.DefineVar("x", &x);
  parser.SetExpr(text);
  double value = parser.Eval();
  for (auto _ : state) {
    x = x < 0.75 ? x + 1e-6 : 0.25;
    value = parser.Eval();
    benchmark::DoNotOptimize(value);
  }
  state.SetLabel(text);
}
BENCHMARK(MuParser)->DenseRange(0, std::size(kExpressions) - 1);
#endif

}  // namespace
