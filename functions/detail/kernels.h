#pragma once
#include <cstdint>

// The numerical kernels behind the special functions. Those of the gamma and beta families, the
// error function and the distributions with their quantiles are Boost.Math's; the sine, cosine
// and exponential integrals are computed here. None of them reports errors: outside its domain
// a kernel gives a not-a-number, past the double range an infinity.
namespace orvo::detail {

// Regularised lower incomplete gamma P(a, x).
double GammaP(double a, double x);

// B(a, b).
double Beta(double a, double b);

// Regularised incomplete beta I_x(a, b).
double BetaI(double x, double a, double b);

// The error function and its inverse.
double Erf(double x);
double InvErf(double x);

// The standard normal distribution function and its quantile.
double NormalLower(double x);
double InvNormalLower(double p);

// Student's t with f degrees of freedom: sign(t) (1 - I_{f/(t^2+f)}(f/2, 1/2)), the probability
// of |T| < |t| carrying the sign of t.
double TwoSidedT(double t, std::int32_t f);
// The t > 0 with TwoSidedT(t, f) = 1 - x: the two-sided critical value at level x.
double InvTwoSidedT(double x, std::int32_t f);

// Fisher's F: the probability of exceeding F, I_{f2/(f1 F + f2)}(f2/2, f1/2), and its inverse.
double UpperF(double F, std::int32_t f1, std::int32_t f2);
double InvUpperF(double x, std::int32_t f1, std::int32_t f2);

// The chi-square distribution function with f degrees of freedom.
double ChiSquareLower(double x, std::int32_t f);

// The probability of at least q successes in n trials of probability x.
double BinomialAtLeast(double x, std::int32_t n, std::int32_t q);

// The x > 1.4616 (the minimum of ln Gamma) with ln Gamma(x) = y.
double InvGammaLn(double y);

// Si(x), Ci(x) and Ei(-|x|). The series and continued fractions stop once a term is below
// `tolerance` relative to the sum (the default is what the functions use).
inline constexpr double kIntegralTolerance = 1e-19;
double SineIntegral(double x, double tolerance = kIntegralTolerance);
double CosineIntegral(double x, double tolerance = kIntegralTolerance);
double ExpIntegral(double x);

// Bessel functions of integer order, bounded in time: the C library runs a recurrence over
// every order up to n, which for orders near 2^31 takes many seconds, so large orders take an
// asymptotic expansion whose cost does not depend on n.
double BesselJn(std::int32_t n, double x);
double BesselYn(std::int32_t n, double x);

}  // namespace orvo::detail
