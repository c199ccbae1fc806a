// What Enter does to the console text: the key intake, routing and answer framing.
#include <gtest/gtest.h>

#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

// Enter without "=" and Enter on an empty line are golden transcripts; these need the caret or
// the number pad.
TEST(Enter, TheKeyTheCaretAndTheLastPromptDecideTheCommand) {
  ConsoleHarness console;
  console.Type("1+2", /*numberPad=*/true);
  EXPECT_EQ(console.Text(), "1+2=3\r\n\\\\\r\n");
  console.box().Select(2, 2);  // a click into the old line, then Enter on an empty command
  EXPECT_TRUE(console.session().HandleEnterKey(false));
  EXPECT_EQ(console.Text(), "");

  // An "=" at the end moves the caret to the end first; only the text after the last prompt
  // is the command.
  console.box().ReplaceSelection("1/0=\r\n\\\\\r\n2*3=");
  console.box().Select(1, 1);
  console.session().PressEnter(false);
  EXPECT_EQ(console.Text(), "1/0=\r\n\\\\\r\n2*3=6\r\n\\\\\r\n");
}

}  // namespace
}  // namespace orvo::test
