#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "base/interrupt.h"
#include "base/random.h"
#include "engine/command_env.h"
#include "engine/evaluator.h"
#include "numeric/numeric.h"

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

// Fixture: the numerical tools over a fresh generator, never interrupted.
class WithTools : public ::testing::Test {
 protected:
  Random rng;
  NeverInterrupt never;
  NumericTools tools{rng, never};
};

}  // namespace orvo::test
