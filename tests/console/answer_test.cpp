// The records of answers: the values each kind of answer carries, and the content each module's
// command gives, which the console alone frames.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/interrupt.h"
#include "base/random.h"
#include "console/answer.h"
#include "matrix/commands.h"
#include "numeric/numeric.h"
#include "plot/plot.h"
#include "tests/support/console_harness.h"
#include "userdef/userdef.h"

namespace orvo::test {
namespace {

// The values of an answer as "name=text", the main one marked with "*", joined by " | ".
std::string ValuesOf(const Answer& answer) {
  std::string text;
  for (const AnswerValue& value : answer.values) {
    if (!text.empty()) text += " | ";
    text += value.name + "=" + value.text + (value.main ? "*" : "");
  }
  return text;
}

// One row per kind of answer: the line typed into a session that has `before` typed first.
TEST(AnswerValues, OneTableForEveryKind) {
  const struct {
    std::vector<std::string> before;
    const char* line;
    const char* values;
    bool failed;
  } rows[] = {
      {{}, "1+2=", "=3*", false},
      {{"x=5"}, "x=", "=5*", false},
      {{}, "&s(1;100;1;x)=", "=5050*", false},
      {{}, "&rt(-3;3;x^2-4)=", "x[1]=-2* | x[2]=2", false},
      {{}, "&prt(1;-3;2)=", "x[1]=1+0i* | x[2]=2+0i", false},
      {{}, "&prt(1;0;1)=", "x[1]=0-1i | x[2]=0+1i", false},  // no real root: no main value
      {{},
       "&st(1;2;3;4;5)=",
       "Max=5 | Min=1 | Median=3 | Mean=3* | Sum=15 | Standard deviation=1.5811388 | "
       "Average deviation=1.2 | Conf. interval (t dist.)=3 +- 1.9632432",
       false},
      {{}, "&lrt(2;1|3|1;-1|0)=", "x[1]=1* | x[2]=1", false},
      {{"@1(2,2;1;2;3;4)="}, "@det(mat1)=", "Determinant Value=-2*", false},
      {{"@1(1,1;5)="}, "@i(mat1)=", "[1,1]=0.2*", false},
      {{"@1(2,2;1;2;3;4)="}, "@trans(mat1)=", "[1,1]=1 | [1,2]=3 | [2,1]=2 | [2,2]=4", false},
      {{"@1(2,2;0;-1;1;0)="}, "@ev(mat1)=", "ev[1]=0-1i | ev[2]=0+1i", false},
      {{}, "prec=", "=8*", false},
      {{}, "x=5", "", false},
      {{}, "save1", "", false},
      {{}, "&func=", "", false},
      {{}, "#define(f(x);x^2)=", "", false},
      {{}, "&plot(0;1;x)=", "", false},
      {{}, "1/0=", "", true},
      {{"@1(2,2;1;2;3;4)="}, "@sin(mat1)=", "", true},
      {{}, "&foo=", "", true},
  };
  for (const auto& row : rows) {
    ConsoleHarness console;
    for (const std::string& line : row.before) console.Type(line);
    console.Type(row.line);
    const Answer* answer = console.session().LastAnswer();
    ASSERT_NE(answer, nullptr) << row.line;
    EXPECT_EQ(ValuesOf(*answer), row.values) << row.line;
    EXPECT_EQ(answer->failed, row.failed) << row.line;
  }
}

// The values keep the full double; the text is as printed.
TEST(AnswerValues, KeepTheFullDouble) {
  ConsoleHarness console;
  console.Type("1/3=");
  const AnswerValue* value = MainValue(*console.session().LastAnswer());
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->text, "0.33333333");
  EXPECT_EQ(value->value, 1.0 / 3);
}

// An integral the independent estimate does not confirm keeps its value and says it is warned.
TEST(AnswerValues, AWarnedAnswerKeepsItsValue) {
  ConsoleHarness console;
  console.Type("&ig(0;1;x^(-0.5))=");
  const Answer* answer = console.session().LastAnswer();
  ASSERT_NE(answer, nullptr);
  EXPECT_TRUE(answer->warned);
  EXPECT_FALSE(answer->failed);
  EXPECT_NE(MainValue(*answer), nullptr);
}

// The record holds the command as typed, its kind, the bytes the console gained and the note on
// how the line was read.
TEST(AnswerRecord, HoldsTheLineAndItsBytes) {
  ConsoleHarness console;
  console.Type("Y = 5*-2=");
  const Answer* answer = console.session().LastAnswer();
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer->command, "Y=5*-2=");
  EXPECT_EQ(answer->kind, LineKind::kExpression);
  EXPECT_EQ(answer->placement, Placement::kAfterEquals);
  EXPECT_EQ(console.Text(), "Y = 5*-2=" + answer->bytes + "\r\n");
  EXPECT_EQ(answer->block, "Y = 5*-2=" + std::string(AnswerContent(*answer)) + "\r\n");
  ASSERT_EQ(answer->notes.size(), 1u);
  EXPECT_EQ(answer->notes[0].substr(0, 8), "read as ");
}

