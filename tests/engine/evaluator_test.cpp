// The Evaluator's own contract: statuses and the value after a failure. What expressions answer
// in the console is golden transcripts (tests/transcripts/expressions.txt).
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

}  // namespace
}  // namespace orvo
