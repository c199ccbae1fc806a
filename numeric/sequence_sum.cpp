// Sums of sequences: f(a) + f(a + st) + f(a + 2 st) + ... over n terms.
#include <cmath>

#include "base/number_text.h"
#include "base/text.h"
#include "numeric/common.h"
#include "numeric/detail/messages.h"
#include "numeric/numeric.h"

namespace orvo {

NumericStatus NumericTools::SequenceSum(std::string_view f, double a, double st, double n, double y,
                                        double z, double& sum, std::string& errors) const {
  Sampler term(rng_, interrupt_, f, y, z);
  sum = 0;
  // A fault of form shows at any x; one of value at x = 0 may not concern the terms at all.
  double value = 0;
  if (!term.At(0, value) && (term.status() > 0 || term.cancelled())) return term.Fail(errors);

  // Counted in 64 bits: a count beyond any int runs until the user cancels.
  for (long long k = 1; k <= n; ++k) {
    if (!term.At(a + static_cast<double>(k - 1) * st, value)) return term.Fail(errors);
    sum += value;
  }
  return NumericStatus::kOk;
}

CommandAnswer SequenceSumCommand(const CommandEnv& env, std::string_view text) {
  std::string_view parts[4];
  int found = SplitAtSemicolons(StripClosingBracket(text), 3, parts);
  Evaluator elements(env.rng);  // a and n are read with the default variables
  std::string errors;
  double a = 0;
  double n = 0;
  double st = 1;
  EvaluateLeadingPair(elements, parts, found, a, n, errors);
  // The step is read as a plain number, as atof reads it: "1/2" is 1.
  if (found >= 3) st = ParseDouble(parts[2]);
  if (found < 3) {
    AppendMessage(errors, msg::kSumMissing);
  } else if (parts[3].find(';') != std::string_view::npos) {
    AppendMessage(errors, msg::kSumExcessive);
  }
  if (st == 0) st = 1;
  if (std::floor(n) <= 0) n = 1;
  if (!errors.empty()) return ErrorAnswer(errors);

  NumericTools tools(env.rng, env.interrupt);
  double sum = 0;
  if (tools.SequenceSum(parts[3], a, st, n, env.y, env.z, sum, errors) != NumericStatus::kOk) {
    return FailedAnswer(errors);
  }
  std::string shown = FormatG(sum, env.precision);
  return {shown, Placement::kAfterEquals, false, false, {{"", shown, sum, true}}};
}

}  // namespace orvo
