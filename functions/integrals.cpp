// The sine, cosine and exponential integrals.
#include <cmath>

#include "functions/detail/kernels.h"

namespace orvo::detail {
namespace {

constexpr double kEulerGamma = 0.5772156649015329;
// The scheme stops once 1 + the number of midpoints evaluated reaches this (after the pass
// with 4096 midpoints, 8193 points in all).
constexpr int kPointLimit = 5001;

// Simpson's rule on [0, h] built from successively halved trapezoid sums, until two Simpson
// values agree to 1e-15.
template <typename Integrand>
double Simpson(Integrand f, double h) {
  double trapezoid = h / 2 * (f(0.0) + f(h));
  double previous = trapezoid;
  double simpson = trapezoid;
  int midpoints = 1;
  int evaluated = 0;
  double width = h;
  while (true) {
    double sum = 0;
    for (int j = 0; j < midpoints; ++j) sum += f((j + 0.5) * width);
    evaluated += midpoints;
    double halved = (trapezoid + width * sum) / 2;
    simpson = (4 * halved - trapezoid) / 3;
    if (std::fabs(simpson - previous) < 1e-15 || 1 + evaluated >= kPointLimit) break;
    midpoints *= 2;
    width /= 2;
    trapezoid = halved;
    previous = simpson;
  }
  return simpson;
}

}  // namespace

double SineIntegral(double x) {
  if (x == 0) return 0;
  double s = Simpson([](double t) { return t == 0 ? 1.0 : std::sin(t) / t; }, std::fabs(x));
  return x < 0 ? -s : s;
}

// Ci(x) = gamma + ln|x| - integral of (1 - cos t) / t.
double CosineIntegral(double x) {
  if (x == 0) return 0;
  double s = Simpson([](double t) { return t == 0 ? 0.0 : (1 - std::cos(t)) / t; }, std::fabs(x));
  return kEulerGamma + std::log(std::fabs(x)) - s;
}

// gamma + ln|x| + integral of (e^-t - 1) / t, which is Ei(-|x|) for every x.
double ExpIntegral(double x) {
  if (x == 0) return 0;
  double s = Simpson([](double t) { return t == 0 ? -1.0 : (std::exp(-t) - 1) / t; }, std::fabs(x));
  return kEulerGamma + std::log(std::fabs(x)) + s;
}

}  // namespace orvo::detail
