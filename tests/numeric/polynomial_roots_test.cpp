// Polynomial roots: invariants on constructed polynomials, the order of the answer, and bad
// coefficients. The documented answers are golden transcripts (tests/transcripts/numeric.txt).
#include <gtest/gtest.h>

#include <algorithm>
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
using PolynomialRoots = test::WithTools;

// Coefficients, highest power first, of the monic polynomial with the given roots.
std::vector<double> FromRoots(const std::vector<Complex>& roots) {
  std::vector<Complex> c{Complex::fromReal(1)};
  for (Complex r : roots) {
    std::vector<Complex> next(c.size() + 1);
    for (std::size_t i = 0; i < c.size(); ++i) {
      next[i] = Add(next[i], c[i]);
      next[i + 1] = Subtract(next[i + 1], Multiply(c[i], r));
    }
    c = next;
  }
  std::vector<double> real;
  for (Complex v : c) real.push_back(v.re);
  return real;
}

// Seeded random polynomials with real roots and conjugate pairs of modest size: every root is
// found, matches a constructed one, and the reals come first.
TEST_F(PolynomialRoots, FindsConstructedRoots) {
  std::mt19937 generator(20240611);
  std::uniform_real_distribution<double> part(-4, 4);
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
      const Complex& found = list.roots[i].value;
      double nearest = std::numeric_limits<double>::infinity();
      for (Complex r : roots) nearest = std::min(nearest, Modulus(Subtract(found, r)));
      EXPECT_LT(nearest, 1e-6) << "trial " << trial << " root " << i;
      if (i > 0) {
        EXPECT_LE(std::fabs(list.roots[i - 1].value.im), std::fabs(found.im));
      }
    }
  }
}

// Against mpmath's roots of the same doubles (random, Wilkinson's, x^n - 1, multiple roots, degree
// 2 to 100): all roots, each within one unit of its last printed digit, or of its own accuracy
// (the perturbation by coefficient rounding), or of the search tolerance.
TEST_F(PolynomialRoots, AgreeWithReferenceRoots) {
  struct Reference {
    std::string name;
    std::vector<double> coefficients;
    std::vector<std::pair<Complex, double>> roots;  // root, accuracy
  };
  std::vector<Reference> references;
  for (const auto& row : test::ReferenceRows("polynomials.txt")) {
    if (row[0] == "poly") {
      references.push_back({row[1], {}, {}});
      for (std::size_t i = 2; i < row.size(); ++i) {
        references.back().coefficients.push_back(std::stod(row[i]));
      }
    } else {
      references.back().roots.push_back(
          {{std::stod(row[1]), std::stod(row[2])}, std::stod(row[3])});
    }
  }
  for (int precision : {8, 16}) {
    for (const Reference& p : references) {
      PolynomialRootList list;
      std::string errors;
      ASSERT_EQ(tools.SearchPolynomialRoots(p.coefficients, precision, list, errors),
                NumericStatus::kOk);
      ASSERT_EQ(list.roots.size(), p.roots.size()) << p.name << " at " << precision;
      std::vector<bool> used(p.roots.size(), false);
      for (const PolynomialRoot& found : list.roots) {
        std::size_t best = 0;
        double distance = 1e300;
        for (std::size_t i = 0; i < p.roots.size(); ++i) {
          double d = Modulus(Subtract(found.value, p.roots[i].first));
          if (!used[i] && d < distance) {
            best = i;
            distance = d;
          }
        }
        used[best] = true;
        double size = Modulus(p.roots[best].first);
        double allowed = std::max({std::pow(10.0, 1 - found.digits) * size,
                                   10 * p.roots[best].second, std::pow(10.0, -found.digits)});
        EXPECT_LE(distance, allowed)
            << p.name << " at " << precision << " near " << p.roots[best].first.re << "+"
            << p.roots[best].first.im << "i, " << found.digits << " digits";
      }
    }
  }
}

// Coefficients that are not numbers fail in bounded time.
TEST_F(PolynomialRoots, NotANumberOrInfiniteCoefficientsFail) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const std::vector<double>& coefficients :
       {std::vector<double>{1, nan, 1}, {nan, 1}, {1, inf, 2}}) {
    EXPECT_EQ(tools.PolynomialRoots(coefficients, 8).content, "Failed in getting the roots");
  }
}

TEST(PolynomialRootsCancelled, StopsAtThePoll) {
  Random rng;
  ScriptedInterrupt interrupt(2);
  NumericTools tools(rng, interrupt);
  std::vector<double> many(1000, 1.0);
  EXPECT_EQ(tools.PolynomialRoots(many, 8).content, "Error: The calculation was cancelled");
  EXPECT_EQ(interrupt.polls(), 2);
}

}  // namespace
}  // namespace orvo
