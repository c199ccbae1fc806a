// Integrals against closed forms, the step accounting of each method, and failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "numeric/numeric.h"
#include "tests/numeric/numeric_test_support.h"

namespace orvo {
namespace {

using test::ScriptedInterrupt;
using test::TestEnv;
using Integration = test::WithTools;

enum Method { kSimpson, kRomberg, kGauss, kTrapezium, kCurve, kArcLength };

NumericStatus Integrate(const NumericTools& tools, Method method, const IntegrationTask& task,
                        IntegrationResult& result, std::string& errors) {
  return tools.Integrate(static_cast<IntegrationMethod>(method), task, result, errors);
}

struct ClosedForm {
  Method method;
  const char* f;
  double a;
  double b;
  double exact;
};

// Every method stops once two estimates differ relatively by at most the tolerance; on smooth
// integrands the error is then within a small multiple of it. (The area methods meet many more
// integrands in the reference test below.)
TEST_F(Integration, AgreesWithClosedForms) {
  const double e = 2.718281828459045;
  const double asinh2 = std::asinh(2.0);
  const ClosedForm rows[] = {
      {kSimpson, "x^2", 0, 1, 1.0 / 3},
      {kRomberg, "1/x", 1, 2, 0.6931471805599453},  // ln 2
      {kGauss, "y^x", 0, 1, e - 1},                 // y = e: the integral of e^x
      {kTrapezium, "1/x", 1, 2, 0.6931471805599453},
      // Along the graph of f = x^2: f ds integrates to 9 sqrt5 / 32 - asinh(2) / 64 and the
      // length is sqrt5 / 2 + asinh(2) / 4.
      {kCurve, "x^2", 0, 1, 9 * std::sqrt(5.0) / 32 - asinh2 / 64},
      {kArcLength, "x^2", 0, 1, std::sqrt(5.0) / 2 + asinh2 / 4},
      {kArcLength, "x", 0, 1, std::sqrt(2.0)},
  };
  for (const ClosedForm& row : rows) {
    IntegrationTask task{row.f, row.a, row.b, 1e-8};
    IntegrationResult result;
    std::string errors;
    ASSERT_EQ(Integrate(tools, row.method, task, result, errors), NumericStatus::kOk) << row.f;
    EXPECT_TRUE(errors.empty());
    EXPECT_NEAR(result.value, row.exact, 1e-7 * std::fabs(row.exact))
        << "method " << row.method << " " << row.f;
    EXPECT_LE(result.change, 1e-8) << "method " << row.method << " " << row.f;
    EXPECT_LT(result.steps, task.budget);
  }
}

// Half a unit of the last digit printed at precision P of `value`, but no less than four units
// in its last place: what a confirmed value may be off by.
double PrintedRounding(double value, int precision) {
  double magnitude = std::fabs(value);
  double halfDigit = 0.5 * std::pow(10.0, std::floor(std::log10(magnitude)) + 1 - precision);
  return std::max(halfDigit, 4 * (std::nextafter(magnitude, INFINITY) - magnitude));
}

// Against mpmath's integrals (long oscillating ranges among them), through the four area methods
// at precisions 8, 12 and 16: either the value is off by no more than its printed Eps (relative)
// beyond the rounding of its last digit, or the answer says that it could not be confirmed.
// Integrands that fail at an end point may fail in the methods that use it.
TEST_F(Integration, TellsTheTruthOrWarns) {
  for (const auto& row : test::ReferenceRows("integrals.txt")) {
    const double exact = std::stod(row[3]);
    for (Method method : {kSimpson, kRomberg, kGauss, kTrapezium}) {
      for (int precision : {8, 12, 16}) {
        IntegrationTask task{row[0], std::stod(row[1]), std::stod(row[2]),
                             std::pow(10.0, -precision)};
        IntegrationResult result;
        std::string errors;
        std::string where = row[0] + " on [" + row[1] + ", " + row[2] + "] by method " +
                            std::to_string(method) + " at " + std::to_string(precision);
        if (Integrate(tools, method, task, result, errors) != NumericStatus::kOk) {
          EXPECT_TRUE(row[5] == "1" && method != kGauss) << where << ": " << errors;
          continue;
        }
        if (!result.confirmed) continue;
        double beyondRounding =
            std::fabs(result.value - exact) - PrintedRounding(result.value, precision);
        EXPECT_LE(beyondRounding / std::fabs(exact), result.change) << where;
      }
    }
  }
}

// Simpson's passes are composite Simpson sums with 2, 4, 8, ... intervals: after a spent budget
// the value is the last complete one, computed here the textbook way.
TEST_F(Integration, SpentBudgetGivesTheLastCompletePass) {
  IntegrationResult result;
  std::string errors;
  // Steps: 1, then 1 + 2 + 4 midpoints complete three passes (8 intervals); the fourth pass
  // stops after two of its eight midpoints.
  ASSERT_EQ(tools.IntegrateSimpson({"x^6", 0, 1, 1e-12, 10}, result, errors), NumericStatus::kOk);
  EXPECT_EQ(result.steps, 10);
  double h = 1.0 / 8;
  double sum = 0;
  for (int i = 0; i <= 8; ++i) {
    double weight = i == 0 || i == 8 ? 1 : i % 2 == 1 ? 4 : 2;
    sum += weight * std::pow(i * h, 6);
  }
  EXPECT_NEAR(result.value, sum * h / 3, 1e-15);
  EXPECT_GT(result.change, 1e-12);
}

TEST(IntegrationCancelled, EveryMethodStopsAtThePoll) {
  for (Method method : {kSimpson, kRomberg, kGauss, kTrapezium}) {
    Random rng;
    ScriptedInterrupt interrupt(3);
    NumericTools tools(rng, interrupt);
    IntegrationResult result;
    std::string errors;
    // x^0.5 would run to the full budget.
    EXPECT_EQ(Integrate(tools, method, {"x^0.5", 0, 1, 1e-16}, result, errors),
              NumericStatus::kCancelled);
    EXPECT_EQ(errors, "Error: The calculation was cancelled");
    EXPECT_EQ(interrupt.polls(), 3);
  }
  ScriptedInterrupt interrupt(1);
  TestEnv t(interrupt);
  CommandAnswer answer = IntegrateCommand(t.env, "0;1;x^0.5)", IntegrationMethod::kTrapezium);
  EXPECT_EQ(answer.content, "Error: The calculation was cancelled");
  EXPECT_TRUE(answer.failed);
}

}  // namespace
}  // namespace orvo
