// Expanding calls of user-defined functions in command lines.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/random.h"
#include "tests/support/definitions.h"
#include "userdef/userdef.h"

namespace orvo::test {
namespace {

TEST(FindClosingBracket, SkipsInnerGroupsOfAnyKind) {
  const std::pair<const char*, std::ptrdiff_t> rows[] = {
      {"2)", 1},  {"(1)+2)", 5}, {"[1]]", 3}, {"{(})x)", 5}, {"a,b)+c)", 3},
      {"(1", -1}, {"", -1},      {"1+2", -1}, {"((", -1},    {")", 0},
  };
  for (const auto& [text, index] : rows) EXPECT_EQ(FindClosingBracket(text), index) << text;
}

TEST(ExpandCall, PutsTheArgumentsInPlaceOfTheParameters) {
  using enum CallExpansion;
  const struct {
    const char* head;
    const char* body;
    const char* arguments;
    CallExpansion outcome;
    const char* result = "";
    std::size_t limit = kMaxExpandedLength;
  } rows[] = {
      {"f(x,y)", "x^2+y", "(2,a+1)", kExpanded, "(2^2+(a+1))"},  // longer arguments get brackets
      {"f(x,y)", "x^2+y", "(f(1,2),3)", kExpanded, "((f(1,2))^2+3)"},  // inner commas stay
      {"f(x,y)", "x^2+y", "(,)", kExpanded, "(^2+)"},
      {"f()", "2+3", "(1,2)", kArgumentCount},
      {"f(x)", "x*x*x", "(12)", kExpanded, "((12)*(12)*(12))", 16},
      {"f(x)", "x*x*x", "(12)", kTooLong, "", 15},
  };
  for (const auto& row : rows) {
    DefinitionStore store = Store({{row.head, row.body}});
    std::string result;
    EXPECT_EQ(ExpandCall(store.definitions[0], row.arguments, result, row.limit), row.outcome)
        << row.head << row.arguments;
    if (row.outcome == kExpanded) {
      EXPECT_EQ(result, row.result) << row.head << row.arguments;
    }
  }
}

TEST(ExpandDefinedCalls, DeepNestingIsExpandedOrRefusedInBoundedWork) {
  DefinitionStore store = Store({{"f(x)", "x"}});
  auto nested = [](int depth) {
    std::string text;
    for (int k = 0; k < depth; ++k) text += "f(";
    return text + "1" + std::string(static_cast<std::size_t>(depth), ')');
  };
  std::string call = nested(2000);
  // f(f(1)) is ((f(1))) and then (((1))): d calls make 2d-1 pairs of brackets.
  EXPECT_EQ(ExpandDefinedCalls(store, call), std::string(3999, '(') + "1" + std::string(3999, ')'));

  EXPECT_FALSE(ExpandDefinedCalls(store, nested(40000)));
}

// Loaded files are not checked against each other, so two definitions may call each other;
// each definition makes one pass, so the expansion still ends.
TEST(ExpandDefinedCalls, DefinitionsCallingEachOtherEndAfterOnePassEach) {
  DefinitionStore store;
  store.definitions[0] = {"f", "(g(X))", "X", 0};
  store.definitions[1] = {"g", "(f(X))", "X", 0};
  store.lastDefinition = 1;
  EXPECT_EQ(ExpandDefinedCalls(store, "f(1)"), "((f(1)))");
}

TEST(ExpandDefinedCalls, LongNamesAreSearchedInLinearTime) {
  DefinitionStore store;
  FunctionDefinition& long_name = store.definitions[++store.lastDefinition];
  long_name.name = std::string(1000, 'a') + "b";
  long_name.expression = "(X)";
  long_name.parameters = "X";
  const std::string text = std::string(300000, 'a') + "b(5)";
  EXPECT_EQ(ExpandDefinedCalls(store, text), std::string(299000, 'a') + "(5)");
}

}  // namespace
}  // namespace orvo::test
