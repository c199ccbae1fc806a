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

TEST(Commands, Integrals) {
  CheckRows({
      {{}, "&is(0;1;x^2)=", "0.33333333\r\nTimes: 4\r\nEps: 0" + kPrompt},
      {{}, "&is(1;0;x^2)=", "0.33333333\r\nTimes: 4\r\nEps: 0" + kPrompt},
      {{}, "&ir(0;1;x^2)=", "0.33333333\r\nTimes: 4\r\nEps: 0" + kPrompt},
      {{}, "&it2(0;1;x)=", "1.4142136\r\nTimes: 2\r\nEps: 0" + kPrompt},
      {{}, "&it1(0;1;x)=", "0.70710678\r\nTimes: 2\r\nEps: 0" + kPrompt},
      {{"prec=6"}, "&is(0;1;x^2)=", "0.333333\r\nTimes: 4\r\nEps: 0" + kPrompt},
      // The step budget is not an error: the last complete pass, with Times: 100000.
      {{}, "&it(0;1;x^0.5)=", "0.66666665\r\nTimes: 100000\r\nEps: 3.39404e-08" + kPrompt},
      // Bounds see the default z = pi; the integrand sees the user's z.
      {{"z=1"}, "&is(0;z;1)=", "3.1415927\r\nTimes: 2\r\nEps: 0" + kPrompt},
      {{"z=2"}, "&is(0;1;z)=", "2\r\nTimes: 2\r\nEps: 0" + kPrompt},
  });
}

TEST(Commands, IntegralFailures) {
  const std::string missing = "Error: &i(a;b;f(x)) Function, missing parameters";
  CheckRows({
      {{}, "&is(0;1)=", "\r\n" + missing + kPrompt},
      {{}, "&is()=", "\r\n" + missing + kPrompt},
      {{}, "&ig(0;1;x;2)=", "\r\nError: &i(a;b;f(x)) Function, parameters excessive" + kPrompt},
      {{}, "&is(1/0;1;x)=", "\r\nError: divided by zero: 1/0" + kPrompt},
      // All argument faults at once, one line each.
      {{},
       "&ir(1/0;(2;x)=",
       "\r\nError: divided by zero: 1/0\r\n"
       "Error: bracket: 1 left excessive or 1 right missing: (2" +
           kPrompt},
      // Without any ";" there is no bound to read.
      {{}, "&it(1/0)=", "\r\n" + missing + kPrompt},
      {{}, "&it(1/0;2)=", "\r\nError: divided by zero: 1/0\r\n" + missing + kPrompt},
      // The midpoint of the first pass is 0.5.
      {{}, "&it(0;1;1/(x-0.5))=", "\r\nError: divided by zero" + kPrompt},
      // Messages that leave the status at 0 end the integral too; the integrand's message
      // is shown whole.
      {{}, "&is(0;1;(x,2))=", "\r\nError: Illegal use of comma" + kPrompt},
      {{},
       "&it1(0;1;1..2)=",
       "\r\nError: Illegal use of dots: 1..2\r\n"
       "/Error checking was disrupted by above critical error(s)/" +
           kPrompt},
  });
}

TEST(Commands, SequenceSums) {
  const std::string missing = "Error: &s(a;n;st;f(x)) Function, missing parameters";
  CheckRows({
      {{}, "&s(1;100;1;x)=", "5050" + kPrompt},
      {{}, "&s(1;10;2;x^2)=", "1330" + kPrompt},
      {{}, "&s(1;3.7;1;x)=", "6" + kPrompt},
      {{}, "&s(1;0;1;x)=", "1" + kPrompt},
      {{}, "&s(1;3;0;x)=", "6" + kPrompt},
      {{}, "&s(1;3;1/2;x)=", "6" + kPrompt},
      {{"y=2"}, "&s(0;11;1;y^x)=", "2047" + kPrompt},
      {{}, "&s(1;3;x)=", "\r\n" + missing + kPrompt},
      {{}, "&s()=", "\r\n" + missing + kPrompt},
      {{}, "&s(1;2;3;x;5)=", "\r\nError: &s(a;n;st;f(x)) Function, parameters excessive" + kPrompt},
      {{}, "&s(1/0;3;1;x)=", "\r\nError: divided by zero: 1/0" + kPrompt},
      {{}, "&s(0;3;1;1/x)=", "\r\nError: divided by zero" + kPrompt},
      {{}, "&s(1;3;1;(x,2))=", "\r\nError: Illegal use of comma" + kPrompt},
  });
}

