#include "tests/support/console_harness.h"

#include "base/text.h"

namespace orvo::test {

ConsoleHarness::ConsoleHarness(SessionOptions options)
    : session_(box_, noDialogs_, interrupt_, std::move(options)) {}

ConsoleHarness::ConsoleHarness(Dialogs& dialogs, SessionOptions options)
    : session_(box_, dialogs, interrupt_, std::move(options)) {}

void ConsoleHarness::Type(std::string_view line, bool numberPad) {
  box_.MoveCaretToEnd();
  box_.ReplaceSelection(line);
  session_.PressEnter(numberPad);
}

std::string ConsoleHarness::Run(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) Type(line);
  return box_.Text();
}

std::string ConsoleHarness::Answer(std::string_view line) {
  box_.MoveCaretToEnd();
  box_.ReplaceSelection(line);
  std::string before = box_.Text();
  session_.PressEnter(false);
  std::string after = box_.Text();
  return StartsWith(after, before) ? after.substr(before.size()) : after;
}

std::string Escape(std::string_view text) {
  std::string result;
  for (char c : text) {
    std::size_t k = kEscapedChars.find(c);
    if (k != std::string_view::npos) result += '\\';
    result += k != std::string_view::npos ? kEscapeLetters[k] : c;
  }
  return result;
}

}  // namespace orvo::test
