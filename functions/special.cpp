// Branches of the special functions: gamma and beta families, the error function, the sine,
// cosine and exponential integrals, the distributions and their inverses, and Bessel functions.
#include <math.h>  // j0, j1, y0, y1: POSIX, not part of <cmath>

#include <cmath>

#include "base/number_text.h"
#include "functions/detail/branches.h"
#include "functions/detail/kernels.h"
#include "functions/detail/messages.h"

namespace orvo::detail {
namespace {

constexpr double kSqrtTwoPi = 2.5066282746310002;
// Beyond this si and ci make no sense on the integration grid.
constexpr double kIntegralLimit = 200000;
// The minimum of ln Gamma, rounded.
constexpr double kGammaLnMinimum = -0.121486;

// Is x inside the open interval (low, high)? A not-a-number is inside nothing.
bool Inside(double x, double low, double high) {
  return x > low && x < high;
}

void GammaOf(FunctionCall& call) {
  double x = call.signedFirst;
  if (x == 0 || (x < 0 && x - std::floor(x) < 1e-15) || std::isnan(x)) {
    Fail(call, msg::kGammaPole, Fn::kGamma);
  } else {
    call.value = Gamma(x);
  }
}

void GammaLnOf(FunctionCall& call) {
  double x = call.signedFirst;
  if (!(x > 0)) {
    Fail(call, msg::kGammaLnDomain, Fn::kGammaLn);
  } else {
    call.value = GammaLn(x);
  }
}

// gammainc(x,a) = P(x, a): x is the shape, a the upper limit. Each failed test has its message.
void GammaInc(FunctionCall& call) {
  double shape = call.signedFirst;
  double limit = Arg(call, 2);
  bool ok = true;
  if (!(shape > 0)) {
    Fail(call, msg::kGammaIncX, Fn::kGammaInc);
    ok = false;
  }
  if (!(limit >= 0)) {
    Fail(call, msg::kGammaIncA, Fn::kGammaInc);
    ok = false;
  }
  if (ok) call.value = GammaP(shape, limit);
}

void BetaOf(FunctionCall& call) {
  double a = call.signedFirst;
  double b = Arg(call, 2);
  bool ok = true;
  if (!(a > 0)) {
    Fail(call, msg::kBetaX, Fn::kBeta);
    ok = false;
  }
  if (!(b > 0)) {
    Fail(call, msg::kBetaY, Fn::kBeta);
    ok = false;
  }
  if (ok) call.value = Beta(a, b);
}

// betainc(x,a,b) = I_x(a, b): x is the upper limit, a and b the shapes.
void BetaInc(FunctionCall& call) {
  double x = call.signedFirst;
  double a = Arg(call, 2);
  double b = Arg(call, 3);
  if (!(a > 0 && b > 0 && x >= 0 && x <= 1)) {
    Fail(call, msg::kBetaIncDomain, Fn::kBetaInc);
  } else {
    call.value = BetaI(x, a, b);
  }
}

void ErfOf(FunctionCall& call) {
  call.value = Erf(call.signedFirst);
}

void InvErfOf(FunctionCall& call) {
  double x = call.signedFirst;
  if (!Inside(x, -1, 1)) {
    Fail(call, msg::kInvErfDomain, Fn::kInverf);
  } else {
    call.value = InvErf(x);
  }
}

void Si(FunctionCall& call) {
  double x = call.signedFirst;
  if (!(std::fabs(x) <= kIntegralLimit)) {
    Fail(call, msg::kSiTooBig, Fn::kSi);
  } else {
    call.value = SineIntegral(x);
  }
}

void Ci(FunctionCall& call) {
  double x = call.signedFirst;
  if (!(std::fabs(x) <= kIntegralLimit)) {
    Fail(call, msg::kCiTooBig, Fn::kCi);
  } else if (x == 0) {
    Fail(call, msg::kCiZero, Fn::kCi);
  } else {
    call.value = CosineIntegral(x);
  }
}

void Ei(FunctionCall& call) {
  double x = call.signedFirst;
  if (x == 0) {
    Fail(call, msg::kEiZero, Fn::kEi);
  } else if (std::isnan(x)) {
    Fail(call, msg::kEiNotANumber, Fn::kEi);
  } else {
    call.value = ExpIntegral(x);
  }
}

// ndis(x) is the standard normal distribution function, ndis(x,ave,std) the normal density.
// Two arguments are one too few for the density and one too many for the distribution.
void Ndis(FunctionCall& call) {
  double x = call.signedFirst;
  if (call.count == 1) {
    call.folds = 1;
    call.value = NormalLower(x);
    return;
  }
  if (call.count == 2) {
    call.folds = 1;
    Report(call, msg::kNdisMissing, Code(Fn::kNdis));
    return;
  }
  call.folds = 3;
  double mean = Arg(call, 2);
  double deviation = Arg(call, 3);
  if (!(deviation >= 0)) {
    Fail(call, msg::kNdisStd, Fn::kNdis);
    return;
  }
  double z = (x - mean) / deviation;
  call.value = std::exp(-z * z / 2) / kSqrtTwoPi / deviation;
}

void InvNdis(FunctionCall& call) {
  double p = call.signedFirst;
  if (!Inside(p, 0, 1)) {
    Fail(call, msg::kInvNdisDomain, Fn::kInvNdis);
  } else {
    call.value = InvNormalLower(p);
  }
}

// Degrees of freedom are whole numbers: tdis(1,3.9) uses 3.
void Tdis(FunctionCall& call) {
  double f = Arg(call, 2);
  if (!(f >= 1)) {
    Fail(call, msg::kTdisF, Fn::kTdis);
  } else if (f > kLargestCount) {
    Fail(call, msg::kTdisBig, Fn::kTdis);
  } else {
    call.value = TwoSidedT(call.signedFirst, TruncToInt32(f));
  }
}

void InvTdis(FunctionCall& call) {
  double p = call.signedFirst;
  double f = Arg(call, 2);
  if (!Inside(p, 0, 1)) {
    Fail(call, msg::kInvTdisDomain, Fn::kInvTdis);
  } else if (!(f >= 1)) {
    Fail(call, msg::kInvTdisF, Fn::kInvTdis);
  } else if (f > kLargestCount) {
    Fail(call, msg::kInvTdisBig, Fn::kInvTdis);
  } else {
    call.value = InvTwoSidedT(p, TruncToInt32(f));
  }
}

// The upper tail of the F distribution. A negative F answers 0 without a message.
void Fdis(FunctionCall& call) {
  double x = call.signedFirst;
  double f1 = Arg(call, 2);
  double f2 = Arg(call, 3);
  if (x < 0) {
    call.value = 0;
  } else if (!(f1 >= 1 && f2 >= 1)) {
    Fail(call, msg::kFdisF, Fn::kFdis);
  } else if (f1 > kLargestCount || f2 > kLargestCount) {
    Fail(call, msg::kFdisBig, Fn::kFdis);
  } else {
    call.value = UpperF(x, TruncToInt32(f1), TruncToInt32(f2));
  }
}

// invfdis takes three arguments; with one or two its own message stands for both cases.
void InvFdis(FunctionCall& call) {
  if (call.count < 3) {
    call.folds = 1;
    Report(call, msg::kInvFdisMissing, Code(Fn::kInvFdis));
    return;
  }
  call.folds = 3;
  double p = call.signedFirst;
  double f1 = Arg(call, 2);
  double f2 = Arg(call, 3);
  if (!Inside(p, 0, 1)) {
    Fail(call, msg::kInvFdisDomain, Fn::kInvFdis);
  } else if (!(f1 >= 1 && f2 >= 1)) {
    Fail(call, msg::kInvFdisF, Fn::kInvFdis);
  } else if (f1 > kLargestCount || f2 > kLargestCount) {
    Fail(call, msg::kInvFdisBig, Fn::kInvFdis);
  } else {
    call.value = InvUpperF(p, TruncToInt32(f1), TruncToInt32(f2));
  }
}

// The chi-square distribution function with f degrees of freedom.
void Kdis(FunctionCall& call) {
  double x = call.signedFirst;
  double f = Arg(call, 2);
  if (!(f >= 0)) {
    Fail(call, msg::kKdisF, Fn::kKdis);
  } else if (f > kLargestCount) {
    Fail(call, msg::kKdisBig, Fn::kKdis);
  } else if (x < 0) {
    call.value = 0;
  } else {
    call.value = ChiSquareLower(x, TruncToInt32(f));
  }
}

// bdis(x,p,q): the probability of at least q successes in p trials of probability x.
void Bdis(FunctionCall& call) {
  double x = call.signedFirst;
  double trials = Arg(call, 2);
  double successes = Arg(call, 3);
  if (!(x >= 0 && x <= 1 && trials >= successes && successes >= 0)) {
    Fail(call, msg::kBdisDomain, Fn::kBdis);
    return;
  }
  if (trials > kLargestCount) {
    Fail(call, msg::kBdisBig, Fn::kBdis);
    return;
  }
  call.value = BinomialAtLeast(x, TruncToInt32(trials), TruncToInt32(successes));
}

void InvGammaLnOf(FunctionCall& call) {
  double y = call.signedFirst;
  if (!(y >= kGammaLnMinimum)) {
    Fail(call, msg::kInvGammaLnDomain, Fn::kInvGammaLn);
  } else {
    call.value = InvGammaLn(y);
  }
}

void J0(FunctionCall& call) {
  call.value = ::j0(call.signedFirst);
}

void J1(FunctionCall& call) {
  call.value = ::j1(call.signedFirst);
}

// Orders beyond 32 bits answer with a message instead of a bare not-a-number.
void Jn(FunctionCall& call) {
  double n = std::trunc(call.signedFirst);
  double x = Arg(call, 2);
  if (!(std::fabs(n) <= kLargestCount)) {
    Fail(call, msg::kJnOrder, Fn::kJn);
    return;
  }
  double value = BesselJn(static_cast<std::int32_t>(n), x);
  if (std::isnan(value) && !std::isnan(x)) {
    Fail(call, msg::kJnOrder, Fn::kJn);
  } else {
    call.value = value;
  }
}

void Y0(FunctionCall& call) {
  double x = call.signedFirst;
  if (x == 0) {
    Fail(call, msg::kY0Zero, Fn::kY0);
  } else {
    call.value = ::y0(x);
  }
}

void Y1(FunctionCall& call) {
  double x = call.signedFirst;
  if (x == 0) {
    Fail(call, msg::kY1Zero, Fn::kY1);
  } else {
    call.value = ::y1(x);
  }
}

void Yn(FunctionCall& call) {
  double x = Arg(call, 2);
  if (x == 0) {
    Fail(call, msg::kYnZero, Fn::kYn);
  } else {
    double n = std::trunc(call.signedFirst);
    double value = std::fabs(n) <= kLargestCount ? BesselYn(static_cast<std::int32_t>(n), x) : 0;
    if (!(std::fabs(n) <= kLargestCount) || (std::isnan(value) && x > 0)) {
      Fail(call, msg::kYnOrder, Fn::kYn);
    } else {
      call.value = value;
    }
  }
}

constexpr FunctionRow kRows[] = {
    One(Fn::kJ0, "j0", "j0(x): Bessel function of the first kind, order 0", J0),
    One(Fn::kJ1, "j1", "j1(x): Bessel function of the first kind, order 1", J1),
    Fixed(Fn::kJn, "jn", "jn(n,x): Bessel function of the first kind, order n", 2, msg::kJnMissing,
          Jn),
    One(Fn::kY0, "y0", "y0(x): Bessel function of the second kind, order 0", Y0),
    One(Fn::kY1, "y1", "y1(x): Bessel function of the second kind, order 1", Y1),
    Fixed(Fn::kYn, "yn", "yn(n,x): Bessel function of the second kind, order n", 2, msg::kYnMissing,
          Yn),
    One(Fn::kGamma, "gamma", "gamma(x): gamma function", GammaOf),
    One(Fn::kGammaLn, "gammaln lngamma", "gammaln(x): ln(gamma(x))", GammaLnOf),
    Fixed(Fn::kGammaInc, "igamma gammainc incgamma",
          "gammainc(x,a): regularised lower incomplete gamma function", 2, msg::kGammaIncMissing,
          GammaInc),
    Fixed(Fn::kBeta, "beta", "beta(x,y): beta function", 2, msg::kBetaMissing, BetaOf),
    Fixed(Fn::kBetaInc, "ibeta betainc incbeta",
          "betainc(x,a,b): regularised incomplete beta function", 3, msg::kBetaIncMissing, BetaInc),
    One(Fn::kSi, "si", "si(x): sine integral", Si),
    One(Fn::kCi, "ci", "ci(x): cosine integral", Ci),
    One(Fn::kEi, "ei", "ei(x): exponential integral of -|x|", Ei),
    One(Fn::kErf, "erf", "erf(x): error function", ErfOf),
    Own(Fn::kNdis, "ndis", "ndis(x): standard normal distribution; ndis(x,ave,std) the density",
        Ndis),
    Fixed(Fn::kTdis, "tdis", "tdis(t,f): t distribution with f degrees of freedom", 2,
          msg::kTdisMissing, Tdis),
    Fixed(Fn::kFdis, "fdis", "fdis(x,f1,f2): F distribution", 3, msg::kFdisMissing, Fdis),
    Fixed(Fn::kBdis, "bdis", "bdis(x,p,q): binomial distribution", 3, msg::kBdisMissing, Bdis),
    Fixed(Fn::kKdis, "kdis", "kdis(x,f): chi-square distribution", 2, msg::kKdisMissing, Kdis),
    One(Fn::kInverf, "inverf erfinv", "inverf(x): inverse error function", InvErfOf),
    One(Fn::kInvNdis, "invn ninv invndis ndisinv", "invndis(x): inverse of ndis(x)", InvNdis),
    Fixed(Fn::kInvTdis, "invt tinv invtdis tdisinv",
          "tdisinv(x,f): two-sided critical value of the t distribution", 2, msg::kInvTdisMissing,
          InvTdis),
    Own(Fn::kInvFdis, "invf finv invfdis fdisinv",
        "fdisinv(x,f1,f2): inverse of the F distribution", InvFdis),
    One(Fn::kInvGammaLn, "invgammaln gammalninv", "invgammaln(x): inverse of gammaln",
        InvGammaLnOf),
};

}  // namespace

std::span<const FunctionRow> SpecialBranches() {
  return kRows;
}

}  // namespace orvo::detail
