// Checking new definitions. The refusals and stored forms a user sees are golden transcripts
// (tests/transcripts/userdef.txt); these rows are the stored forms the listing does not show.
#include <gtest/gtest.h>

#include <string>

#include "base/random.h"
#include "userdef/userdef.h"

namespace orvo::test {
namespace {

struct CheckRow {
  const char* head;
  const char* body;
  const char* name;
  const char* expression;
  const char* parameters;
  int lastParameter;
};

TEST(ValidateDefinition, AcceptsAndStoresThePreparedForm) {
  const CheckRow rows[] = {
      {"f(x,y)", "x^2+y", "f", "(X^2+Y)", "X,Y", 1},
      {" f ( x ) ", " x ^ 2 ", "f", "(X^2)", "X", 0},  // blanks go
      {"f(x)", "(x)+(1)", "f", "(X)+(1)", "X", 0},     // only the ends decide the wrapping
      {"g()", "bar", "g", "(bar)", "", 0},             // without parameters nothing is tried
      {"f(x,x)", "x", "f", "(X)", "X,X", 1},
      {"f(x)junk", "2*x", "f", "(2*X)", "X", 0},      // the head ends at its ")"
      {"f(x,)", "(x)+(1)", "f", "(X)+(1)", "X,", 1},  // the empty token ")+" is the name ""
      {"f(x1)", "x1+1", "f", "(X1+1)", "X1", 0},
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

}  // namespace
}  // namespace orvo::test
