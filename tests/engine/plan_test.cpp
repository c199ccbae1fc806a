// The replayed plan of a prepared expression must agree with a fresh evaluation, bit for bit,
// message for message.
#include <gtest/gtest.h>

#include <cstring>

#include "base/random.h"
#include "engine/evaluator.h"

namespace orvo {
namespace {

struct Outcome {
  double value;
  int status;
  std::string errors;
};

bool SameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(Plan, ReplayAgreesWithAFreshEvaluation) {
  const char* expressions[] = {
      "x^2",
      "1/(1+x^2)",
      "sqrt(1-x^2)*4",
      "x^3-2*x^2+3*x-4",
      "(x+1)*(x+2)*(x+3)*(x+4)/(x+5)",
      "1/x",
      "(x,2)",
      "fac(x)",
      "fac(x,1)",
      "int(x)+x!",
      "x>1&&x<3||x==0",
      "x%3+x%y",
      "5%(x-1)",
      "2^5%(x-1)",
      "(-x)^(1/3)",
      "x^0.5",
      "10^(x*200)",
      "x:2+x#2",
      "(((x)))",
      "-x+-x",
      "y*x+z",
      "x<<2>>1&255|x",
      // The sign of zero must survive the replay's shortcuts: -0 prints as "-0".
      "x*(0-1)",
      "(x*(0-1))*2",
      "x*(0-1)-x",
      "(x-1)*(x+1)",
      "x^3-2*x^2+3*x-4",
      "fac((x*(0-1)))",
      "((x)*(0-1))^2",
      "x^3",
      "x^(0-3)",
      "x^4",
      "x^2.5",
      "x^(1/3)",
      "2^x",
  };
  const double xs[] = {0, 1, -1, 2, 2.5, -3.75, 1e-9, 1e300, -0.0, -8};
  for (const char* text : expressions) {
    Random rng;
    Evaluator kept(rng);
    kept.SetExpression(text);
    for (double x : xs) {
      kept.SetX(x);
      Outcome replayed{};
      replayed.status = kept.Evaluate(replayed.value, replayed.errors);

      Random freshRng;
      Evaluator fresh(freshRng);
      fresh.SetX(x);
      fresh.SetExpression(text);
      Outcome expected{};
      expected.status = fresh.Evaluate(expected.value, expected.errors);

      EXPECT_TRUE(SameBits(replayed.value, expected.value))
          << text << " at x=" << x << ": " << replayed.value << " vs " << expected.value;
      EXPECT_EQ(replayed.status, expected.status) << text << " at x=" << x;
      EXPECT_EQ(replayed.errors, expected.errors) << text << " at x=" << x;
    }
  }
}

}  // namespace
}  // namespace orvo
