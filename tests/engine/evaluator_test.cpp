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
  Fault fault;
};

// Statuses never show in the console, but the numerical tools stop on them; a fault of form
// means nothing was computed.
TEST(Evaluator, FailuresGiveTheirStatusAndTheValueMinusOne) {
  const StatusRow rows[] = {
      {"1/0", kStatusDivideByZero, Fault::kValue},
      {"5:0.5", kStatusDivideByZero, Fault::kValue},
      {"(-4)^0.5", kStatusRootOfNegative, Fault::kValue},
      {"10^400", kStatusOverflow, Fault::kValue},
      {"1=<2", kStatusUnknown, Fault::kValue},
      {"(1+2", kStatusBrackets, Fault::kForm},
      {"foo(1)", kStatusUnknown, Fault::kForm},
      {"abc", kStatusNoOperand, Fault::kForm},
      {"sin1", kStatusMissingBrackets, Fault::kForm},
      {"1..2+3", 0, Fault::kForm},
      {"ln(0)", -3, Fault::kValue},
      {"(1,2)", 0, Fault::kValue},
      {"fac(-3)", 0, Fault::kValue},
  };
  for (const StatusRow& row : rows) {
    Random rng;
    Evaluator ev(rng);
    ev.SetExpression(row.text);
    std::string errors;
    Evaluation result = ev.Evaluate(errors);
    EXPECT_EQ(result.status, row.status) << row.text;
    EXPECT_FALSE(errors.empty()) << row.text;
    EXPECT_EQ(result.fault, row.fault) << row.text;
    if (row.status != 0) {
      EXPECT_EQ(result.value, -1) << row.text;
    }
  }
}

}  // namespace
}  // namespace orvo
