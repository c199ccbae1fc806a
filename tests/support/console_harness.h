#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "base/interrupt.h"
#include "console/session.h"

namespace orvo::test {

// A fresh console session over a string, typed into as a user would.
class ConsoleHarness {
 public:
  explicit ConsoleHarness(SessionOptions options = {});
  // A session whose questions `dialogs` answers.
  explicit ConsoleHarness(Dialogs& dialogs, SessionOptions options = {});

  // Types `line` at the end of the console and presses Enter (the number-pad one when asked).
  void Type(std::string_view line, bool numberPad = false);
  // Types every line; returns the whole console text afterwards.
  std::string Run(const std::vector<std::string>& lines);
  // Types one line and returns what the console gained after it (the whole text when the screen
  // was replaced).
  std::string Answer(std::string_view line);

  std::string Text() const { return box_.Text(); }
  ConsoleSession& session() { return session_; }
  StringTextBox& box() { return box_; }

 private:
  StringTextBox box_;
  NoDialogs noDialogs_;
  NeverInterrupt interrupt_;
  ConsoleSession session_;
};

// Writes line ends, tabs, backslashes and quotes as the escapes of a C string literal, so that a
// failing comparison is readable and a transcript file can hold the text.
std::string Escape(std::string_view text);
// The characters Escape writes as a backslash and a letter, and their letters, in one order.
inline constexpr std::string_view kEscapedChars = "\r\n\t\\\"", kEscapeLetters = "rnt\\\"";

}  // namespace orvo::test
