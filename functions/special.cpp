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
    Report(call, msg::kGammaPole, -16);
  } else {
    call.value = Gamma(x);
  }
}

void GammaLnOf(FunctionCall& call) {
  double x = call.signedFirst;
  if (!(x > 0)) {
    Report(call, msg::kGammaLnDomain, -17);
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
    Report(call, msg::kGammaIncX, -18);
    ok = false;
  }
  if (!(limit >= 0)) {
    Report(call, msg::kGammaIncA, -18);
    ok = false;
  }
  if (ok) call.value = GammaP(shape, limit);
}

void BetaOf(FunctionCall& call) {
  double a = call.signedFirst;
  double b = Arg(call, 2);
  bool ok = true;
  if (!(a > 0)) {
    Report(call, msg::kBetaX, -19);
    ok = false;
  }
  if (!(b > 0)) {
    Report(call, msg::kBetaY, -19);
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
    Report(call, msg::kBetaIncDomain, -20);
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
    Report(call, msg::kInvErfDomain, -511);
  } else {
    call.value = InvErf(x);
  }
}

void Si(FunctionCall& call) {
  double x = call.signedFirst;
  if (!(std::fabs(x) <= kIntegralLimit)) {
    Report(call, msg::kSiTooBig, -21);
  } else {
    call.value = SineIntegral(x);
  }
}

void Ci(FunctionCall& call) {
  double x = call.signedFirst;
  if (!(std::fabs(x) <= kIntegralLimit)) {
    Report(call, msg::kCiTooBig, -22);
  } else if (x == 0) {
    Report(call, msg::kCiZero, -22);
  } else {
    call.value = CosineIntegral(x);
  }
}

void Ei(FunctionCall& call) {
  double x = call.signedFirst;
  if (x == 0) {
    Report(call, msg::kEiZero, -23);
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
    Report(call, msg::kNdisMissing, 52);
    return;
  }
  call.folds = 3;
  double mean = Arg(call, 2);
  double deviation = Arg(call, 3);
  if (!(deviation >= 0)) {
    Report(call, msg::kNdisStd, -52);
    return;
  }
  double z = (x - mean) / deviation;
  call.value = std::exp(-z * z / 2) / kSqrtTwoPi / deviation;
}

void InvNdis(FunctionCall& call) {
  double p = call.signedFirst;
  if (!Inside(p, 0, 1)) {
    Report(call, msg::kInvNdisDomain, -521);
  } else {
    call.value = InvNormalLower(p);
  }
}

// Degrees of freedom are whole numbers: tdis(1,3.9) uses 3.
void Tdis(FunctionCall& call) {
  double f = Arg(call, 2);
  if (!(f >= 1)) {
    Report(call, msg::kTdisF, -53);
  } else if (f > kLargestCount) {
    Report(call, msg::kTdisBig, -53);
  } else {
    call.value = TwoSidedT(call.signedFirst, TruncToInt32(f));
  }
}

void InvTdis(FunctionCall& call) {
  double p = call.signedFirst;
  double f = Arg(call, 2);
  if (!Inside(p, 0, 1)) {
    Report(call, msg::kInvTdisDomain, -531);
  } else if (!(f >= 1)) {
    Report(call, msg::kInvTdisF, -531);
  } else if (f > kLargestCount) {
    Report(call, msg::kInvTdisBig, -531);
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
    Report(call, msg::kFdisF, -54);
  } else if (f1 > kLargestCount || f2 > kLargestCount) {
    Report(call, msg::kFdisBig, -54);
  } else {
    call.value = UpperF(x, TruncToInt32(f1), TruncToInt32(f2));
  }
}

// invfdis takes three arguments; with one or two its own message stands for both cases.
void InvFdis(FunctionCall& call) {
  if (call.count < 3) {
    call.folds = 1;
    Report(call, msg::kInvFdisMissing, 541);
    return;
  }
  call.folds = 3;
  double p = call.signedFirst;
  double f1 = Arg(call, 2);
  double f2 = Arg(call, 3);
  if (!Inside(p, 0, 1)) {
    Report(call, msg::kInvFdisDomain, -541);
  } else if (!(f1 >= 1 && f2 >= 1)) {
    Report(call, msg::kInvFdisF, -541);
  } else if (f1 > kLargestCount || f2 > kLargestCount) {
    Report(call, msg::kInvFdisBig, -541);
  } else {
    call.value = InvUpperF(p, TruncToInt32(f1), TruncToInt32(f2));
  }
}

