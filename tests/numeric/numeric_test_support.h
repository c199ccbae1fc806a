#pragma once
#include <string>
#include <string_view>

#include "base/interrupt.h"
#include "base/random.h"
#include "engine/command_env.h"
#include "engine/evaluator.h"

namespace orvo::test {

// Says "stop" from the given poll on (counting from 1); counts every question.
class ScriptedInterrupt final : public Interrupt {
 public:
  explicit ScriptedInterrupt(long stopAt) : stopAt_(stopAt) {}
  bool Requested() override { return ++polls_ >= stopAt_; }
  long polls() const { return polls_; }

 private:
  long stopAt_;
  long polls_ = 0;
};

// A command environment with the default variables, over a generator and an interrupt that
// the test owns. Texts put into the console at once are collected in `shown`.
struct TestEnv {
  explicit TestEnv(Interrupt& interrupt, int precision = 8)
      : env{0,
            Evaluator::kE,
            Evaluator::kPi,
            precision,
            rng,
            interrupt,
            [this](std::string_view text) { shown += text; }} {}

  Random rng;
  std::string shown;
  CommandEnv env;
};

// Whether the function library knows `name` yet (some examples need named functions).
inline bool HasFunction(std::string_view call) {
  Random rng;
  Evaluator evaluator(rng);
  evaluator.SetExpression(call);
  double value = 0;
  std::string errors;
  evaluator.Evaluate(value, errors);
  return errors.find("Unknow function") == std::string::npos;
}

}  // namespace orvo::test
