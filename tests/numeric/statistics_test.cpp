// Sample statistics: moments and the t interval against published quantiles, order statistics
// and the Grubbs test.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "numeric/numeric.h"
#include "tests/numeric/numeric_test_support.h"
#include "tests/support/console_harness.h"

namespace orvo {
namespace {

// The two-sided 95 % quantile t(0.975, 4): 2.776 in the NIST/SEMATECH e-Handbook table
// 1.3.6.7.2, here to 16 digits.
constexpr double kT4 = 2.7764451051977987;

TEST(Statistics, SortingSurvivesNotANumber) {
  std::vector<double> values{3, std::numeric_limits<double>::quiet_NaN(), 1, 2};
  std::vector<AnswerValue> shown;
  std::string text = OrderAndOutliers(0.05, values, 2, 1, 8, shown);
  EXPECT_EQ(text.substr(0, 5), "Max: ");
}

// At the console the quantile comes from the inverse t distribution; the half-width of the
// interval must match the published quantile (95 %, four degrees of freedom) and the closed form
// (90 %, two degrees of freedom).
TEST(Statistics, ConsoleIntervalUsesTheTQuantile) {
  const struct {
    const char* line;
    double halfWidth;
  } rows[] = {
      {"&st(1;2;3;4;5)=", kT4 / std::sqrt(2.0)},  // s t / sqrt(5) with s = sqrt(2.5)
      {"&st(0.1|1;2;3)=", 0.9 / std::sqrt(0.095) / std::sqrt(3.0)},  // s = 1
  };
  for (const auto& row : rows) {
    std::string answer = test::ConsoleHarness().Answer(row.line);
    std::size_t at = answer.find(" +- ");
    ASSERT_NE(at, std::string::npos) << row.line;
    EXPECT_NEAR(ParseDouble(answer.substr(at + 4)), row.halfWidth, 2e-6) << row.line;
  }
}

// Against the formula evaluated by mpmath: the classic table for n <= 50 was printed from an
// older approximation and sits up to 0.0016 below it; beyond it the formula itself.
TEST(Statistics, GrubbsCriticalValues) {
  EXPECT_EQ(GrubbsCritical(2), 1.0);
  double previous = 1.0;
  for (const auto& row : test::ReferenceRows("grubbs.txt")) {
    int n = std::stoi(row[0]);
    double exact = std::stod(row[1]);
    EXPECT_NEAR(GrubbsCritical(n), exact, n <= 50 ? 2e-3 : 1e-12 * exact) << n;
    EXPECT_GT(GrubbsCritical(n), previous) << n;
    previous = GrubbsCritical(n);
  }
}

}  // namespace
}  // namespace orvo
