// A desktop started in a comma-decimal locale must still print 0.5 and read 3.5.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

TEST(Locale, AnswersAreTheSameUnderACommaDecimalLocale) {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "the de_DE.UTF-8 locale could not be loaded (LOCPATH)";
  }
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 0.5);
  ASSERT_STREQ(probe, "0,5") << "the locale is active for the C library";

  ConsoleHarness console;
  EXPECT_EQ(console.Answer("0.5+1="), "1.5\r\n\\\\\r\n");
  EXPECT_EQ(console.Answer("1/4="), "0.25\r\n\\\\\r\n");
  EXPECT_EQ(console.Answer("3.5e-1*2="), "0.7\r\n\\\\\r\n");
  console.Type("x=2.5");
  EXPECT_EQ(console.Answer("x*2="), "5\r\n\\\\\r\n");
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace orvo::test
