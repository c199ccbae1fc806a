#include <cmath>

#include "base/number_text.h"
#include "functions/functions.h"

namespace orvo {

double GammaLn(double x) {
  // Below 1e-5 the series' x - 1 + 1 drops digits of x, and below 1e-16 all of them (the
  // series would divide by zero): there ln Gamma(x) = ln Gamma(x + 1) - ln x.
  if (x > 0 && x < 1e-5) return GammaLn(x + 1) - std::log(x);
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
