#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <span>
#include <sstream>
#include <string>

#include "base/random.h"
#include "engine/evaluator.h"

// The replayed plan of a prepared expression must agree with a fresh evaluation, bit for bit,
// message for message: the numerical tools rely on the replay, the console on fresh ones.
namespace orvo::test {

struct ReplayPoint {
  double x;
  double y;
};

// Evaluates each blank-separated expression once prepared and replayed at every point, and each
// time also in a fresh evaluator whose generator is in the same state (the inverse searches
// draw from it).
inline void ExpectReplayAgrees(const std::string& expressions,
                               std::span<const ReplayPoint> points) {
  std::istringstream words(expressions);
  for (std::string text; words >> text;) {
    Random rng;
    Evaluator kept(rng);
    kept.SetExpression(text);
    for (const ReplayPoint& point : points) {
      Random freshRng = rng;
      Evaluator fresh(freshRng);
      fresh.SetX(point.x);
      fresh.SetY(point.y);
      fresh.SetExpression(text);
      std::string expectedErrors;
      Evaluation expected = fresh.Evaluate(expectedErrors);

      kept.SetX(point.x);
      kept.SetY(point.y);
      std::string replayedErrors;
      Evaluation replayed = kept.Evaluate(replayedErrors);

      std::string where = text + " at x=" + std::to_string(point.x) + " (" +
                          (std::signbit(point.x) ? "-" : "+") + "), y=" + std::to_string(point.y);
      EXPECT_EQ(std::memcmp(&replayed.value, &expected.value, sizeof expected.value), 0)
          << where << ": " << replayed.value << " vs " << expected.value;
      EXPECT_EQ(replayed.status, expected.status) << where;
      EXPECT_EQ(replayed.fault, expected.fault) << where;
      EXPECT_EQ(replayedErrors, expectedErrors) << where;
      EXPECT_EQ(rng.Next(), freshRng.Next()) << where << ": the generators parted";
    }
  }
}

}  // namespace orvo::test
