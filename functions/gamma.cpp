#include <boost/math/special_functions/gamma.hpp>

#include "functions/detail/quiet_policy.h"
#include "functions/functions.h"

namespace orvo {

double GammaLn(double x) {
  return boost::math::lgamma(x, detail::QuietPolicy());
}

// Boost gives (n-1)! exactly for whole n up to 171.
double Gamma(double x) {
  return boost::math::tgamma(x, detail::QuietPolicy());
}

}  // namespace orvo
