// The special functions through the console. The worked examples are golden transcripts
// (tests/transcripts/functions.txt); these rows are checked at the default 8 digits against
// closed forms and standard tables (Abramowitz & Stegun 6.1, 7.1, 5.1, 26.7, 26.6), with every
// other message word for word. The kernels' own accuracy is checked in kernels_test.cpp.
#include <gtest/gtest.h>

#include "tests/functions/console_rows.h"
#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

TEST(GammaFamily, Answers) {
  const char* betaIncDomain =
      "Error: betainc(x,a,b) function, a<=0 or b<=0 or x is not in the domain [0,1]";
  const Row rows[] = {
      {"gamma(1e-300)=", "1e+300"},
      {"gammaln(1e-300)=", "690.77553"},  // -ln(1e-300)
      {"gamma(-1e-300)=", "-1e+300"},
      // ln Gamma(1) = 0 within the six-term series' accuracy.
      {"gammaln(1)=", "-3.41362e-11", "prec=6"},
      {"gammaln(10)=", "12.801827"},     // ln 9!
      {"gammainc(1,3)=", "0.95021293"},  // 1 - e^-3, continued fraction
      {"incgamma(3,0)=", "0"},
      {"beta(2,3)=", "0.083333333"},  // 1/12
      {"ibeta(0.3,2,3)=", "0.3483"},
      {"incbeta(0.5,0.5,0.5)=", "0.5"},
      {"gamma(-1e308)=", "Error: gamma(x) function, x=0 or x is minus integer"},
      {"gamma(172)=", "Error: Overflow"},
      {"gammainc(0,1)=", "Error: gammainc(x,a) function, x<=0"},
      {"gammainc(1,(-1))=", "Error: gammainc(x,a) function, a<0"},
      {"gammainc(1)=", "Error: gammainc(x,a) function, missing parameter"},
      {"beta(1,0)=", "Error: beta(x,y) function, y<=0"},
      {"beta(1)=", "Error: beta(x,y) function, missing parameter"},
      {"betainc(1.5,2,3)=", betaIncDomain},
      {"betainc(0.5,0,1)=", betaIncDomain},
      {"betainc(0.5)=", "Error: betainc(x,a,b) function, missing parameter"},
  };
  ExpectAnswers(rows);
}

TEST(ErrorFunctionAndIntegrals, Answers) {
  const Row rows[] = {
      {"erf(0)=", "0"},
      {"erf(-1)=", "-0.84270079"},
      {"erf(1e200)=", "1"},
      {"erfinv(-0.5)=", "-0.47693628"},
      {"si(-1)=", "-0.94608307"},  // A&S table 5.1
      {"ci(-1)=", "0.33740392"},
      {"ei(1)=", "-0.21938393"},  // Ei(-1) = -E1(1)
      {"inverf(1)=", "Error: inverf(x) function, x is not in the domain (-1,1)"},
      {"erfinv(1e308)=", "Error: inverf(x) function, x is not in the domain (-1,1)"},
      {"si(-1e308)=", "Error: x is too big for si(x) function, which makes no sense"},
      {"ci(200001)=", "Error: x is too big for ci(x) function, which makes no sense"},
  };
  ExpectAnswers(rows);
}

TEST(Distributions, Answers) {
  const char* invtDomain = "Error: invtdis(x,f) function, x is not in the domain (0,1)";
  const char* invfDomain = "Error: invfdis(x,f1,f2) function, x is not in the domain (0,1)";
  const char* bdisDomain = "bdis(x,p,q) function, x is not in the domain [0,1] or p<q or q<0";
  const Row rows[] = {
      {"ndis(1.96)=", "0.9750021"},
      {"ndis(3,1,2)=", "0.12098536"},
      {"invndis(0.975)=", "1.959964"},
      {"tdis(0,5)=", "0"},
      {"tinv(0.5,1)=", "1"},
      {"fdis(1,1,1)=", "0.5"},
      {"fdis(6.5913821,3,4)=", "0.05"},
      {"finv(0.5,1,1)=", "1"},
      {"kdis(2,2)=", "0.63212056"},       // 1 - 1/e
      {"kdis(3.8414588,1)=", "0.95"},     // odd degrees of freedom are not halved to integers
      {"bdis(0.5,10,5)=", "0.62304687"},  // P(at least 5 heads in 10 throws) = 638/1024
      {"bdis(0.5,10,0)=", "1"},
      // A thousand and more trials: B(600, 601) underflows, the tail does not.
      {"bdis(0.5,1200,600)=", "0.51151407"},
      {"invgammaln(0)=", "2"},
      {"ndis(1,0,(-1))=", "Error: ndis(x,ave,std) function, d<0"},
      {"ninv(0)=", "Error: invndis(x) function, x is not in the domain (0,1)"},
      {"tdis(1)=", "Error: tdis(x,f) function, missing parameter"},
      {"invtdis(1,10)=", invtDomain},
      {"invt(0,10)=", invtDomain},
      {"invtdis(0.05,0.5)=", "Error: invtdis(x,f) function, f<1"},
      {"invtdis(0.05)=", "Error: invtdis(x,f) function, missing parameter"},
      {"fdis(1,2,0)=", "Error: fdis(x,f1,f2) function, f1 or f2<1"},
      {"fdis(1)=", "Error: fdis(x,f1,f2) function, missing parameter"},
      {"invfdis(1.5,3,4)=", invfDomain},
      {"invfdis(0,3,4)=", invfDomain},
      {"invfdis(0.5,0,4)=", "Error: invfdis(x,f1,f2) function, f1 or f2<1"},
      {"invfdis(0.5)=", "Error: invfdis(x,f1,f2) function, missing parameter"},
      {"kdis(1)=", "Error: kdis(x,n) function, missing parameter"},
      {"bdis(0.5,3,5)=", bdisDomain},
      {"bdis(0.5,10,(-1))=", bdisDomain},
      {"bdis(0.5)=", "Error: bdis(x,p,q) function, missing parameter"},
  };
  ExpectAnswers(rows);
}

// The inverse searches draw their starting points from the session's generator: a session
// replayed from the start prints the same digits.
TEST(InverseSearches, ReplayTheSameDigitsInAFreshSession) {
  const std::vector<std::string> lines = {
      "prec=16",        "invtdis(0.05,10)=", "invndis(0.9)=", "invfdis(0.01,5,7)=",
      "invgammaln(5)=", "inverf(0.3)="};
  EXPECT_EQ(ConsoleHarness().Run(lines), ConsoleHarness().Run(lines));
}

}  // namespace
}  // namespace orvo::test
