#include <boost/math/special_functions/factorials.hpp>
#include <cmath>

#include "base/text.h"
#include "functions/detail/messages.h"
#include "functions/functions.h"

namespace orvo {

double IntegerPart(double x) {
  double whole = std::floor(std::fabs(x));
  return x < 0 ? -whole : whole;
}

double Factorial(double x, std::string& errors) {
  if (x == 0) return 1;
  if (x - std::floor(x) < 1e-15) {
    if (x < 0) {
      AppendMessage(errors, msg::kFactorialOfNegative);
      return 1;
    }
    if (x > 170) return kHuge;  // the end of the evaluation reports "Error: Overflow"
    // Boost's table holds every n! up to 170!, each correctly rounded.
    return boost::math::unchecked_factorial<double>(static_cast<unsigned>(x));
  }
  // Past 171.62 the gamma function leaves the double range, which the end of the evaluation
  // reports as an overflow.
  return Gamma(x + 1);
}

}  // namespace orvo
