// The Evaluator's own contract: statuses, the value after a failure, resets and formatting. What
// expressions answer in the console is golden transcripts (tests/transcripts/expressions.txt).
#include <gtest/gtest.h>

#include "base/random.h"
#include "engine/evaluator.h"

namespace orvo {
namespace {

struct StatusRow {
  const char* text;
  int status;
};

// Statuses never show in the console, but the numerical tools stop on them.
TEST(Evaluator, FailuresGiveTheirStatusAndTheValueMinusOne) {
  const StatusRow rows[] = {
      {"1/0", kStatusDivideByZero},
      {"5:0.5", kStatusDivideByZero},
      {"(-4)^0.5", kStatusRootOfNegative},
      {"10^400", kStatusOverflow},
      {"1=<2", kStatusUnknown},
      {"(1+2", kStatusBrackets},
      {"foo(1)", kStatusUnknown},
      {"abc", kStatusNoOperand},
      {"sin1", kStatusMissingBrackets},
      {"ln(0)", -3},
      {"(1,2)", 0},
      {"fac(-3)", 0},
  };
  for (const StatusRow& row : rows) {
    Random rng;
    Evaluator ev(rng);
    ev.SetExpression(row.text);
    double value = 0;
    std::string errors;
    EXPECT_EQ(ev.Evaluate(value, errors), row.status) << row.text;
    EXPECT_FALSE(errors.empty()) << row.text;
    if (row.status != 0) {
      EXPECT_EQ(value, -1) << row.text;
    }
  }
}

TEST(Evaluator, StartsWithTheConstantsAndResets) {
  Random rng;
  Evaluator ev(rng);
  EXPECT_EQ(ev.GetY(), 2.718281828459045);
  EXPECT_EQ(ev.GetZ(), 3.141592653589793);
  ev.SetX(5);
  ev.Reset(false);
  EXPECT_EQ(ev.GetX(), 5);
  ev.ResetAll();
  EXPECT_EQ(ev.GetX(), 0);
}

TEST(Evaluator, AFailedCheckRepeatsItsMessages) {
  Random rng;
  Evaluator ev(rng);
  ev.SetExpression("(1+2");
  double value = 0;
  std::string first, second;
  ev.Evaluate(value, first);
  ev.Evaluate(value, second);
  EXPECT_EQ(first, second);
  EXPECT_EQ(value, -1);
}

// Precisions outside 1..16 never come from the console, which keeps 6..16.
TEST(Evaluator, FormatsAtThePrecision) {
  Random rng;
  Evaluator ev(rng);
  std::string text, errors;
  ev.SetExpression("1/3");
  ev.EvaluateToText(text, 16, errors);
  EXPECT_EQ(text, "0.3333333333333333");
  ev.EvaluateToText(text, 0, errors);
  EXPECT_EQ(text, "0.333333");
  ev.SetExpression("7%0.5");  // the remainder by a truncated divisor of 0 passes the check
  EXPECT_EQ(ev.EvaluateToText(text, 8, errors), 0);
  EXPECT_TRUE(text == "nan" || text == "-nan") << text;
}

}  // namespace
}  // namespace orvo
