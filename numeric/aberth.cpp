// Aberth-Ehrlich iteration: every root moves by its Newton correction, corrected for the pull
// of all the other approximations, so the roots are found together without deflation. The
// fallback of the polynomial root finder for high degrees and clusters.
#include "numeric/detail/aberth.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace orvo::detail {
namespace {

using C = std::complex<double>;

constexpr int kMaxSweeps = 600;
constexpr int kPolishSteps = 2;
constexpr double kEps = std::numeric_limits<double>::epsilon();

// p(z) and p'(z) for one point, scaled so that no power of z overflows: beyond the unit circle
// the reversed polynomial in 1/z is used. `ratio` is p/p', `logP` the log of |p(z)| and
// `logNoise` the log of the rounding noise of p(z), eps * sum |c_k| |z|^k.
struct Value {
  C ratio;
  double logP;
  double logNoise;
};

Value Evaluate(std::span<const double> c, C z) {
  const int n = static_cast<int>(c.size()) - 1;
  double r = std::abs(z);
  if (r <= 1) {
    C p = c[n];
    C d = 0;
    double s = std::fabs(c[n]);
    for (int k = n - 1; k >= 0; --k) {
      d = d * z + p;
      p = p * z + c[k];
      s = s * r + std::fabs(c[k]);
    }
    return {p / d, std::log(std::abs(p)), std::log(kEps * s)};
  }
  // p(z) = z^n q(y) with y = 1/z and q(y) = c[n] + c[n-1] y + ... + c[0] y^n; then
  // p'/p = (n - y q'(y)/q(y)) / z.
  C y = 1.0 / z;
  double ry = 1 / r;
  C q = c[0];
  C dq = 0;
  double s = std::fabs(c[0]);
  for (int k = 1; k <= n; ++k) {
    dq = dq * y + q;
    q = q * y + c[k];
    s = s * ry + std::fabs(c[k]);
  }
  double logScale = n * std::log(r);
  return {z / (static_cast<double>(n) - y * dq / q), logScale + std::log(std::abs(q)),
          logScale + std::log(kEps * s)};
}

// Starting points on the circles of the Newton polygon of log |c_k|: a root group of each
// upper hull edge lies near the radius that balances its two end coefficients.
std::vector<C> Starts(std::span<const double> c) {
  const int n = static_cast<int>(c.size()) - 1;
  std::vector<int> hull;
  auto height = [&](int k) { return std::log(std::fabs(c[k])); };
  for (int k = 0; k <= n; ++k) {
    if (c[k] == 0) continue;
    while (hull.size() >= 2) {
      int i = hull[hull.size() - 2];
      int j = hull.back();
      // Keep j only when it lies above the chord from i to k.
      if ((height(j) - height(i)) * (k - i) > (height(k) - height(i)) * (j - i)) break;
      hull.pop_back();
    }
    hull.push_back(k);
  }
  std::vector<C> starts;
  for (std::size_t e = 0; e + 1 < hull.size(); ++e) {
    int i = hull[e];
    int j = hull[e + 1];
    double radius = std::exp((height(i) - height(j)) / (j - i));
    for (int m = 0; m < j - i; ++m) {
      double angle = 2 * std::numbers::pi * m / (j - i) + 2 * std::numbers::pi * i / n + 0.4;
      starts.push_back(std::polar(radius, angle));
    }
  }
  return starts;
}

}  // namespace

bool AberthRoots(std::span<const double> c, std::vector<RootEstimate>& roots, CancelPoll& poll) {
  const int n = static_cast<int>(c.size()) - 1;
  roots.clear();
  if (n < 1) return true;
  for (double coefficient : c) {
    if (!std::isfinite(coefficient)) return false;
  }
  std::vector<C> z = Starts(c);
  std::vector<bool> settled(n, false);
  int open = n;
  for (int sweep = 0; sweep < kMaxSweeps && open > 0; ++sweep) {
    if (poll.Stop(static_cast<long>(n) * n)) return false;
    for (int i = 0; i < n; ++i) {
      if (settled[i]) continue;
      Value v = Evaluate(c, z[i]);
      if (!(v.logP > v.logNoise)) {  // p(z) is rounding noise: as close as doubles can tell
        settled[i] = true;
        --open;
        continue;
      }
      C pull = 0;
      for (int j = 0; j < n; ++j) {
        if (j != i) pull += 1.0 / (z[i] - z[j]);
      }
      C step = v.ratio / (1.0 - v.ratio * pull);
      if (!std::isfinite(step.real()) || !std::isfinite(step.imag())) return false;
      z[i] -= step;
      if (std::abs(step) <= 2 * kEps * std::abs(z[i])) {
        settled[i] = true;
        --open;
      }
    }
  }
  if (open > 0) return false;

  for (int i = 0; i < n; ++i) {
    // Newton steps on the polynomial itself, each kept only when it lowers |p|.
    Value v = Evaluate(c, z[i]);
    for (int step = 0; step < kPolishSteps && v.logP > v.logNoise; ++step) {
      C moved = z[i] - v.ratio;
      Value w = Evaluate(c, moved);
      if (!(w.logP < v.logP)) break;
      z[i] = moved;
      v = w;
    }
    // The disc |x - z_i| <= n |p(z_i)| / |c_n prod (z_i - z_j)| holds a root; with |p| at least
    // its rounding noise. Without the factor n it is the first-order error of a simple root.
    double logRadius = std::max(v.logP, v.logNoise) - std::log(std::fabs(c[n]));
    for (int j = 0; j < n; ++j) {
      double apart = std::abs(z[i] - z[j]);
      if (j != i) logRadius -= std::log(std::max(apart, std::numeric_limits<double>::min()));
    }
    roots.push_back({z[i], std::exp(logRadius)});
  }
  return true;
}

}  // namespace orvo::detail
