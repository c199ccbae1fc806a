// Functions of a whole argument list: means, deviations, the norm and polynomials.
#include <cmath>

#include "functions/detail/branches.h"
#include "functions/detail/messages.h"

namespace orvo::detail {
namespace {

// The i-th value of the list (0-based); the first one carries the bracket's leading sign.
double Value(const FunctionCall& call, int i) {
  return i == 0 ? call.signedFirst : call.args[i];
}

double Mean(const FunctionCall& call) {
  double sum = 0;
  for (int i = 0; i < call.count; ++i) sum += Value(call, i);
  return sum / call.count;
}

double SquaredDeviations(const FunctionCall& call) {
  double m = Mean(call);
  double sum = 0;
  for (int i = 0; i < call.count; ++i) {
    double d = Value(call, i) - m;
    sum += d * d;
  }
  return sum;
}

void MeanOf(FunctionCall& call) {
  call.value = Mean(call);
}

void HarmonicMean(FunctionCall& call) {
  double sum = 0;
  for (int i = 0; i < call.count; ++i) {
    double x = Value(call, i);
    if (x == 0) {
      Report(call, msg::kHmeanZero, -47);
      return;
    }
    sum += 1 / x;
  }
  call.value = call.count / sum;
}

// The sample standard deviation; a single value gives 0/0, not a number.
void SampleDeviation(FunctionCall& call) {
  call.value = std::sqrt(SquaredDeviations(call) / (call.count - 1));
}

void PopulationDeviation(FunctionCall& call) {
  call.value = std::sqrt(SquaredDeviations(call) / call.count);
}

void AverageDeviation(FunctionCall& call) {
  double m = Mean(call);
  double sum = 0;
  for (int i = 0; i < call.count; ++i) sum += std::fabs(Value(call, i) - m);
  call.value = sum / call.count;
}

// The Euclidean norm of the raw arguments; their signs do not matter.
void Norm(FunctionCall& call) {
  double sum = 0;
  for (int i = 0; i < call.count; ++i) sum += call.args[i] * call.args[i];
  call.value = std::sqrt(sum);
}

// polyn(x, an, ..., a0) by Horner's scheme. With x alone there is no polynomial: the message,
// and no fold at all, so the core's count message follows.
void Polynomial(FunctionCall& call) {
  if (call.count == 1) {
    Report(call, msg::kPolynMissing, 62);
    call.folds = 0;
    return;
  }
  call.folds = call.count;
  double x = call.signedFirst;
  double v = call.args[1];
  for (int i = 2; i < call.count; ++i) v = v * x + call.args[i];
  call.value = v;
}

constexpr BranchRow kRows[] = {
    Variadic(46, MeanOf),  // mean, average
    Variadic(47, HarmonicMean),
    Variadic(48, SampleDeviation),  // stdev
    Variadic(49, AverageDeviation),
    Variadic(50, PopulationDeviation),  // stdevn
    Variadic(59, Norm),                 // mol
    Own(62, Polynomial),
};

}  // namespace

std::span<const BranchRow> StatisticsBranches() {
  return kRows;
}

}  // namespace orvo::detail
