#pragma once
#include <complex>
#include <span>
#include <vector>

#include "numeric/common.h"

namespace orvo::detail {

// A root with the radius of a disc around it that holds a true root of the polynomial, given
// rounding errors of about one unit in the last place of each coefficient.
struct RootEstimate {
  std::complex<double> z;
  double radius = 0;
};

// All roots of c[0] + c[1] x + ... + c[n] x^n (c[n] and c[0] not 0) by the Aberth-Ehrlich
// simultaneous iteration, started on the circles of the Newton polygon and polished by Newton
// steps on the same polynomial. False when the iteration did not settle or the user cancelled.
bool AberthRoots(std::span<const double> c, std::vector<RootEstimate>& roots, CancelPoll& poll);

}  // namespace orvo::detail
