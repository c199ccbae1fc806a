// Bessel functions of integer order from the C library, with the library's cost bounded.
#include <math.h>  // jn, yn: POSIX, not part of <cmath>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "functions/detail/kernels.h"

namespace orvo::detail {
namespace {

// Up to this order the library answers within some tens of milliseconds.
constexpr double kCheapOrder = 1e7;
// Above this argument the library switches to its asymptotic form, whatever the order.
constexpr double kAsymptoticArgument = 0x1p302;

bool Odd(std::int32_t n) {
  return (n & 1) != 0;
}

}  // namespace

// Past the cheap orders: for |x| < |n|/2, |J_n(x)| <= (|x|/2)^|n| / |n|! is far below the
// smallest double, so the library's answer is a zero (negative for an odd order when exactly
// one of n and x is negative); between |n|/2 and 2^302 it would take seconds, and the order is
// beyond any meaning, so the answer is not a number.
double BesselJn(std::int32_t n, double x) {
  double order = std::fabs(static_cast<double>(n));
  double size = std::fabs(x);
  if (order <= kCheapOrder || size > kAsymptoticArgument) return ::jn(n, x);
  if (size < order / 2) return Odd(n) && ((n < 0) != (x < 0)) ? -0.0 : 0.0;
  return std::numeric_limits<double>::quiet_NaN();
}

// The same bounds for Y_n: below |n|/2 the value is beyond the double range (the library's
// -infinity, positive for a negative odd order), and negative x is outside its domain.
double BesselYn(std::int32_t n, double x) {
  double order = std::fabs(static_cast<double>(n));
  if (order <= kCheapOrder || std::fabs(x) > kAsymptoticArgument) return ::yn(n, x);
  if (x > 0 && x < order / 2) {
    double infinity = std::numeric_limits<double>::infinity();
    return n < 0 && Odd(n) ? infinity : -infinity;
  }
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace orvo::detail
