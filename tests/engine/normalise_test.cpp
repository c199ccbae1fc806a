// The canonical text that the splitter receives for typed input.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/detail/normalise.h"

namespace orvo::detail {
namespace {

struct Row {
  const char* typed;
  const char* canonical;
};

TEST(Normalise, GivesTheCanonicalForm) {
  const Row rows[] = {
      {"1+2", "(0+1+2)"},
      {"1+2=", "(0+1+2)"},
      {"-3", "(0-3)"},
      {"2x", "(0+2*x)"},
      {"sin(x)", "(0+sin(0+x)+0)"},
      {"3!", "(0+3!1)"},
      {"50%", "(0+50%0)"},
      {"((1))", "(0+(0+(0+1)+0)+0)"},
      {"", "(0+0)"},
      {"   ", "(0+0)"},
      {"2 x", "(0+2*x)"},
      {"2(3)", "(0+2*(0+3)+0)"},
      {"(1)(2)", "(0+(0+1)*(0+2)+0)"},
      {"(x+1)2", "(0+(0+x+1)^2)"},
      {"x2", "(0+x^2)"},
      {"xy", "(0+x*y)"},
      {"11^-3", "(0+11^3)"},
      {"1+-4-%^4", "(0+1+4-4)"},
      {"3%%", "(0+3%0%0)"},
      {"3%!", "(0+3%0!1)"},
      {"3!!", "(0+3!1!1)"},
      {"3!2", "(0+3!1*2)"},
      {"3!.5", "(0+3!1*0.5)"},
      {"1'000+1", "(0+1000+1)"},
      {"x>=-1", "(0+x>=1)"},
      {"2*-3", "(0+2*3)"},
      {"pow(2,-1)", "(0+pow(0+2,1)+0)"},
      {"pow(2,(-1))", "(0+pow(0+2,(0-1)+0)+0)"},
      {"log10(100)", "(0+LOGTEN(0+100)+0)"},
      {"exp(1)", "(0+EXP(0+1)+0)"},
      {"polyn(2,1)", "(0+polYN(0+2,1)+0)"},
      {"vcylinder(1,2)", "(0+vCYLinder(0+1,2)+0)"},
      {"fix(3.9)", "(0+FIX(0+3.9)+0)"},
      {"!(0)", "(0+not(0+0)+0)"},
      {"1!=2", "(0+1<>2)"},
      {"1<-2", "(0+1<2)"},
      {"pi()", "(0+pi(0+0)+0)"},
      {"3*", "(0+3)"},
      {"5%)", "(0+5%0)+0)"},
      {"(-3*2)e+(2+0.5)", "(0+(0-3*2)e+(0+2+0.5)+0)"},
  };
  for (const Row& row : rows) EXPECT_EQ(Normalise(row.typed), row.canonical) << row.typed;
}

// What the rules drop, as "position:length:rule" per note (rules numbered as DropRule).
TEST(Normalise, NotesWhatItDrops) {
  const std::pair<const char*, const char*> rows[] = {
      {"5*-2", "2:1:0"},
      {"10/-2", "3:1:0"},
      {"2^-1", "2:1:0"},
      {"pow(2,-1)", "6:1:1"},
      {"x>=-1", "3:1:2"},
      {"1<*2", "2:1:3"},
      {"5*/2", "2:1:3"},
      {"1+<2", "2:1:3"},
      {"2+!3", "2:1:3"},
      {"log10(5)*-1'0+atan2(1,-2)", "9:1:0 22:1:1"},
      {"1+--4", "2:1:0 3:1:0"},
      {"3*+=", "1:2:4"},
      {"5* -2", "3:1:0"},
      {"1+2=", ""},
      {"pow(2,(-1))+3%!+5%%-(-2)", ""},
      {"-3+x2-!(1)+3!2", ""},
      {"", ""},
  };
  for (auto [typed, expected] : rows) {
    std::vector<DroppedOperator> notes;
    std::string canonical = Normalise(typed, &notes);
    EXPECT_EQ(canonical, Normalise(typed)) << typed;
    std::string got;
    for (const DroppedOperator& note : notes) {
      got += (got.empty() ? "" : " ") + std::to_string(note.position) + ":" +
             std::to_string(note.length) + ":" + std::to_string(static_cast<int>(note.rule));
    }
    EXPECT_EQ(got, expected) << typed;
  }
}

}  // namespace
}  // namespace orvo::detail
