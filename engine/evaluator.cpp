#include "engine/evaluator.h"

#include <cmath>

#include "base/number_text.h"
#include "base/text.h"
#include "engine/detail/messages.h"
#include "engine/detail/normalise.h"

namespace orvo {

Evaluator::Evaluator(Random& rng) : rng_(&rng) {}

void Evaluator::Forget() {
  expression_.clear();
  prepared_ = false;
  liveCount_ = 0;
  lastIndex_ = 0;
  terms_.clear();
  work_.clear();
  plan_.Clear();
}

void Evaluator::SetExpression(std::string_view text) {
  Forget();
  expression_ = detail::Normalise(text);
}

std::vector<DroppedOperator> DroppedOperators(std::string_view text) {
  std::vector<DroppedOperator> notes;
  detail::Normalise(text, &notes);
  return notes;
}

void Evaluator::EvaluateSlowly(std::string& errors, Evaluation& result) {
  result = Evaluation{};
  status_ = 0;
  if (!prepared_) {
    PrepareTerms(errors);
    if (!prepared_) {
      result.status = status_;
      result.fault = Fault::kForm;
      return;
    }
  }
  // A replay that found a call behaving otherwise than recorded: reduce the slow way from now on.
  if (plan_.ready()) plan_.Drop();
  errors.clear();

  work_ = terms_;
  for (Term& term : work_) {
    if (term.kind == 'x')
      term.value = x_;
    else if (term.kind == 'y')
      term.value = y_;
    else if (term.kind == 'z')
      term.value = z_;
  }
  liveCount_ = lastIndex_;
  double reduced = Reduce(errors);
  detail::Conclude(reduced, status_, errors, result.value);
  result.status = status_;
  result.fault = status_ == 0 && errors.empty() ? Fault::kNone : Fault::kValue;
}

Evaluation Evaluator::EvaluateToText(std::string& text, int precision, std::string& errors) {
  Evaluation result = Evaluate(errors);
  text = FormatG(result.value, precision);
  return result;
}

}  // namespace orvo
