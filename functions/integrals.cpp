// The sine, cosine and exponential integrals.
#include <boost/math/special_functions/expint.hpp>
#include <cmath>
#include <complex>

#include "functions/detail/kernels.h"
#include "functions/quiet_policy.h"

namespace orvo::detail {
namespace {

constexpr long double kEulerGamma = 0.577215664901532860606512090082402431L;
constexpr long double kHalfPi = 1.570796326794896619231321691639751442L;
// Below this the power series converge quickly and cancel little (in long double, with three
// digits beyond double, nothing that shows); above it the continued fraction converges.
constexpr double kSeriesLimit = 4;
constexpr int kMaxSteps = 100000;

struct SiCi {
  long double si;
  long double ci;
};

// Si(x) = sum (-1)^k x^(2k+1) / ((2k+1) (2k+1)!) and
// Ci(x) = gamma + ln x + sum_{k>=1} (-1)^k x^(2k) / (2k (2k)!), for 0 < x <= 4.
SiCi BySeries(long double x, long double tolerance) {
  long double square = x * x;
  long double sinTerm = x;  // (-1)^k x^(2k+1) / (2k+1)!
  long double cosTerm = 1;  // (-1)^k x^(2k) / (2k)!
  long double si = x;
  long double sum = 0;
  for (int k = 1; k < kMaxSteps; ++k) {
    cosTerm *= -square / ((2 * k - 1) * (2 * k));
    sinTerm *= -square / ((2 * k) * (2 * k + 1));
    long double cosPart = cosTerm / (2 * k);
    long double sinPart = sinTerm / (2 * k + 1);
    sum += cosPart;
    si += sinPart;
    if (std::fabs(sinPart) < tolerance * std::fabs(si) && std::fabs(cosPart) < tolerance) break;
  }
  return {si, kEulerGamma + std::log(x) + sum};
}

// For x > 4: E1(ix) = -Ci(x) + i (Si(x) - pi/2), from the continued fraction
// E1(z) = e^-z / (z + 1 - 1^2 / (z + 3 - 2^2 / (z + 5 - ...))) by the modified Lentz method.
SiCi ByContinuedFraction(long double x, long double tolerance) {
  using Complex = std::complex<long double>;
  constexpr long double kTiny = 1e-4000L;
  Complex b(1, x);
  Complex c = 1 / kTiny;
  Complex d = 1.0L / b;
  Complex h = d;
  for (int i = 2; i < kMaxSteps; ++i) {
    long double a = -static_cast<long double>(i - 1) * (i - 1);
    b += 2;
    d = 1.0L / (a * d + b);
    c = b + a / c;
    Complex step = c * d;
    h *= step;
    if (std::fabs(step.real() - 1) + std::fabs(step.imag()) < tolerance) break;
  }
  h *= Complex(std::cos(x), -std::sin(x));
  return {kHalfPi + h.imag(), -h.real()};
}

SiCi Integrals(double x, double tolerance) {
  long double a = std::fabs(x);
  return a <= kSeriesLimit ? BySeries(a, tolerance) : ByContinuedFraction(a, tolerance);
}

}  // namespace

double SineIntegral(double x, double tolerance) {
  if (x == 0 || std::isnan(x)) return x;
  double si = static_cast<double>(Integrals(x, tolerance).si);
  return x < 0 ? -si : si;
}

// Ci(|x|): the cosine integral is even in this calculator.
double CosineIntegral(double x, double tolerance) {
  if (std::isnan(x)) return x;
  return static_cast<double>(Integrals(x, tolerance).ci);
}

// Ei(-|x|) = -E1(|x|).
double ExpIntegral(double x) {
  return -boost::math::expint(1, std::fabs(x), QuietPolicy());
}

}  // namespace orvo::detail
