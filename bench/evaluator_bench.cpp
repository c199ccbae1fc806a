// Time per evaluation of a prepared expression, the hot path of every numerical tool, side by
// side with muparser (when installed) on the same expressions. Each expression runs with Orvo and
// then with muparser, so both see the same load, and the run ends with the ratios Orvo/muparser
// (CPU time; the medians when --benchmark_repetitions is given) and their geometric mean.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

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

double CompiledHorner(double x) {
  double value = 1;
  for (int k = 2; k <= 16; ++k) value = value * x + k;
  return value;
}

// Each expression with ExprTk's time as a ratio to muparser's, measured side by side with both
// outside the project (ExprTk is not packaged): the aim is a geometric mean of the ratios at or
// below theirs (0.58) and no expression above 1.5 times its aim. The expression compiled as C++
// runs too, as the floor no evaluator goes below (on sin and exp, the C library's time).
struct Case {
  std::string text;
  double aim;
  double (*compiled)(double x);
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"x^2", 1.0, [](double x) { return x * x; }},
      {"1/(1+x^2)", 0.33, [](double x) { return 1 / (1 + x * x); }},
      {"sqrt(1-x^2)*4", 0.35, [](double x) { return std::sqrt(1 - x * x) * 4; }},
      {"x^3-2*x^2+3*x-4", 0.61, [](double x) { return x * x * x - 2 * x * x + 3 * x - 4; }},
      {"(x+1)*(x+2)*(x+3)*(x+4)/(x+5)", 0.67,
       [](double x) { return (x + 1) * (x + 2) * (x + 3) * (x + 4) / (x + 5); }},
      {Horner(), 0.97, CompiledHorner},
      {"sin(x)*exp(-x)", 0.49, [](double x) { return std::sin(x) * std::exp(-x); }},
  };
  return cases;
}

// The abscissa walks through [0.25, 0.75) in small steps, as an integration would.
double NextX(double x) {
  return x < 0.75 ? x + 1e-6 : 0.25;
}

void Orvo(benchmark::State& state, const std::string& text) {
  orvo::Random rng;
  orvo::Evaluator evaluator(rng);
  evaluator.SetExpression(text);
  std::string errors;
  double x = 0.25;
  evaluator.SetX(x);
  evaluator.Evaluate(errors);  // prepares and records the plan
  if (!errors.empty()) {
    state.SkipWithError(errors.c_str());
    return;
  }
  for (auto _ : state) {
    x = NextX(x);
    evaluator.SetX(x);
    orvo::Evaluation result = evaluator.Evaluate(errors);
    benchmark::DoNotOptimize(result);
  }
  state.SetLabel(text);
}

void Compiled(benchmark::State& state, double (*compiled)(double)) {
  double x = 0.25;
  for (auto _ : state) {
    x = NextX(x);
    double value = compiled(x);
    benchmark::DoNotOptimize(value);
  }
}

#ifdef ORVO_BENCH_MUPARSER
void MuParser(benchmark::State& state, const std::string& text) {
  mu::Parser parser;
  double x = 0.25;
  parser.DefineVar("x", &x);
  parser.SetExpr(text);
  double value = parser.Eval();
  for (auto _ : state) {
    x = NextX(x);
    value = parser.Eval();
    benchmark::DoNotOptimize(value);
  }
  state.SetLabel(text);
}
#endif

// The console report, then a table of the ratios Orvo/muparser per expression.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Iteration || median) {
        times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    double logSum = 0;
    double aimLogSum = 0;
    double worst = 0;
    double worstOverAim = 0;
    int count = 0;
    std::printf("\n%-10s %10s %10s %7s %7s %9s %7s\n", "expression", "Orvo", "muparser", "ratio",
                "aim", "ratio/aim", "C++");
    for (std::size_t k = 0; k < Cases().size(); ++k) {
      auto orvo = times_.find("Orvo/" + std::to_string(k));
      auto mu = times_.find("MuParser/" + std::to_string(k));
      if (orvo == times_.end() || mu == times_.end()) continue;
      double ratio = orvo->second / mu->second;
      double aim = Cases()[k].aim;
      logSum += std::log(ratio);
      aimLogSum += std::log(aim);
      worst = std::max(worst, ratio);
      worstOverAim = std::max(worstOverAim, ratio / aim);
      ++count;
      auto compiled = times_.find("Compiled/" + std::to_string(k));
      double floor = compiled == times_.end() ? 0 : compiled->second / mu->second;
      std::printf("%-10zu %10.2f %10.2f %7.2f %7.2f %9.2f %7.2f\n", k, orvo->second, mu->second,
                  ratio, aim, ratio / aim, floor);
    }
    if (count > 0) {
      std::printf(
          "geometric mean of the ratios %.2f (aim %.2f), largest %.2f, largest ratio/aim %.2f\n",
          std::exp(logSum / count), std::exp(aimLogSum / count), worst, worstOverAim);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  for (std::size_t k = 0; k < Cases().size(); ++k) {
    const std::string& text = Cases()[k].text;
    benchmark::RegisterBenchmark(("Orvo/" + std::to_string(k)).c_str(), Orvo, text);
    benchmark::RegisterBenchmark(("Compiled/" + std::to_string(k)).c_str(), Compiled,
                                 Cases()[k].compiled);
#ifdef ORVO_BENCH_MUPARSER
    benchmark::RegisterBenchmark(("MuParser/" + std::to_string(k)).c_str(), MuParser, text);
#endif
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
