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

int Evaluator::EvaluateSlowly(double& value, std::string& errors) {
  value = -1;
  status_ = 0;
  if (!prepared_) {
    PrepareTerms(errors);
    if (!prepared_) {
      fault_ = Fault::kForm;
      return status_;
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
  double result = Reduce(errors);
  detail::Conclude(result, status_, errors, value);
  fault_ = status_ == 0 && errors.empty() ? Fault::kNone : Fault::kValue;
  return status_;
}

int Evaluator::EvaluateToText(std::string& text, int precision, std::string& errors) {
  double value = 0;
  Evaluate(value, errors);
  text = FormatG(value, precision);
  return status_;
}

}  // namespace orvo
