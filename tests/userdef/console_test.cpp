// The "#" commands and the expansion as the console runs them: Orvo's folder from the
// environment, the typed case of file names, dropped files and refused expansions.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "base/interrupt.h"
#include "console/session.h"
#include "tests/userdef/scripted.h"

namespace orvo::test {
namespace {

class DefinitionConsole : public ::testing::Test {
 protected:
  void SetUp() override {
    // Orvo's folder is a scratch folder for the length of one test.
    if (const char* value = std::getenv("ORVO_HOME")) savedHome_ = value;
    ::setenv("ORVO_HOME", home_.path().c_str(), 1);
  }
  void TearDown() override {
    if (savedHome_) {
      ::setenv("ORVO_HOME", savedHome_->c_str(), 1);
    } else {
      ::unsetenv("ORVO_HOME");
    }
  }

  // Types a line, presses Enter and returns what the console gained.
  std::string Answer(std::string_view line) {
    box_.MoveCaretToEnd();
    box_.ReplaceSelection(line);
    std::string before = box_.Text();
    session_.PressEnter(false);
    return box_.Text().substr(before.size());
  }

  ScratchFolder home_;
  std::optional<std::string> savedHome_;
  StringTextBox box_;
  ScriptedDialogs dialogs_;
  NeverInterrupt interrupt_;
  ConsoleSession session_{box_, dialogs_, interrupt_};
};

TEST_F(DefinitionConsole, IncludeKeepsTheCaseOfTheFileName) {
  home_.Write("MyDefs.def", "#define(f(x);x^2)\r\r\n");
  EXPECT_EQ(Answer("#include(MyDefs.def)="),
            "\r\n" + home_.File("MyDefs.def") +
                "\r\nFunction 1: \r\nName: f(x)\r\nExpression: (x^2)\r\n\\\\\r\n");
  EXPECT_EQ(Answer("f(3)="), "9\r\n\\\\\r\n");
  EXPECT_EQ(Answer("#include(nofile.def)="),
            "\r\n" + home_.File("nofile.def") + "\r\nError: No such files!\r\n\\\\\r\n");
  EXPECT_EQ(Answer("#INCLUDE ( MyDefs.def ) ="),
            "\r\n" + home_.File("MyDefs.def") +
                "\r\nFunction 1: \r\nName: f(x)\r\nExpression: (x^2)\r\n\\\\\r\n");
}

TEST_F(DefinitionConsole, TheSaveDialogStartsInOrvosFolder) {
  Answer("#define(f(x);x^2)=");
  dialogs_.Prepare(home_.File("saved.def"));
  EXPECT_EQ(Answer("#savedef="), "\r\nDefined functions were saved\r\n\\\\\r\n");
  ASSERT_EQ(dialogs_.asked().size(), 1u);
  EXPECT_EQ(dialogs_.asked()[0].folder, home_.path().string());
  EXPECT_EQ(ScratchFolder::Read(home_.File("saved.def")), "#define(f(x);(x^2))\r\r\n");
}

TEST_F(DefinitionConsole, ADroppedFileIsLoadedOnAClearedScreen) {
  Answer("1+2=");
  const std::string file = home_.Write("drop.def", "#define(g(x,y);x*y)\n#define(f(x);x^2)\n");
  session_.OnDropFiles({file, home_.File("second.def")});
  EXPECT_EQ(box_.Text(), file +
                             "\r\n\r\nFunction 1: \r\nName: g(x,y)\r\nExpression: (x*y)\r\n"
                             "\r\nFunction 2: \r\nName: f(x)\r\nExpression: (x^2)\r\n\\\\\r\n");
  EXPECT_EQ(Answer("g(2,f(3))="), "18\r\n\\\\\r\n");
}

TEST_F(DefinitionConsole, ADroppedFileWithNothingGoodKeepsTheDefinitions) {
  Answer("#define(f(x);x^2)=");
  const std::string file = home_.Write("notes.txt", "shopping list\n");
  session_.OnDropFiles({file});
  EXPECT_EQ(box_.Text(), file + "\r\nError: No functions were loaded!\r\n\\\\\r\n");
  EXPECT_EQ(Answer("f(3)="), "9\r\n\\\\\r\n");
  session_.OnDropFiles({});
  EXPECT_EQ(box_.Text(),
            file + "\r\nError: No functions were loaded!\r\n\\\\\r\nf(3)=9\r\n\\\\\r\n");
}

TEST_F(DefinitionConsole, ATooLongExpansionRunsNothing) {
  Answer("#define(f(x);x*x*x*x)=");
  const std::string tooLong = "f(f(f(f(f(f(f(f(f(f(1))))))))))";
  EXPECT_EQ(Answer(tooLong + "="), "\r\nError: The expanded expression is too long\r\n\\\\\r\n");
  EXPECT_EQ(Answer("#define(g(x);" + tooLong + "+x)="),
            "\r\nError: The expanded expression is too long\r\n\\\\\r\n");
  EXPECT_EQ(Answer(tooLong + "=0"), "\r\nError: The expanded expression is too long\r\n\\\\\r\n");
  EXPECT_EQ(session_.state().definitions.count(), 1);
  EXPECT_EQ(Answer("f(2)="), "16\r\n\\\\\r\n");
}

TEST_F(DefinitionConsole, DefinitionsBuiltOnDefinitionsKeepTheirMeaning) {
  Answer("#define(f(x);x+1)=");
  Answer("#define(g(x);f(x)*2)=");
  Answer("#undef(f)=");
  Answer("#define(f(x);x-1)=");
  EXPECT_EQ(Answer("g(3)="), "8\r\n\\\\\r\n");
  EXPECT_EQ(Answer("f(3)="), "2\r\n\\\\\r\n");
}

}  // namespace
}  // namespace orvo::test
