// The "#" commands on a store of their own, with scripted dialogs and a scratch folder.
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
      ASSERT_EQ(DefineCommand(context_, std::string(text) + ")").substr(0, 11), "\r\nDefined: ")
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

TEST_F(DefinitionCommands, AnEleventhDefinitionIsRefusedAndNothingIsLost) {
  Define({"a(x);x+1", "b(x);x+2", "d(x);x+3", "i(x);x+4", "j(x);x+5", "l(x);x+6", "m(x);x+7",
          "n(x);x+8", "o(x);x+9", "vv(x);x+10"});
  const DefinitionStore before = store_;
  EXPECT_EQ(DefineCommand(context_, "w(x);x)"),
            "\r\nError: Ten functions are already defined; use #undef to remove one first\r\n\\\\");
  // A name already there is still reported as such.
  EXPECT_EQ(DefineCommand(context_, "a(x);x)"),
            "\r\nError: \"a\" function has already been defined\r\n\\\\");
  ASSERT_EQ(store_.count(), 10);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(store_.definitions[i].name, before.definitions[i].name);
    EXPECT_EQ(store_.definitions[i].expression, before.definitions[i].expression);
  }
  EXPECT_EQ(store_.definitions[0].name, "vv");  // sorted, longest first
}

TEST_F(DefinitionCommands, UndefineOneKeepsTheOthersInOrder) {
  Define({"a(x);x+1", "bbb(x);x+2", "cc(x);x+3"});
  EXPECT_EQ(UndefCommand(context_, "cc)"), "\r\n\"cc\" function was undefined\r\n\\\\");
  EXPECT_EQ(UndefCommand(context_, "cc)"), "\r\nError: No \"cc\" function found\r\n\\\\");
  // The name alone counts, so a call form names the function too.
  EXPECT_EQ(UndefCommand(context_, "bbb(x))"), "\r\n\"bbb\" function was undefined\r\n\\\\");
  ASSERT_EQ(store_.count(), 1);
  EXPECT_EQ(store_.definitions[0].name, "a");
  EXPECT_TRUE(dialogs_.asked().empty());
}

TEST_F(DefinitionCommands, UndefineAllAsksFirst) {
  Define({"a(x);x+1", "b(x);x+2"});
  dialogs_.Prepare("n");
  EXPECT_EQ(UndefCommand(context_, ")"), "\r\nNo functions were undefined\r\n\\\\");
  EXPECT_EQ(store_.count(), 2);
  dialogs_.Prepare(std::nullopt);  // the box closed
  EXPECT_EQ(UndefCommand(context_, ")"), "\r\nNo functions were undefined\r\n\\\\");
  EXPECT_EQ(store_.count(), 2);
  dialogs_.Prepare("y");
  EXPECT_EQ(UndefCommand(context_, ")"), "\r\nAll the defined functions were undefined\r\n\\\\");
  EXPECT_TRUE(store_.empty());
  ASSERT_EQ(dialogs_.asked().size(), 3u);
  EXPECT_EQ(dialogs_.asked()[0].kind, "yes/no");
  EXPECT_EQ(dialogs_.asked()[0].text, "Are you sure to undefine all of the defined functions?");
}

TEST_F(DefinitionCommands, SavingNothingAsksNothing) {
  EXPECT_EQ(SaveDefinitions(context_), "\r\nThere were no defined functions\r\n\\\\");
  EXPECT_TRUE(dialogs_.asked().empty());
}

TEST_F(DefinitionCommands, TheDialogsStartInOrvosFolderAndOfferDefinitionFiles) {
  Define({"f(x);x^2"});
  dialogs_.Prepare(std::nullopt);
  EXPECT_EQ(SaveDefinitions(context_), "\r\nError: Defined functions were NOT saved\r\n\\\\");
  dialogs_.Prepare(std::nullopt);
  EXPECT_EQ(LoadDefinitionsByDialog(context_), "\r\n\\\\");  // cancelled: a prompt all the same
  ASSERT_EQ(dialogs_.asked().size(), 2u);
  for (const ScriptedDialogs::Question& question : dialogs_.asked()) {
    EXPECT_EQ(question.text, "Definition files (*.def);;All files (*)");
    EXPECT_EQ(question.folder, context_.folders.home);
  }
  EXPECT_EQ(dialogs_.asked()[0].kind, "save");
  EXPECT_EQ(dialogs_.asked()[0].suffix, "def");
  EXPECT_EQ(dialogs_.asked()[1].kind, "open");
  EXPECT_TRUE(std::filesystem::is_directory(context_.folders.home));  // made when first needed
  EXPECT_EQ(store_.count(), 1);
}

