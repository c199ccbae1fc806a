// "&lrt(" at the console: typed lines -> the exact answer of the last one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

using Case = ConsoleCase;

class LinearEquations : public ::testing::TestWithParam<Case> {};

TEST_P(LinearEquations, AnswersExactly) {
  EXPECT_EQ(EscapedAnswer(GetParam()), Escape(GetParam().answer));
}

const Case kCases[] = {
    {{},
     "&lrt(2;1|3|1;-1|0|)=",
     "\r\nThe read-in matrix was\r\n2 1 | 3\r\n1 -1 | 0\r\nThe roots were\r\nx[1]=1\r\nx[2]=1\r\n"
     "\\\\\r\n"},
    // Without its closing bracket the last right-hand side keeps all its digits.
    {{},
     "&lrt(2;1|3|1;-1|12=",
     "\r\nThe read-in matrix was\r\n2 1 | 3\r\n1 -1 | 12\r\nThe roots were\r\nx[1]=5\r\nx[2]=-7\r\n"
     "\\\\\r\n"},
    {{"prec=12", "x=5"},
     "&lrt(3;x|1|1;2|1)=",
     "\r\nThe read-in matrix was\r\n3 0 | 1\r\n1 2 | 1\r\nThe roots were\r\nx[1]=0.333333333333\r\n"
     "x[2]=0.333333333333\r\n\\\\\r\n"},
    {{},
     "&lrt(2^10;1e-3|2|0;1|-1)=",
     "\r\nThe read-in matrix was\r\n1024 0.001 | 2\r\n0 1 | -1\r\nThe roots were\r\n"
     "x[1]=0.0019541016\r\nx[2]=-1\r\n\\\\\r\n"},
    {{},
     "&lrt(0;0;0|0|0;0;0|0|0;0;0|0)=",
     "\r\nThe read-in matrix was\r\n0 0 0 | 0\r\n0 0 0 | 0\r\n0 0 0 | 0\r\nError: The matrix is "
     "singular, there is no unique solution\r\n\\\\\r\n"},
    {{}, "&lrt()=", "\r\nError: Illegal format of &lrt() function\r\n\\\\\r\n"},
    {{}, "&lrt(1;2)=", "\r\nError: Illegal format of &lrt() function\r\n\\\\\r\n"},
    {{}, "&lrt(1;2|3|4;5)=", "\r\nError: Illegal format of &lrt() function\r\n\\\\\r\n"},
    {{}, "&lrt(1;2|3;4|5;6|7)=", "\r\nError: Unknown char: ;: 3;4\r\n\\\\\r\n"},
    {{},
     "&lrt(1/0;1|2|1;q|3)=",
     "\r\nError: divided by zero: 1/0\r\nError: Unknown char: q: q\r\n\\\\\r\n"},
    {{},
     "&lrt(1;1|(|1;-1|0)=",
     "\r\nError: bracket: 1 left excessive or 1 right missing: (\r\n\\\\\r\n"},
    // A not-a-number coefficient leaves no usable pivot.
    {{},
     "&lrt(0*1e400;1|1|1;1|2)=",
     "\r\nThe read-in matrix was\r\n-nan 1 | 1\r\n1 1 | 2\r\nError: The matrix is singular, there "
     "is no unique solution\r\n\\\\\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Lines, LinearEquations, ::testing::ValuesIn(kCases));

// An n x n system with integer coefficients and the solution 1, 2, ..., n; `extraColumn` puts a
// 21st coefficient into the last row.
struct System {
  std::string command;
  std::string shown;  // the read-in matrix as the answer shows it
};

System MakeSystem(int rows, int cols) {
  System s{"&lrt(", ""};
  for (int i = 0; i < rows; ++i) {
    long long b = 0;
    for (int j = 0; j < cols; ++j) {
      int a = i == j ? 40 : (i * 7 + j * 3) % 5 - 2;
      b += static_cast<long long>(a) * (j + 1);
      s.command += std::to_string(a) + (j + 1 < cols ? ";" : "|");
      if (j < 20) s.shown += std::to_string(a) + " ";
    }
    s.command += std::to_string(b) + (i + 1 < rows ? "|" : ")=");
    s.shown += "| " + std::to_string(b) + "\r\n";
  }
  return s;
}

TEST(LinearEquationsLimits, TwentyEquationsAreSolved) {
  ConsoleHarness console;
  System s = MakeSystem(20, 20);
  std::string expected = "\r\nThe read-in matrix was\r\n" + s.shown + "The roots were\r\n";
  for (int i = 1; i <= 20; ++i) {
    expected += "x[" + std::to_string(i) + "]=" + std::to_string(i) + "\r\n";
  }
  EXPECT_EQ(Escape(console.Answer(s.command)), Escape(expected + "\\\\\r\n"));
}

TEST(LinearEquationsLimits, TheTwentyFirstRowStopsReading) {
  ConsoleHarness console;
  System s = MakeSystem(21, 20);
  std::string shown = s.shown.substr(0, s.shown.rfind("\r\n", s.shown.size() - 3) + 2);
  EXPECT_EQ(Escape(console.Answer(s.command)), Escape("\r\nThe read-in matrix was\r\n" + shown +
                                                      "Error: Rows more than 20\r\n\\\\\r\n"));
}

TEST(LinearEquationsLimits, TheTwentyFirstColumnStopsReading) {
  ConsoleHarness console;
  EXPECT_EQ(Escape(console.Answer(MakeSystem(1, 21).command)),
            Escape("\r\nThe read-in matrix was\r\nError: Columns more than 20\r\n\\\\\r\n"));
  System two = MakeSystem(2, 20);
  std::string command = two.command;
  command.replace(command.find("|", command.find("|") + 1) + 1, 0, "1;");  // row 2: 21
  std::string firstRow = two.shown.substr(0, two.shown.find("\r\n") + 2);
  EXPECT_EQ(Escape(console.Answer(command)), Escape("\r\nThe read-in matrix was\r\n" + firstRow +
                                                    "Error: Columns more than 20\r\n\\\\\r\n"));
}

TEST(LinearEquationsLimits, AHugeLineAnswersInBoundedWork) {
  ConsoleHarness console;
  std::string command = "&lrt(";
  for (int i = 0; i < 50000; ++i) command += "1;";
  command += "1|1)=";
  EXPECT_EQ(Escape(console.Answer(command)),
            Escape("\r\nThe read-in matrix was\r\nError: Columns more than 20\r\n\\\\\r\n"));
}

}  // namespace
}  // namespace orvo::test
