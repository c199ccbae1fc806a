// The "&" commands as a user types them: input line -> exact console answer, each in a fresh
// session (root finders draw their starting points from the session's generator).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "tests/numeric/numeric_test_support.h"
#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

struct Row {
  std::vector<std::string> setup;  // typed first, answers not checked
  std::string line;
  std::string answer;  // what the console gains, the text box's own line break included
};

void CheckRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    ConsoleHarness console;
    for (const std::string& line : row.setup) console.Type(line);
    EXPECT_EQ(Escape(console.Answer(row.line)), Escape(row.answer)) << row.line;
  }
}

const std::string kPrompt = "\r\n\\\\\r\n";

// The documented examples are golden transcripts (tests/transcripts/numeric.txt); these rows are
// the faults around them.
TEST(Commands, ArgumentFaults) {
  const std::string integralMissing = "\r\nError: &i(a;b;f(x)) Function, missing parameters";
  const std::string rootsMissing = "\r\nError: &g(a=-10;b=10;f(x)) Function, missing parameters";
  const std::string tooFew = "\r\nError: At least input two numbers, separated by \";\" sign";
  CheckRows({
      // All argument faults at once, one line each; without any ";" there is no bound to read.
      {{},
       "&ir(1/0;(2;x)=",
       "\r\nError: divided by zero: 1/0\r\n"
       "Error: bracket: 1 left excessive or 1 right missing: (2" +
           kPrompt},
      {{}, "&it(1/0)=", integralMissing + kPrompt},
      {{}, "&it(1/0;2)=", "\r\nError: divided by zero: 1/0" + integralMissing + kPrompt},
      // The integrand's message is shown whole, the closing line of the check included.
      {{},
       "&it1(0;1;1..2)=",
       "\r\nError: Illegal use of dots: 1..2\r\n"
       "/Error checking was disrupted by above critical error(s)/" +
           kPrompt},
      {{}, "&s()=", "\r\nError: &s(a;n;st;f(x)) Function, missing parameters" + kPrompt},
      {{}, "&s(1/0;3;1;x)=", "\r\nError: divided by zero: 1/0" + kPrompt},
      {{}, "&s(1;3;1;(x,2))=", "\r\nError: Illegal use of comma" + kPrompt},
      // An empty function would make every starting point a root.
      {{}, "&rt(1;x)=", rootsMissing + kPrompt},
      {{}, "&rt(1/0;1;x)=", "\r\nError: divided by zero: 1/0" + kPrompt},
      {{}, "&rt((x,2))=", "\r\nError: Illegal use of comma" + kPrompt},
      {{},
       "&prt(1/0;1;(2)=",
       "\r\nError: divided by zero: 1/0\r\nError: bracket: 1 left excessive or 1 right missing: "
       "(2" +
           kPrompt},
      // 0 * 1e999 is not a number: no start can converge.
      {{}, "&prt(1;0*1e999;1)=", "\r\nFailed in getting the roots\r\n\\\\\r\n"},
      {{}, "&st(0.1|5)=", tooFew + kPrompt},
      {{}, "&st(1/0|1;2)=", "\r\nError: divided by zero: 1/0" + kPrompt},
      {{}, "&st(1;(2;3)=", "\r\nError: bracket: 1 left excessive or 1 right missing: (2" + kPrompt},
  });
}

TEST(Commands, UserVariables) {
  CheckRows({
      // Integrands and sums see the user's y and z; bounds see the defaults.
      {{"y=2"}, "&s(0;11;1;y^x)=", "2047" + kPrompt},
      {{"z=1"}, "&rt(z;2z;x-z)=", "\r\nx[1]=1\r\n\\\\\r\n"},
      // The root sign on a lone variable sets it to 0.
      {{"y=5", "y=0"}, "y=", "0" + kPrompt},
      {{}, "X-10=0", "\r\nx[1]=10\r\n\\\\\r\n"},
  });
}

// The t quantile and the examples with sin need the function library.
double IntervalHalfWidth(const std::string& answer) {
  const std::string key = " +- ";
  std::size_t at = answer.find(key);
  return at == std::string::npos ? -1 : ParseDouble(answer.substr(at + key.size()));
}

TEST(Commands, StatisticsWithTheTDistribution) {
  if (!HasFunction("invt(0.05,4)")) GTEST_SKIP() << "invt is not in this build yet";
  std::string answer = ConsoleHarness().Answer("&st(1;2;3;4;5)=");
  EXPECT_EQ(answer.substr(0, answer.find(" +- ")),
            "\r\nConfidence level: 95 %\r\nMax: 5\r\nMin: 1\r\nMedian: 3\r\nMean: 3\r\nSum: 15\r\n"
            "Standard deviation: 1.5811388\r\nAverage deviation: 1.2\r\n"
            "Conf. interval (t dist.): 3");
  EXPECT_NE(answer.find("\r\nNo abnormal value were detected through Grubbs method\r\n\\\\\r\n"),
            std::string::npos);
  // t(0.975, 4) = 2.7764451051977987 (2.776 in published tables): s t / sqrt(5) = t / sqrt(2).
  EXPECT_NEAR(IntervalHalfWidth(answer), 1.9632431614775607, 2e-6);

  // 90 %: t(0.95, 2) = 1.8 / sqrt(0.095) in closed form, and no Grubbs line.
  answer = ConsoleHarness().Answer("&st(0.1|1;2;3)=");
  EXPECT_EQ(answer.substr(0, 26), "\r\nConfidence level: 90 %\r\n");
  EXPECT_NEAR(IntervalHalfWidth(answer), 0.9 / std::sqrt(0.095) / std::sqrt(3.0), 2e-6);
  EXPECT_EQ(answer.find("Grubbs"), std::string::npos);

  answer = ConsoleHarness().Answer("&st(2|1;2;3)=");
  EXPECT_EQ(answer.substr(0, 26), "\r\nConfidence level: 95 %\r\n");
  answer = ConsoleHarness().Answer("&st(1;2;3;2;1;2;3;2;100)=");
  EXPECT_NE(answer.find("Abnormal value(s) were detected through Grubbs method\r\n100 \r\n\\\\"),
            std::string::npos);
}

TEST(Commands, ExamplesWithSine) {
  if (!HasFunction("sin(1)")) GTEST_SKIP() << "sin is not in this build yet";
  // More than five roots in [-10, 10]: five multiples of pi, after the warning line.
  std::string answer = ConsoleHarness().Answer("&rt(sin(x))=");
  const std::string warning = "\r\nMay have some other roots, you may proceed again\r\n";
  ASSERT_EQ(answer.substr(0, warning.size()), warning);
  int lines = 0;
  for (std::size_t at = answer.find("]="); at != std::string::npos;
       at = answer.find("]=", at + 2)) {
    double root = ParseDouble(answer.substr(at + 2));
    double multiple = root / 3.141592653589793;
    EXPECT_NEAR(multiple, std::round(multiple), 1e-7) << root;  // printed to 8 digits
    ++lines;
  }
  EXPECT_EQ(lines, 5);
  // A count message leaves the status at 0 but still ends the integral.
  answer = ConsoleHarness().Answer("&is(0;1;sin(x,2))=");
  EXPECT_EQ(answer.substr(0, 8), "\r\nError:");
  EXPECT_EQ(answer.find("Times:"), std::string::npos);
}

}  // namespace
}  // namespace orvo::test
