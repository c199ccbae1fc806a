// Polynomial roots: invariants on constructed polynomials, the order of the answer, and bad
// coefficients.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "numeric/numeric.h"
#include "tests/numeric/numeric_test_support.h"

namespace orvo {
namespace {

using test::ScriptedInterrupt;
using test::TestEnv;

// Coefficients, highest power first, of the monic polynomial with the given roots.
std::vector<double> FromRoots(const std::vector<Complex>& roots) {
  std::vector<Complex> c{Complex::fromReal(1)};
  for (Complex r : roots) {
    std::vector<Complex> next(c.size() + 1);
    for (std::size_t i = 0; i < c.size(); ++i) {
      next[i] = add(next[i], c[i]);
      next[i + 1] = subtract(next[i + 1], multiply(c[i], r));
    }
    c = next;
  }
  std::vector<double> real;
  for (Complex v : c) real.push_back(v.re);
  return real;
}

TEST(PolynomialRoots, HornerOverAscendingCoefficients) {
  const Complex c[] = {{1, 0}, {2, 0}, {3, 0}};  // 1 + 2x + 3x^2
  Complex value = EvaluatePolynomial(2, c, {1, 1});
  EXPECT_EQ(value.re, 3);
  EXPECT_EQ(value.im, 8);
  value = EvaluatePolynomial(0, c, {5, 5});
  EXPECT_EQ(value.re, 1);
}

// Seeded random polynomials with real roots and conjugate pairs of modest size: every root is
// found, matches a constructed one, and the reals come first.
TEST(PolynomialRoots, FindsConstructedRoots) {
  std::mt19937 generator(20240611);
  std::uniform_real_distribution<double> part(-4, 4);
  Random rng;
  NeverInterrupt never;
  NumericTools tools(rng, never);
  for (int trial = 0; trial < 20; ++trial) {
    std::vector<Complex> roots;
    int reals = 1 + trial % 3;
    int pairs = trial % 4;
    for (int i = 0; i < reals; ++i) roots.push_back(Complex::fromReal(part(generator)));
    for (int i = 0; i < pairs; ++i) {
      Complex z{part(generator), 0.5 + std::fabs(part(generator))};
      roots.push_back(z);
      roots.push_back({z.re, -z.im});
    }
    std::vector<double> coefficients = FromRoots(roots);
    PolynomialRootList list;
    std::string errors;
    ASSERT_EQ(tools.SearchPolynomialRoots(coefficients, 8, list, errors), NumericStatus::kOk);
    ASSERT_FALSE(list.failed);
    ASSERT_EQ(list.roots.size(), roots.size()) << "trial " << trial;
    for (std::size_t i = 0; i < list.roots.size(); ++i) {
      const Complex& found = list.roots[i];
      double nearest = std::numeric_limits<double>::infinity();
      for (Complex r : roots) nearest = std::min(nearest, modulus(subtract(found, r)));
      EXPECT_LT(nearest, 1e-6) << "trial " << trial << " root " << i;
      if (i > 0) {
        EXPECT_LE(std::fabs(list.roots[i - 1].im), std::fabs(found.im));
      }
    }
  }
}

struct AnswerRow {
  std::vector<double> coefficients;
  int precision;
  const char* answer;
};

TEST(PolynomialRoots, AnswerLines) {
  const AnswerRow rows[] = {
      // x^3 - x^2 = x^2 (x - 1): the zero roots are divided out first, without a search.
      {{1, -1, 0, 0}, 8, "x[1]=0+0i\r\nx[2]=0+0i\r\nx[3]=1+0i\r\n"},
      // A constant has no roots to find, whatever its value.
      {{0}, 8, ""},
      {{}, 8, ""},
      // A zero leading coefficient leaves a degree that cannot be reached.
      {{0, 1, 2},
       8,
       "Not all the roots were got, you may proceed again or decrease the precision\r\n"
       "x[1]=-2+0i\r\n"},
  };
  for (const AnswerRow& row : rows) {
    Random rng;
    NeverInterrupt never;
    NumericTools tools(rng, never);
    EXPECT_EQ(tools.PolynomialRoots(row.coefficients, row.precision), row.answer);
  }
}

TEST(PolynomialRoots, DoubleRootIsFoundTwice) {
  Random rng;
  NeverInterrupt never;
  NumericTools tools(rng, never);
  PolynomialRootList list;
  std::string errors;
  tools.SearchPolynomialRoots(std::vector<double>{1, -2, 1}, 8, list, errors);
  ASSERT_EQ(list.roots.size(), 2u);
  EXPECT_NEAR(list.roots[0].re, 1, 3e-8);
  EXPECT_NEAR(list.roots[1].re, 1, 3e-8);
}

// Coefficients that are not numbers, or so many that every start overflows, end with the
// failure line in bounded time.
TEST(PolynomialRoots, HopelessPolynomialsFail) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<double> many(1000, 1.0);
  const std::vector<double> cases[] = {{1, nan, 1}, {nan, 1}, {1, inf, 2}, many};
  for (const std::vector<double>& coefficients : cases) {
    Random rng;
    NeverInterrupt never;
    NumericTools tools(rng, never);
    EXPECT_EQ(tools.PolynomialRoots(coefficients, 8), "Failed in getting the roots\r\n");
  }
}

TEST(PolynomialRoots, StopsWhenCancelled) {
  Random rng;
  ScriptedInterrupt interrupt(2);
  NumericTools tools(rng, interrupt);
  std::vector<double> many(1000, 1.0);
  EXPECT_EQ(tools.PolynomialRoots(many, 8), "Error: The calculation was cancelled\r\n");
  EXPECT_EQ(interrupt.polls(), 2);
}

TEST(PolynomialRoots, LongSearchesAreAnnouncedFirst) {
  NeverInterrupt never;
  TestEnv degree29(never);
  TestEnv degree30(never);
  std::string text29 = "1";
  for (int i = 0; i < 29; ++i) text29 += ";0";
  PolynomialRootsCommand(degree29.env, text29 + ")");
  EXPECT_EQ(degree29.shown, "");
  std::string answer = PolynomialRootsCommand(degree30.env, text29 + ";0)");
  EXPECT_EQ(degree30.shown, "\r\nThe process may take a long time. Please wait...");
  // x^30 has the root 0 thirty times: found by division, with no search.
  EXPECT_EQ(answer.substr(0, 13), "\r\nx[1]=0+0i\r\n");
}

}  // namespace
}  // namespace orvo
