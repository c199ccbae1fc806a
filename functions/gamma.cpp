#include <boost/math/special_functions/gamma.hpp>

#include "functions/functions.h"
#include "functions/quiet_policy.h"

namespace orvo {

double GammaLn(double x) {
  return boost::math::lgamma(x, QuietPolicy());
}

// Boost gives (n-1)! exactly for whole n up to 171.
double Gamma(double x) {
  return boost::math::tgamma(x, QuietPolicy());
}

}  // namespace orvo
