// Completion and the signature hint: what the faces offer while a line is typed.
#include <gtest/gtest.h>

#include <string>

#include "console/completion.h"
#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

// The names offered for the word before the caret ("|" in the line, else its end).
std::string Offered(std::string_view typed, const DefinitionStore& definitions) {
  std::string line(typed);
  std::size_t caret = line.find('|');
  if (caret == std::string::npos)
    caret = line.size();
  else
    line.erase(caret, 1);
  std::string names;
  for (const Completion& completion : Complete(line, caret, definitions).candidates) {
    names += (names.empty() ? "" : " ") + completion.name;
  }
  return names;
}

// The usage of the call around the caret with the argument being typed in brackets.
std::string Hint(std::string_view typed, const DefinitionStore& definitions) {
  std::string line(typed);
  std::size_t caret = line.find('|');
  line.erase(caret, 1);
  std::optional<SignatureHint> hint = HintAt(line, caret, definitions);
  if (!hint) return "-";
  std::string shown = hint->usage;
  if (hint->argumentLength > 0) {
    shown.insert(hint->argument + hint->argumentLength, "]");
    shown.insert(hint->argument, "[");
  }
  return shown;
}

class Typing : public ::testing::Test {
 protected:
  void SetUp() override {
    console_.Type("#define(sqr(a);a^2)=");
    console_.Type("#define(sin(t);t+1)=");
  }
  const DefinitionStore& definitions() { return console_.session().state().definitions; }
  ConsoleHarness console_;
};

TEST_F(Typing, OffersTheNamesThatStartLikeTheWord) {
  const std::pair<const char*, const char*> rows[] = {
      {"ga", "gamma gammainc gammaln gammalninv"},
      {"2+GAM", "gamma gammainc gammaln gammalninv"},
      {"2sq", "sqr sqrt"},                   // the user's function first, with a built-in
      {"si", "sin si sign sind sinh sinl"},  // theirs hides the built-in sin
      {"a", "abs ach acos acosh al anglell ans arcch"},  // at most eight; ans is the console's
      {"gam|ma(1)", "gamma gammainc gammaln gammalninv"},
      {"&i", "&is( &ir( &ig( &it( &it1( &it2("},
      {"&O", "&oper= &other="},
      {"@d", "@det( @d+( @d-( @d*( @d("},
      {"#", "#undef( #savedef= #viewdef= #loaddef= #define( #include("},
      {"&is(0;1;gammal", "gammaln gammalninv"},
      {"1+2", ""},
      {"sin(x)+", ""},
      {"qq", ""},
  };
  for (auto [typed, names] : rows) EXPECT_EQ(Offered(typed, definitions()), names) << typed;
}

TEST_F(Typing, EachCandidateCarriesItsUsageAndWhatToInsert) {
  CompletedWord word = Complete("1+incg", 6, definitions());
  ASSERT_EQ(word.candidates.size(), 1u);
  EXPECT_EQ(word.start, 2u);
  EXPECT_EQ(word.candidates[0].insert, "incgamma(");
  EXPECT_EQ(word.candidates[0].usage, "incgamma(x,a): regularised lower incomplete gamma function");
  word = Complete("&pl", 3, definitions());
  ASSERT_EQ(word.candidates.size(), 1u);
  EXPECT_EQ(word.start, 1u);
  EXPECT_EQ(word.candidates[0].insert, "plot(");
  EXPECT_EQ(Complete("sq", 2, definitions()).candidates[0].usage, "sqr(a): a^2");
}

TEST_F(Typing, HintsTheCallAroundTheCaret) {
  const std::pair<const char*, const char*> rows[] = {
      {"pow(2,|", "pow(x,[y]): x to the power y"},
      {"pow(|2,3)", "pow([x],y): x to the power y"},
      {"cos(pow(2,3)+|", "cos([x]): cosine, x in radians"},
      {"cos(pow(2,|3))", "pow(x,[y]): x to the power y"},
      {"cos((1+|2)*3)", "cos([x]): cosine, x in radians"},
      {"POWER(2 , 3|", "power(x,[y]): x to the power y"},
      {"mean(1,2,3,4,5|", "mean(x1,x2,...,[xn]): arithmetic mean"},
      {"pow(1,2,|3)", "pow(x,y): x to the power y"},  // past its parameters: none marked
      {"sqr(2|", "sqr([a]): a^2"},
      {"&is(0;|", "&is(a;[b];f(x)): Simpson integral"},
      {"&is(0;1;x^|2)", "&is(a;b;[f(x)]): Simpson integral"},
      {"&is(0;1;pow(x,|", "pow(x,[y]): x to the power y"},
      {"@1(2,2;1;|", "@1(m,n;a11;...;[amn]): defines mat1"},
      {"pow(2,3)|", "-"},
      {"1+2|", "-"},
      {"&i|s(0;1;x)", "-"},
      {"foo(1,|", "-"},
  };
  for (auto [typed, shown] : rows) EXPECT_EQ(Hint(typed, definitions()), shown) << typed;
}

}  // namespace
}  // namespace orvo::test
