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

// The list scaled by a power of two that brings its largest magnitude near 1: exact, and it
// keeps sums of values and of squares inside the double range whatever the values are.
struct Scaled {
  int exponent = 0;  // value = scaled value * 2^exponent

  explicit Scaled(const FunctionCall& call) {
    double largest = 0;
    for (int i = 0; i < call.count; ++i) largest = std::fmax(largest, std::fabs(Value(call, i)));
    if (std::isfinite(largest) && largest > 0) exponent = std::ilogb(largest);
  }
  double operator()(const FunctionCall& call, int i) const {
    return std::ldexp(Value(call, i), -exponent);
  }
  double Unscale(double x) const { return std::ldexp(x, exponent); }
};

// A sum with Neumaier's compensation, good to about one rounding whatever the order of terms.
class Sum {
 public:
  void Add(double x) {
    double t = sum_ + x;
    correction_ += std::fabs(sum_) >= std::fabs(x) ? (sum_ - t) + x : (x - t) + sum_;
    sum_ = t;
  }
  double Value() const { return sum_ + correction_; }

 private:
  double sum_ = 0;
  double correction_ = 0;
};

double ScaledMean(const FunctionCall& call, const Scaled& scaled) {
  Sum sum;
  for (int i = 0; i < call.count; ++i) sum.Add(scaled(call, i));
  return sum.Value() / call.count;
}

double Mean(const FunctionCall& call) {
  Scaled scaled(call);
  return scaled.Unscale(ScaledMean(call, scaled));
}

// The root of the sum of squared deviations from the mean divided by `divisor`, in two passes
// over the scaled list.
double Deviation(const FunctionCall& call, double divisor) {
  Scaled scaled(call);
  double m = ScaledMean(call, scaled);
  Sum squares;
  for (int i = 0; i < call.count; ++i) {
    double d = scaled(call, i) - m;
    squares.Add(d * d);
  }
  return scaled.Unscale(std::sqrt(squares.Value() / divisor));
}

void MeanOf(FunctionCall& call) {
  call.value = Mean(call);
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
  call.value = Deviation(call, call.count - 1);
}

void PopulationDeviation(FunctionCall& call) {
  call.value = Deviation(call, call.count);
}

void AverageDeviation(FunctionCall& call) {
  Scaled scaled(call);
  double m = ScaledMean(call, scaled);
  Sum sum;
  for (int i = 0; i < call.count; ++i) sum.Add(std::fabs(scaled(call, i) - m));
  call.value = scaled.Unscale(sum.Value() / call.count);
}

// The Euclidean norm of the raw arguments (their signs do not matter), scaled as hypot does so
// that no square leaves the double range.
void Norm(FunctionCall& call) {
  double largest = 0;
  for (int i = 0; i < call.count; ++i) largest = std::fmax(largest, std::fabs(call.args[i]));
  int exponent = std::isfinite(largest) && largest > 0 ? std::ilogb(largest) : 0;
  Sum squares;
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
    Variadic(Fn::kMean, "mean average", MeanOf),
    Variadic(Fn::kHmean, "hmean", HarmonicMean),
    Variadic(Fn::kStdev, "stdev", SampleDeviation),
    Variadic(Fn::kAvedev, "avedev", AverageDeviation),
    Variadic(Fn::kStdevn, "stdevn", PopulationDeviation),
    Variadic(Fn::kMol, "mol", Norm),
    Own(Fn::kPolyn, "polyn", Polynomial),
};

}  // namespace

std::span<const FunctionRow> StatisticsBranches() {
  return kRows;
}

}  // namespace orvo::detail
