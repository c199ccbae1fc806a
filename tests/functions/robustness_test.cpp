// Properties every function holds, whatever its arguments: each name reaches its row, the
// number of folds depends on the argument count only (the engine replays a recorded plan), a
// replayed evaluation agrees with a fresh one, and hostile arguments give messages or values,
// never a crash or a hang. The values and messages of the functions are golden transcripts
// (tests/transcripts/functions.txt); their accuracy is checked in reference_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "functions/detail/branches.h"
#include "functions/functions.h"
#include "tests/engine/replay_check.h"
#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Call(const std::string& name, int count, const std::string& argument) {
  std::string text = name + "(";
  for (int k = 0; k < count; ++k) text += (k == 0 ? "" : ",") + argument;
  return text + ")";
}

// The engine records on a first evaluation how many Terms each call folds, and replays that:
// every name with one to six arguments, special values of x too.
TEST(Dispatch, ReplayedEvaluationsAgreeWithFreshOnes) {
  std::string expressions;
  for (const FunctionName& name : FunctionNames()) {
    for (int count = 1; count <= 6; ++count) {
      expressions += " " + name.name + "(x";
      for (int k = 1; k < count; ++k) expressions += ",x+" + std::to_string(k);
      expressions += ")";
    }
  }
  const ReplayPoint points[] = {{1, 0}, {-1, 0},     {0, 0},    {2.5, 0},  {1e308, 0}, {-0.3, 0},
                                {7, 0}, {-1e308, 0}, {kNaN, 0}, {kInf, 0}, {-kInf, 0}, {1e-320, 0}};
  ExpectReplayAgrees(expressions, points);
}

// A kernel stands in for its call inside its range, so the range must hold no argument whose
// call gives another value (a sign of zero included) or a message: its edges, their neighbours
// and a spread of magnitudes of both signs.
TEST(Dispatch, KernelsGiveTheirCallsValuesInsideTheirRanges) {
  int kernels = 0;
  for (const FunctionName& name : FunctionNames()) {
    const Kernel kernel = BindFunction(name.code, 1).kernel;
    if (kernel.compute == nullptr) continue;
    ++kernels;
    std::vector<double> samples = {kernel.low,
                                   kernel.high,
                                   std::nextafter(kernel.low, kInf),
                                   std::nextafter(kernel.high, -kInf),
                                   0.0,
                                   -0.0,
                                   1e-320,
                                   -1e-320,
                                   1.5707963267948966,
                                   3.141592653589793};
    for (double m = 1e-300; m < 1e300; m *= 7.3) {
      samples.push_back(m);
      samples.push_back(-m);
    }
    for (double s : samples) {
      if (!(s >= kernel.low && s <= kernel.high)) continue;
      Random rng;
      int status = 0;
      std::string errors;
      FunctionCall call;
      call.code = name.code;
      call.signedFirst = s;
      call.args = &s;
      call.rng = &rng;
      call.status = &status;
      call.errors = &errors;
      call.value = s;
      CallFunction(call);
      const double expected = kernel.compute(s);
      EXPECT_EQ(std::memcmp(&call.value, &expected, sizeof expected), 0)
          << name.name << "(" << s << "): " << call.value << " vs " << expected;
      EXPECT_EQ(status, 0) << name.name << "(" << s << ")";
      EXPECT_EQ(errors, "") << name.name << "(" << s << ")";
    }
  }
  EXPECT_GT(kernels, 0);
}

// The registry is the one list of functions: each code has one row within the dispatch table,
// and every name, whatever letters or digits the normaliser protects in it, reaches its row.
TEST(Registry, EachCodeHasOneRowAndEachNameReachesIt) {
  std::set<int> codes;
  std::set<std::string> names;
  for (auto domain : detail::kDomains) {
    for (const detail::FunctionRow& row : domain()) {
      const int code = detail::Code(row.code);
      EXPECT_TRUE(codes.insert(code).second) << "two rows with code " << code;
      EXPECT_GT(code, 0);
      EXPECT_LE(code, detail::Code(detail::kLargestFn));
      std::istringstream words{std::string(row.names)};
      for (std::string name; words >> name;) {
        EXPECT_TRUE(names.insert(name).second) << name << " in two rows";
        Random rng;
        Evaluator evaluator(rng);
        evaluator.SetExpression(name + "(1)");
        std::string errors;
        evaluator.Evaluate(errors);
        auto calls = [&](const Term& term) {
          return term.funcCode == code && std::string_view(term.funcName) == name;
        };
        EXPECT_EQ(std::count_if(evaluator.terms().begin(), evaluator.terms().end(), calls), 1)
            << name << "(1) " << errors;
      }
    }
  }
}

TEST(BadInput, EveryNameAnswersAnyArguments) {
  // Every name, with 1 to 5 arguments that are all plain, huge, tiny, zero or not a number: the
  // console answers (a value or messages, never "Unknow") and the prompt follows. Bounded loops
  // keep this fast.
  const char* arguments[] = {"0.5", "1e308", "-1e308", "0", "1e-308", "stdev(5)"};
  for (const FunctionName& name : FunctionNames()) {
    for (const char* argument : arguments) {
      for (int count = 1; count <= 5; ++count) {
        std::string line = Call(name.name, count, argument) + "=";
        std::string answer = ConsoleHarness().Answer(line);
        EXPECT_TRUE(answer.ends_with("\r\n\\\\\r\n")) << line;
        EXPECT_EQ(answer.find("Unknow"), std::string::npos) << line << ": " << answer;
      }
    }
  }
}

TEST(BadInput, CallsNestedAThousandDeep) {
  std::string text = "1";
  double expected = 1;
  for (int k = 0; k < 1000; ++k) {
    text = "sin(" + text + ")";
    expected = std::sin(expected);
  }
  char shown[32];
  std::snprintf(shown, sizeof shown, "%.8g", expected);
  EXPECT_EQ(ConsoleHarness().Answer(text + "="), std::string(shown) + "\r\n\\\\\r\n");

  std::string mixed = "0.5";
  for (int k = 0; k < 250; ++k) mixed = "erf(atan(hypot(gamma(" + mixed + "+1),1)))";
  std::string answer = ConsoleHarness().Answer(mixed + "=");
  EXPECT_TRUE(answer.ends_with("\r\n\\\\\r\n"));
  EXPECT_EQ(answer.find("Error"), std::string::npos) << answer;
}

}  // namespace
}  // namespace orvo::test
