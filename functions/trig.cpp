// Trigonometric functions in radians and degrees, their inverses, the hyperbolic functions and
// the angle of a point.
#include <cmath>
#include <numbers>

#include "functions/detail/branches.h"
#include "functions/detail/messages.h"

namespace orvo::detail {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHalfPi = kPi / 2;
constexpr double kThreeHalvesPi = 3 * kPi / 2;
constexpr double kRadian = 180 / kPi;  // degrees per radian
// Beyond this the reduction into one period has lost its meaning; the l-forms skip it.
constexpr double kTrigLimit = 200000;
// From here on x * x would overflow in the inverse hyperbolic formulas.
constexpr double kHugeArgument = 1e150;

bool TooBig(FunctionCall& call, std::string_view message, Fn code) {
  if (std::fabs(call.signedFirst) <= kTrigLimit) return false;
  Fail(call, message, code);
  return true;
}

// Is `value` (the sine or cosine of x near one of its zeros, where it is about the distance of x
// from the zero) within half a unit in the last place of x? Then x is the double nearest to a
// multiple of a quarter turn, and the function takes its exact value there: cos(pi()/2) is 0
// and tan(pi()/2) the pole, as for the true quarter turn the user meant.
bool AtQuarterTurn(double value, double x) {
  // The bound is 2^(ilogb(x) - 53), at most |x| * 2^-53; rounding keeps that order, so a value
  // above |x| * 2^-53 (every value away from the zeros) is answered without ilogb and ldexp.
  if (std::fabs(value) > std::fabs(x) * 0x1p-53) return false;
  return x != 0 && std::fabs(value) <= std::ldexp(0.5, std::ilogb(x) - 52);
}

// sin, cos and tan take the C library's reduction, which is exact for every double.
double Sine(double x) {
  double s = std::sin(x);
  return AtQuarterTurn(s, x) ? 0 : s;
}

double Cosine(double x) {
  double c = std::cos(x);
  return AtQuarterTurn(c, x) ? 0 : c;
}

void Sin(FunctionCall& call) {
  if (TooBig(call, msg::kSinTooBig, Fn::kSin)) return;
  call.value = Sine(call.signedFirst);
}

void Cos(FunctionCall& call) {
  if (TooBig(call, msg::kCosTooBig, Fn::kCos)) return;
  call.value = Cosine(call.signedFirst);
}

// At the pole the value is the largest double, which the evaluation reports as an overflow.
double Tangent(double x) {
  if (AtQuarterTurn(std::cos(x), x)) return kHuge;
  return AtQuarterTurn(std::sin(x), x) ? 0 : std::tan(x);
}

void Tan(FunctionCall& call) {
  if (TooBig(call, msg::kTanTooBig, Fn::kTan)) return;
  call.value = Tangent(call.signedFirst);
}

// The sine and cosine of x degrees. The reduction to r in [-45, 45] and a quadrant is exact
// (remquo), so the multiples of 90 give exact values and the sign of a tiny x survives; r is
// turned into radians in long double, which keeps the result correctly rounded.
struct SineCosine {
  long double sin;
  long double cos;
};

SineCosine DegreeSineCosine(double x) {
  constexpr long double kRadiansPerDegree = 0.0174532925199432957692369076848861271L;
  int quadrant = 0;
  long double r = std::remquo(x, 90.0, &quadrant) * kRadiansPerDegree;
  long double s = std::sin(r) + 0.0L;  // + 0 turns -0 into 0: sind(-180) is 0
  long double c = std::cos(r);
  switch (quadrant & 3) {
    case 0:
      return {s, c};
    case 1:
      return {c, -s + 0.0L};
    case 2:
      return {-s + 0.0L, -c};
    default:
      return {-c, s};
  }
}

void Sind(FunctionCall& call) {
  if (TooBig(call, msg::kSindTooBig, Fn::kSind)) return;
  call.value = static_cast<double>(DegreeSineCosine(call.signedFirst).sin);
}

void Cosd(FunctionCall& call) {
  if (TooBig(call, msg::kCosdTooBig, Fn::kCosd)) return;
  call.value = static_cast<double>(DegreeSineCosine(call.signedFirst).cos);
}

void Tand(FunctionCall& call) {
  if (TooBig(call, msg::kTandTooBig, Fn::kTand)) return;
  SineCosine sc = DegreeSineCosine(call.signedFirst);
  call.value = sc.cos == 0 ? kHuge : static_cast<double>(sc.sin / sc.cos);
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
  if (!(std::fabs(x) <= 1)) {
    Fail(call, msg::kAsinDomain, Fn::kAsin);
  } else {
    call.value = std::asin(x);
  }
}

void Acos(FunctionCall& call) {
  double x = call.signedFirst;
  if (!(std::fabs(x) <= 1)) {
    Fail(call, msg::kAcosDomain, Fn::kAcos);
  } else {
    call.value = std::acos(x);
  }
}

double ArcTangent(double x) {
  return std::atan(x);
}

void Atan(FunctionCall& call) {
  call.value = ArcTangent(call.signedFirst);
}

void Atan2(FunctionCall& call) {
  call.value = std::atan2(call.signedFirst, Arg(call, 2));
}

void Hypot(FunctionCall& call) {
  call.value = std::hypot(call.signedFirst, Arg(call, 2));
}

double HyperbolicSine(double x) {
  return std::sinh(x);
}

void Sinh(FunctionCall& call) {
  call.value = HyperbolicSine(call.signedFirst);
}

double HyperbolicCosine(double x) {
  return std::cosh(x);
}

void Cosh(FunctionCall& call) {
  call.value = HyperbolicCosine(call.signedFirst);
}

double HyperbolicTangent(double x) {
  return std::tanh(x);
}

void Tanh(FunctionCall& call) {
  call.value = HyperbolicTangent(call.signedFirst);
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

// ln(x + sqrt(x^2 - 1)) for x >= 1: near 1 as log1p(t + sqrt(2t + t^2)) with t = x - 1 (exact
// there), which keeps the digits the logarithm of a number near 1 would lose; for huge x the
// square would overflow.
void Acosh(FunctionCall& call) {
  double x = call.signedFirst;
  if (!(x >= 1)) {
    Fail(call, msg::kAcoshDomain, Fn::kAcosh);
  } else if (x > kHugeArgument) {
    call.value = std::log(x) + std::numbers::ln2;
  } else if (x < 2) {
    double t = x - 1;
    call.value = std::log1p(t + std::sqrt(2 * t + t * t));
  } else {
    call.value = std::log(x + std::sqrt(x * x - 1));
  }
}

// 0.5 ln((1 + x) / (1 - x)); for small x the same through log1p, so that atanh(1e-20) is not 0.
void Atanh(FunctionCall& call) {
  double x = call.signedFirst;
  if (!(std::fabs(x) < 1)) {
    Fail(call, msg::kAtanhDomain, Fn::kAtanh);
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

constexpr FunctionRow kRows[] = {
    OneWithKernel(Fn::kSin, "sin", "sin(x): sine, x in radians", Sin,
                  {Sine, -kTrigLimit, kTrigLimit}),
    OneWithKernel(Fn::kCos, "cos", "cos(x): cosine, x in radians", Cos,
                  {Cosine, -kTrigLimit, kTrigLimit}),
    OneWithKernel(Fn::kTan, "tg tan", "tan(x): tangent, x in radians", Tan,
                  {Tangent, -kTrigLimit, kTrigLimit}),
    One(Fn::kAsin, "asin arcsin", "asin(x): arc sine in radians", Asin),
    One(Fn::kAcos, "acos arccos", "acos(x): arc cosine in radians", Acos),
    OneWithKernel(Fn::kAtan, "atg atan arctg arctan", "atan(x): arc tangent in radians", Atan,
                  {ArcTangent, -kInfinity, kInfinity}),
    One(Fn::kSind, "sind", "sind(x): sine, x in degrees", Sind),
    One(Fn::kCosd, "cosd", "cosd(x): cosine, x in degrees", Cosd),
    One(Fn::kTand, "tgd tand", "tand(x): tangent, x in degrees", Tand),
    OneWithKernel(Fn::kSinh, "sh sinh", "sinh(x): hyperbolic sine", Sinh,
                  {HyperbolicSine, -kInfinity, kInfinity}),
    OneWithKernel(Fn::kCosh, "ch cosh", "cosh(x): hyperbolic cosine", Cosh,
                  {HyperbolicCosine, -kInfinity, kInfinity}),
    OneWithKernel(Fn::kTanh, "th tgh tanh", "tanh(x): hyperbolic tangent", Tanh,
                  {HyperbolicTangent, -kInfinity, kInfinity}),
    One(Fn::kAsinh, "ash asinh arcsh arcsinh", "asinh(x): inverse hyperbolic sine", Asinh),
    One(Fn::kAcosh, "ach acosh arcch arccosh", "acosh(x): inverse hyperbolic cosine", Acosh),
    One(Fn::kAtanh, "ath atgh atanh arcth arctgh arctanh", "atanh(x): inverse hyperbolic tangent",
        Atanh),
    Fixed(Fn::kHypot, "hypot", "hypot(x,y): sqrt(x^2+y^2)", 2, msg::kHypotMissing, Hypot),
    Fixed(Fn::kArg, "arg", "arg(x,y): angle of the point (x,y), 0 to 2pi", 2, msg::kArgMissing,
          Arg),
    Fixed(Fn::kArgd, "argd", "argd(x,y): angle of the point (x,y) in degrees, 0 to 360", 2,
          msg::kArgdMissing, Argd),
    Fixed(Fn::kAtan2, "atan2", "atan2(y,x): angle of the point (x,y), -pi to pi", 2,
          msg::kAtan2Missing, Atan2),
    One(Fn::kSinl, "sinl", "sinl(x): sine in radians without the argument limit", SinL),
    One(Fn::kCosl, "cosl", "cosl(x): cosine in radians without the argument limit", CosL),
    One(Fn::kTanl, "tanl", "tanl(x): tangent in radians without the argument limit", TanL),
};

}  // namespace

std::span<const FunctionRow> TrigBranches() {
  return kRows;
}

}  // namespace orvo::detail
