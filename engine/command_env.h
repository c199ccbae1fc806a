#pragma once
#include <functional>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>

#include "base/interrupt.h"
#include "base/random.h"

namespace orvo {

// What a command handler (integrals, roots, matrices, ...) may use of the session it runs in.
struct CommandEnv {
  double x = 0;  // the user's variables, for handlers that copy them into their evaluators
  double y = std::numbers::e;
  double z = std::numbers::pi;
  int precision = 8;  // significant digits of results; tolerance 10^-precision
  Random& rng;        // the session's generator: replayed sessions print the same digits
  Interrupt& interrupt;
  // Puts text into the console at once, before the command ends ("Please wait...").
  std::function<void(std::string_view)> show;
};

// What a command gives the console: its text, and whether that text reports a failure (an
// error, an unreliable result, an unknown word, a cancellation) instead of a result. The flag is
// set where the message is chosen, so nobody has to read it back out of the text.
struct CommandAnswer {
  std::string text;
  bool failed = false;
};

// The answer of a command that failed.
inline CommandAnswer FailedAnswer(std::string text) {
  return {std::move(text), true};
}

// The answer of a command that the user stopped.
inline constexpr std::string_view kCancelledMessage = "Error: The calculation was cancelled";

}  // namespace orvo
