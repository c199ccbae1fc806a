#include <cmath>

#include "base/number_text.h"
#include "functions/functions.h"

namespace orvo {

double GammaLn(double x) {
  // Lanczos series with six terms; accurate to about 2e-10 for x > 0.
  static constexpr double kCoefficients[6] = {76.18009173,  -86.50532033,  24.01409822,
                                              -1.231739516, 0.00120858003, -5.36382e-06};
  double y = x - 1;
  double t = y + 5.5;
  t -= (y + 0.5) * std::log(t);
  double s = 1;
  for (double c : kCoefficients) {
    y += 1;
    s += c / y;
  }
  return std::log(2.50662827465 * s) - t;
}

double Gamma(double x) {
  if (x <= -170) return 0;
  double product = 1;
  if (x < 0) {
    // Shift into the positive range with Gamma(x) = Gamma(x + m) / (x (x+1) ... (x+m-1)).
    int m = 1 - TruncToInt32(x);
    for (int i = 0; i < m; ++i) product *= x + i;
    x += m;
  }
  return std::exp(GammaLn(x)) / product;
}

}  // namespace orvo
