#include "numeric/common.h"
#include "base/text.h"

namespace orvo {

Sampler::Sampler(Random& rng, Interrupt& interrupt, std::string_view f, double y, double z)
    : evaluator_(rng), poll_(interrupt, kPollPeriod) {
  evaluator_.SetExpression(f);
  evaluator_.SetY(y);
  evaluator_.SetZ(z);
}

bool Sampler::At(double x, double& value) {
  if (poll_.Stop()) {
    cancelled_ = true;
    return false;
  }
  evaluator_.SetX(x);
  last_ = evaluator_.Evaluate(message_);  // keeps the buffer's capacity: no allocation
  value = last_.value;
  return last_.ok();
}

NumericStatus Sampler::Fail(std::string& errors) const {
  if (cancelled_) {
    AppendMessage(errors, kCancelledMessage);
    return NumericStatus::kCancelled;
  }
  AppendMessage(errors, message_);
  return NumericStatus::kFailed;
}

std::string_view StripClosingBracket(std::string_view text) {
  if (EndsWith(text, ")")) text.remove_suffix(1);
  return text;
}

void EvaluateLeadingPair(Evaluator& evaluator, const std::string_view* parts, int found,
                         double& first, double& second, std::string& errors) {
  if (found >= 1) EvaluateArgument(evaluator, parts[0], first, errors);
  if (found >= 2) EvaluateArgument(evaluator, parts[1], second, errors);
}

bool EvaluateArgument(Evaluator& evaluator, std::string_view text, double& value,
                      std::string& errors) {
  std::string message;
  evaluator.SetExpression(text);
  Evaluation result = evaluator.Evaluate(message);
  value = result.value;
  if (result.ok()) return true;
  std::string line(CutAtErrorTrailer(message));
  line += ": ";
  line += CapEcho(text);
  AppendMessage(errors, line);
  return false;
}

CommandAnswer ErrorAnswer(std::string_view errors) {
  // A list that begins with its own line break already starts below the command.
  if (StartsWith(errors, kNewLine)) errors.remove_prefix(kNewLine.size());
  return FailedAnswer(std::string(errors));
}

int SplitAtSemicolons(std::string_view text, int count, std::string_view* parts) {
  int found = 0;
  while (found < count) {
    std::size_t at = text.find(';');
    if (at == std::string_view::npos) break;
    parts[found++] = text.substr(0, at);
    text.remove_prefix(at + 1);
  }
  parts[found] = text;
  return found;
}

}  // namespace orvo
