// Bracket selection on the console text, position by position.
#include "app/bracket_selection.h"

#include <gtest/gtest.h>

namespace orvo::app {
namespace {

struct Case {
  std::u16string_view text;
  std::size_t p;
  std::optional<TextRange> expected;
};

// Line breaks are the widget's single separator character (U+2029).
TEST(BracketSelection, SelectsFromABracketToItsPartnerOrNothing) {
  const Case cases[] = {
      {u"2*(3+[4-1])=", 2, TextRange{2, 11}},             // "(3+[4-1])"
      {u"2*(3+[4-1])=", 5, TextRange{5, 10}},             // "[4-1]"
      {u"2*(3+[4-1])=", 10, TextRange{2, 11}},            // from ")" back to "("
      {u"{1+[2]}*2=", 0, TextRange{0, 7}},                // any opening pairs with any closing
      {u"2*(3+4=", 2, TextRange{2, 3}},                   // unmatched: the bracket alone
      {u"1+2)=", 3, TextRange{3, 4}},                     // unmatched closing
      {u"(1+\u20292)=", 5, TextRange{0, 6}},              // across a line break
      {u"(1+2\u2029\\\\\u20293)=", 9, TextRange{9, 10}},  // not back across a prompt line
      {u"(1+\u2029\\\\\u20292)=", 0, TextRange{0, 1}},    // not forward across a prompt line
      {u"(1+\\2)", 0, TextRange{0, 6}},                   // a single backslash is no prompt
      {u"2*(3+[4-1])=", 0, std::nullopt},                 // off a bracket: nothing
      {u"2*(3+[4-1])=", 12, std::nullopt},                // the end of the text
      {u"", 0, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(BracketSelection(c.text, c.p), c.expected) << c.p;
}

TEST(NumberOrWordAt, SelectsTheNumberOrWordUnderTheClick) {
  const Case cases[] = {
      {u"1+2=2.7182818", 6, TextRange{4, 13}},
      {u"x=1.2345679e+20\u2029", 12, TextRange{2, 15}},  // across the exponent's sign
      {u"2e-x", 0, TextRange{0, 2}},                     // no digit after the sign: no exponent
      {u"invt(0.05,10)", 2, TextRange{0, 4}},
      {u"1+2", 1, std::nullopt},  // an operator
  };
  for (const Case& c : cases) EXPECT_EQ(NumberOrWordAt(c.text, c.p), c.expected) << c.p;
}

}  // namespace
}  // namespace orvo::app
