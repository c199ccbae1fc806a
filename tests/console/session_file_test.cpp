// The saved session: a round trip keeps every part of the state, and a damaged or foreign file
// is refused whole.
#include <gtest/gtest.h>

#include "console/session_file.h"
#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

const std::vector<std::string> kWork = {"x=5",
                                        "y=1/3",
                                        "prec=12",
                                        "bracketoff",
                                        "#define(f(x,y);x^2+y)=",
                                        "#define(gg(x);f(x,1)*2)=",
                                        "@1(2,3;1;2;3;4;5;6)=",
                                        "@2(1,2;0.1;-7e300)=",
                                        "@trans(mat1)=",
                                        "save 3",
                                        "1+2="};

std::string Saved(ConsoleHarness& console, std::vector<std::string> recall) {
  return WriteSessionText(CaptureSession(console.session(), console.Text(), recall));
}

TEST(SessionFile, ARoundTripKeepsEveryPart) {
  ConsoleHarness console;
  console.Run(kWork);
  const std::string text = Saved(console, {"1+2=", "two\r\nlines"});

  SessionData read;
  ASSERT_EQ(ReadSessionText(text, read), "");
  EXPECT_EQ(WriteSessionText(read), text);
  EXPECT_EQ(read.console, console.Text());
  EXPECT_EQ(read.recall, (std::vector<std::string>{"1+2=", "two\r\nlines"}));

  // The restored session answers as the saved one does.
  ConsoleHarness restored;
  RestoreSession(read, restored.session());
  // The answers' records come back: the values to copy, the commands of old blocks.
  ASSERT_EQ(restored.session().Answers().size(), console.session().Answers().size());
  const Answer& last = *restored.session().LastAnswer();
  EXPECT_EQ(last.command, "1+2=");
  EXPECT_EQ(MainValue(last)->value, 3);
  EXPECT_EQ(restored.session().FindAnswer(last.block), &last);
  for (const char* line : {"x+y=", "f(2,3)+gg(1)=", "@det(mat0*mat1)=", "prec=", "load 3"}) {
    EXPECT_EQ(restored.Answer(line), console.Answer(line)) << line;
  }
  EXPECT_FALSE(restored.session().state().bracketCheck);
}

TEST(SessionFile, DamagedOrForeignFilesAreRefused) {
  ConsoleHarness console;
  console.Run(kWork);
  const std::string good = Saved(console, {"1+2="});
  // Every cut of a good file is refused.
  SessionData data;
  for (std::size_t size = 0; size < good.size(); ++size) {
    ASSERT_NE(ReadSessionText(good.substr(0, size), data), "") << size;
  }

  const std::string head = "orvo-session 1\nx 0\ny 0\nz 0\nprecision 8\nbrackets on\n";
  const std::string tail = "console 0\n\nend\n";
  std::string eleven;
  for (char name = 'a'; name <= 'k'; ++name)
    eleven += "function " + std::string(1, name) + "(x);(x)\n";
  std::string big = "matrix 1 21 21 0";
  for (int i = 0; i < 21 * 21; ++i) big += " 1";
  const struct {
    std::string text;
    std::string why;
  } kBad[] = {
      {"", "not an Orvo session file"},
      {std::string("\x7f"
                   "ELF\0\x01\xff\n",
                   9),
       "not an Orvo session file"},
      {"orvo-session 3\n" + head.substr(15) + tail, "written by a newer version of Orvo"},
      {head + "answer 7 0 0 0 0 0\n" + tail,
       "line 7: a value that cannot be read or is out of range"},
      {head + "answer 2 0 0 0 1 0\ncommand 2\n1=\nbytes 0\n\nblock 0\n\nvalue 1\n" + tail,
       "line 7: a value that cannot be read or is out of range"},
      {head + "answer 2 0 0 0 0 0\ncommand 9\n1=\n" + tail, "line 7: cut short"},
      {head + eleven + tail, "line 17: more than ten functions"},
      {head + big + "\n" + tail, "line 7: a value that cannot be read or is out of range"},
      {head + "matrix 3 1 1 0 1\n" + tail,
       "line 7: a value that cannot be read or is out of range"},
      {head + "function f(x);foo(x)\n" + tail, "line 7: Error: "},
      {head + "function f(x);(x)\nfunction f(y);(y)\n" + tail, "line 8: an entry given twice"},
      {std::string(head).replace(head.find(" 8\n"), 2, " 17") + tail,
       "line 5: a value that cannot be read or is out of range"},
      {head + "x 1\n" + tail, "line 7: an entry given twice"},
      {head + "screen 11 1\na\n" + tail, "line 7: a value that cannot be read or is out of range"},
      {head + "screen 1 1\na\nscreen 1 1\nb\n" + tail, "line 9: an entry given twice"},
      {head + "colour red\n" + tail, "line 7: unknown entry"},
      {head + "console 99\nshort\nend\n", "line 7: cut short"},
      {head + tail + "more\n", "text after the end"},
      {head + "end\n", "incomplete, no entry console"},
      {"orvo-session 1\nx one\n", "line 2: a value that cannot be read or is out of range"},
  };
  for (const auto& bad : kBad) {
    EXPECT_EQ(ReadSessionText(bad.text, data).substr(0, bad.why.size()), bad.why) << bad.text;
  }
  ASSERT_EQ(ReadSessionText(head + tail, data), "");
}

// A file of the first version, which kept no answers, still loads; its old blocks are read from
// their text.
TEST(SessionFile, AFirstVersionFileStillLoads) {
  const std::string screen = "1+2=3\r\n\\\\";
  const std::string console = "x=5\r\n\\\\\r\nf(3)=9\r\n\\\\";
  const std::string text =
      "orvo-session 1\nx 5\ny 2.718281828459045\nz 3.141592653589793\nprecision 10\n"
      "brackets off\nfunction f(x);(x^2)\nmatrix 1 1 2 0 1 2\nscreen 2 " +
      std::to_string(screen.size()) + "\n" + screen + "\nrecall 4\n1+2=\nconsole " +
      std::to_string(console.size()) + "\n" + console + "\nend\n";
  SessionData data;
  ASSERT_EQ(ReadSessionText(text, data), "");
  EXPECT_TRUE(data.answers.empty());
  EXPECT_EQ(data.console, console);
  ConsoleHarness restored;
  RestoreSession(data, restored.session());
  EXPECT_EQ(restored.session().LastAnswer(), nullptr);
  EXPECT_EQ(restored.Answer("f(x)="), "25\r\n\\\\\r\n");
  EXPECT_EQ(restored.Answer("load 2"), "1+2=3\r\n\\\\\r\n");
}

TEST(SessionFile, LongConsolesAreCutAtAPromptLine) {
  const std::string block = "1+2=3\r\n\\\\\r\n";
  std::string text;
  for (int i = 0; i < 100; ++i) text += block;
  EXPECT_EQ(CutConsoleText(text, text.size()), text);
  EXPECT_EQ(CutConsoleText(text, 5 * block.size() + 3), text.substr(95 * block.size()));
  EXPECT_EQ(CutConsoleText("abc\r\ndef", 5), "def");
  EXPECT_EQ(CutConsoleText("ab\xC3\xA9"
                           "cd",
                           3),
            "cd");
}

}  // namespace
}  // namespace orvo::test
