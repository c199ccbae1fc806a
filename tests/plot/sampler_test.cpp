// The sampler's findings against values known independently (std:: maths), and what the
// drawing relies on: ordered points, no line across a pole or a jump, the same points twice.
// The summary wording is a transcript case.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/evaluator.h"
#include "plot/plot.h"

namespace orvo {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = std::numbers::pi;

class StopAtOnce final : public Interrupt {
 public:
  bool Requested() override { return true; }
};

std::vector<double> Places(const PlotCurve& curve, FeatureKind kind) {
  std::vector<double> places;
  for (const CurveFeature& f : curve.features)
    if (f.kind == kind) places.push_back(f.x);
  return places;
}

double Extreme(const PlotCurve& curve, FeatureKind kind, bool unbounded) {
  for (const CurveFeature& f : curve.features)
    if (f.kind == kind && !unbounded) return f.y;
  return kNone;
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected,
                double tolerance, const char* what, const char* f) {
  ASSERT_EQ(actual.size(), expected.size()) << f << ": " << what;
  for (std::size_t i = 0; i < actual.size(); ++i)
    EXPECT_NEAR(actual[i], expected[i], tolerance) << f << ": " << what << " " << i;
}

TEST(Sampler, FindsZerosPolesJumpsGapsAndExtremes) {
  const struct {
    const char* f;
    double a, b;
    std::vector<double> zeros, poles, jumps;
    std::vector<double> gaps;  // from, to, from, to, ...
    double min, max;           // kNone: unbounded that way
  } rows[] = {
      {"x^3-6x^2+11x-6", 0, 4, {1, 2, 3}, {}, {}, {}, -6, 6},
      {"x^2-2", 0, 4, {std::sqrt(2.0)}, {}, {}, {}, -2, 14},
      {"1/x", -1, 1, {}, {0}, {}, {}, kNone, kNone},
      {"1/x", -1, 2, {}, {0}, {}, {}, kNone, kNone},
      {"tan(x)",
       -5,
       5,
       {-kPi, 0, kPi},
       {-1.5 * kPi, -kPi / 2, kPi / 2, 1.5 * kPi},
       {},
       {},
       kNone,
       kNone},
      {"1/(x-0.3)^2", -1, 2, {}, {0.3}, {}, {}, 1 / 2.89, kNone},
      {"sqrt(1-x^2)", -2, 2, {}, {}, {}, {-2, -1, 1, 2}, 0, 1},
      {"ln(x)", -1, 1, {}, {}, {}, {-1, 0}, kNone, 0},
      {"int(x)", -2.5, 2.5, {0}, {}, {-2, -1, 1, 2}, {}, -2, 2},
      {"3", 0, 1, {}, {}, {}, {}, 3, 3},
      {"x/x", -1, 1, {}, {}, {}, {0, 0}, 1, 1},
      {"ln(x)", -2, -1, {}, {}, {}, {}, kNone, kNone},  // no value at all: nothing to find
  };
  Random rng;
  NeverInterrupt never;
  for (const auto& row : rows) {
    PlotCurve curve;
    std::string errors;
    ASSERT_EQ(SampleCurve(row.f, row.a, row.b, Evaluator::kE, Evaluator::kPi, SampleOptions{}, rng,
                          never, curve, errors),
              NumericStatus::kOk)
        << row.f;
    ExpectNear(Places(curve, FeatureKind::kZero), row.zeros, 1e-12, "zeros", row.f);
    ExpectNear(Places(curve, FeatureKind::kPole), row.poles, 1e-9, "poles", row.f);
    ExpectNear(Places(curve, FeatureKind::kJump), row.jumps, 1e-9, "jumps", row.f);
    std::vector<double> gaps;
    for (const CurveFeature& f : curve.features) {
      if (f.kind != FeatureKind::kUndefined) continue;
      gaps.push_back(f.x);
      gaps.push_back(f.x2);
    }
    // Gap edges within the tolerance of sqrt, which takes -1e-6 as 0.
    ExpectNear(gaps, row.gaps, 1e-5, "gaps", row.f);
    if (!curve.HasValue()) {
      EXPECT_TRUE(std::isnan(row.min)) << row.f;
      continue;
    }
    double min = Extreme(curve, FeatureKind::kMin, curve.unboundedBelow);
    double max = Extreme(curve, FeatureKind::kMax, curve.unboundedAbove);
    EXPECT_EQ(std::isnan(min), std::isnan(row.min)) << row.f;
    EXPECT_EQ(std::isnan(max), std::isnan(row.max)) << row.f;
    if (!std::isnan(row.min)) {
      EXPECT_NEAR(min, row.min, 1e-12) << row.f;
    }
    if (!std::isnan(row.max)) {
      EXPECT_NEAR(max, row.max, 1e-12) << row.f;
    }

    // No line is drawn across a pole or a jump, or to a point without value.
    for (std::size_t i = 1; i < curve.points.size(); ++i) {
      const PlotPoint& p = curve.points[i];
      ASSERT_LT(curve.points[i - 1].x, p.x) << row.f;
      if (!p.joined) continue;
      EXPECT_TRUE(std::isfinite(p.y) && std::isfinite(curve.points[i - 1].y)) << row.f;
      for (const CurveFeature& f : curve.features) {
        bool breaks = f.kind == FeatureKind::kPole || f.kind == FeatureKind::kJump;
        EXPECT_FALSE(breaks && curve.points[i - 1].x < f.x && f.x < p.x) << row.f << " " << f.x;
      }
    }
  }
}

TEST(Sampler, IsDeterministicKeepsItsBudgetAndStopsWhenAsked) {
  Random rng;
  NeverInterrupt never;
  PlotCurve first, second;
  std::string errors;
  SampleCurve("sin(1/x)", -1, 1, 0, 0, SampleOptions{}, rng, never, first, errors);
  SampleCurve("sin(1/x)", -1, 1, 0, 0, SampleOptions{}, rng, never, second, errors);
  ASSERT_EQ(first.points.size(), second.points.size());
  for (std::size_t i = 0; i < first.points.size(); ++i)
    EXPECT_EQ(first.points[i].x, second.points[i].x);
  EXPECT_LE(first.points.size(), 20000u + 2);

  StopAtOnce stop;
  EXPECT_EQ(
      SampleCurve("x", 0, 1, 0, 0, SampleOptions{.intervals = 10000}, rng, stop, first, errors),
      NumericStatus::kCancelled);
  EXPECT_EQ(errors, kCancelledMessage);
}

}  // namespace
}  // namespace orvo
