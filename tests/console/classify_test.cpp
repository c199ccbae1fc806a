// How a typed line is read: one row per kind of line, the tricky ones included.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/random.h"
#include "console/classify.h"
#include "tests/support/definitions.h"

namespace orvo::test {
namespace {

struct ClassRow {
  const char* typed;
  LineKind kind;
  const char* line;
  char family;
  const char* word;
  bool knownWord;
  Setting setting;
};

TEST(Classify, TellsEveryKindOfLine) {
  using K = LineKind;
  using S = Setting;
  const ClassRow rows[] = {
      {"", K::kEmpty, "", 0, "", false, S::kNone},
      {" 1 + 2", K::kText, "1+2", 0, "", false, S::kNone},
      {"a=0", K::kText, "a=0", 0, "", false, S::kNone},  // one character before "=0"
      {"{1+[2]}*2=", K::kExpression, "(1+(2))*2", 0, "", false, S::kNone},
      {"X==", K::kExpression, "x", 0, "", false, S::kNone},
      {"x^2-4=0", K::kRoots, "x^2-4", 0, "", false, S::kNone},
      {"x-10=0", K::kRoots, "x-10", 0, "", false, S::kNone},
      {"&rt(x^2-4;0;3)=0", K::kRoots, "&rt(x^2-4;0;3)", '&', "rt(", true, S::kNone},
      {"&is(0;1;x)=", K::kCommand, "&is(0;1;x)", '&', "is(", true, S::kNone},
      {"&=", K::kCommand, "&", '&', "", true, S::kNone},
      {"&foo=", K::kCommand, "&foo", '&', "", false, S::kNone},
      {"#define(f(a);a^2)=", K::kCommand, "#define(f(a);a^2)", '#', "define(", true, S::kNone},
      {"@DET(mat1)=", K::kCommand, "@det(mat1)", '@', "det(", true, S::kNone},
      {"&is(0;1;x)", K::kText, "&is(0;1;x)", '&', "is(", true, S::kNone},
      {"x=5", K::kSetting, "x=5", 0, "x=", false, S::kSetX},
      {"max=5", K::kSetting, "max=5", 0, "x=", false, S::kSetX},  // holds "x="
      {"Y=pi", K::kSetting, "y=pi", 0, "y=", false, S::kSetY},
      {"prec=10", K::kSetting, "prec=10", 0, "prec=", false, S::kSetPrecision},
      {"prec=", K::kSetting, "prec=", 0, "prec", false, S::kShowPrecision},
      {"x=0", K::kSetting, "x=0", 0, "x", false, S::kResetX},
      {"z=0", K::kSetting, "z=0", 0, "z", false, S::kResetZ},
      {"x=", K::kExpression, "x", 0, "", false, S::kNone},  // shows x
      {"bracketoff", K::kSetting, "bracketoff", 0, "bracketoff", false, S::kBracketOff},
      {"save 3", K::kScreen, "save3", 0, "save", false, S::kSave},
      {"delete3", K::kScreen, "delete3", 0, "delete", false, S::kDelete},
  };
  for (const ClassRow& row : rows) {
    LineClass c = Classify(CleanCommand(row.typed));
    EXPECT_EQ(c.kind, row.kind) << row.typed;
    EXPECT_EQ(c.line, row.line) << row.typed;
    EXPECT_EQ(c.family, row.family) << row.typed;
    EXPECT_EQ(c.word, row.word) << row.typed;
    EXPECT_EQ(c.knownWord, row.knownWord) << row.typed;
    EXPECT_EQ(c.setting, row.setting) << row.typed;
  }
}

TEST(ExpandLine, ReachesEveryCallButCommandWordsAndNewNames) {
  DefinitionStore store = Store({{"f(x)", "x^2"}, {"s(x)", "x+1"}});
  const std::pair<const char*, const char*> rows[] = {
      {"f(x)-4=0", "(x^2)-4"},
      {"f(2=", "f(2"},      // no closing bracket
      {"fx(1)=", "fx(1)"},  // the name must be followed by "("
      {"&is(f(0);1;f(x))=", "&is((0^2);1;(x^2))"},
      {"&is(0;1;s(x))=", "&is(0;1;(x+1))"},  // the command word "&is" holds "s(" but stays
      {"&st(f(1);f(2))=", "&st((1^2);(2^2))"},
      {"@set(f(x);mat1)=", "@set((x^2);mat1)"},
      {"#define(f(x);f(x)+1)=", "#define(f(x);(x^2)+1)"},  // the new head stays as typed
      {"#define(f(x)f(x))=", "#define(f(x)f(x))"},         // no body: nothing to expand
      {"#include(f(1).def)=", "#include(f(1).def)"},
      {"#undef(f(1))=", "#undef(f(1))"},
      {"=", ""},
  };
  for (auto [typed, expanded] : rows) {
    EXPECT_EQ(ExpandLine(store, Classify(typed)), expanded) << typed;
  }
  EXPECT_EQ(ExpandLine(DefinitionStore{}, Classify("f(2)=")), "f(2)");
}

}  // namespace
}  // namespace orvo::test
