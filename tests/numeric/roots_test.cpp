// Roots of f(x) = 0 and sequence sums, straight from the numerical tools.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "numeric/numeric.h"
#include "tests/numeric/numeric_test_support.h"

namespace orvo {
namespace {

using test::ScriptedInterrupt;
using test::TestEnv;
using Roots = test::WithTools;
using SequenceSum = test::WithTools;

constexpr double kE = 2.718281828459045;
constexpr double kPi = 3.141592653589793;

bool Contains(const std::vector<double>& roots, double expected) {
  return std::any_of(roots.begin(), roots.end(),
                     [&](double root) { return std::fabs(root - expected) < 1e-6; });
}

// Against mpmath's roots at every precision: the tolerance is clamped to what a double holds,
// so 16 digits find what 8 find, each root within the tolerance or a few units in its last place.
TEST_F(Roots, FindsTheReferenceRootsAtEveryPrecision) {
  for (const auto& row : test::ReferenceRows("roots.txt")) {
    for (int precision = 8; precision <= 16; ++precision) {
      std::vector<double> roots;
      std::string errors;
      ASSERT_EQ(tools.SearchRoots(row[0], -10, 10, precision, kE, kPi, roots, errors),
                NumericStatus::kOk);
      EXPECT_EQ(roots.size(), row.size() - 1) << row[0] << " at " << precision;
      for (double root : roots) {
        double nearest = std::stod(row[1]);
        for (std::size_t i = 2; i < row.size(); ++i) {
          if (std::fabs(std::stod(row[i]) - root) < std::fabs(nearest - root)) {
            nearest = std::stod(row[i]);
          }
        }
        double accuracy = std::max(std::pow(10.0, -precision), 16e-16 * std::fabs(nearest));
        EXPECT_NEAR(root, nearest, accuracy) << row[0] << " at " << precision;
      }
    }
  }
  // The factorial of a negative integer is a message that leaves the status at 0 and depends on
  // x: at x = 0 it must not stop the search.
  std::vector<double> roots;
  std::string errors;
  ASSERT_EQ(tools.SearchRoots("(x-3)!-6", -10, 10, 8, kE, kPi, roots, errors), NumericStatus::kOk);
  EXPECT_TRUE(Contains(roots, 6));
}

TEST(RootsCancelled, StopsAtTheFirstPoll) {
  Random rng;
  ScriptedInterrupt interrupt(1);
  NumericTools tools(rng, interrupt);
  // No root: all 101 starts run their 99 steps, far beyond one poll period.
  EXPECT_EQ(tools.FindRoots("x^2+1", -10, 10, 8, kE, kPi).content,
            "Error: The calculation was cancelled");
  EXPECT_EQ(interrupt.polls(), 1);
}

TEST_F(SequenceSum, AddsTheTerms) {
  const struct {
    const char* f;
    double a, st, n, sum;
  } rows[] = {
      // pi^2/6 less the tail beyond N = 20000 (Euler-Maclaurin: 1/N - 1/(2N^2) + 1/(6N^3)).
      {"1/x^2", 1, 1, 20000, kPi * kPi / 6 - (5e-5 - 1.25e-9 + 1 / (6 * 8e12))},
      {"1/y^x", 0, 1, 60, 1 / (1 - 1 / kE)},  // a geometric series in 1/e
      {"x", 0.5, -0.25, 4, 0.5},
  };
  for (const auto& row : rows) {
    double sum = 0;
    std::string errors;
    ASSERT_EQ(tools.SequenceSum(row.f, row.a, row.st, row.n, kE, kPi, sum, errors),
              NumericStatus::kOk)
        << row.f;
    EXPECT_NEAR(sum, row.sum, 1e-11 * std::fabs(row.sum)) << row.f;
  }
  // The count is not held in 32 bits: 1e12 terms run on until the user cancels.
  ScriptedInterrupt interrupt(5);
  TestEnv t(interrupt);
  EXPECT_EQ(SequenceSumCommand(t.env, "1;1e12;1;x)").content,
            "Error: The calculation was cancelled");
  EXPECT_EQ(interrupt.polls(), 5);
}

}  // namespace
}  // namespace orvo
