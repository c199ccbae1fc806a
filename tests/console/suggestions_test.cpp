// "Did you mean" notes for names the engine does not take as typed.
#include <gtest/gtest.h>

#include <string>

#include "console/suggestions.h"
#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

TEST(Suggestions, OfferTheUsualSpellingOrTheNearestNames) {
  ConsoleHarness console;
  console.Type("#define(sqr(a);a^2)=");
  const std::pair<const char*, const char*> rows[] = {
      {"cos(pi/3)=", "did you mean pi()?"},
      {"2*e=", "did you mean exp(1) (or y, which starts as e)?"},
      {"e(2)+e+(1)=", ""},
      {"atand(1)=", "did you mean rtod(atan(1))?"},
      {"ATAND=", "did you mean rtod(atan(x))?"},
      {"log2(8)=", "did you mean log(2,8)?"},
      {"cbrt(2)=", "did you mean curt(2)?"},
      {"ln10=", "did you mean ln(10)?"},
      {"sin x=", "did you mean sin(x)?"},
      {"sinus(1)=", "did you mean sin(), sind(), sinh()?"},
      {"gama(5)=", "did you mean gamma()?"},
      {"2pi+ln2=", "did you mean pi()? | did you mean ln(2)?"},
      {"qqqqq(1)=", ""},
      {"sqr(2)+pi()=", ""},
      {"x^2-pi=0", "did you mean pi()?"},
      {"a=3", "only x, y and z hold values: write x=3"},
      {"max=5", ""},  // sets x
      {"a=", ""},
      {"&is(0;1;pi)=", ""},
  };
  for (auto [typed, expected] : rows) {
    std::string got;
    for (const std::string& note :
         Suggestions(Classify(CleanCommand(typed)), console.session().state().definitions)) {
      got += (got.empty() ? "" : " | ") + note;
    }
    EXPECT_EQ(got, expected) << typed;
  }
}

}  // namespace
}  // namespace orvo::test
