// The numerical kernels of the special functions, called directly.
//
// Reference values come from mpmath 1.3 (tests/functions/make_reference.py prints them all):
//  - "recipe": the kernel's own recipe (its coefficients, step limits and tolerances) carried out
//    in 40-digit arithmetic. The double-precision kernel must match it to rounding, so a
//    mistyped coefficient, constant or tolerance fails here.
//  - "true": the function itself (mpmath loggamma, gamma, gammainc, betainc, erf, si, ci, ei,
//    erfinv). The kernel must reach it within the accuracy its recipe actually has: the
//    six-term series is good to about 2e-10, the continued fractions stop at 2e-10.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/random.h"
#include "functions/detail/kernels.h"
#include "functions/functions.h"

namespace orvo::detail {
namespace {

// |actual - expected| within `relative` of |expected|, and never tighter than `absolute`.
::testing::AssertionResult Near(double actual, double expected, double relative,
                                double absolute = 0) {
  double allowed = std::max(relative * std::fabs(expected), absolute);
  if (std::fabs(actual - expected) <= allowed) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " differs from " << expected << " by "
                                       << std::fabs(actual - expected) << ", more than " << allowed;
}

struct OneArgument {
  double x;
  double recipe;
  double truth;
};

struct TwoArguments {
  double a;
  double x;
  double recipe;
  double truth;
};

TEST(GammaLnKernel, FollowsItsSeriesAndIsAccurateTo2e10) {
  const OneArgument rows[] = {
      {0.1, 2.2527126517317845, 2.252712651734206},
      {0.5, 0.57236494291338178, 0.57236494292470009},
      {1.0, -3.4136213754492915e-11, 0.0},
      {1.5, -0.12078223769254133, -0.12078223763524522},
      {3.7, 1.4280723265339894, 1.4280723266653879},
      {10.0, 12.80182747988008, 12.80182748008147},
      {171.5, 709.14316303087081, 709.14316303092824},
  };
  for (const OneArgument& row : rows) {
    EXPECT_TRUE(Near(GammaLn(row.x), row.recipe, 1e-14, 1e-15)) << "x = " << row.x;
    EXPECT_TRUE(Near(GammaLn(row.x), row.truth, 0, 2.5e-10)) << "x = " << row.x;
  }
}

// Tiny arguments go through ln Gamma(x + 1) - ln x: the series itself would lose x in
// x - 1 + 1 (mpmath loggamma and gamma).
TEST(GammaLnKernel, TinyArgumentsKeepTheirDigits) {
  EXPECT_TRUE(Near(GammaLn(1e-6), 13.815509980749431669, 0, 2.5e-10));
  EXPECT_TRUE(Near(GammaLn(1e-10), 23.025850929882735274, 0, 2.5e-10));
  EXPECT_TRUE(Near(GammaLn(1e-300), 690.77552789821370521, 0, 2.5e-10));
  EXPECT_TRUE(Near(Gamma(1e-10), 9999999999.4227843352, 3e-10));
  EXPECT_TRUE(Near(Gamma(1e-300), 1e300, 3e-10));
}

TEST(GammaKernel, ShiftsNegativeArgumentsAndIsAccurateTo3e10) {
  const OneArgument rows[] = {
      {0.5, 1.7724538508854549, 1.772453850905516},
      {-2.5, -0.94530872047224259, -0.94530872048294188},
      {7.3, 1271.4236334281283, 1271.4236336639093},
      {-169.5, 5.6482208841593972e-306, 5.6482208842233255e-306},
      {100.25, 2.9484662815673512e+156, 2.94846628183877e+156},
  };
  for (const OneArgument& row : rows) {
    EXPECT_TRUE(Near(Gamma(row.x), row.recipe, 1e-13)) << "x = " << row.x;
    EXPECT_TRUE(Near(Gamma(row.x), row.truth, 3e-10)) << "x = " << row.x;
  }
  EXPECT_EQ(Gamma(-170), 0);
  EXPECT_EQ(Gamma(-1e308), 0);
}

TEST(GammaPKernel, SeriesAndContinuedFraction) {
  const TwoArguments rows[] = {
      {0.5, 0.25, 0.52049987781759506, 0.52049987781304654},  // series
      {1.0, 1.0, 0.63212055884561603, 0.63212055882855768},   // series: 1 < 1 + 1
      {1.0, 3.0, 0.95021293163043652, 0.95021293163213606},   // continued fraction
      {10.0, 5.0, 0.03182805731162124, 0.031828057306204812},
      // Large shapes: x^a overflows while e^(-x - ln Gamma(a)) underflows.
      {100.0, 90.0, 0.1582209891676421, 0.15822098918643017},
      {250.0, 200.0, 0.00036207045820814603, 0.00036207045828969313},
      {1000.0, 1010.0, 0.62767894476007303, 0.62767894473699473},
      {400.0, 200.0, 1.110664962199417e-35, 1.1106649623181417e-35},
  };
  for (const TwoArguments& row : rows) {
    EXPECT_TRUE(Near(GammaP(row.a, row.x), row.recipe, 1e-12)) << row.a << ", " << row.x;
    EXPECT_TRUE(Near(GammaP(row.a, row.x), row.truth, 5e-10)) << row.a << ", " << row.x;
  }
  EXPECT_EQ(GammaP(2, 1e36), 1);
  EXPECT_EQ(GammaP(3, 0), 0);
}

TEST(BetaKernels, IncompleteBetaAndItsContinuedFraction) {
  struct Row {
    double x, a, b, recipe, truth;
  };
  const Row rows[] = {
      {0.3, 2.0, 3.0, 0.34830000001152644, 0.3483},
      {0.5, 0.5, 0.5, 0.50000000000856713, 0.5},
      {0.2, 50.0, 60.0, 1.0328973364535964e-9, 1.0328973362230167e-9},
      // B(600, 601) is below the smallest double.
      {0.5, 600.0, 601.0, 0.51151407262072035, 0.51151407263430134},
      {0.1, 1.0, 1000.0, 1.0, 1.0},
  };
  for (const Row& row : rows) {
    double value = BetaI(row.x, row.a, row.b);
    EXPECT_TRUE(Near(value, row.recipe, 1e-12)) << row.x << ", " << row.a << ", " << row.b;
    EXPECT_TRUE(Near(value, row.truth, 5e-10)) << row.x << ", " << row.a << ", " << row.b;
  }
  EXPECT_EQ(BetaI(0, 2, 3), 0);
  EXPECT_EQ(BetaI(1, 2, 3), 1);
  // B(2, 3) = 1/12; B(1/2, 1/2) = pi.
  EXPECT_TRUE(Near(Beta(2, 3), 1.0 / 12, 5e-10));
  EXPECT_TRUE(Near(Beta(0.5, 0.5), 3.141592653589793, 5e-10));
  // I_x(1, 1) = x = x (1 - x) / B(1, 1) * BetaCF(x, 1, 1), so the fraction is 1 / (1 - x).
  EXPECT_TRUE(Near(BetaCF(0.3, 1, 1), 1 / 0.7, 1e-12));
}

TEST(ErfKernel, IsTheHalfShapeIncompleteGamma) {
  const OneArgument rows[] = {
      {0.1, 0.11246291601952334, 0.11246291601828489},
      {1.0, 0.8427007929580787, 0.84270079294971487},
      {-1.0, -0.8427007929580787, -0.84270079294971487},
      {5.0, 0.99999999999846254, 0.99999999999846254},
  };
  for (const OneArgument& row : rows) {
    EXPECT_TRUE(Near(Erf(row.x), row.recipe, 1e-12)) << "x = " << row.x;
    EXPECT_TRUE(Near(Erf(row.x), row.truth, 2e-10)) << "x = " << row.x;
  }
  EXPECT_EQ(Erf(0), 0);
  EXPECT_EQ(Erf(1e200), 1);
}

TEST(IntegralKernels, SimpsonSchemeMatchesTables) {
  struct Row {
    double x, siRecipe, siTrue, ciRecipe, ciTrue, eiRecipe, eiTrue;
  };
  const Row rows[] = {
      {0.5, 0.49310741804306672, 0.49310741804306669, -0.17778407880661287, -0.1777840788066129,
       -0.5597735947761608, -0.55977359477616081},
      {1.0, 0.94608307036718307, 0.94608307036718301, 0.33740392290096815, 0.33740392290096813,
       -0.21938393439552028, -0.21938393439552027},
      {10.0, 1.6583475942188748, 1.658347594218874, -0.045456433004459345, -0.045456433004455373,
       -4.1569689327225583e-6, -4.1569689296853243e-6},
      {-3.0, -1.8486525279994683, -1.8486525279994683, 0.11962978600800033, 0.11962978600800033,
       -0.01304838109419702, -0.013048381094197037},
      // Here the point limit ends the scheme before it converges.
      {50.0, 1.551617072485785, 1.5516170724859359, -0.0056283863260751749, -0.0056283863241163054,
       -1.9274180351890932e-12, -3.783264029550459e-24},
  };
  for (const Row& row : rows) {
    // Near convergence the scheme compares sums to 1e-15, at the level of double rounding.
    EXPECT_TRUE(Near(SineIntegral(row.x), row.siRecipe, 0, 1e-13)) << "si " << row.x;
    EXPECT_TRUE(Near(CosineIntegral(row.x), row.ciRecipe, 0, 1e-13)) << "ci " << row.x;
    EXPECT_TRUE(Near(ExpIntegral(row.x), row.eiRecipe, 0, 1e-13)) << "ei " << row.x;
    EXPECT_TRUE(Near(SineIntegral(row.x), row.siTrue, 0, 5e-12)) << "si " << row.x;
    EXPECT_TRUE(Near(CosineIntegral(row.x), row.ciTrue, 0, 5e-12)) << "ci " << row.x;
    EXPECT_TRUE(Near(ExpIntegral(row.x), row.eiTrue, 0, 5e-12)) << "ei " << row.x;
  }
  EXPECT_EQ(SineIntegral(0), 0);
  EXPECT_EQ(CosineIntegral(0), 0);
  EXPECT_EQ(ExpIntegral(0), 0);
}

TEST(DistributionKernels, StudentAndFisher) {
  struct TRow {
    double t;
    int f;
    double truth;
  };
  const TRow tRows[] = {
      {1.0, 5, 0.63678253235087737},   {2.228138851986, 10, 0.94999999999997671},
      {-1.0, 5, -0.63678253235087737}, {0.5, 1, 0.29516723530086655},
      {3.0, 30, 0.99461003593434805},
  };
  for (const TRow& row : tRows) {
    EXPECT_TRUE(Near(TwoSidedT(row.t, row.f), row.truth, 5e-10)) << row.t << ", " << row.f;
  }
  EXPECT_EQ(TwoSidedT(0, 5), 0);
  struct FRow {
    double F;
    int f1, f2;
    double truth;
  };
  const FRow fRows[] = {
      {6.591382116425, 3, 4, 0.050000000000007101},
      {1.0, 1, 1, 0.5},
      {2.5, 10, 20, 0.038903636341859589},
      {0.5, 7, 3, 0.79730635751334908},
  };
  for (const FRow& row : fRows) {
    EXPECT_TRUE(Near(UpperF(row.F, row.f1, row.f2), row.truth, 5e-10)) << row.F;
  }
}

// The searches stop when a secant step is below 1e-6; the step before was larger, and the
// secant converges quickly, so the answer is good to well below 1e-8 of the true inverse
// (mpmath erfinv and findroot values).
TEST(InverseKernels, FindTheTabulatedPoints) {
  Random rng;
  EXPECT_TRUE(Near(InvErf(0.5, rng), 0.47693627620446987, 0, 1e-8));
  EXPECT_TRUE(Near(InvErf(-0.5, rng), -0.47693627620446987, 0, 1e-8));
  EXPECT_TRUE(Near(InvErf(0.95, rng), 1.3859038243496777, 0, 1e-8));
  EXPECT_TRUE(Near(InvTwoSidedT(0.05, 10, rng), 2.2281388519862747, 0, 1e-8));
  EXPECT_TRUE(Near(InvErf(2 * 0.975 - 1, rng) * std::sqrt(2.0), 1.9599639845400542, 0, 1e-8));
  EXPECT_TRUE(Near(InvUpperF(0.05, 3, 4, rng), 6.5913821164255813, 0, 1e-7));
  EXPECT_TRUE(Near(InvGammaLn(1, rng), 3.3124408825391604, 0, 1e-8));
  EXPECT_TRUE(Near(InvGammaLn(0, rng), 2, 0, 1e-8));
}

TEST(InverseKernels, DrawOneStartingPointPerStart) {
  // erf(s) = 0.5 converges from the first start: exactly one number is drawn.
  Random used;
  InvErf(0.5, used);
  Random expected;
  expected.Next();
  EXPECT_EQ(used.Next(), expected.Next());

  // ln Gamma never comes near 1e308: every start is abandoned at once (both samples give the
  // same difference), after one draw each. The last start is above 0, so no second pass runs,
  // and as nothing converged the answer is -1.
  Random searched;
  EXPECT_EQ(InvGammaLn(1e308, searched), -1);
  Random reference;
  for (int k = 0; k < 100; ++k) reference.Next();
  EXPECT_EQ(searched.Next(), reference.Next());
}

TEST(InverseKernels, NotANumberTargetEndsWithoutSpinning) {
  Random rng;
  EXPECT_TRUE(std::isnan(InvErf(std::numeric_limits<double>::quiet_NaN(), rng)));
}

TEST(BesselKernels, LibraryValuesAndBoundedOrders) {
  // Abramowitz & Stegun table 9.1: J2(1) = 0.1149034849, Y2(1) = -1.650682607.
  EXPECT_TRUE(Near(BesselJn(2, 1), 0.1149034849319005, 1e-14));
  EXPECT_TRUE(Near(BesselYn(2, 1), -1.650682606816254, 1e-14));
  EXPECT_TRUE(Near(BesselJn(-1, 1), -0.4400505857449335, 1e-14));
  // Huge orders: the value underflows (J) or overflows (Y) without running the recurrence.
  EXPECT_EQ(BesselJn(2000000000, 1), 0);
  EXPECT_TRUE(std::signbit(BesselJn(-2000000001, 1)));
  EXPECT_EQ(BesselYn(2000000000, 1), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(BesselYn(-2000000001, 1), std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(BesselJn(2000000000, 3e9)));
  EXPECT_TRUE(std::isnan(BesselYn(2000000000, -1)));
}

}  // namespace
}  // namespace orvo::detail