TEST_F(DefinitionCommands, SaveAndLoadRoundTrip) {
  Define({"f(x);x^2", "g(x,y);x*y", "speed(s,t);s/t", "k();2+3"});
  const std::string file = home_.File("both.def");
  dialogs_.Prepare(file);
  EXPECT_EQ(SaveDefinitions(context_), "\r\nDefined functions were saved\r\n\\\\");
  // The store's sorted order, every line ended by CR CR LF, nothing else.
  EXPECT_EQ(ScratchFolder::Read(file),
            "#define(speed(s,t);(s/t))\r\r\n"
            "#define(f(x);(x^2))\r\r\n"
            "#define(g(x,y);(x*y))\r\r\n"
            "#define(k();(2+3))\r\r\n");

  const DefinitionStore saved = store_;
  store_ = DefinitionStore{};
  dialogs_.Prepare(file);
  EXPECT_EQ(LoadDefinitionsByDialog(context_),
            file +
                "\r\n\r\nFunction 1: \r\nName: speed(s,t)\r\nExpression: (s/t)\r\n"
                "\r\nFunction 2: \r\nName: f(x)\r\nExpression: (x^2)\r\n"
                "\r\nFunction 3: \r\nName: g(x,y)\r\nExpression: (x*y)\r\n"
                "\r\nFunction 4: \r\nName: k()\r\nExpression: (2+3)\r\n\\\\");
  ASSERT_EQ(store_.count(), saved.count());
  for (int i = 0; i < saved.count(); ++i) {
    EXPECT_EQ(store_.definitions[i].name, saved.definitions[i].name);
    EXPECT_EQ(store_.definitions[i].expression, saved.definitions[i].expression);
    EXPECT_EQ(store_.definitions[i].parameters, saved.definitions[i].parameters);
    EXPECT_EQ(store_.definitions[i].lastParameter, saved.definitions[i].lastParameter);
  }
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
  EXPECT_EQ(LoadDefinitionFile(context_, file, true),
            "\r\n" + file +
                "\r\n\r\nFunction 1: \r\nName: g(x)\r\nExpression: (x+1)\r\n"
                "\r\nFunction 2: \r\nName: gg(x)\r\nExpression: (x*10)\r\n\\\\");
  EXPECT_EQ(store_.definitions[0].name, "gg");
  EXPECT_EQ(store_.definitions[1].name, "g");
}

TEST_F(DefinitionCommands, LoadingReplacesEverythingOnlyWhenSomethingWasGood) {
  Define({"f(x);x^2", "h(x);x"});
  const std::string bad = home_.Write("bad.def",
                                      "; a comment\n"
                                      "#define(q(x,y);x)\n"       // y unused
                                      "#define(q(x)x)\n"          // no ";"
                                      "#define(q(x);foo(x))\n");  // unknown name
  EXPECT_EQ(LoadDefinitionFile(context_, bad, false),
            bad + "\r\nError: No functions were loaded!\r\n\\\\");
  ASSERT_EQ(store_.count(), 2);
  EXPECT_EQ(store_.definitions[0].expression, "(X^2)");
  EXPECT_EQ(store_.definitions[1].expression, "(X)");

  const std::string good = home_.Write("good.def", "#define(q(x,y);x)\n#define(w(x);x-1)\n");
  LoadDefinitionFile(context_, good, false);
  ASSERT_EQ(store_.count(), 1);
  EXPECT_EQ(store_.definitions[0].name, "w");
}

TEST_F(DefinitionCommands, IncludeLooksInOrvosFolderThenBesideTheProgram) {
  std::filesystem::create_directories(context_.folders.home);
  const std::string inHome = (std::filesystem::path(context_.folders.home) / "Mine.def").string();
  { std::ofstream(inHome, std::ios::binary) << "#define(f(x);x^2)\r\r\n"; }
  program_.Write("Mine.def", "#define(g(x);x+1)\n");
  program_.Write("Theirs.def", "#define(t2(x);x+2)\n");

  EXPECT_EQ(IncludeDefinitions(context_, "Mine.def)"),
            "\r\n" + inHome + "\r\nFunction 1: \r\nName: f(x)\r\nExpression: (x^2)\r\n\\\\");
  EXPECT_EQ(IncludeDefinitions(context_, "Theirs.def))"),
            "\r\n" + program_.File("Theirs.def") +
                "\r\nFunction 1: \r\nName: t2(x)\r\nExpression: (x+2)\r\n\\\\");
  // The name is used as typed: case counts.
  EXPECT_EQ(IncludeDefinitions(context_, "mine.def)"),
            "\r\n" + context_.folders.home + "/mine.def\r\nError: No such files!\r\n\\\\");
  EXPECT_EQ(store_.definitions[0].name, "t2");
}

}  // namespace
}  // namespace orvo::test
