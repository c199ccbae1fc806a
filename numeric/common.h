#pragma once
#include <string>
#include <string_view>

#include "base/interrupt.h"
#include "base/random.h"
#include "engine/evaluator.h"
#include "numeric/numeric.h"

// Pieces shared by the numerical tools: the user's function evaluated point by point, the
// interrupt polling, and the reading of command arguments.
namespace orvo {

// Counts work and asks the user's interrupt once per `period` units: asking may repaint a
// window, so it is not done per evaluation.
class CancelPoll {
 public:
  CancelPoll(Interrupt& interrupt, long period) : interrupt_(interrupt), period_(period) {}

  // Adds `work` units; true once the user has asked to stop.
  bool Stop(long work = 1) {
    if (stopped_) return true;
    done_ += work;
    if (done_ < period_) return false;
    done_ = 0;
    stopped_ = interrupt_.Requested();
    return stopped_;
  }

 private:
  Interrupt& interrupt_;
  long period_;
  long done_ = 0;
  bool stopped_ = false;
};

// The user's expression f(x), prepared once and evaluated at many points.
class Sampler {
 public:
  // Evaluations between two questions to the interrupt.
  static constexpr long kPollPeriod = 4096;

  Sampler(Random& rng, Interrupt& interrupt, std::string_view f, double y, double z);

  // f(x). False when the evaluation gave a message (any message, even one that leaves the
  // status at 0) or the user cancelled; Fail then tells which.
  bool At(double x, double& value);

  // After At gave false: appends the message (or the cancel message) to `errors` and returns
  // the status to report.
  NumericStatus Fail(std::string& errors) const;
  bool cancelled() const { return cancelled_; }
  // The message of the last evaluation.
  const std::string& message() const { return message_; }
  int status() const { return last_.status; }

 private:
  Evaluator evaluator_;
  CancelPoll poll_;
  std::string message_;
  Evaluation last_;
  bool cancelled_ = false;
};

// The text without one ")" at its end.
std::string_view StripClosingBracket(std::string_view text);

// Evaluates one argument of a command. On a message adds the line "message: text" (the message
// cut before the closing line of a failed syntax check) to `errors` and returns false.
bool EvaluateArgument(Evaluator& evaluator, std::string_view text, double& value,
                      std::string& errors);

// The two leading arguments of a command (its bounds, or a start and a count), each evaluated
// when it was found: `found` parts were split off.
void EvaluateLeadingPair(Evaluator& evaluator, const std::string_view* parts, int found,
                         double& first, double& second, std::string& errors);

// The answer of a command that failed: the messages on their own lines, then the prompt.
CommandAnswer ErrorAnswer(std::string_view errors);

// Splits `text` at its first `count` ";" characters: parts[0..count] where the last part is the
// rest. Returns how many ";" were found (at most `count`).
int SplitAtSemicolons(std::string_view text, int count, std::string_view* parts);

}  // namespace orvo
