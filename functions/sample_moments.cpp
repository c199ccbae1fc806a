// Sums, mean and deviations of a sample, carried in two doubles where rounding would show.
#include <cmath>
#include <limits>

#include "base/compensated_sum.h"
#include "functions/functions.h"

namespace orvo {
namespace {

// The exact sum of two doubles as a rounded sum and its error (Knuth's two-sum).
void TwoSum(double a, double b, double& sum, double& error) {
  sum = a + b;
  double b1 = sum - a;
  error = (a - (sum - b1)) + (b - b1);
}

}  // namespace

SampleMoments::SampleMoments(double first, std::span<const double> rest)
    : count_(static_cast<double>(rest.size() + 1)) {
  double largest = std::fabs(first);
  for (double x : rest) largest = std::fmax(largest, std::fabs(x));
  if (std::isfinite(largest) && largest > 0) exponent_ = std::ilogb(largest);
  auto scaled = [&](std::size_t i) { return std::ldexp(i == 0 ? first : rest[i - 1], -exponent_); };
  const std::size_t n = rest.size() + 1;

  CompensatedSum total;
  for (std::size_t i = 0; i < n; ++i) total.Add(scaled(i));
  double high = 0;
  double low = 0;
  TwoSum(total.High(), total.Low(), high, low);
  sum_ = std::ldexp(high, exponent_);
  if (!std::isfinite(high)) {
    mean_ = sum_ / count_;
    squares_ = absolute_ = std::isnan(mean_) ? mean_ : std::numeric_limits<double>::infinity();
    return;
  }
  // The mean as a quotient and the share of its remainder: the remainder of a rounded division
  // is a double, and fma gives it exactly.
  double quotient = high / count_;
  double remainder = (std::fma(-quotient, count_, high) + low) / count_;
  mean_ = std::ldexp(quotient + remainder, exponent_);

  CompensatedSum squares;
  CompensatedSum absolute;
  for (std::size_t i = 0; i < n; ++i) {
    double d = (scaled(i) - quotient) - remainder;
    double square = d * d;
    squares.Add(square);
    squares.Add(std::fma(d, d, -square));  // the square's rounding error
    absolute.Add(std::fabs(d));
  }
  squares_ = squares.Value();
  absolute_ = absolute.Value();
}

double SampleMoments::Deviation(double divisor) const {
  return std::ldexp(std::sqrt(squares_ / divisor), exponent_);
}

double SampleMoments::AverageDeviation() const {
  return std::ldexp(absolute_ / count_, exponent_);
}

}  // namespace orvo
