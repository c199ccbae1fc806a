// Bessel functions of integer order: the C library up to a million, the uniform asymptotic
// expansion in Airy functions beyond (Olver; DLMF 10.20.4), whose cost does not grow with n.
#include <math.h>  // jn, yn: POSIX, not part of <cmath>

#include <boost/math/special_functions/airy.hpp>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "functions/detail/kernels.h"
#include "functions/detail/quiet_policy.h"

namespace orvo::detail {
namespace {

// The library's recurrence runs over every order up to n (some milliseconds at a million,
// seconds near 2^31), while the expansion's first neglected term, A_1(zeta)/n^2 with
// |A_1| < 0.005 near the turning point, is below 5e-15 relative from here on.
constexpr double kLargeOrder = 1e6;
// Above this argument the library switches to its asymptotic form, whatever the order.
constexpr double kAsymptoticArgument = 0x1p302;
// B_0 near the turning point, where its closed form cancels: B_0(0) and B_0'(0) = 2/225.
constexpr double kB0AtTurn = 0.017998872141355330925;
constexpr double kB0Slope = 2.0 / 225;
constexpr double kB0SeriesBelow = 1e-3;

bool Odd(std::int32_t n) {
  return (n & 1) != 0;
}

// sum over k >= 1 of sign^(k-1) t^(k-1) / (2k + 1) for t = s^2: (atanh s - s) / s^3 with
// sign 1, (s - atan s) / s^3 with sign -1, without the cancellation of the closed forms.
double OddPowerTail(double s, double sign) {
  if (s > 0.25)
    return sign > 0 ? (std::atanh(s) - s) / (s * s * s) : (s - std::atan(s)) / (s * s * s);
  double t = sign * s * s;
  double sum = 0;
  double power = 1;
  for (int k = 1; std::fabs(power) > 1e-18; ++k, power *= t) sum += power / (2 * k + 1);
  return sum;
}

struct BesselPair {
  double j;
  double y;
};

// J_n(x) and Y_n(x) for n > 0, x > 0 from the expansion's first two terms: with z = x / n,
//   J_n(nz) = (4 zeta / (1 - z^2))^(1/4) (Ai(a) / n^(1/3) + Ai'(a) B_0(zeta) / n^(5/3)),
// a = n^(2/3) zeta, and Y_n the same with -Bi, -Bi'. With w = 1 - z^2 = (n - x)(n + x) / n^2
// (n - x is exact near the turning point), zeta = q w where q = (3/2 tail)^(2/3) stays near
// 2^(-2/3) there, so neither zeta nor the prefactor (4q)^(1/4) loses digits.
BesselPair UniformExpansion(double n, double x) {
  double w = (n - x) * (n + x) / (n * n);
  double s = std::sqrt(std::fabs(w));
  double tail = 1.5 * OddPowerTail(s, w >= 0 ? 1 : -1);
  double q = std::cbrt(tail * tail);
  double zeta = q * w;
  double b0 = kB0AtTurn + kB0Slope * zeta;
  if (std::fabs(zeta) >= kB0SeriesBelow) {
    double sign = w >= 0 ? 1 : -1;
    b0 = -5 / (48 * zeta * zeta) +
         (5 / (24 * std::fabs(w) * s) - sign / (8 * s)) / std::sqrt(std::fabs(zeta));
  }
  double third = std::cbrt(n);
  double a = third * third * zeta;
  double factor = std::sqrt(std::sqrt(4 * q)) / third;
  double correction = b0 / (third * third * third * third);
  QuietPolicy policy;
  return {factor * (boost::math::airy_ai(a, policy) +
                    boost::math::airy_ai_prime(a, policy) * correction),
          -factor * (boost::math::airy_bi(a, policy) +
                     boost::math::airy_bi_prime(a, policy) * correction)};
}

bool LibraryOrder(double order, double size) {
  return order <= kLargeOrder || size > kAsymptoticArgument;
}

}  // namespace

// J_-n = (-1)^n J_n and J_n(-x) = (-1)^n J_n(x). For |x| < |n|/2,
// |J_n(x)| <= (|x|/2)^|n| / |n|! is far below the smallest double: a zero of the right sign.
double BesselJn(std::int32_t n, double x) {
  double order = std::fabs(static_cast<double>(n));
  double size = std::fabs(x);
  if (LibraryOrder(order, size)) return ::jn(n, x);
  double sign = Odd(n) && ((n < 0) != (x < 0)) ? -1 : 1;
  if (size < order / 2) return sign * 0.0;
  return sign * UniformExpansion(order, size).j;
}

// Y_-n = (-1)^n Y_n. Below |n|/2 the value is beyond the double range (the library's
// -infinity, positive for a negative odd order), and negative x is outside its domain.
double BesselYn(std::int32_t n, double x) {
  double order = std::fabs(static_cast<double>(n));
  if (LibraryOrder(order, std::fabs(x))) return ::yn(n, x);
  if (!(x > 0)) return std::numeric_limits<double>::quiet_NaN();
  double sign = n < 0 && Odd(n) ? -1 : 1;
  if (x < order / 2) return -sign * std::numeric_limits<double>::infinity();
  return sign * UniformExpansion(order, x).y;
}

}  // namespace orvo::detail
