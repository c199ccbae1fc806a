// The help pages: other spellings of their words, every built-in function named, and every example
// working as the page says. Every page in full is a golden transcript (tests/transcripts/help.txt).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "base/text.h"
#include "console/completion.h"
#include "console/help_pages.h"
#include "engine/evaluator.h"
#include "tests/support/console_harness.h"
#include "units/detail/unit_table.h"

namespace orvo::test {
namespace {

constexpr HelpTopic kTopics[] = {
    kHelpOper,  kHelpFunc,      kHelpPhys, kHelpGeom, kHelpChem,  kHelpAtom,
    kHelpOther, kHelpAmpersand, kHelpHash, kHelpAt,   kHelpUnits,
};

std::string TopicName(HelpTopic topic) {
  static constexpr const char* kNames[] = {"oper",  "func",      "phys", "geom", "chem", "atom",
                                           "other", "ampersand", "hash", "at",   "units"};
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

// Whether `text` stands in `all` with no name character right before it.
bool ShowsAsWord(const std::string& all, std::string_view text) {
  auto isNameChar = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
  for (std::size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1)) {
    if (at == 0 || !isNameChar(all[at - 1])) return true;
  }
  return false;
}

std::string AllPages() {
  std::string all;
  for (HelpTopic topic : kTopics) all += HelpPageText(topic);
  return all;
}

// The call part of a usage line: "gamma(x)" of "gamma(x): gamma function".
std::string_view CallOf(std::string_view usage) {
  return usage.substr(0, usage.find(": "));
}

// How many parameters the call at `open` (its opening bracket) of `text` shows, or -1 when it
// is not closed.
int ParameterCount(std::string_view text, std::size_t open) {
  int depth = 0;
  int count = 1;
  for (std::size_t i = open; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && --depth == 0) return count;
    if (depth == 1 && (text[i] == ',' || text[i] == ';')) ++count;
  }
  return -1;
}

// Every name of the function-name table shows on some page with its bracket, and some page
// calls it with as many parameters as its row's usage line does.
TEST(HelpPages, EveryFunctionNameAndUsageAppears) {
  const std::string all = AllPages();
  for (const FunctionName& name : FunctionNames()) {
    EXPECT_TRUE(ShowsAsWord(all, name.name + "(")) << name.name;
    const std::string_view call = CallOf(name.usage);
    ASSERT_NE(call.size(), name.usage.size()) << name.usage;
    const std::size_t bracket = call.find('(');
    const std::string named(call.substr(0, bracket + 1));
    const int count = ParameterCount(call, bracket);
    bool shown = false;
    for (std::size_t at = all.find(named); at != std::string::npos && !shown;
         at = all.find(named, at + 1)) {
      shown = (at == 0 || !std::isalnum(static_cast<unsigned char>(all[at - 1]))) &&
              ParameterCount(all, at + bracket) == count;
    }
    EXPECT_TRUE(shown) << name.usage;
  }
}

// Every command word's usage line calls it as its family's page (or the & page's list of help
// pages) does.
TEST(HelpPages, EveryCommandUsageAppearsOnItsFamilysPage) {
  const std::pair<char, HelpTopic> kFamilies[] = {
      {'&', kHelpAmpersand}, {'#', kHelpHash}, {'@', kHelpAt}};
  for (auto [family, topic] : kFamilies) {
    const std::string page = HelpPageText(topic);
    const std::vector<std::string_view> usages = CommandUsages(family);
    EXPECT_FALSE(usages.empty()) << family;
    for (std::string_view usage : usages) {
      EXPECT_EQ(usage.front(), family) << usage;
      EXPECT_NE(page.find(CallOf(usage)), std::string::npos) << usage;
    }
  }
}

// Every ASCII spelling of the unit table is listed on the units page, as a word of its own.
TEST(HelpPages, TheUnitsPageListsEveryUnit) {
  std::string page = HelpPageText(kHelpUnits);
  std::vector<std::string> words;
  for (std::size_t at = 0; at < page.size();) {
    std::size_t end = std::min(page.find_first_of(" *\r\n(),:", at), page.size());
    if (end > at) words.push_back(page.substr(at, end - at));
    at = end + 1;
  }
  for (const detail::UnitRow& row : detail::UnitRows()) {
    std::string_view names = row.names;
    while (!names.empty()) {
      std::string name(names.substr(0, names.find(' ')));
      names.remove_prefix(std::min(names.size(), name.size() + 1));
      if (std::ranges::all_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        EXPECT_TRUE(std::ranges::find(words, name) != words.end()) << name;
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------
// The examples of the pages.

// The first line of an answer that reports a failure instead of a result, or "".
std::string FailureIn(std::string_view answer) {
  static constexpr std::string_view kFailureStarts[] = {"Error",  "Warning", "Waring",
                                                        "Unknow", "Failed",  "Not all"};
  for (std::size_t start = 0, end = 0; start < answer.size(); start = end + 2) {
    end = std::min(answer.find("\r\n", start), answer.size());
    const std::string_view line = answer.substr(start, end - start);
    if (line.find(" is not a ") != std::string_view::npos ||
        std::ranges::any_of(kFailureStarts, [&](auto word) { return StartsWith(line, word); })) {
      return std::string(line);
    }
  }
  return "";
}

// What a block marks (see console/help_pages.h): `line=`answer is a line to type and how
// its answer begins; `left`=`right` says two expressions are equal.
struct Example {
  std::string line, answerStart, right;
};
std::vector<Example> ExamplesOf(std::string_view block) {
  // Each marked text, with the text up to the next mark.
  std::vector<std::pair<std::string, std::string>> marks;
  std::size_t open = block.find(kExampleMark);
  while (open != std::string_view::npos) {
    const std::size_t close = block.find(kExampleMark, open + 1);
    if (close == std::string_view::npos) break;
    const std::size_t next = block.find(kExampleMark, close + 1);
    marks.emplace_back(block.substr(open + 1, close - open - 1),
                       block.substr(close + 1, next - close - 1));
    open = next;
  }
  std::vector<Example> examples;
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const auto& [text, after] = marks[i];
    std::string between = after;
    std::erase(between, ' ');
    if (between == "=" && !EndsWith(text, "=") && i + 1 < marks.size()) {
      examples.push_back({text, "", marks[++i].first});
    } else {
      const bool answers = EndsWith(text, "=");
      examples.push_back({text, answers ? after.substr(0, after.find_first_of(" \t\r")) : "", ""});
    }
  }
  return examples;
}
class HelpPageExamples : public ::testing::TestWithParam<HelpTopic> {};

// The marked lines of each block, typed in order into a fresh console, answer without a
// failure and begin as the page shows; the expressions said to be equal give equal answers.
TEST_P(HelpPageExamples, WorkAsThePageSays) {
  int checked = 0;
  for (std::string_view block : HelpPageBlocks(GetParam())) {
    EXPECT_EQ(std::count(block.begin(), block.end(), kExampleMark) % 2, 0) << FirstLine(block);
    EXPECT_EQ(block.find("``"), std::string_view::npos) << FirstLine(block);
    ConsoleHarness console;
    for (const Example& example : ExamplesOf(block)) {
      ++checked;
      if (!example.right.empty()) {
        const std::string left = ConsoleHarness().Answer(example.line + "=");
        const std::string right = ConsoleHarness().Answer(example.right + "=");
        EXPECT_EQ(FailureIn(left) + FailureIn(right), "") << example.line << "=" << example.right;
        EXPECT_EQ(Escape(left), Escape(right)) << example.line << "=" << example.right;
        continue;
      }
      const std::string answer = console.Answer(example.line);
      EXPECT_EQ(FailureIn(answer), "") << example.line;
      EXPECT_FALSE(console.session().LastAnswerFailed()) << example.line << ": " << Escape(answer);
      if (!example.answerStart.empty()) {
        EXPECT_TRUE(StartsWith(answer, example.answerStart + "\r\n"))
            << example.line << " should answer " << example.answerStart << ", not "
            << Escape(answer);
      }
    }
  }
  if (GetParam() != kHelpAtom) {
    EXPECT_GT(checked, 0) << "a page without examples";
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, HelpPageExamples, ::testing::ValuesIn(kTopics),
                         [](const ::testing::TestParamInfo<HelpTopic>& info) {
                           return TopicName(info.param);
                         });

}  // namespace
}  // namespace orvo::test
