// Logarithms and powers, integer and combinatorial functions, boolean and bit functions and the
// exponent pseudo-functions e(), e+() and e-().
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "base/number_text.h"
#include "functions/detail/branches.h"
#include "functions/detail/messages.h"

namespace orvo::detail {
namespace {

// c() with one argument is the speed of light in m/s.
constexpr double kSpeedOfLight = 299792458;
// gcf and lcm refuse operands from this magnitude on.
constexpr double kDivisorLimit = 1e8;

double NaturalLog(double x) {
  return std::log(x);
}

void Ln(FunctionCall& call) {
  double x = call.signedFirst;
  if (x > 0) {
    call.value = NaturalLog(x);
  } else {
    Fail(call, msg::kLnDomain, Fn::kLn);
  }
}

double CommonLog(double x) {
  return std::log10(x);
}

void Lg(FunctionCall& call) {
  double x = call.signedFirst;
  if (x > 0) {
    call.value = CommonLog(x);
  } else {
    Fail(call, msg::kLgDomain, Fn::kLg);
  }
}

// log(x) is ln(x); log(x,y) is the base-x logarithm of y. Both arguments are judged before
// either message is chosen, and the call folds twice whatever they are.
void Log(FunctionCall& call) {
  double x = call.signedFirst;
  if (call.count == 1) {
    call.folds = 1;
    if (x > 0) {
      call.value = std::log(x);
    } else {
      Fail(call, msg::kLogDomain, Fn::kLn);
    }
    return;
  }
  call.folds = 2;
  double y = Arg(call, 2);
  bool badBase = !(x > 0);
  bool badValue = !(y > 0);
  if (badBase && badValue) {
    Fail(call, msg::kLogBothDomain, Fn::kLog);
  } else if (badBase) {
    Fail(call, msg::kLogBaseDomain, Fn::kLog);
  } else if (badValue) {
    Fail(call, msg::kLogValueDomain, Fn::kLog);
  } else {
    call.value = std::log(y) / std::log(x);
  }
}

double Exponential(double x) {
  return std::exp(x);
}

void Exp(FunctionCall& call) {
  call.value = Exponential(call.signedFirst);
}

void Pow(FunctionCall& call) {
  call.value = Power(call.signedFirst, Arg(call, 2), *call.status, *call.errors);
}

// The root of an x > 0; zeros and negatives take the root's own way (sqrt(-0) is +0, and a
// rounding error's negative gives 0).
double SquareRoot(double x) {
  return std::sqrt(x);
}

void Sqrt(FunctionCall& call) {
  call.value = Power(call.signedFirst, 0.5, *call.status, *call.errors);
}

// The cube root is odd: curt(-8) is -2, as (-8)^(1/3) is.
void Curt(FunctionCall& call) {
  double x = call.signedFirst;
  constexpr double kThird = 0.3333333333333333;
  call.value = x < 0 ? -std::pow(-x, kThird) : std::pow(x, kThird);
}

double Magnitude(double x) {
  return std::fabs(x);
}

void Abs(FunctionCall& call) {
  call.value = Magnitude(call.signedFirst);
}

void Fac(FunctionCall& call) {
  call.value = Factorial(call.signedFirst, *call.errors);
}

void Mod(FunctionCall& call) {
  call.value =
      ApplyOperator(call.signedFirst, Op::kPercent, "%", Arg(call, 2), *call.status, *call.errors);
}

void Fmod(FunctionCall& call) {
  double y = Arg(call, 2);
  if (y == 0) {
    Fail(call, msg::kFmodZero, Fn::kFmod);
  } else {
    call.value = std::fmod(call.signedFirst, y);
  }
}

// C(n, k) = C(n, k-1) (n-k+1) / k in long double. Each step's quotient is the whole number
// C(n, j), so while it stays below 2^64 (every answer below 2^53 does) every step is exact; past
// that the 64-bit significand keeps the rounding of some hundred steps far below the last digit
// of a double. C(n, j) grows with j up to n/2, so the loop ends within about a thousand steps of
// leaving the double range, whatever k is.
double CountCombinations(std::int32_t n, std::int32_t k) {
  if (n / 2 < k) k = n - k;
  long double value = 1;
  for (std::int32_t j = 1; j <= k && value < kHuge; ++j) {
    value = value * (static_cast<long double>(n) - j + 1) / j;
  }
  return value < kHuge ? static_cast<double>(value) : kHuge;
}

// n (n-1) ... (n-k+1) in long double: exact below 2^64. Every factor is at least 1, so the
// product leaves the double range after at most 171 steps when k is large.
double CountPermutations(std::int32_t n, std::int32_t k) {
  long double value = 1;
  for (std::int32_t j = 0; j < k && value < kHuge; ++j) value *= static_cast<long double>(n) - j;
  return value < kHuge ? static_cast<double>(value) : kHuge;
}

// c(n,k) counts combinations; c() with one argument is the speed of light.
void Combinations(FunctionCall& call) {
  if (call.count == 1) {
    call.folds = 1;
    call.value = kSpeedOfLight;
    return;
  }
  call.folds = 2;
  double n = std::trunc(call.signedFirst);
  double k = std::trunc(Arg(call, 2));
  if (!(k >= 1)) {
    Fail(call, msg::kCombinationsK, Fn::kCombinations);
  } else if (!(n >= k)) {
    Fail(call, msg::kCombinationsN, Fn::kCombinations);
  } else if (n > kLargestCount) {
    Fail(call, msg::kCombinationsBig, Fn::kCombinations);
  } else {
    call.value = CountCombinations(static_cast<std::int32_t>(n), static_cast<std::int32_t>(k));
  }
}

// p(n,k) counts permutations; p(n) with one argument is n!.
void Permutations(FunctionCall& call) {
  if (call.count == 1) {
    call.folds = 1;
    double n = call.signedFirst;
    if (n >= 0) {
      call.value = Factorial(std::floor(n), *call.errors);
    } else {
      Fail(call, msg::kPermutationsNegative, Fn::kPermutations);
    }
    return;
  }
  call.folds = 2;
  double n = std::trunc(call.signedFirst);
  double k = std::trunc(Arg(call, 2));
  if (!(k >= 1)) {
    Fail(call, msg::kPermutationsK, Fn::kPermutations);
  } else if (!(n >= k)) {
    Fail(call, msg::kPermutationsN, Fn::kPermutations);
  } else if (n > kLargestCount) {
    Fail(call, msg::kPermutationsBig, Fn::kPermutations);
  } else {
    call.value = CountPermutations(static_cast<std::int32_t>(n), static_cast<std::int32_t>(k));
  }
}

// Euclid's algorithm on (larger, smaller). 64-bit, so that no operand pair can overflow.
std::int64_t GreatestCommonDivisor(std::int64_t a, std::int64_t b) {
  std::int64_t big = std::max(a, b);
  std::int64_t small = std::min(a, b);
  while (small != 0) {
    std::int64_t rest = big % small;
    big = small;
    small = rest;
  }
  return big;
}

// The operands of gcf and lcm: raw arguments, sign dropped, truncated to 32 bits. Returns false
// (after the function's warning) when either is too big.
bool DivisorOperands(FunctionCall& call, std::string_view tooBig, Fn code, std::int64_t& a,
                     std::int64_t& b) {
  double first = call.args[0];
  double second = Arg(call, 2);
  if (std::fabs(first) >= kDivisorLimit || std::fabs(second) >= kDivisorLimit) {
    Fail(call, tooBig, code);
    return false;
  }
  a = TruncToInt32(std::fabs(first));
  b = TruncToInt32(std::fabs(second));
  return true;
}

void Gcf(FunctionCall& call) {
  std::int64_t a = 0;
  std::int64_t b = 0;
  if (!DivisorOperands(call, msg::kGcfTooBig, Fn::kGcf, a, b)) return;
  call.value = a == 0 || b == 0 ? 0.0 : static_cast<double>(GreatestCommonDivisor(a, b));
}

void Lcm(FunctionCall& call) {
  std::int64_t a = 0;
  std::int64_t b = 0;
  if (!DivisorOperands(call, msg::kLcmTooBig, Fn::kLcm, a, b)) return;
  if (a == 0 || b == 0) {
    call.value = static_cast<double>(a + b);
    return;
  }
  std::int64_t g = GreatestCommonDivisor(a, b);
  call.value = static_cast<double>(std::llabs(b / g * a));
}

void Round(FunctionCall& call) {
  double x = call.signedFirst;
  call.value = x < 0 ? IntegerPart(x - 0.5) : IntegerPart(x + 0.5);
}

void Int(FunctionCall& call) {
  call.value = IntegerPart(call.signedFirst);
}

void Floor(FunctionCall& call) {
  call.value = std::floor(call.signedFirst);
}

void Ceil(FunctionCall& call) {
  call.value = std::ceil(call.signedFirst);
}

void Sign(FunctionCall& call) {
  double x = call.signedFirst;
  call.value = x > 0 ? 1 : x < 0 ? -1 : 0;
}

void Not(FunctionCall& call) {
  call.value = call.signedFirst == 0 ? 1 : 0;
}

// if(bool,x,y): the test looks at the integer part only, so if(0.5,2,3) is 3.
void If(FunctionCall& call) {
  call.value = IntegerPart(call.signedFirst) != 0 ? Arg(call, 2) : Arg(call, 3);
}

void Complement(FunctionCall& call) {
  call.value = ~TruncToInt32(call.signedFirst);
}

void TenPower(FunctionCall& call) {
  call.value = std::pow(10.0, call.signedFirst);
}

void TenPowerMinus(FunctionCall& call) {
  call.value = std::pow(10.0, -call.signedFirst);
}

constexpr FunctionRow kRows[] = {
    Own(Fn::kCombinations, "c", "c(n,k): combinations, n!/(k!(n-k)!); c() is the speed of light",
        Combinations),  // c() is a constant
    Own(Fn::kPermutations, "p", "p(n,k): permutations, n!/(n-k)!; p(n) is n!", Permutations),
    OneWithKernel(Fn::kLn, "ln", "ln(x): natural logarithm", Ln,
                  {NaturalLog, kSmallestPositive, kInfinity}),
    OneWithKernel(Fn::kLg, "lg log10", "lg(x): common logarithm (base 10)", Lg,
                  {CommonLog, kSmallestPositive, kInfinity}),
    Own(Fn::kLog, "log", "log(x,y): logarithm of y to the base x; log(x) is ln(x)", Log),
    OneWithKernel(Fn::kExp, "exp", "exp(x): e to the power x", Exp,
                  {Exponential, -kInfinity, kInfinity}),
    Fixed(Fn::kPow, "pow power", "pow(x,y): x to the power y", 2, msg::kPowMissing, Pow),
    OneWithKernel(Fn::kSqrt, "sqrt", "sqrt(x): square root", Sqrt,
                  {SquareRoot, kSmallestPositive, kInfinity, KernelForm::kSquareRoot}),
    One(Fn::kCurt, "curt", "curt(x): cube root", Curt),
    OneWithKernel(Fn::kAbs, "abs fabs", "abs(x): absolute value", Abs,
                  {Magnitude, -kInfinity, kInfinity, KernelForm::kMagnitude}),
    One(Fn::kFac, "fac fact", "fac(x): factorial, x!", Fac),
    Fixed(Fn::kMod, "mod", "mod(n,k): integer remainder of n/k", 2, msg::kModMissing, Mod),
    Fixed(Fn::kFmod, "fmod", "fmod(x,y): real remainder of x/y", 2, msg::kFmodMissing, Fmod),
    Fixed(Fn::kLcm, "lcm", "lcm(n,k): least common multiple", 2, msg::kLcmMissing, Lcm),
    Fixed(Fn::kGcf, "gcf gcd", "gcf(n,k): greatest common factor", 2, msg::kGcfMissing, Gcf),
    One(Fn::kRound, "round", "round(x): nearest whole number", Round),
    One(Fn::kInt, "int fix", "int(x): integer part, cut towards zero", Int),
    One(Fn::kFloor, "floor", "floor(x): largest whole number not above x", Floor),
    One(Fn::kCeil, "ceil", "ceil(x): smallest whole number not below x", Ceil),
    One(Fn::kNot, "not", "not(): boolean not, 1 for 0 and 0 otherwise",
        Not),  // written "!(" by users
    Fixed(Fn::kIf, "? if", "if(bool,x,y): x when bool is not 0, else y", 3, msg::kIfMissing, If),
    One(Fn::kComplement, "~", "~(): bit not", Complement),
    One(Fn::kSign, "$ sign", "sign(x): 1, -1 or 0 by the sign of x", Sign),
    One(Fn::kTenPower, "e e+", "e(x): 10 to the power x", TenPower),
    One(Fn::kTenPowerMinus, "e-", "e-(x): 10 to the power -x", TenPowerMinus),
};

}  // namespace

std::span<const FunctionRow> GeneralBranches() {
  return kRows;
}

}  // namespace orvo::detail
