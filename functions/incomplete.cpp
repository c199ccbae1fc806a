// The incomplete gamma and beta functions, the error function and the distributions built on
// them, with their quantiles: Boost.Math's, which are accurate to a few units in the last place
// and deterministic (the quantiles are found by Newton or Halley steps from a close first guess).
#include <boost/math/distributions/binomial.hpp>
// The F quantile leaves a variable unset on a path that a domain check cuts off, which g++
// reports when it inlines the quantile here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/math/distributions/fisher_f.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <limits>

#include "functions/detail/kernels.h"
#include "functions/quiet_policy.h"

namespace orvo::detail {
namespace {

constexpr QuietPolicy kQuiet;

}  // namespace

// The limits Boost does not take as arguments: an infinite shape puts all the mass beyond any
// finite x, an infinite shape a (or b) all of it at x = 1 (or 0).
double GammaP(double a, double x) {
  if (std::isinf(a) && std::isfinite(x)) return 0;
  return boost::math::gamma_p(a, x, kQuiet);
}

// Positive arguments: B(a, b) falls to 0 as either grows without bound, which Boost does not
// take as an argument.
double Beta(double a, double b) {
  if (std::isinf(a) || std::isinf(b)) return 0;
  return boost::math::beta(a, b, kQuiet);
}

double BetaI(double x, double a, double b) {
  if (std::isinf(a) && std::isfinite(b)) return x < 1 ? 0 : 1;
  if (std::isinf(b) && std::isfinite(a)) return x > 0 ? 1 : 0;
  return boost::math::ibeta(a, b, x, kQuiet);
}

double Erf(double x) {
  return boost::math::erf(x, kQuiet);
}

double InvErf(double x) {
  return boost::math::erf_inv(x, kQuiet);
}

double NormalLower(double x) {
  return cdf(boost::math::normal_distribution<double, QuietPolicy>(), x);
}

double InvNormalLower(double p) {
  return quantile(boost::math::normal_distribution<double, QuietPolicy>(), p);
}

// 1 - I_{f/(t^2+f)}(f/2, 1/2) is I_{t^2/(t^2+f)}(1/2, f/2), which keeps its digits for small t.
// The argument is formed so that it reaches 1 instead of inf/inf for huge t.
double TwoSidedT(double t, std::int32_t f) {
  double w = 1 / (1 + f / (t * t));
  double p = boost::math::ibeta(0.5, f / 2.0, w, kQuiet);
  return t < 0 ? -p : p;
}

double InvTwoSidedT(double x, std::int32_t f) {
  boost::math::students_t_distribution<double, QuietPolicy> t(f);
  return quantile(complement(t, x / 2));
}

// Nothing lies beyond an infinite F.
double UpperF(double F, std::int32_t f1, std::int32_t f2) {
  if (F == std::numeric_limits<double>::infinity()) return 0;
  return cdf(complement(boost::math::fisher_f_distribution<double, QuietPolicy>(f1, f2), F));
}

double InvUpperF(double x, std::int32_t f1, std::int32_t f2) {
  return quantile(complement(boost::math::fisher_f_distribution<double, QuietPolicy>(f1, f2), x));
}

// With no degrees of freedom the distribution is all at 0.
double ChiSquareLower(double x, std::int32_t f) {
  return f == 0 ? 1 : boost::math::gamma_p(f / 2.0, x / 2, kQuiet);
}

// At least no successes is certain.
double BinomialAtLeast(double x, std::int32_t n, std::int32_t q) {
  if (q == 0) return 1;
  boost::math::binomial_distribution<double, QuietPolicy> trials(n, x);
  return cdf(complement(trials, q - 1));
}

}  // namespace orvo::detail
