// Functions of a whole argument list: means, deviations, the norm and polynomials.
#include <cmath>
#include <span>

#include "base/compensated_sum.h"

#include "functions/detail/branches.h"
#include "functions/detail/messages.h"

namespace orvo::detail {
namespace {

// The i-th value of the list (0-based); the first one carries the bracket's leading sign.
double Value(const FunctionCall& call, int i) {
  return i == 0 ? call.signedFirst : call.args[i];
}

// The moments of the whole list, the first value carrying the bracket's leading sign.
SampleMoments Moments(const FunctionCall& call) {
  return SampleMoments(call.signedFirst, std::span<const double>(call.args + 1, call.count - 1));
}

void MeanOf(FunctionCall& call) {
  call.value = Moments(call).mean();
}

void HarmonicMean(FunctionCall& call) {
  double sum = 0;
  for (int i = 0; i < call.count; ++i) {
    double x = Value(call, i);
    if (x == 0) {
      Fail(call, msg::kHmeanZero, Fn::kHmean);
      return;
    }
    sum += 1 / x;
  }
  call.value = call.count / sum;
}

// The sample standard deviation; a single value gives 0/0, not a number.
void SampleDeviation(FunctionCall& call) {
  call.value = Moments(call).Deviation(call.count - 1);
}

void PopulationDeviation(FunctionCall& call) {
  call.value = Moments(call).Deviation(call.count);
}

void AverageDeviation(FunctionCall& call) {
  call.value = Moments(call).AverageDeviation();
}

// The Euclidean norm of the raw arguments (their signs do not matter), scaled as hypot does so
// that no square leaves the double range.
void Norm(FunctionCall& call) {
  double largest = 0;
  for (int i = 0; i < call.count; ++i) largest = std::fmax(largest, std::fabs(call.args[i]));
  int exponent = std::isfinite(largest) && largest > 0 ? std::ilogb(largest) : 0;
  CompensatedSum squares;
  for (int i = 0; i < call.count; ++i) {
    double x = std::ldexp(call.args[i], -exponent);
    squares.Add(x * x);
  }
  call.value = std::ldexp(std::sqrt(squares.Value()), exponent);
}

// polyn(x, an, ..., a0) by Horner's scheme. With x alone there is no polynomial: the message,
// and no fold at all, so the core's count message follows.
void Polynomial(FunctionCall& call) {
  if (call.count == 1) {
    Report(call, msg::kPolynMissing, Code(Fn::kPolyn));
    call.folds = 0;
    return;
  }
  call.folds = call.count;
  double x = call.signedFirst;
  double v = call.args[1];
  for (int i = 2; i < call.count; ++i) v = v * x + call.args[i];
  call.value = v;
}

constexpr FunctionRow kRows[] = {
    Variadic(Fn::kMean, "mean average", "mean(x1,x2,...,xn): arithmetic mean", MeanOf),
    Variadic(Fn::kHmean, "hmean", "hmean(x1,x2,...,xn): harmonic mean", HarmonicMean),
    Variadic(Fn::kStdev, "stdev", "stdev(x1,x2,...,xn): standard deviation of a sample",
             SampleDeviation),
    Variadic(Fn::kAvedev, "avedev", "avedev(x1,x2,...,xn): average deviation from the mean",
             AverageDeviation),
    Variadic(Fn::kStdevn, "stdevn", "stdevn(x1,x2,...,xn): standard deviation of a population",
             PopulationDeviation),
    Variadic(Fn::kMol, "mol", "mol(x1,x2,...,xn): length of the vector", Norm),
    Own(Fn::kPolyn, "polyn", "polyn(x0,an,an-1,...,a0): value of the polynomial at x0", Polynomial),
};

}  // namespace

std::span<const FunctionRow> StatisticsBranches() {
  return kRows;
}

}  // namespace orvo::detail
