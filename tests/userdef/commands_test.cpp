// Saving, loading and including definition files, on a store of their own with scripted dialogs.
#include <gtest/gtest.h>

#include <fstream>

#include "base/random.h"
#include "tests/userdef/scripted.h"
#include "userdef/userdef.h"

namespace orvo::test {
namespace {

class DefinitionCommands : public ::testing::Test {
 protected:
  // Defines each "head;body" and expects it to be accepted.
  void Define(std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
      ASSERT_EQ(DefineCommand(context_, std::string(text) + ")").content.substr(0, 9), "Defined: ")
          << text;
    }
  }

  ScratchFolder home_;
  ScratchFolder program_;
  DefinitionStore store_;
  ScriptedDialogs dialogs_;
  Random rng_;
  DefinitionContext context_{
      store_, dialogs_, rng_,
      DefinitionFolders{(home_.path() / "orvo").string(), program_.path().string()}};
};

TEST_F(DefinitionCommands, SaveAndLoadRoundTrip) {
  Define({"f(x);x^2", "g(x,y);x*y", "speed(s,t);s/t", "k();2+3"});
  const std::string file = home_.File("both.def");
  dialogs_.Prepare(file);
  EXPECT_EQ(SaveDefinitions(context_).content, "Defined functions were saved");
  // The store's sorted order, every line ended by CR CR LF, nothing else.
  EXPECT_EQ(ScratchFolder::Read(file),
            "#define(speed(s,t);(s/t))\r\r\n"
            "#define(f(x);(x^2))\r\r\n"
            "#define(g(x,y);(x*y))\r\r\n"
            "#define(k();(2+3))\r\r\n");

  store_ = DefinitionStore{};
  dialogs_.Prepare(file);
  LoadDefinitionsByDialog(context_);
  // Saving what was loaded writes the same bytes again.
  const std::string again = home_.File("again.def");
  dialogs_.Prepare(again);
  SaveDefinitions(context_);
  EXPECT_EQ(ScratchFolder::Read(again), ScratchFolder::Read(file));
}

TEST_F(DefinitionCommands, LoadingListsInFileOrderAndThenSorts) {
  const std::string file = home_.Write("order.def",
                                       "#define(g(x);x+1)\n"
                                       "#define(gg(x);x*10)\n");
  // Below the command; a listing of more than one function begins with an empty line.
  CommandAnswer answer = LoadDefinitionFile(context_, file, true);
  EXPECT_EQ(answer.placement, Placement::kBelow);
  EXPECT_EQ(answer.content, file +
                                "\r\n\r\nFunction 1: \r\nName: g(x)\r\nExpression: (x+1)\r\n"
                                "\r\nFunction 2: \r\nName: gg(x)\r\nExpression: (x*10)");
  EXPECT_EQ(store_.definitions[0].name, "gg");
  EXPECT_EQ(store_.definitions[1].name, "g");
}

TEST_F(DefinitionCommands, IncludeLooksInOrvosFolderThenBesideTheProgram) {
  std::filesystem::create_directories(context_.folders.home);
  const std::string inHome = (std::filesystem::path(context_.folders.home) / "Mine.def").string();
  { std::ofstream(inHome, std::ios::binary) << "#define(f(x);x^2)\r\r\n"; }
  program_.Write("Mine.def", "#define(g(x);x+1)\n");
  program_.Write("Theirs.def", "#define(t2(x);x+2)\n");

  EXPECT_EQ(IncludeDefinitions(context_, "Mine.def)").content,
            inHome + "\r\nFunction 1: \r\nName: f(x)\r\nExpression: (x^2)");
  EXPECT_EQ(IncludeDefinitions(context_, "Theirs.def))").content,
            program_.File("Theirs.def") + "\r\nFunction 1: \r\nName: t2(x)\r\nExpression: (x+2)");
  // The name is used as typed: case counts.
  EXPECT_EQ(IncludeDefinitions(context_, "mine.def)").content,
            context_.folders.home + "/mine.def\r\nError: No such files!");
  EXPECT_EQ(store_.definitions[0].name, "t2");
}

TEST_F(DefinitionCommands, ABareNameIsSavedAndLoadedWhereIncludeLooks) {
  Define({"f(x);x^2"});
  dialogs_.Prepare("mine.def");
  EXPECT_EQ(SaveDefinitions(context_).content, "Defined functions were saved");
  const std::string saved = context_.folders.home + "/mine.def";
  EXPECT_EQ(ScratchFolder::Read(saved), "#define(f(x);(x^2))\r\r\n");
  store_ = DefinitionStore{};
  // ".def" is added to a name without an extension, after the name as typed was not found.
  EXPECT_EQ(IncludeDefinitions(context_, "mine)").content,
            saved + "\r\nFunction 1: \r\nName: f(x)\r\nExpression: (x^2)");
  dialogs_.Prepare("mine.def");
  // The name chosen follows the "=" of the command.
  CommandAnswer chosen = LoadDefinitionsByDialog(context_);
  EXPECT_EQ(chosen.placement, Placement::kAfterEquals);
  EXPECT_EQ(chosen.content, "mine.def\r\nFunction 1: \r\nName: f(x)\r\nExpression: (x^2)");
  program_.Write("mine", "#define(g(x);x+1)\n");
  EXPECT_EQ(IncludeDefinitions(context_, "mine)").content.substr(0, program_.File("mine").size()),
            program_.File("mine"));
}

}  // namespace
}  // namespace orvo::test
