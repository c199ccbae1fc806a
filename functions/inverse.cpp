// Inverse functions by a restarted secant search from pseudo-random starting points.
#include <cmath>

#include "base/random.h"
#include "functions/detail/kernels.h"
#include "functions/functions.h"

namespace orvo::detail {
namespace {

constexpr int kStarts = 100;
constexpr int kStepsPerStart = 98;
constexpr double kStep = 1e-6;  // relative step of the secant, and the size of a final step
constexpr double kStartScale = 0.00030517578125;  // r / 3276.8: starts in [0, 10)
constexpr double kGammaLnStart = 1.4622;          // just above the minimum of ln Gamma
constexpr int kGammaLnPasses = 11;

struct Search {
  double s = 0;
  bool found = false;
};

// Solves g(s) = y. Each start draws one number from `rng`; from there the secant steps run until
// a step is shorter than 1e-6 (found), the two samples agree (the start is abandoned) or the
// steps run out. When nothing is found, s keeps its last value.
template <typename G, typename Start>
Search SolveFor(G g, double y, Start start, Random& rng) {
  Search result;
  for (int k = 0; k < kStarts; ++k) {
    double s = start(rng.Next());
    for (int step = 0; step < kStepsPerStart; ++step) {
      double f0 = g(s) - y;
      double f1 = g(s * (1 + kStep)) - y;
      if (f1 == f0) break;
      double d = f0 / (f1 - f0) * s * kStep;
      s -= d;
      if (std::fabs(d) < kStep) return {s, true};
      // A not-a-number step keeps s a not-a-number for the rest of this start.
      if (std::isnan(d)) break;
    }
    result.s = s;
  }
  return result;
}

double ScaledStart(int r) {
  return r * kStartScale;
}

double ZeroIfTiny(double s) {
  return std::fabs(s) < 1e-15 ? 0 : s;
}

}  // namespace

double InvErf(double x, Random& rng) {
  return ZeroIfTiny(SolveFor(Erf, x, ScaledStart, rng).s);
}

double InvTwoSidedT(double x, std::int32_t f, Random& rng) {
  auto g = [f](double t) { return TwoSidedT(t, f); };
  return ZeroIfTiny(SolveFor(g, 1 - x, ScaledStart, rng).s);
}

double InvUpperF(double x, std::int32_t f1, std::int32_t f2, Random& rng) {
  auto g = [f1, f2](double F) { return UpperF(F, f1, f2); };
  return ZeroIfTiny(std::fabs(SolveFor(g, x, ScaledStart, rng).s));
}

// Searches again while the solution found lies at or below 0 (off the rising branch), at most
// 11 times.
double InvGammaLn(double y, Random& rng) {
  auto start = [](int r) { return r + kGammaLnStart; };
  for (int pass = 1;; ++pass) {
    Search search = SolveFor(GammaLn, y, start, rng);
    if (pass >= kGammaLnPasses || search.s > 0) return search.found ? search.s : -1;
  }
}

}  // namespace orvo::detail
