#pragma once
#include <cstdint>
#include <functional>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/interrupt.h"
#include "base/random.h"

// What the console and the commands it runs (integrals, roots, matrices, definitions, plots)
// exchange: what a command may use of the session, and the answer it gives back. A command gives
// content; the console puts it into the text with the prompt line after it.
namespace orvo {

struct CommandEnv {
  double y = std::numbers::e;  // the user's variables, for commands that copy them
  double z = std::numbers::pi;
  int precision = 8;  // significant digits of results; tolerance 10^-precision
  Random& rng;        // the session's generator: replayed sessions print the same digits
  Interrupt& interrupt;
  // Puts text into the console at once, before the command ends ("Please wait...").
  std::function<void(std::string_view)> show;
};

// Where an answer's content goes in the console.
enum class Placement : std::uint8_t {
  kAfterEquals,     // right after the "=" of the typed line: 1+2=3
  kBelow,           // on the lines below the typed line
  kAtCaret,         // where the caret is: a setting's answer is only the prompt line
  kReplacesScreen,  // the whole console: help pages, screens brought back
};

// One value of an answer: what copy, --values and ans() read instead of the text.
struct AnswerValue {
  std::string name;   // "" for a plain value; "Times", "x[2]", "Mean", "mat0[1,2]"...
  std::string text;   // as printed
  double value = 0;   // the full double behind the text
  bool main = false;  // the one value that stands for the answer
};

struct CommandAnswer {
  std::string content;  // without the line break before it and without the prompt line
  Placement placement = Placement::kBelow;
  // A failure (an error, an unknown word, a cancellation) instead of a result; set where the
  // message is chosen, so nobody has to read it back out of the text.
  bool failed = false;
  bool warned = false;  // a result with a warning: the value stands, but is not to be relied on
  std::vector<AnswerValue> values = {};
};

// The answer of a command that failed.
inline CommandAnswer FailedAnswer(std::string content) {
  return {std::move(content), Placement::kBelow, true};
}

// Adds a line to an answer's content, after a line break when it holds lines already.
inline void AddLine(std::string& content, std::string_view line) {
  if (!content.empty()) content += "\r\n";
  content += line;
}

// The answer of a command that the user stopped.
inline constexpr std::string_view kCancelledMessage = "Error: The calculation was cancelled";

}  // namespace orvo
