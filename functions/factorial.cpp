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
  if (x > 170) return kHuge;  // the end of the evaluation reports "Error: Overflow"
  if (x - std::floor(x) < 1e-15) {
    if (x < 0) {
      AppendMessage(errors, msg::kFactorialOfNegative);
      return 1;
    }
    double product = 1;
    for (double m = 1; m <= x; ++m) product *= m;
    return product;
  }
  return Gamma(x + 1);
}

}  // namespace orvo
