#pragma once
#include <span>

// Complex numbers for the polynomial root finder and the complex commands. Plain double
// arithmetic that never fails: a near-zero divisor gives the stand-in value 1e16 + 1e16 i instead
// of an infinity, and every elementary function rounds parts of at most 5e-16 to exactly 0, so
// that sin(pi) shows as 0 rather than 1.2e-16.
namespace orvo {

struct Complex {
  double re = 0;
  double im = 0;

  void set(double real, double imaginary) {
    re = real;
    im = imaginary;
  }
  static constexpr Complex fromReal(double x) { return Complex{x, 0}; }
};

// Parts not above this magnitude are rounded to 0; divisors below it give kComplexHuge.
inline constexpr double kComplexSmall = 5e-16;
// Each part of the quotient of a near-zero division.
inline constexpr double kComplexHuge = 1e16;

// Basic operations: exact double arithmetic, no rounding of small parts. The ring operations are
// inline: the polynomial root finder's Horner loops are made of nothing else.
double Modulus(Complex z);
inline Complex Add(Complex a, Complex b) {
  return {a.re + b.re, a.im + b.im};
}
inline Complex Subtract(Complex a, Complex b) {
  return {a.re - b.re, a.im - b.im};
}
inline Complex Negate(Complex a) {
  return {-a.re, -a.im};
}
inline Complex Multiply(Complex a, Complex b) {
  return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}
inline Complex MultiplyReal(Complex a, double d) {
  return {a.re * d, a.im * d};
}
// a / b; (1e16, 1e16) when |b|^2 < 5e-16, that is when |b| is below about 2.2e-8.
Complex Divide(Complex a, Complex b);
// a / d; (1e16, 1e16) when |d| < 5e-16.
Complex DivideReal(Complex a, double d);
// The polar angle in [0, 2pi); 0 for 0.
double Argument(Complex z);

// Sets each part that is not greater than 5e-16 in magnitude (not-a-number included) to 0.
Complex CleanSmallParts(Complex w);

// Elementary functions; each cleans its own result. The logarithms and the power take the branch
// whose angle lies in [0, 2pi): ln(-i) = 4.712... i and (-1)^0.5 = i.
Complex ComplexExp(Complex z);
Complex ComplexSin(Complex z);
Complex ComplexCos(Complex z);
Complex ComplexTan(Complex z);
Complex ComplexSinh(Complex z);
Complex ComplexCosh(Complex z);
Complex ComplexTanh(Complex z);
Complex ComplexLn(Complex z);
Complex ComplexLg(Complex z);
// The logarithm of z to the given base.
Complex ComplexLogBase(Complex base, Complex z);
// a to the power b: e^(b (ln|a| + i arg a)).
Complex ComplexPow(Complex a, Complex b);

// All n-th roots of z into out[0..n-1], the principal one (in the atan2 sense) first, then
// counter-clockwise. False, with nothing written, when n <= 1 or `out` holds fewer than n.
bool ComplexRoots(int n, Complex z, std::span<Complex> out);

}  // namespace orvo
