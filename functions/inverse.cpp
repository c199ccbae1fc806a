// The inverse of ln Gamma on its rising branch.
#include <boost/math/special_functions/digamma.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/tools/roots.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "functions/detail/kernels.h"
#include "functions/quiet_policy.h"

namespace orvo::detail {
namespace {

// Where ln Gamma has its minimum, about -0.1214862905.
constexpr double kGammaLnMinimumAt = 1.4616321449683623;
constexpr int kMaxSteps = 200;

}  // namespace

// Newton's method on ln Gamma(x) - y, its derivative the digamma function, kept inside a bracket
// [minimum, 2^k] that doubling finds; Boost falls back to bisection where a step would leave it.
double InvGammaLn(double y) {
  if (!(y < std::numeric_limits<double>::infinity())) return y;
  QuietPolicy quiet;
  double low = kGammaLnMinimumAt;
  double high = 2;
  while (boost::math::lgamma(high, quiet) < y) {
    low = high;
    high *= 2;
  }
  auto f = [y, &quiet](double x) {
    return std::make_pair(boost::math::lgamma(x, quiet) - y, boost::math::digamma(x, quiet));
  };
  std::uintmax_t steps = kMaxSteps;
  return boost::math::tools::newton_raphson_iterate(f, (low + high) / 2, low, high,
                                                    std::numeric_limits<double>::digits, steps);
}

}  // namespace orvo::detail
