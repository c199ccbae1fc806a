// "&lrt(" at the console at and beyond its limit of 20 equations (the exact answers of small
// systems are golden transcripts, tests/transcripts/matrix.txt).
#include <gtest/gtest.h>

#include <string>

#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

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