TEST(Commands, Roots) {
  const std::string failed =
      "\r\nFailed in getting roots\r\nYou may decrease the precision and proceed again\r\n\\\\\r\n";
  const std::string missing = "\r\nError: &g(a=-10;b=10;f(x)) Function, missing parameters";
  CheckRows({
      {{}, "&rt(x^2-4)=", "\r\nx[1]=-2\r\nx[2]=2\r\n\\\\\r\n"},
      {{}, "x^2-4=0", "\r\nx[1]=-2\r\nx[2]=2\r\n\\\\\r\n"},
      {{}, "X-10=0", "\r\nx[1]=10\r\n\\\\\r\n"},
      {{}, "&rt(x^2+1)=", failed},
      {{}, "&rt(3;3;x-1)=", "\r\nx[1]=1\r\n\\\\\r\n"},
      {{}, "&rt(0;1;x-5)=", "\r\nx[1]=5\r\n\\\\\r\n"},
      {{},
       "&rt((x-1)(x-2)(x-3)(x-4)(x-5)(x-6))=",
       "\r\nMay have some other roots, you may proceed again\r\n"
       "x[1]=1\r\nx[2]=6\r\nx[3]=2\r\nx[4]=5\r\nx[5]=4\r\n\\\\\r\n"},
      {{},
       "&rt(1;2;x;3)=",
       "\r\nError: &g(a=-10;b=10;f(x)) Function, parameters excessive" + kPrompt},
      // An empty function would make every starting point a root.
      {{}, "&rt()=", missing + kPrompt},
      {{}, "&rt(1;x)=", missing + kPrompt},
      {{}, "&rt(1/0;1;x)=", "\r\nError: divided by zero: 1/0" + kPrompt},
      {{}, "&rt((x,2))=", "\r\nError: Illegal use of comma" + kPrompt},
      {{}, "x=0", "\r\n\\\\\r\n"},
  });
}

TEST(Commands, RootSignOnOneLetterSetsTheVariable) {
  ConsoleHarness console;
  console.Type("y=5");
  EXPECT_EQ(Escape(console.Answer("y=0")), Escape("\r\n\\\\\r\n"));
  EXPECT_EQ(Escape(console.Answer("y=")), Escape("0" + kPrompt));
}

TEST(Commands, PolynomialRoots) {
  CheckRows({
      {{}, "&prt(1;0)=", "\r\nx[1]=0+0i\r\n\\\\\r\n"},
      {{}, "&prt(1;0;1)=", "\r\nx[1]=0-1i\r\nx[2]=0+1i\r\n\\\\\r\n"},
      {{}, "&prt(1;-2;1)=", "\r\nx[1]=0.99999998+0i\r\nx[2]=1+0i\r\n\\\\\r\n"},
      {{}, "1;-3;2=0", "\r\nx[1]=1+0i\r\nx[2]=2+0i\r\n\\\\\r\n"},
      {{},
       "&prt(1;0;0;1;0)=",
       "\r\nx[1]=0+0i\r\nx[2]=-1+0i\r\nx[3]=0.5-0.8660254i\r\nx[4]=0.5+0.8660254i\r\n\\\\\r\n"},
      {{}, "&prt(5)=", kPrompt},
      {{}, "&prt(0)=", kPrompt},
      {{}, "&prt()=", kPrompt},
      {{}, "&prt(1;1/0)=", "\r\nError: divided by zero: 1/0" + kPrompt},
      {{},
       "&prt(1/0;1;(2)=",
       "\r\nError: divided by zero: 1/0\r\nError: bracket: 1 left excessive or 1 right missing: "
       "(2" +
           kPrompt},
      // 0 * 1e999 is not a number: no start can converge.
      {{}, "&prt(1;0*1e999;1)=", "\r\nFailed in getting the roots\r\n\\\\\r\n"},
  });
}

TEST(Commands, PolynomialOfDegreeThirtyWaitsFirst) {
  std::string line = "&prt(1";
  for (int i = 0; i < 30; ++i) line += ";0";
  std::string answer = ConsoleHarness().Answer(line + ")=");
  const std::string start =
      "\r\nThe process may take a long time. Please wait...\r\nx[1]=0+0i\r\nx[2]=0+0i\r\n";
  EXPECT_EQ(answer.substr(0, start.size()), start);
}

TEST(Commands, StatisticsFailures) {
  const std::string tooFew = "\r\nError: At least input two numbers, separated by \";\" sign";
  CheckRows({
      {{}, "&st(5)=", tooFew + kPrompt},
      {{}, "&st()=", tooFew + kPrompt},
      {{}, "&st(0.1|5)=", tooFew + kPrompt},
      {{}, "&st(1;2;1/0)=", "\r\nError: divided by zero: 1/0" + kPrompt},
      {{}, "&st(1/0|1;2)=", "\r\nError: divided by zero: 1/0" + kPrompt},
      {{}, "&st(1;(2;3)=", "\r\nError: bracket: 1 left excessive or 1 right missing: (2" + kPrompt},
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
    EXPECT_NEAR(multiple, std::round(multiple), 1e-8) << root;
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