// Each module's command gives only its content: the console adds the line break before it and
// the prompt line after it.
TEST(CommandContent, NoModuleWritesThePromptOrTheLeadingLineBreak) {
  Random rng;
  NeverInterrupt never;
  CommandEnv env{.rng = rng, .interrupt = never, .show = [](std::string_view) {}};
  MatrixSet matrices;
  DefinitionStore store;
  NoDialogs dialogs;
  DefinitionContext definitions{store, dialogs, rng, DefinitionFolders{}};
  PlotRequest request;
  std::vector<PlotCurve> curves;
  const std::pair<const char*, std::function<CommandAnswer()>> commands[] = {
      {"&is", [&] { return IntegrateCommand(env, "0;1;x)", IntegrationMethod::kSimpson); }},
      {"&is failed", [&] { return IntegrateCommand(env, "0;1)", IntegrationMethod::kSimpson); }},
      {"&s", [&] { return SequenceSumCommand(env, "1;10;1;x)"); }},
      {"&rt", [&] { return FindRootsCommand(env, "x^2-4)"); }},
      {"&prt", [&] { return PolynomialRootsCommand(env, "1;-3;2)"); }},
      {"&st", [&] { return StatisticsCommand(env, "1;2;3)"); }},
      {"&lrt", [&] { return LinearEquationsCommand(env, "2;1|3|1;-1|0)"); }},
      {"&lrt failed", [&] { return LinearEquationsCommand(env, "1;2|3)"); }},
      {"@1", [&] { return MatrixCommand(env, matrices, "1(2,2;1;2;3;4)"); }},
      {"@det", [&] { return MatrixCommand(env, matrices, "det(mat1)"); }},
      {"@ unknown", [&] { return MatrixCommand(env, matrices, "foo(mat1)"); }},
      {"#define", [&] { return DefineCommand(definitions, "f(x);x^2)"); }},
      {"#undef", [&] { return UndefCommand(definitions, "g)"); }},
      {"#viewdef", [&] { return CommandAnswer{ViewDefinitions(store)}; }},
      {"&plot", [&] { return PlotCommand(env, "0;1;x)", request, curves); }},
  };
  for (const auto& [name, run] : commands) {
    CommandAnswer answer = run();
    EXPECT_FALSE(answer.content.starts_with("\r\n")) << name;
    EXPECT_FALSE(answer.content.ends_with("\r\n")) << name;
    EXPECT_EQ(answer.content.find("\\\\"), std::string::npos) << name;
  }
}

TEST(FrameAnswer, PutsTheContentWhereItGoesAndThePromptAfterIt) {
  EXPECT_EQ(FrameAnswer(Placement::kAfterEquals, "3"), "3\r\n\\\\");
  EXPECT_EQ(FrameAnswer(Placement::kBelow, "Error: divided by zero"),
            "\r\nError: divided by zero\r\n\\\\");
  EXPECT_EQ(FrameAnswer(Placement::kAtCaret, ""), "\r\n\\\\");
  EXPECT_EQ(FrameAnswer(Placement::kReplacesScreen, "page"), "page\r\n\\\\");
}

}  // namespace
}  // namespace orvo::test
