// Trigonometric functions in radians and degrees, their inverses, the hyperbolic functions and
// the angle of a point.
#include <cmath>
#include <numbers>

#include "base/number_text.h"
#include "functions/detail/branches.h"
#include "functions/detail/messages.h"

namespace orvo::detail {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kThreeHalvesPi = 4.71238898038469;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegree = 0.017453292519943295;  // radians per degree
constexpr double kRadian = 57.29577951308232;     // degrees per radian
// Beyond this the reduction into one period has lost its meaning; the l-forms skip it.
constexpr double kTrigLimit = 200000;
// From here on x * x would overflow in the inverse hyperbolic formulas.
constexpr double kHugeArgument = 1e150;

// x - k * period with k the whole number of periods below x, so the result lies in
// [0, period). The reductions use these rounded multipliers and periods.
double Reduce(double x, double inversePeriod, double period) {
  double k = TruncToInt32(x * inversePeriod);
  if (x < 0) k -= 1;
  return x - k * period;
}

bool TooBig(FunctionCall& call, std::string_view message, int status) {
  if (std::fabs(call.signedFirst) <= kTrigLimit) return false;
  Report(call, message, status);
  return true;
}

void Sin(FunctionCall& call) {
  if (TooBig(call, msg::kSinTooBig, -24)) return;
  double r = Reduce(call.signedFirst, 0.15915494309189535, kTwoPi);
  call.value = r < kPi ? std::sin(r) : -std::sin(r - kPi);
}

// cos is exactly 0 at the two quarter turns, so cos(pi()/2) shows 0.
void Cos(FunctionCall& call) {
  if (TooBig(call, msg::kCosTooBig, -25)) return;
  double r = Reduce(call.signedFirst, 0.15915494309189535, kTwoPi);
  if (std::fabs(r - kHalfPi) < 5e-16 || std::fabs(r - kThreeHalvesPi) < 5e-16) {
    call.value = 0;
  } else {
    call.value = r < kPi ? std::cos(r) : -std::cos(r - kPi);
  }
}

// At the pole the value is the largest double, which the evaluation reports as an overflow.
void Tan(FunctionCall& call) {
  if (TooBig(call, msg::kTanTooBig, -26)) return;
  double r = Reduce(call.signedFirst, 0.3183098861837907, kPi);
  call.value = r == kHalfPi ? kHuge : std::tan(r);
}

void Sind(FunctionCall& call) {
  if (TooBig(call, msg::kSindTooBig, -30)) return;
  double r = Reduce(call.signedFirst, 0.002777777777777778, 360);
  call.value = r < 180 ? std::sin(r * kDegree) : -std::sin((r - 180) * kDegree);
}

void Cosd(FunctionCall& call) {
  if (TooBig(call, msg::kCosdTooBig, -31)) return;
  double r = Reduce(call.signedFirst, 0.002777777777777778, 360);
  call.value = r < 180 ? std::cos(r * kDegree) : -std::cos((r - 180) * kDegree);
}

void Tand(FunctionCall& call) {
  if (TooBig(call, msg::kTandTooBig, -32)) return;
  double r = Reduce(call.signedFirst, 0.005555555555555556, 180);
  call.value = r == 90 ? kHuge : std::tan(r * kDegree);
}

void SinL(FunctionCall& call) {
  call.value = std::sin(call.signedFirst);
}

void CosL(FunctionCall& call) {
  call.value = std::cos(call.signedFirst);
}

void TanL(FunctionCall& call) {
  call.value = std::tan(call.signedFirst);
}

void Asin(FunctionCall& call) {
  double x = call.signedFirst;
  if (std::fabs(x) > 1) {
    Report(call, msg::kAsinDomain, -27);
  } else {
    call.value = std::asin(x);
  }
}

void Acos(FunctionCall& call) {
  double x = call.signedFirst;
  if (std::fabs(x) > 1) {
    Report(call, msg::kAcosDomain, -28);
  } else {
    call.value = std::acos(x);
  }
}

void Atan(FunctionCall& call) {
  call.value = std::atan(call.signedFirst);
}

void Atan2(FunctionCall& call) {
  call.value = std::atan2(call.signedFirst, Arg(call, 2));
}

void Hypot(FunctionCall& call) {
  call.value = std::hypot(call.signedFirst, Arg(call, 2));
}

void Sinh(FunctionCall& call) {
  call.value = std::sinh(call.signedFirst);
}

void Cosh(FunctionCall& call) {
  call.value = std::cosh(call.signedFirst);
}

void Tanh(FunctionCall& call) {
  call.value = std::tanh(call.signedFirst);
}

// ln(x + sqrt(x^2 + 1)). The formula is used as it stands for x >= 1 and mended where it breaks
// down: for x < 0 the sum cancels (asinh(-1e10) would end as an overflow), so the odd symmetry
// is used; below 1 the logarithm of a number near 1 loses digits (asinh(1e-20) would be 0), so
// the same formula is taken through log1p; for huge x the square would overflow.
void Asinh(FunctionCall& call) {
  double x = call.signedFirst;
  double a = std::fabs(x);
  double value = a > kHugeArgument ? std::log(a) + std::numbers::ln2
                 : a >= 1          ? std::log(a + std::sqrt(a * a + 1))
                                   : std::log1p(a + a * a / (1 + std::sqrt(a * a + 1)));
  call.value = x < 0 ? -value : value;
}

// ln(x + sqrt(x^2 - 1)) for x >= 1; for huge x the square would overflow.
void Acosh(FunctionCall& call) {
  double x = call.signedFirst;
  if (x < 1) {
    Report(call, msg::kAcoshDomain, -37);
  } else if (x > kHugeArgument) {
    call.value = std::log(x) + std::numbers::ln2;
  } else {
    call.value = std::log(x + std::sqrt(x * x - 1));
  }
}

// 0.5 ln((1 + x) / (1 - x)); for small x the same through log1p, so that atanh(1e-20) is not 0.
void Atanh(FunctionCall& call) {
  double x = call.signedFirst;
  if (std::fabs(x) >= 1) {
    Report(call, msg::kAtanhDomain, -38);
  } else if (std::fabs(x) < 0.5) {
    call.value = 0.5 * std::log1p(2 * x / (1 - x));
  } else {
    call.value = 0.5 * std::log((1 + x) / (1 - x));
  }
}

// The angle of (x, y) from the positive x axis, anticlockwise: a quadrant's base angle plus an
// arctangent taken in the quadrant's own orientation. `unit` scales the arctangent, the other
// angles are given in the same unit.
struct AngleUnit {
  double perRadian;
  double quarter;
  double half;
  double threeQuarters;
};
constexpr AngleUnit kRadians = {1, kHalfPi, kPi, kThreeHalvesPi};
constexpr AngleUnit kDegrees = {kRadian, 90, 180, 270};

double Angle(double x, double y, const AngleUnit& unit) {
  if (x == 0) return y > 0 ? unit.quarter : y < 0 ? unit.threeQuarters : 0;
  if (y == 0) return x > 0 ? 0 : x < 0 ? unit.half : std::nan("");
  if (x > 0 && y > 0) return std::atan(y / x) * unit.perRadian;
  if (x < 0 && y > 0) return unit.quarter + std::fabs(std::atan(x / y)) * unit.perRadian;
  if (x < 0 && y < 0) return unit.half + std::atan(y / x) * unit.perRadian;
  if (x > 0 && y < 0) return unit.threeQuarters + std::fabs(std::atan(x / y)) * unit.perRadian;
  return std::nan("");  // a not-a-number coordinate
}

void Arg(FunctionCall& call) {
  call.value = Angle(call.signedFirst, detail::Arg(call, 2), kRadians);
}

void Argd(FunctionCall& call) {
  call.value = Angle(call.signedFirst, detail::Arg(call, 2), kDegrees);
}

constexpr BranchRow kRows[] = {
    One(24, Sin),
    One(25, Cos),
    One(26, Tan),   // tan, tg
    One(27, Asin),  // asin, arcsin
    One(28, Acos),  // acos, arccos
    One(29, Atan),  // atan, atg, arctg, arctan
    One(30, Sind),
    One(31, Cosd),
    One(32, Tand),   // tand, tgd
    One(33, Sinh),   // sinh, sh
    One(34, Cosh),   // cosh, ch
    One(35, Tanh),   // tanh, th, tgh
    One(36, Asinh),  // asinh, ash, arcsh, arcsinh
    One(37, Acosh),  // acosh, ach, arcch, arccosh
    One(38, Atanh),  // atanh, ath, atgh, arcth, arctgh, arctanh
    Fixed(45, 2, msg::kHypotMissing, Hypot),
    Fixed(65, 2, msg::kArgMissing, Arg),
    Fixed(66, 2, msg::kArgdMissing, Argd),
    Fixed(71, 2, msg::kAtan2Missing, Atan2),
    One(241, SinL),
    One(251, CosL),
    One(261, TanL),
};

}  // namespace

std::span<const BranchRow> TrigBranches() {
  return kRows;
}

}  // namespace orvo::detail
