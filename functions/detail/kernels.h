#pragma once
#include <cstdint>

// The numerical kernels behind the special functions. Their coefficients, iteration limits and
// tolerances are part of what users see: results must agree digit for digit with the
// calculator's established answers, so they are kept as they are, not replaced by "better"
// library routines. None of them reports errors; a failing iteration leaves its last value.
namespace orvo {

class Random;

namespace detail {

// Regularised lower incomplete gamma P(a, x): series below x = a + 1, continued fraction above,
// both to a relative 2e-10 within 2000 steps.
double GammaP(double a, double x);

// B(a, b) from three GammaLn values.
double Beta(double a, double b);

// Regularised incomplete beta I_x(a, b), and the continued fraction it evaluates.
double BetaI(double x, double a, double b);
double BetaCF(double x, double a, double b);

// The error function, as P(1/2, x^2) with the sign of x.
double Erf(double x);

// Si(x), Ci(x) and Ei(-|x|) by Simpson's rule from halved trapezoid sums on [0, |x|].
double SineIntegral(double x);
double CosineIntegral(double x);
double ExpIntegral(double x);

// Student's t with f degrees of freedom: sign(t) (1 - I_{f/(t^2+f)}(f/2, 1/2)), the probability
// of |T| < |t| carrying the sign of t.
double TwoSidedT(double t, std::int32_t f);

// Fisher's F: the probability of exceeding F, I_{f2/(f1 F + f2)}(f2/2, f1/2).
double UpperF(double F, std::int32_t f1, std::int32_t f2);

// Inverses by a restarted secant search whose starting points come from `rng`.
double InvErf(double x, Random& rng);
double InvTwoSidedT(double x, std::int32_t f, Random& rng);
double InvUpperF(double x, std::int32_t f1, std::int32_t f2, Random& rng);
// The x > 1.4622 solution of ln Gamma(x) = y, or -1 when no search converged.
double InvGammaLn(double y, Random& rng);

// Bessel functions of integer order from the C library, kept bounded in time: the library
// runs a recurrence over every order up to n, which for orders near 2^31 takes many seconds.
double BesselJn(std::int32_t n, double x);
double BesselYn(std::int32_t n, double x);

}  // namespace detail
}  // namespace orvo
