// The incomplete gamma and beta functions and the distributions built on them.
#include <cmath>

#include "functions/detail/kernels.h"
#include "functions/functions.h"

namespace orvo::detail {
namespace {

constexpr int kMaxSteps = 2000;
constexpr double kTolerance = 2e-10;

// The continued fractions below run their recurrences unnormalised, so their terms can leave
// the double range long before the fraction converges. Scaling every term by the same power of
// two changes no ratio, not even in its last bit, so the results are those of the plain
// recurrence wherever that one stays in range.
constexpr int kScaleBits = 512;
constexpr double kScaleHigh = 0x1p512;
constexpr double kScaleLow = 0x1p-512;

template <typename... T>
void KeepInRange(double reference, T&... terms) {
  double size = std::fabs(reference);
  if (size > kScaleHigh) {
    ((terms = std::ldexp(terms, -kScaleBits)), ...);
  } else if (size < kScaleLow && size > 0) {
    ((terms = std::ldexp(terms, kScaleBits)), ...);
  }
}

}  // namespace

double GammaP(double a, double x) {
  if (x > 1e35) return 1;
  double logX = std::log(x);
  double gammaLn = GammaLn(a);
  // The factor x^a e^-x / Gamma(a) is formed as the product of x^a and e^(-x - ln Gamma(a)).
  // Where either leaves the range of normal doubles (large a: x^a overflows while the other
  // factor underflows, and their product would be 0 * inf) it is formed from one exponent.
  double power = std::exp(a * logX);
  double decay = std::exp(-x - gammaLn);
  bool split = std::isnormal(power) && std::isnormal(decay);
  double joined = split ? 0 : std::exp(a * logX - x - gammaLn);

  if (x < a + 1) {
    // Series: sum of x^n / (a (a+1) ... (a+n)).
    double ap = a;
    double term = 1 / a;
    double sum = term;
    for (int n = 0; n < kMaxSteps; ++n) {
      ap += 1;
      term = term * x / ap;
      sum += term;
      if (std::fabs(term) < std::fabs(sum) * kTolerance) break;
    }
    return split ? sum * decay * power : sum * joined;
  }

  // Continued fraction for the upper part Q(a, x), from its convergents A/B.
  double gold = 1 / x;
  double a0 = 0;
  double b0 = 1;
  double a1 = 1;
  double b1 = x;
  for (int n = 1; n <= kMaxSteps; ++n) {
    double an = n - a;
    a0 = a1 + an * a0;
    b0 = b1 + an * b0;
    a1 = x * a0 + n * a1;
    b1 = x * b0 + n * b1;
    KeepInRange(b1, a0, b0, a1, b1);
    double g = a1 / b1;
    if (std::fabs((g - gold) / g) < kTolerance) {
      gold = g;
      break;
    }
    gold = g;
  }
  return 1 - (split ? decay * gold * power : gold * joined);
}

double Beta(double a, double b) {
  return std::exp(GammaLn(a) + GammaLn(b) - GammaLn(a + b));
}

double BetaCF(double x, double a, double b) {
  double p = 0;  // the previous convergent p/q
  double q = 1;
  double num = 1;  // the current convergent num/den
  double den = 1;
  for (int m = 1; m <= kMaxSteps; ++m) {
    double t = 2 * m + a;
    double odd = -((m + a - 1) * (m + a + b - 1) * x) / ((t - 2) * (t - 1));
    p = odd * p + num;
    q = odd * q + den;
    double even = ((b - m) * m * x) / ((t - 1) * t);
    num = even * num + p;
    den = even * den + q;
    KeepInRange(std::fmax(std::fabs(den), std::fabs(q)), p, q, num, den);
    if (std::fabs(num / den - p / q) < kTolerance) break;
  }
  return num / den;
}

double BetaI(double x, double a, double b) {
  if (x == 0) return 0;
  if (x == 1) return 1;
  // x^a (1-x)^b / B(a, b). For large a and b, B(a, b) underflows (binomials of more than about
  // a thousand trials): then the quotient is formed from one exponent.
  double logFront = a * std::log(x) + b * std::log(1 - x);
  double front = std::exp(logFront);
  double beta = Beta(a, b);
  double bt = std::isnormal(front) && std::isnormal(beta)
                  ? front / beta
                  : std::exp(logFront - (GammaLn(a) + GammaLn(b) - GammaLn(a + b)));
  if (x < (a + 1) / (a + b + 2)) return bt * BetaCF(x, a, b) / a;
  return 1 - bt * BetaCF(1 - x, b, a) / b;
}

double Erf(double x) {
  double p = GammaP(0.5, x * x);
  return x >= 0 ? p : -p;
}

double TwoSidedT(double t, std::int32_t f) {
  double w = f / (t * t + f);
  double p = 1 - BetaI(w, f / 2.0, 0.5);
  return t < 0 ? -p : p;
}

double UpperF(double F, std::int32_t f1, std::int32_t f2) {
  return BetaI(f2 / (f1 * F + f2), f2 / 2.0, f1 / 2.0);
}

}  // namespace orvo::detail
