#include "base/complex.h"

#include <cmath>
#include <numbers>

namespace orvo {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHalfPi = kPi / 2;
constexpr double kThreeHalfPi = 3 * kPi / 2;
constexpr double kTwoPi = 2 * kPi;
constexpr double kLn10 = std::numbers::ln10;

constexpr Complex kNearZeroQuotient{kComplexHuge, kComplexHuge};

}  // namespace

double modulus(Complex z) {
  return std::sqrt(z.re * z.re + z.im * z.im);
}

Complex add(Complex a, Complex b) {
  return {a.re + b.re, a.im + b.im};
}

Complex subtract(Complex a, Complex b) {
  return {a.re - b.re, a.im - b.im};
}

Complex negate(Complex a) {
  return {-a.re, -a.im};
}

Complex multiply(Complex a, Complex b) {
  return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}

Complex multiplyReal(Complex a, double d) {
  return {a.re * d, a.im * d};
}

Complex divide(Complex a, Complex b) {
  // The squared modulus is tested, so the limit on |b| itself is sqrt(5e-16).
  double q = b.im * b.im + b.re * b.re;
  if (std::fabs(q) < kComplexSmall) return kNearZeroQuotient;
  return {(a.im * b.im + a.re * b.re) / q, (a.im * b.re - a.re * b.im) / q};
}

Complex divideReal(Complex a, double d) {
  if (std::fabs(d) < kComplexSmall) return kNearZeroQuotient;
  return {a.re / d, a.im / d};
}

double argument(Complex z) {
  double x = z.re;
  double y = z.im;
  if (x == 0) return y > 0 ? kHalfPi : y == 0 ? 0 : kThreeHalfPi;
  if (y == 0) return x > 0 ? 0 : kPi;
  double t = std::fabs(std::atan(y / x));
  if (x > 0) return y > 0 ? t : kTwoPi - t;
  return y > 0 ? kPi - t : kPi + t;
}

Complex cleanSmallParts(Complex w) {
  // Written as "not greater" so that a not-a-number part becomes 0 as well.
  if (!(std::fabs(w.re) > kComplexSmall)) w.re = 0;
  if (!(std::fabs(w.im) > kComplexSmall)) w.im = 0;
  return w;
}

Complex complexExp(Complex z) {
  double scale = std::exp(z.re);
  return cleanSmallParts({scale * std::cos(z.im), scale * std::sin(z.im)});
}

Complex complexSin(Complex z) {
  double up = std::exp(z.im);
  double down = std::exp(-z.im);
  return cleanSmallParts({std::sin(z.re) * (up + down) * 0.5, std::cos(z.re) * (up - down) * 0.5});
}

Complex complexCos(Complex z) {
  double up = std::exp(z.im);
  double down = std::exp(-z.im);
  return cleanSmallParts(
      {std::cos(z.re) * (down + up) * 0.5, std::sin(z.re) * (up - down) * (-0.5)});
}

Complex complexTan(Complex z) {
  return cleanSmallParts(divide(complexSin(z), complexCos(z)));
}

Complex complexSinh(Complex z) {
  return cleanSmallParts(divideReal(subtract(complexExp(z), complexExp(negate(z))), 2));
}

Complex complexCosh(Complex z) {
  return cleanSmallParts(divideReal(add(complexExp(z), complexExp(negate(z))), 2));
}

Complex complexTanh(Complex z) {
  Complex up = complexExp(z);
  Complex down = complexExp(negate(z));
  return cleanSmallParts(divide(subtract(up, down), add(up, down)));
}

Complex complexLn(Complex z) {
  return cleanSmallParts({std::log(modulus(z)), argument(z)});
}

Complex complexLg(Complex z) {
  return cleanSmallParts({std::log10(modulus(z)), argument(z) / kLn10});
}

Complex complexLogBase(Complex base, Complex z) {
  return cleanSmallParts(divide(complexLn(z), complexLn(base)));
}

Complex complexPow(Complex a, Complex b) {
  constexpr Complex kI{0, 1};
  // With a = 0 the exponent holds -inf and not-a-number parts; the cleaning of complexExp turns
  // them into 0, so 0 to any power is 0.
  Complex exponent =
      add(multiplyReal(b, std::log(modulus(a))), multiplyReal(multiply(kI, b), argument(a)));
  return complexExp(exponent);
}

bool complexRoots(int n, Complex z, std::span<Complex> out) {
  if (n <= 1 || out.size() < static_cast<std::size_t>(n)) return false;
  double theta = std::atan2(z.im, z.re);
  double r = modulus(z);
  if (r != 0) r = std::exp(std::log(r) * (1.0 / n));
  for (int k = 0; k < n; ++k) {
    double phi = (k * kTwoPi + theta) / n;
    out[k] = cleanSmallParts({r * std::cos(phi), r * std::sin(phi)});
  }
  return true;
}

}  // namespace orvo
