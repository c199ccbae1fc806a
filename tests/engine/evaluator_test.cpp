// Values and messages of expressions, straight from the Evaluator.
#include <gtest/gtest.h>

#include <cmath>

#include "base/random.h"
#include "engine/evaluator.h"

namespace orvo {
namespace {

struct Result {
  double value;
  int status;
  std::string errors;
};

Result Eval(std::string_view text, double x = 0) {
  Random rng;
  Evaluator ev(rng);
  ev.SetX(x);
  ev.SetExpression(text);
  Result r{};
  r.status = ev.Evaluate(r.value, r.errors);
  return r;
}

constexpr std::string_view kTrailer =
    "\r\n/Error checking was disrupted by above critical error(s)/";

struct ValueRow {
  const char* text;
  double x;
  double value;
};

TEST(Evaluator, ComputesValues) {
  const ValueRow rows[] = {
      {"2+3*4", 0, 14},
      {"2^3^2", 0, 64},
      {"8/2/2", 0, 2},
      {"7:2", 0, 3},
      {"-7:2", 0, -3},
      {"7%3", 0, 1},
      {"7#2.5", 0, 2},
      {"50%", 0, 0.5},
      {"3!", 0, 6},
      {"(-8)^(1/3)", 0, -2},
      {"(-2)^3", 0, -8},
      {"6&3", 0, 2},
      {"6|3", 0, 7},
      {"6&|3", 0, 5},
      {"6|&3", 0, 5},
      {"1<2", 0, 1},
      {"2<>2", 0, 0},
      {"2!=2", 0, 0},
      {"0||3", 0, 1},
      {"1or0", 0, 1},
      {"1and0", 0, 0},
      {"2>=2", 0, 1},
      {"2==2", 0, 1},
      {"2=3", 0, 0},
      {"2>>1", 0, 1},
      {"1<<4", 0, 16},
      {"-8>>1", 0, -4},
      {"2(3)", 0, 6},
      {"(1+1)(2+1)", 0, 6},
      {"(1+2)2", 0, 9},
      {"x2", 3, 9},
      {"2x", 3, 6},
      {"xx", 3, 9},
      {"11^-3", 0, 1331},
      {"1+-4-%^4", 0, 1},
      {"3%%", 0, 0.0003},
      {"3!!", 0, 720},
      {"1'000+1", 0, 1001},
      {"x>=-1", 0, 0},
      {"2*-3", 0, 6},
      {"3.1e+5", 0, 310000},
      {"3e5", 0, 300000},
      {"1e-6", 0, 1e-6},
      {"3e2.8", 0, 300},
      {"", 0, 0},
      {"   ", 0, 0},
      {"x", 0, 0},
      {"y", 0, 2.718281828459045},
      {"z", 0, 3.141592653589793},
      {"((1))", 0, 1},
      {"7#0", 0, 0.007},
      {"2#7", 0, 2},
      {"7#7", 0, 0},
      {"7%0", 0, 0.07},
      {"2%7", 0, 2},
      {"7%7", 0, 0},
      {"-7%3", 0, -1},
      {"(-0.000001)^0.5", 0, 0},
      {"2^0", 0, 1},
      {"4^0.5", 0, 2},
      {"3.5!", 0, 11.631728396567448},
      {"fac(5)", 0, 120},
      {"int(-2.7)", 0, -2},
      {"int(-0.5)", 0, 0},
      {"fix(3.9)", 0, 3},
      {"-x", 2, -2},
      {"2 x", 3, 6},
      {"3!2", 0, 12},
      {"3!.5", 0, 3},
  };
  for (const ValueRow& row : rows) {
    Result r = Eval(row.text, row.x);
    EXPECT_EQ(r.status, 0) << row.text;
    EXPECT_EQ(r.errors, "") << row.text;
    EXPECT_NEAR(r.value, row.value, 1e-9 * std::fabs(row.value)) << row.text;
  }
}

struct ErrorRow {
  const char* text;
  int status;
  const char* errors;
};

TEST(Evaluator, ReportsMessages) {
  const ErrorRow rows[] = {
      {"1/0", -100, "Error: divided by zero"},
      {"5:0.5", -100, "Error: divided by zero when getting the integer quotient"},
      {"(-4)^0.5", -7, "Error: minus in the extraction of root"},
      {"(1,2)", 0, "Error: Illegal use of comma"},
      {"10^400", -101, "Error: Overflow"},
      {"1=<2", 102, "Unknow operator: =<"},
      {"fac(171)", -101, "Error: Overflow"},
      {"fac(-3)", 0,
       "\xE9\x98\xB6\xE4\xB9\x98"
       "fac(x) function, x\xE4\xB8\xBA\xE8\xB4\x9F\xE6\x95\xB4\xE6\x95\xB0"},
      {"fac(1,2)", 0, "Error: fac function, parameter(s) missing or excessive"},
      {"1/0+1/0", -100, "Error: divided by zero\r\nError: divided by zero"},
  };
  for (const ErrorRow& row : rows) {
    Result r = Eval(row.text);
    EXPECT_EQ(r.status, row.status) << row.text;
    EXPECT_EQ(r.errors, row.errors) << row.text;
    if (r.status != 0) {
      EXPECT_EQ(r.value, -1) << row.text;
    }
  }
}

TEST(Evaluator, SyntaxCheckReportsEveryProblemOnce) {
  const ErrorRow rows[] = {
      {"1.2.3", 0, "Error: Illegal use of dots: 1.2.3"},
      {"(1+2", 105, "Error: bracket: 1 left excessive or 1 right missing"},
      {"((1+2", 105, "Error: bracket: 2 left excessive or 2 right missing"},
      {"1+2)", 105, "Error: bracket: 1 right excessive or 1 left missing"},
      {"1)+(2", 105, "Error: Illegal use of brackets, like x+y+z)+(x+y+z"},
      {"foo(1)", 102, "Error: Unknown char: foo"},
      {"sinus(1)", 102, "Error: Unknown char: sinus"},
      {"sin1", 103, "Error: sin() function missing brackets"},
      {"2+a+3", 102, "Error: Unknown char: a"},
      {"c5", 102, "Error: Unknown char: c"},
      {"abc", 101, "Error: Unknown char: abc"},
      {"pi", 101, "Error: Unknown char: pi"},
      {"2\xE2\x82\xAC"
       "3",
       102, "Error: Unknown char: \xE2\x82\xAC"},
      {"foo(1)+bar(2)", 102, "Error: Unknown char: foo\r\nError: Unknown char: bar"},
      {"expo(1)", 102, "Error: Unknown char: expo"},
  };
  for (const ErrorRow& row : rows) {
    Result r = Eval(row.text);
    EXPECT_EQ(r.status, row.status) << row.text;
    EXPECT_EQ(r.errors, std::string(row.errors) + std::string(kTrailer)) << row.text;
    EXPECT_EQ(r.value, -1) << row.text;
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

TEST(Evaluator, ReevaluatesWithNewVariablesWithoutPreparingAgain) {
  Random rng;
  Evaluator ev(rng);
  ev.SetExpression("x^2");
  double value = 0;
  std::string errors;
  ASSERT_EQ(ev.Evaluate(value, errors), 0);
  EXPECT_EQ(value, 0);
  const Term* before = ev.terms().data();
  ev.SetX(3);
  ASSERT_EQ(ev.Evaluate(value, errors), 0);
  EXPECT_EQ(value, 9);
  EXPECT_EQ(ev.terms().data(), before);
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

TEST(Evaluator, FormatsAtThePrecision) {
  Random rng;
  Evaluator ev(rng);
  std::string text, errors;
  ev.SetExpression("1/3");
  ev.EvaluateToText(text, 16, errors);
  EXPECT_EQ(text, "0.3333333333333333");
  ev.EvaluateToText(text, 8, errors);
  EXPECT_EQ(text, "0.33333333");
  ev.EvaluateToText(text, 0, errors);
  EXPECT_EQ(text, "0.333333");
  ev.SetExpression("0-0/0+(-1)^0.5*0");  // errors give -1
  ev.EvaluateToText(text, 8, errors);
  EXPECT_EQ(text, "-1");
}

TEST(Evaluator, NotANumberPassesTheOverflowCheck) {
  Random rng;
  Evaluator ev(rng);
  std::string text, errors;
  ev.SetExpression("7%0.5");  // the remainder by a truncated divisor of 0
  EXPECT_EQ(ev.EvaluateToText(text, 8, errors), 0);
  EXPECT_EQ(errors, "");
  EXPECT_TRUE(text == "nan" || text == "-nan") << text;
}

}  // namespace
}  // namespace orvo
