// The "#" commands as the console runs them: Orvo's folder as the session is given it, the
// questions the dialogs are asked, the typed case of file names and dropped files.
#include <gtest/gtest.h>

#include "tests/support/console_harness.h"
#include "tests/userdef/scripted.h"

namespace orvo::test {
namespace {

class DefinitionConsole : public ::testing::Test {
 protected:
  ScratchFolder folder_;
  // Orvo's folder, not made yet.
  const std::string home_ = folder_.File("orvo");
  ScriptedDialogs dialogs_;
  ConsoleHarness console_{dialogs_, SessionOptions{DefinitionFolders{home_, ""}}};
};

TEST_F(DefinitionConsole, DialogsAskTheirQuestionsInOrvosFolder) {
  console_.Type("#savedef=");
  EXPECT_TRUE(dialogs_.asked().empty()) << "nothing to save: nothing asked";
  console_.Type("#define(f(x);x^2)=");
  dialogs_.Prepare(std::nullopt);
  console_.Type("#loaddef=");
  const std::string file = home_ + "/saved.def";
  dialogs_.Prepare(file);
  EXPECT_EQ(console_.Answer("#savedef="), "\r\nDefined functions were saved\r\n\\\\\r\n");
  EXPECT_EQ(ScratchFolder::Read(file), "#define(f(x);(x^2))\r\r\n");
  dialogs_.Prepare("n");
  console_.Type("#undef()=");

  const auto& asked = dialogs_.asked();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].kind, "open");
  EXPECT_EQ(asked[1].kind, "save");
  EXPECT_EQ(asked[1].suffix, "def");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(asked[i].text, "Definition files (*.def);;All files (*)");
    EXPECT_EQ(asked[i].folder, home_);
  }
  EXPECT_EQ(asked[2].kind, "yes/no");
  EXPECT_EQ(asked[2].text, "Are you sure to undefine all of the defined functions?");
  EXPECT_EQ(console_.session().state().definitions.count(), 1);
}

TEST_F(DefinitionConsole, IncludeKeepsTheCaseOfTheFileName) {
  std::filesystem::create_directories(home_);
  folder_.Write("orvo/MyDefs.def", "#define(f(x);x^2)\r\r\n");
  EXPECT_EQ(console_.Answer("#INCLUDE ( MyDefs.def ) ="),
            "\r\n" + home_ +
                "/MyDefs.def\r\nFunction 1: \r\nName: f(x)\r\nExpression: (x^2)\r\n\\\\\r\n");
  EXPECT_EQ(console_.Answer("f(3)="), "9\r\n\\\\\r\n");
}

TEST_F(DefinitionConsole, ADroppedFileIsLoadedOnAClearedScreen) {
  console_.Type("1+2=");
  const std::string file = folder_.Write("drop.def", "#define(g(x,y);x*y)\n#define(f(x);x^2)\n");
  console_.session().OnDropFiles({file, folder_.File("second.def")});
  EXPECT_EQ(console_.Text(), file +
                                 "\r\n\r\nFunction 1: \r\nName: g(x,y)\r\nExpression: (x*y)\r\n"
                                 "\r\nFunction 2: \r\nName: f(x)\r\nExpression: (x^2)\r\n\\\\\r\n");
  EXPECT_EQ(console_.Answer("g(2,f(3))="), "18\r\n\\\\\r\n");

  // A file with nothing good keeps the definitions; an empty drop does nothing.
  const std::string notes = folder_.Write("notes.txt", "shopping list\n");
  console_.session().OnDropFiles({notes});
  console_.session().OnDropFiles({});
  EXPECT_EQ(
      console_.Text(),
      notes +
          "\r\nError: No functions were loaded!\r\nReason: no valid definition in it\r\n\\\\\r\n");
  EXPECT_EQ(console_.Answer("f(3)="), "9\r\n\\\\\r\n");
}

}  // namespace
}  // namespace orvo::test
