// Bessel functions of integer order: the C library up to a million; beyond, at a cost that does
// not grow with n, the Debye expansion (DLMF 10.19.6) where x is well past the order and the
// uniform asymptotic expansion in Airy functions (Olver; DLMF 10.20.4) elsewhere.
#include <math.h>  // jn, yn: POSIX, not part of <cmath>

#include <boost/math/special_functions/airy.hpp>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "functions/detail/kernels.h"
#include "functions/quiet_policy.h"

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
// The Debye expansion's terms shrink by about c^3 / n, c = cot(beta) = n / sqrt(x^2 - n^2);
// where that ratio is below this, its terms up to U_3 leave an error below 1e-16.
constexpr double kDebyeRatio = 1e-4;

bool Odd(std::int32_t n) {
  return (n & 1) != 0;
}

// sum over k >= 1 of sign^(k-1) t^(k-1) / (2k + 1) for t = s^2: (atanh s - s) / s^3 with
// sign 1, (s - atan s) / s^3 with sign -1, without the cancellation of the closed forms.
template <typename T>
T OddPowerTail(T s, T sign) {
  if (s > T(0.25)) {
    return sign > 0 ? (std::atanh(s) - s) / (s * s * s) : (s - std::atan(s)) / (s * s * s);
  }
  T t = sign * s * s;
  T sum = 0;
  T power = 1;
  for (int k = 1; std::fabs(power) > std::numeric_limits<T>::epsilon() / 8; ++k, power *= t) {
    sum += power / (2 * k + 1);
  }
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
  double tail = 1.5 * OddPowerTail(s, w >= 0 ? 1.0 : -1.0);
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

// J_n(x) and Y_n(x) for x > n > 0 from the Debye expansion in c = cot(beta) = n / sqrt(x^2 - n^2),
//   J_n(x) = sqrt(2 / (pi sqrt(x^2 - n^2))) (cos(xi) even + sin(xi) odd),
//   Y_n(x) = sqrt(2 / (pi sqrt(x^2 - n^2))) (sin(xi) even - cos(xi) odd),
// even = 1 + U_2(ic) / n^2, odd = -i (U_1(ic) / n + U_3(ic) / n^3), and the phase
// xi = sqrt(x^2 - n^2) - n acos(n/x) - pi/4. The phase is as large as n or x, so it is kept in
// long double: near the turning point as n (r - atan r) - pi/4 with r = tan(beta), further out
// as x - (n pi/2 + pi/4) + delta, with the sine and cosine of x from the library's exact
// reduction.
BesselPair DebyeExpansion(double n, double x) {
  using Long = long double;
  constexpr Long kPi = std::numbers::pi_v<Long>;
  Long root = std::sqrt((Long(x) - n) * (Long(x) + n));
  Long r = root / n;
  double cosX = 1;
  double sinX = 0;
  Long theta = 0;
  if (r < 1) {
    theta = n * r * r * r * OddPowerTail<Long>(r, -1) - kPi / 4;
  } else {
    Long delta = n * std::asin(n / Long(x)) - Long(n) * n / (Long(x) + root);
    theta = delta - (std::fmod(Long(n), 4) + Long(0.5)) * (kPi / 2);
    cosX = std::cos(x);
    sinX = std::sin(x);
  }
  theta = std::remainder(theta, 2 * kPi);
  double cosTheta = static_cast<double>(std::cos(theta));
  double sinTheta = static_cast<double>(std::sin(theta));
  double cosXi = cosX * cosTheta - sinX * sinTheta;
  double sinXi = sinX * cosTheta + cosX * sinTheta;
  double c = static_cast<double>(n / root);
  double c2 = c * c;
  double even = 1 - c2 * (81 + c2 * (462 + 385 * c2)) / (1152 * n * n);
  double odd =
      c * (3 + 5 * c2) / (24 * n) -
      c * c2 * (30375 + c2 * (369603 + c2 * (765765 + 425425 * c2))) / (414720 * n * n * n);
  double scale = std::sqrt(2 / (std::numbers::pi * static_cast<double>(root)));
  return {scale * (cosXi * even + sinXi * odd), scale * (sinXi * even - cosXi * odd)};
}

// n > kLargeOrder, x > 0.
BesselPair LargeOrder(double n, double x) {
  double c = n / std::sqrt((x - n) * (x + n));
  if (x > n && c * c * c < kDebyeRatio * n) return DebyeExpansion(n, x);
  return UniformExpansion(n, x);
}

// A not-a-number argument goes to the library too: the expansion's Airy functions assert on it.
bool LibraryOrder(double order, double size) {
  return order <= kLargeOrder || !(size <= kAsymptoticArgument);
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
  return sign * LargeOrder(order, size).j;
}

// Y_-n = (-1)^n Y_n. Below |n|/2 the value is beyond the double range (the library's
// -infinity, positive for a negative odd order), and negative x is outside its domain.
double BesselYn(std::int32_t n, double x) {
  double order = std::fabs(static_cast<double>(n));
  if (LibraryOrder(order, std::fabs(x))) return ::yn(n, x);
  if (!(x > 0)) return std::numeric_limits<double>::quiet_NaN();
  double sign = n < 0 && Odd(n) ? -1 : 1;
  if (x < order / 2) return -sign * std::numeric_limits<double>::infinity();
  return sign * LargeOrder(order, x).y;
}

}  // namespace orvo::detail
