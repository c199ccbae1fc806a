// "&lrt(" at the console at and beyond its limit of 20 equations (the exact answers of small
// systems are golden transcripts, tests/transcripts/matrix.txt).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

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
