#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/interrupt.h"
#include "base/random.h"
#include "command/command.h"
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
// the test owns.
struct TestEnv {
  explicit TestEnv(Interrupt& interrupt)
      : env{.rng = rng, .interrupt = interrupt, .show = [](std::string_view) {}} {}

  Random rng;
  CommandEnv env;
};

// Fixture: the numerical tools over a fresh generator, never interrupted.
class WithTools : public ::testing::Test {
 protected:
  Random rng;
  NeverInterrupt never;
  NumericTools tools{rng, never};
};

// The rows of a reference file in tests/numeric/data (made by make_reference.py): fields split
// at blanks, "#" lines skipped. A missing file fails the test that asked for it.
inline std::vector<std::vector<std::string>> ReferenceRows(const std::string& name) {
  std::vector<std::vector<std::string>> rows;
  std::ifstream in(std::string(ORVO_NUMERIC_DATA) + "/" + name);
  EXPECT_TRUE(in.good()) << name;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    rows.emplace_back();
    for (std::string field; fields >> field;) rows.back().push_back(field);
  }
  return rows;
}

}  // namespace orvo::test