// The chi-square distribution function with f degrees of freedom.
void Kdis(FunctionCall& call) {
  double x = call.signedFirst;
  double f = Arg(call, 2);
  if (!(f >= 0)) {
    Report(call, msg::kKdisF, -56);
  } else if (f > kLargestCount) {
    Report(call, msg::kKdisBig, -56);
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
    Report(call, msg::kBdisDomain, -55);
    return;
  }
  if (trials > kLargestCount) {
    Report(call, msg::kBdisBig, -55);
    return;
  }
  call.value = BinomialAtLeast(x, TruncToInt32(trials), TruncToInt32(successes));
}

void InvGammaLnOf(FunctionCall& call) {
  double y = call.signedFirst;
  if (!(y >= kGammaLnMinimum)) {
    Report(call, msg::kInvGammaLnDomain, -1811);
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
    Report(call, msg::kJnOrder, -12);
    return;
  }
  double value = BesselJn(static_cast<std::int32_t>(n), x);
  if (std::isnan(value) && !std::isnan(x)) {
    Report(call, msg::kJnOrder, -12);
  } else {
    call.value = value;
  }
}

void Y0(FunctionCall& call) {
  double x = call.signedFirst;
  if (x == 0) {
    Report(call, msg::kY0Zero, -13);
  } else {
    call.value = ::y0(x);
  }
}

void Y1(FunctionCall& call) {
  double x = call.signedFirst;
  if (x == 0) {
    Report(call, msg::kY1Zero, -14);
  } else {
    call.value = ::y1(x);
  }
}

void Yn(FunctionCall& call) {
  double x = Arg(call, 2);
  if (x == 0) {
    Report(call, msg::kYnZero, -15);
  } else {
    double n = std::trunc(call.signedFirst);
    double value = std::fabs(n) <= kLargestCount ? BesselYn(static_cast<std::int32_t>(n), x) : 0;
    if (!(std::fabs(n) <= kLargestCount) || (std::isnan(value) && x > 0)) {
      Report(call, msg::kYnOrder, -15);
    } else {
      call.value = value;
    }
  }
}

constexpr BranchRow kRows[] = {
    One(10, J0),
    One(11, J1),
    Fixed(12, 2, msg::kJnMissing, Jn),
    One(13, Y0),
    One(14, Y1),
    Fixed(15, 2, msg::kYnMissing, Yn),
    One(16, GammaOf),
    One(17, GammaLnOf),                             // gammaln, lngamma
    Fixed(18, 2, msg::kGammaIncMissing, GammaInc),  // gammainc, incgamma, igamma
    Fixed(19, 2, msg::kBetaMissing, BetaOf),
    Fixed(20, 3, msg::kBetaIncMissing, BetaInc),  // betainc, incbeta, ibeta
    One(21, Si),
    One(22, Ci),
    One(23, Ei),
    One(51, ErfOf),
    Own(52, Ndis),
    Fixed(53, 2, msg::kTdisMissing, Tdis),
    Fixed(54, 3, msg::kFdisMissing, Fdis),
    Fixed(55, 3, msg::kBdisMissing, Bdis),
    Fixed(56, 2, msg::kKdisMissing, Kdis),
    One(511, InvErfOf),                            // inverf, erfinv
    One(521, InvNdis),                             // invndis, ndisinv, invn, ninv
    Fixed(531, 2, msg::kInvTdisMissing, InvTdis),  // invtdis, tdisinv, invt, tinv
    Own(541, InvFdis),                             // invfdis, fdisinv, invf, finv
    One(1811, InvGammaLnOf),                       // invgammaln, gammalninv
};

}  // namespace

std::span<const BranchRow> SpecialBranches() {
  return kRows;
}

}  // namespace orvo::detail
