// Checking new definitions and keeping the store sorted.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/random.h"
#include "userdef/userdef.h"

namespace orvo::test {
namespace {

constexpr const char* kTrailer = "\r\n/Error checking was disrupted by above critical error(s)/";

struct CheckRow {
  const char* head;
  const char* body;
  std::string message;  // "" when the definition is good
  // The stored form, when good.
  const char* name = "";
  const char* expression = "";
  const char* parameters = "";
  int lastParameter = 0;
};

TEST(ValidateDefinition, AcceptsAndStoresThePreparedForm) {
  const CheckRow rows[] = {
      {"f(x)", "x^2", "", "f", "(X^2)", "X", 0},
      {"f(x,y)", "x^2+y", "", "f", "(X^2+Y)", "X,Y", 1},
      {" f ( x ) ", " x ^ 2 ", "", "f", "(X^2)", "X", 0},  // blanks go
      {"area(ab,b)", "ab*b", "", "area", "(AB*B)", "AB,B", 1},
      {"f(x)", "(x)+(1)", "", "f", "(X)+(1)", "X", 0},  // only the ends decide the wrapping
      {"f(x)", "(x+1)", "", "f", "(X+1)", "X", 0},
      {"f(x)", "1/(x-z)", "", "f", "(1/(X-z))", "X", 0},  // dividing by zero at z=pi is fine
      {"f()", "2+3", "", "f", "(2+3)", "", 0},
      {"g()", "bar", "", "g", "(bar)", "", 0},  // without parameters nothing is tried
      {"f(x,x)", "x", "", "f", "(X)", "X,X", 1},
      {"f(x)junk", "2*x", "", "f", "(2*X)", "X", 0},      // the head ends at its ")"
      {"f(x,)", "(x)+(1)", "", "f", "(X)+(1)", "X,", 1},  // the empty token ")+" is the name ""
      {"f(x1)", "x1+1", "", "f", "(X1+1)", "X1", 0},
  };
  Random rng;
  for (const CheckRow& row : rows) {
    FunctionDefinition slot;
    EXPECT_EQ(ValidateDefinition(slot, row.head, row.body, rng), "") << row.head << ";" << row.body;
    EXPECT_EQ(slot.name, row.name) << row.head;
    EXPECT_EQ(slot.expression, row.expression) << row.head << ";" << row.body;
    EXPECT_EQ(slot.parameters, row.parameters) << row.head;
    EXPECT_EQ(slot.lastParameter, row.lastParameter) << row.head;
  }
}

TEST(ValidateDefinition, RefusesWithTheFirstFailingRule) {
  const CheckRow rows[] = {
      {"f(x)", "", "Error: Illegal format of #define() function"},
      {"f", "x", "Error: Illegal format of #define() function"},
      {"f(x", "x", "Error: Illegal format of #define() function"},
      {"s(x)", "sin(x)", "Error: Expression contains function name: s"},
      // A plain text search: "foo" contains "f".
      {"f(x)", "foo(x)", "Error: Expression contains function name: f"},
      {"(x)", "x", "Error: Expression contains function name: "},  // an empty name
      // The name is looked for before the brackets of the head are checked.
      {"f(x", "f", "Error: Expression contains function name: f"},
      {"f(x+1)", "x", "Error: Illegal function parameters: x+1"},
      {"f(x(y)", "x", "Error: Illegal function parameters: x(y"},
      {"f(x,,y)", "x+y", "Error: Illegal function parameters: x,,y"},
      {"f(,x)", "x", "Error: Illegal function parameters: ,x"},
      {"f(x,y)", "x", "Error: Parameter(s) \"y\" didn't exist in expression: (x)"},
      {"f(x,y,z)", "x+1", "Error: Parameter(s) \"y\"z\" didn't exist in expression: (x+1)"},
      {"f(x,)", "x+1", "Error: Parameter(s) \"\" didn't exist in expression: (x+1)"},
      // Tokens that merely contain the parameter do not mark it.
      {"f(x)", "2x", "Error: Parameter(s) \"x\" didn't exist in expression: (2x)"},
      {"f(x)", "x!", "Error: Parameter(s) \"x\" didn't exist in expression: (x!)"},
      {"f(x)", "x(1)", "Error: Parameter(s) \"x\" didn't exist in expression: (x(1))"},
      {"f(x,y)", "y+1", "Error: Parameter(s) \"x\" didn't exist in expression: (y+1)"},
      // The trial evaluation: faults of form.
      {"g(x)", "foo(x)", std::string("Error: Unknown char: foo") + kTrailer},
      {"g(x)", "(x+1",
       std::string("Error: bracket: 1 left excessive or 1 right missing") + kTrailer},
  };
  Random rng;
  for (const CheckRow& row : rows) {
    FunctionDefinition slot;
    EXPECT_EQ(ValidateDefinition(slot, row.head, row.body, rng), row.message)
        << row.head << ";" << row.body;
  }
}

TEST(ValidateDefinition, HugeBodiesAndParameterListsAreCheckedLikeSmallOnes) {
  Random rng;
  std::string body = "x";
  while (body.size() < 10000) body += "+x-1";
  FunctionDefinition slot;
  EXPECT_EQ(ValidateDefinition(slot, "g(x)", body, rng), "");
  EXPECT_EQ(slot.expression.size(), body.size() + 2);
  // More operands than an expression may have: the trial refuses it.
  while (body.size() < 50000) body += "+x-1";
  EXPECT_EQ(ValidateDefinition(slot, "g(x)", body, rng).substr(0, 33),
            "Error: The expression is too long");

  std::string parameters;
  std::string sum;
  for (int i = 0; i < 3000; ++i) {
    parameters += (i ? ",v" : "v") + std::to_string(i);
    sum += (i ? "+v" : "v") + std::to_string(i);
  }
  EXPECT_EQ(ValidateDefinition(slot, "big(" + parameters + ")", sum, rng), "");
  EXPECT_EQ(slot.lastParameter, 2999);
  EXPECT_EQ(slot.parameters.substr(0, 9), "V0,V1,V2,");
}

DefinitionStore StoreWithNames(const std::vector<std::string>& names) {
  DefinitionStore store;
  for (const std::string& name : names) {
    store.definitions[++store.lastDefinition].name = name;
  }
  return store;
}

TEST(SortDefinitions, LongestNamesFirst) {
  DefinitionStore store = StoreWithNames({"a", "bb", "ccc"});
  SortDefinitions(store);
  EXPECT_EQ(store.definitions[0].name, "ccc");
  EXPECT_EQ(store.definitions[1].name, "bb");
  EXPECT_EQ(store.definitions[2].name, "a");

  store = StoreWithNames({"g", "area", "gg", "v", "speed", "hh", "w", "abc", "q", "z1"});
  SortDefinitions(store);
  for (int i = 1; i < store.count(); ++i) {
    EXPECT_GE(store.definitions[i - 1].name.size(), store.definitions[i].name.size()) << i;
  }
  EXPECT_EQ(store.definitions[0].name, "speed");
  EXPECT_EQ(store.definitions[1].name, "area");
  EXPECT_EQ(store.definitions[2].name, "abc");
  std::vector<std::string> names;
  for (int i = 0; i < store.count(); ++i) names.push_back(store.definitions[i].name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"abc", "area", "g", "gg", "hh", "q", "speed", "v", "w",
                                             "z1"}));
}

TEST(SortDefinitions, LeavesSlotsBeyondTheLastAlone) {
  DefinitionStore store = StoreWithNames({"a", "bb"});
  store.definitions[5].name = "unused";
  SortDefinitions(store);
  EXPECT_EQ(store.definitions[0].name, "bb");
  EXPECT_EQ(store.definitions[5].name, "unused");
}

}  // namespace
}  // namespace orvo::test
