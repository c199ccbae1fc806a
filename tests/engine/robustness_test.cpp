// Whatever is typed, the engine answers: no crash, no hang, a value or a message.
#include <gtest/gtest.h>

#include <string>

#include "base/random.h"
#include "engine/evaluator.h"

namespace orvo {
namespace {

std::string EvaluateOnce(const std::string& text) {
  Random rng;
  Evaluator ev(rng);
  ev.SetExpression(text);
  std::string errors;
  Evaluation first = ev.Evaluate(errors);
  if (first.status != 0) {
    EXPECT_EQ(first.value, -1);
  }
  EXPECT_EQ(first.ok(), first.status == 0 && errors.empty());
  ev.SetX(1.5);
  ev.Evaluate(errors);  // and again, through the recorded plan when there is one
  return errors;
}

TEST(Robustness, RandomTextNeverBreaksTheEngine) {
  static const std::string kAlphabet =
      "0123456789.xyz+-*/^:#%!,()<>=&|~?$ eEpiandorsinfacpolyn'\"@;[]{}\\\t\xE2\x82\xAC\xFF";
  Random rng;
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    int length = 1 + rng.Next() % 24;
    for (int k = 0; k < length; ++k) text += kAlphabet[rng.Next() % kAlphabet.size()];
    EvaluateOnce(text);
  }
}

TEST(Robustness, LongAndDeepInputIsAnsweredInBoundedTime) {
  const std::string tooLong =
      "Error: The expression is too long\r\n/Error checking was disrupted by above critical "
      "error(s)/";
  EXPECT_EQ(EvaluateOnce(std::string(20000, '(') + "1" + std::string(20000, ')')), tooLong);
  EXPECT_EQ(EvaluateOnce(std::string(4000, '(') + "1" + std::string(4000, ')')), "");
  EvaluateOnce(std::string(20000, '('));
  EvaluateOnce(std::string(100000, ')'));
  std::string sum = "1";
  for (int k = 0; k < 50000; ++k) sum += "+1";
  EXPECT_EQ(EvaluateOnce(sum), tooLong);
  EXPECT_EQ(EvaluateOnce(sum.substr(0, 19990)), "");
  EvaluateOnce(std::string(100000, 'a'));
  EvaluateOnce(std::string(400, '9') + "^9");
  EvaluateOnce("1e99999999999999999999");
  EvaluateOnce(std::string(100000, '!'));
  EvaluateOnce(std::string(100000, '%'));
}

}  // namespace
}  // namespace orvo
