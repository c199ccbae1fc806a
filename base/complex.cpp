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

double Modulus(Complex z) {
  return std::sqrt(z.re * z.re + z.im * z.im);
}

Complex Divide(Complex a, Complex b) {
  // The squared modulus is tested, so the limit on |b| itself is sqrt(5e-16).
  double q = b.im * b.im + b.re * b.re;
  if (std::fabs(q) < kComplexSmall) return kNearZeroQuotient;
  return {(a.im * b.im + a.re * b.re) / q, (a.im * b.re - a.re * b.im) / q};
}

Complex DivideReal(Complex a, double d) {
  if (std::fabs(d) < kComplexSmall) return kNearZeroQuotient;
  return {a.re / d, a.im / d};
}

double Argument(Complex z) {
  double x = z.re;
  double y = z.im;
  if (x == 0) return y > 0 ? kHalfPi : y == 0 ? 0 : kThreeHalfPi;
  if (y == 0) return x > 0 ? 0 : kPi;
  double t = std::fabs(std::atan(y / x));
  if (x > 0) return y > 0 ? t : kTwoPi - t;
  return y > 0 ? kPi - t : kPi + t;
}

Complex CleanSmallParts(Complex w) {
  // Written as "not greater" so that a not-a-number part becomes 0 as well.
  if (!(std::fabs(w.re) > kComplexSmall)) w.re = 0;
  if (!(std::fabs(w.im) > kComplexSmall)) w.im = 0;
  return w;
}

Complex ComplexExp(Complex z) {
  double scale = std::exp(z.re);
  return CleanSmallParts({scale * std::cos(z.im), scale * std::sin(z.im)});
}

Complex ComplexSin(Complex z) {
  double up = std::exp(z.im);
  double down = std::exp(-z.im);
  return CleanSmallParts({std::sin(z.re) * (up + down) * 0.5, std::cos(z.re) * (up - down) * 0.5});
}

Complex ComplexCos(Complex z) {
  double up = std::exp(z.im);
  double down = std::exp(-z.im);
  return CleanSmallParts(
      {std::cos(z.re) * (down + up) * 0.5, std::sin(z.re) * (up - down) * (-0.5)});
}

Complex ComplexTan(Complex z) {
  return CleanSmallParts(Divide(ComplexSin(z), ComplexCos(z)));
}

Complex ComplexSinh(Complex z) {
  return CleanSmallParts(DivideReal(Subtract(ComplexExp(z), ComplexExp(Negate(z))), 2));
}

Complex ComplexCosh(Complex z) {
  return CleanSmallParts(DivideReal(Add(ComplexExp(z), ComplexExp(Negate(z))), 2));
}

Complex ComplexTanh(Complex z) {
  Complex up = ComplexExp(z);
  Complex down = ComplexExp(Negate(z));
  return CleanSmallParts(Divide(Subtract(up, down), Add(up, down)));
}

Complex ComplexLn(Complex z) {
  return CleanSmallParts({std::log(Modulus(z)), Argument(z)});
}

Complex ComplexLg(Complex z) {
  return CleanSmallParts({std::log10(Modulus(z)), Argument(z) / kLn10});
}

Complex ComplexLogBase(Complex base, Complex z) {
  return CleanSmallParts(Divide(ComplexLn(z), ComplexLn(base)));
}

Complex ComplexPow(Complex a, Complex b) {
  constexpr Complex kI{0, 1};
  // With a = 0 the exponent holds -inf and not-a-number parts; the cleaning of ComplexExp turns
  // them into 0, so 0 to any power is 0.
  Complex exponent =
      Add(MultiplyReal(b, std::log(Modulus(a))), MultiplyReal(Multiply(kI, b), Argument(a)));
  return ComplexExp(exponent);
}

bool ComplexRoots(int n, Complex z, std::span<Complex> out) {
  if (n <= 1 || out.size() < static_cast<std::size_t>(n)) return false;
  double theta = std::atan2(z.im, z.re);
  double r = Modulus(z);
  if (r != 0) r = std::exp(std::log(r) * (1.0 / n));
  for (int k = 0; k < n; ++k) {
    double phi = (k * kTwoPi + theta) / n;
    out[k] = CleanSmallParts({r * std::cos(phi), r * std::sin(phi)});
  }
  return true;
}

}  // namespace orvo
