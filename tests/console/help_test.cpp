// The help pages: other spellings of their words, plain console text, every built-in function
// named, and every example working as the page says. Every page in full is a golden transcript
// (tests/transcripts/help.txt).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/text.h"
#include "console/detail/help_pages.h"
#include "engine/evaluator.h"
#include "tests/support/console_harness.h"

namespace orvo::test {
namespace {

using detail::HelpTopic;

constexpr HelpTopic kTopics[] = {
    detail::kHelpOper, detail::kHelpFunc, detail::kHelpPhys,  detail::kHelpGeom,
    detail::kHelpChem, detail::kHelpAtom, detail::kHelpOther, detail::kHelpAmpersand,
    detail::kHelpHash, detail::kHelpAt,
};

std::string TopicName(HelpTopic topic) {
  static constexpr const char* kNames[] = {"oper", "func",  "phys",      "geom", "chem",
                                           "atom", "other", "ampersand", "hash", "at"};
  return kNames[topic];
}

std::string FirstLine(std::string_view block) {
  while (StartsWith(block, "\r\n")) block.remove_prefix(2);
  return std::string(block.substr(0, block.find("\r\n")));
}

// The page's other spellings open it as "&oper=" does (which a golden transcript shows).
TEST(HelpPages, OtherSpellingsOpenThePage) {
  const std::string page = ConsoleHarness().Answer("&oper=");
  for (const char* typed : {"&operators=", "& OPER =", "&Oper="}) {
    EXPECT_EQ(Escape(ConsoleHarness().Answer(typed)), Escape(page)) << typed;
  }
}

TEST(HelpPages, PagesArePlainConsoleText) {
  for (HelpTopic topic : kTopics) {
    std::string page = detail::HelpPageText(topic);
    for (std::size_t i = 0; i < page.size(); ++i) {
      char c = page[i];
      if (c == '\r') {
        EXPECT_EQ(page.substr(i, 2), "\r\n") << TopicName(topic) << " at " << i;
      } else if (c == '\n') {
        EXPECT_TRUE(i > 0 && page[i - 1] == '\r') << TopicName(topic) << " at " << i;
      } else {
        EXPECT_TRUE(c == '\t' || (c >= ' ' && c <= '~')) << TopicName(topic) << " at " << i;
      }
    }
    EXPECT_EQ(page.find(detail::kExampleMark), std::string::npos) << TopicName(topic);
    EXPECT_EQ(page.find('\\'), std::string::npos) << TopicName(topic);
    // Lines fit a console of 90 columns with tab stops of eight.
    std::size_t start = 0;
    while (start < page.size()) {
      std::size_t end = std::min(page.find("\r\n", start), page.size());
      std::size_t column = 0;
      for (std::size_t i = start; i < end; ++i)
        column = page[i] == '\t' ? column / 8 * 8 + 8 : column + 1;
      EXPECT_LE(column, 90u) << TopicName(topic) << ": " << page.substr(start, end - start);
      start = end + 2;
    }
  }
}

// Every name of the function-name table shows on some page with its bracket.
TEST(HelpPages, EveryFunctionNameAppearsWithItsParameters) {
  std::string all;
  for (HelpTopic topic : kTopics) all += detail::HelpPageText(topic);
  auto isNameChar = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
  std::vector<FunctionName> names = FunctionNames();
  ASSERT_EQ(names.size(), 184u);
  for (const FunctionName& name : names) {
    std::string call = name.name + "(";
    bool found = false;
    for (std::size_t at = all.find(call); at != std::string::npos && !found;
         at = all.find(call, at + 1)) {
      found = at == 0 || !isNameChar(all[at - 1]);
    }
    EXPECT_TRUE(found) << name.name;
  }
}

// ---------------------------------------------------------------------------------------------
// The examples of the pages.

struct TypedExample {
  std::string line;
  std::string answerStart;  // how the answer begins; empty when the page does not say
};
struct Identity {
  std::string left, right;
};
struct BlockExamples {
  std::vector<TypedExample> lines;
  std::vector<Identity> identities;
};

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The marked texts of a block (see console/detail/help_pages.h for the marks).
BlockExamples ExamplesOf(std::string_view block) {
  struct Mark {
    std::string text;
    std::string after;   // up to the next blank, tab, line end or mark
    std::string before;  // since the previous mark
  };
  std::vector<Mark> marks;
  std::size_t previousEnd = 0;
  for (std::size_t open = block.find(detail::kExampleMark); open != std::string_view::npos;) {
    std::size_t close = block.find(detail::kExampleMark, open + 1);
    if (close == std::string_view::npos) break;
    std::size_t afterEnd = block.find_first_of(" \t\r`", close + 1);
    if (afterEnd == std::string_view::npos) afterEnd = block.size();
    marks.push_back({std::string(block.substr(open + 1, close - open - 1)),
                     std::string(block.substr(close + 1, afterEnd - close - 1)),
                     std::string(block.substr(previousEnd, open - previousEnd))});
    previousEnd = close + 1;
    open = block.find(detail::kExampleMark, close + 1);
  }
  BlockExamples examples;
  for (std::size_t i = 0; i < marks.size(); ++i) {
    bool identity =
        i + 1 < marks.size() && Trim(marks[i + 1].before) == "=" && !EndsWith(marks[i].text, "=");
    if (identity) {
      examples.identities.push_back({marks[i].text, marks[i + 1].text});
      ++i;
    } else {
      examples.lines.push_back(
          {marks[i].text, EndsWith(marks[i].text, "=") ? marks[i].after : std::string()});
    }
  }
  return examples;
}

// The first line of an answer that reports a failure instead of a result, or "".
std::string FailureIn(std::string_view answer) {
  static constexpr std::string_view kFailureStarts[] = {"Error",  "Warning", "Waring",
                                                        "Unknow", "Failed",  "Not all"};
  std::size_t start = 0;
  while (start <= answer.size()) {
    std::size_t end = answer.find("\r\n", start);
    std::string_view line =
        answer.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    for (std::string_view failure : kFailureStarts) {
      if (StartsWith(line, failure)) return std::string(line);
    }
    if (line.find(" is not a ") != std::string_view::npos) return std::string(line);
    if (end == std::string_view::npos) break;
    start = end + 2;
  }
  return "";
}

TEST(HelpExamples, MarksArePaired) {
  for (HelpTopic topic : kTopics) {
    for (std::string_view block : detail::HelpPageBlocks(topic)) {
      EXPECT_EQ(std::count(block.begin(), block.end(), detail::kExampleMark) % 2, 0)
          << TopicName(topic) << ": " << FirstLine(block);
      EXPECT_EQ(block.find("``"), std::string_view::npos) << FirstLine(block);
    }
  }
}

class HelpPageExamples : public ::testing::TestWithParam<HelpTopic> {};

// The marked lines of each block, typed in order into a fresh console, answer without a
// failure and begin as the page shows; the expressions said to be equal give equal answers.
TEST_P(HelpPageExamples, WorkAsThePageSays) {
  int checked = 0;
  for (std::string_view block : detail::HelpPageBlocks(GetParam())) {
    BlockExamples examples = ExamplesOf(block);
    ConsoleHarness console;
    for (const TypedExample& example : examples.lines) {
      std::string answer = console.Answer(example.line);
      ++checked;
      EXPECT_EQ(FailureIn(answer), "") << example.line;
      EXPECT_FALSE(console.session().LastAnswerFailed()) << example.line << ": " << Escape(answer);
      if (!example.answerStart.empty()) {
        EXPECT_TRUE(StartsWith(answer, example.answerStart + "\r\n"))
            << example.line << " should answer " << example.answerStart << ", not "
            << Escape(answer);
      }
    }
    for (const Identity& identity : examples.identities) {
      ConsoleHarness left;
      ConsoleHarness right;
      std::string leftAnswer = left.Answer(identity.left + "=");
      std::string rightAnswer = right.Answer(identity.right + "=");
      ++checked;
      EXPECT_EQ(FailureIn(leftAnswer), "") << identity.left;
      EXPECT_EQ(FailureIn(rightAnswer), "") << identity.right;
      EXPECT_EQ(Escape(leftAnswer), Escape(rightAnswer))
          << identity.left << " = " << identity.right;
    }
  }
  if (GetParam() != detail::kHelpAtom) {
    EXPECT_GT(checked, 0) << "a page without examples";
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, HelpPageExamples, ::testing::ValuesIn(kTopics),
                         [](const ::testing::TestParamInfo<HelpTopic>& info) {
                           return TopicName(info.param);
                         });

}  // namespace
}  // namespace orvo::test
