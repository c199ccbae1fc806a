// What the status line says about the line being typed, before Enter.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "console/preview.h"
#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

TEST(Preview, SaysWhatEnterWouldGive) {
  ConsoleHarness console;
  console.Type("#define(f(a);a^2)=");
  console.Type("x=3");
  const std::pair<const char*, const char*> rows[] = {
      {"1+2=", "= 3"},
      {"1 + 2", "= 3"},
      {"f(2)+x=", "= 7"},
      {"1/0=", "Error: divided by zero"},
      {"5*-2=",
       "= 10  \u00B7  read as 5*2 (a sign right after an operator is dropped: write 5*(-2))"},
      {"pow(2,-1)",
       "= 2  \u00B7  read as pow(2,1) (a sign after a comma is dropped: write pow(2,(-1)))"},
      {"x>=-1", "= 1  \u00B7  read as x>=1 (a sign after a comparison is dropped: write x>=(-1))"},
      {"2^-1^2+1",
       "= 5  \u00B7  read as 2^1^2+1 (a sign right after an operator is dropped: "
       "write 2^(-1^2)+1)"},
      {"3*+", "= 3  \u00B7  read as 3 (the end after the last operand is ignored)"},
      {"5*/-2",
       "= 10  \u00B7  read as 5*2 (of two operators in a row only the first is kept, a "
       "sign right after an operator is dropped: write 5*(-2))"},
      {"&s(1;100;1;x)=", "a numerical tool (&): not previewed, Enter runs it"},
      {"&s(1;100;1;x)", "a numerical tool (&): not previewed, end it with = to run it"},
      {"&u(60mph;km/h)", "= 96.56064 km/h"},
      {"&u(1MPa;mPa)=", "= 1e+09 mPa"},
      {"&u(3m+2s)=", "Error: &u: cannot add m and s (length and time)"},
      {"&u=", "a help page, Enter runs it"},
      {"&func=", "a help page, Enter runs it"},
      {"&foo=", "Error: There was no such & function"},
      {"@det(mat1)=", "a matrix or complex command (@): not previewed, Enter runs it"},
      {"#viewdef=", "a user-defined-function command (#): not previewed, Enter runs it"},
      {"x^2-4=0", "roots of the expression: not previewed, Enter runs it"},
      {"x=x+1", "a setting, Enter runs it"},
      {"save 2", "a screen store command, Enter runs it"},
      {"prec=", "= 8"},
      {"", ""},
      {" ", ""},
  };
  for (auto [line, preview] : rows)
    EXPECT_EQ(PreviewLine(console.session(), line), preview) << line;
  EXPECT_EQ(PreviewLine(console.session(), std::string(kMaxPreviewLength + 1, '1')), "");
}

// A preview changes nothing: a random search previewed first answers as in a fresh session.
TEST(Preview, LeavesTheSessionAlone) {
  ConsoleHarness fresh;
  ConsoleHarness previewed;
  EXPECT_EQ(PreviewLine(previewed.session(), "invt(0.05,10)="), "= 2.2281389");
  EXPECT_EQ(previewed.session().state().evaluator.GetX(), 0);
  EXPECT_EQ(previewed.Answer("invt(0.05,10)="), fresh.Answer("invt(0.05,10)="));
}

}  // namespace
}  // namespace orvo::test
