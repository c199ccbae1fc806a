#pragma once
// A running sum that carries the rounding error of every addition in a second double
// (Neumaier's variant of Kahan summation): good to about one rounding of the exact sum whatever
// the number and order of the terms.
#include <cmath>

namespace orvo {

class CompensatedSum {
 public:
  void Add(double x) {
    double t = sum_ + x;
    // The exact error of the addition, taken from the smaller operand.
    correction_ += std::fabs(sum_) >= std::fabs(x) ? (sum_ - t) + x : (x - t) + sum_;
    sum_ = t;
  }
  // An infinite or not-a-number sum carries no correction: inf - inf would turn it into a
  // not-a-number.
  double Value() const { return std::isfinite(sum_) ? sum_ + correction_ : sum_; }
  // The sum as two doubles, the high part first; their exact sum is the sum's best value.
  double High() const { return sum_; }
  double Low() const { return std::isfinite(sum_) ? correction_ : 0; }

 private:
  double sum_ = 0;
  double correction_ = 0;
};

}  // namespace orvo
