// Definite integrals of an expression in x: Simpson, Romberg, Gauss-Legendre and three
// trapezium variants (area, curve integral f ds, arc length).
#include <array>
#include <cmath>
#include <utility>

#include "base/number_text.h"
#include "base/text.h"
#include "numeric/detail/common.h"
#include "numeric/detail/messages.h"
#include "numeric/numeric.h"

namespace orvo {
namespace {

// Relative change of a new estimate against the previous one (absolute when the new one is 0).
double RelativeChange(double newer, double older) {
  double difference = std::fabs(newer - older);
  return newer == 0 ? difference : difference / std::fabs(newer);
}

// The common start of every routine: ordered bounds and the tolerance, and the result as it
// stands when no estimate is finished.
struct Interval {
  double a;
  double b;
  double length;
  double tolerance;
};

Interval Begin(const IntegrationTask& task, IntegrationResult& result) {
  Interval interval{task.a, task.b, 0, std::fabs(task.tolerance)};
  if (interval.a > interval.b) std::swap(interval.a, interval.b);
  interval.length = interval.b - interval.a;
  result.value = -1;
  result.change = interval.tolerance;
  result.steps = 0;
  return interval;
}

// The trapezium variants: the first estimate from the two ends, and the contribution of one
// sub-interval of width h split at its midpoint.
double FirstEstimate(CurveMode mode, double fa, double fb, double h) {
  double rise = fb - fa;
  switch (mode) {
    case CurveMode::kArea:
      return (fa + fb) * h / 2;
    case CurveMode::kCurve:
      return std::sqrt(rise * rise + h * h) * (fa + fb) / 2;
    case CurveMode::kArcLength:
      return std::sqrt(rise * rise + h * h);
  }
  return 0;
}

double Piece(CurveMode mode, double f0, double fm, double f1, double h) {
  if (mode == CurveMode::kArea) return (f0 + 2 * fm + f1) * h / 4;
  double quarter = h * h / 4;
  double left = std::sqrt((fm - f0) * (fm - f0) + quarter);
  double right = std::sqrt((f1 - fm) * (f1 - fm) + quarter);
  return mode == CurveMode::kCurve ? (left + right) * fm : left + right;
}

// Five-point Gauss-Legendre rule on [-1, 1], to ten decimals.
constexpr std::array<double, 5> kGaussNodes = {-0.9061798459, -0.5384693101, 0, 0.5384693101,
                                               0.9061798459};
constexpr std::array<double, 5> kGaussWeights = {0.2369268851, 0.4786286705, 0.5688888889,
                                                 0.4786286705, 0.2369268851};

// The Romberg row grows by one value per pass and every pass doubles the midpoints, so an int
// budget allows fewer than 32 passes.
constexpr int kRombergRow = 64;

using Routine = NumericStatus (*)(const NumericTools&, const IntegrationTask&, IntegrationResult&,
                                  std::string&);

// Indexed by the command's method number.
constexpr Routine kMethods[] = {
    [](const NumericTools& tools, const IntegrationTask& task, IntegrationResult& result,
       std::string& errors) { return tools.IntegrateSimpson(task, result, errors); },
    [](const NumericTools& tools, const IntegrationTask& task, IntegrationResult& result,
       std::string& errors) { return tools.IntegrateRomberg(task, result, errors); },
    [](const NumericTools& tools, const IntegrationTask& task, IntegrationResult& result,
       std::string& errors) { return tools.IntegrateGauss(task, result, errors); },
    [](const NumericTools& tools, const IntegrationTask& task, IntegrationResult& result,
       std::string& errors) {
      return tools.IntegrateTrapezium(CurveMode::kArea, task, result, errors);
    },
    [](const NumericTools& tools, const IntegrationTask& task, IntegrationResult& result,
       std::string& errors) {
      return tools.IntegrateTrapezium(CurveMode::kCurve, task, result, errors);
    },
    [](const NumericTools& tools, const IntegrationTask& task, IntegrationResult& result,
       std::string& errors) {
      return tools.IntegrateTrapezium(CurveMode::kArcLength, task, result, errors);
    },
};

constexpr int kStepBudget = 100000;

}  // namespace

NumericStatus NumericTools::IntegrateTrapezium(CurveMode mode, const IntegrationTask& task,
                                               IntegrationResult& result,
                                               std::string& errors) const {
  Interval in = Begin(task, result);
  detail::Sampler f(rng_, interrupt_, task.f, task.y, task.z);
  result.steps = 1;
  double fa = 0;
  double fb = 0;
  if (!f.At(in.a, fa) || !f.At(in.b, fb)) return f.Fail(errors);
  double h = in.length;
  double estimate = FirstEstimate(mode, fa, fb, h);
  for (long long n = 1;; n *= 2) {
    double sum = 0;
    for (long long k = 0; k < n; ++k) {
      if (result.steps >= task.budget) {
        result.value = estimate;
        return NumericStatus::kOk;
      }
      // Each pass evaluates all three points of every sub-interval anew.
      double f0 = 0;
      double fm = 0;
      double f1 = 0;
      if (!f.At(in.a + k * h, f0) || !f.At(in.a + (k + 0.5) * h, fm) ||
          !f.At(in.a + (k + 1) * h, f1)) {
        return f.Fail(errors);
      }
      sum += Piece(mode, f0, fm, f1, h);
      ++result.steps;
    }
    result.change = RelativeChange(sum, estimate);
    if (result.change <= in.tolerance) {
      result.value = estimate;  // the estimate that the finer one has confirmed
      return NumericStatus::kOk;
    }
    estimate = sum;
    h /= 2;
  }
}

NumericStatus NumericTools::IntegrateSimpson(const IntegrationTask& task, IntegrationResult& result,
                                             std::string& errors) const {
  Interval in = Begin(task, result);
  detail::Sampler f(rng_, interrupt_, task.f, task.y, task.z);
  result.steps = 1;
  double fa = 0;
  double fb = 0;
  if (!f.At(in.a, fa) || !f.At(in.b, fb)) return f.Fail(errors);
  double h = in.length;
  double trapezium = (fa + fb) * h / 2;
  double previous = trapezium;  // the first comparison is against the one-interval trapezium
  for (long long n = 1;; n *= 2) {
    double midpoints = 0;
    for (long long k = 0; k < n; ++k) {
      if (result.steps >= task.budget) {
        result.value = previous;
        return NumericStatus::kOk;
      }
      double fm = 0;
      if (!f.At(in.a + (k + 0.5) * h, fm)) return f.Fail(errors);
      midpoints += fm;
      ++result.steps;
    }
    double halved = (midpoints * h + trapezium) / 2;
    // Multiplied by the stored third rather than divided by 3, which gives other last digits.
    double simpson = (4 * halved - trapezium) * 0.3333333333333333;
    result.change = RelativeChange(simpson, previous);
    if (result.change <= in.tolerance) {
      result.value = simpson;
      return NumericStatus::kOk;
    }
    trapezium = halved;
    previous = simpson;
    h /= 2;
  }
}

NumericStatus NumericTools::IntegrateRomberg(const IntegrationTask& task, IntegrationResult& result,
                                             std::string& errors) const {
  Interval in = Begin(task, result);
  detail::Sampler f(rng_, interrupt_, task.f, task.y, task.z);
  result.steps = 1;
  double fa = 0;
  double fb = 0;
  if (!f.At(in.a, fa) || !f.At(in.b, fb)) return f.Fail(errors);
  double h = in.length;
  std::array<double, kRombergRow> row{};
  row[0] = (fa + fb) * h / 2;
  int length = 1;
  double best = 0;
  for (long long n = 1;; n *= 2) {
    double midpoints = 0;
    for (long long k = 0; k < n; ++k) {
      if (result.steps >= task.budget) {
        result.value = best;
        return NumericStatus::kOk;
      }
      double fm = 0;
      if (!f.At(in.a + (k + 0.5) * h, fm)) return f.Fail(errors);
      midpoints += fm;
      ++result.steps;
    }
    // Richardson extrapolation along the row, overwriting it with the new row as it goes.
    double t = (midpoints * h + row[0]) / 2;
    double q = 1;
    for (int j = 0; j < length; ++j) {
      q *= 4;
      double r = (q * t - row[j]) / (q - 1);
      row[j] = t;
      t = r;
    }
    best = t;
    result.change = RelativeChange(best, row[length - 1]);
    if (result.change <= in.tolerance || length == kRombergRow) {
      result.value = best;
      return NumericStatus::kOk;
    }
    row[length++] = best;
    h /= 2;
  }
}

NumericStatus NumericTools::IntegrateGauss(const IntegrationTask& task, IntegrationResult& result,
                                           std::string& errors) const {
  Interval in = Begin(task, result);
  detail::Sampler f(rng_, interrupt_, task.f, task.y, task.z);
  double previous = result.value;
  // One more sub-interval per pass: the budget allows some 450 passes.
  for (long long n = 1;; ++n) {
    double h = in.length / n;
    double sum = 0;
    for (long long k = 1; k <= n; ++k) {
      if (result.steps >= task.budget) {
        result.value = previous;
        return NumericStatus::kOk;
      }
      double x0 = in.a + (k - 1) * h;
      double x1 = in.a + k * h;
      double quadrature = 0;
      for (std::size_t i = 0; i < kGaussNodes.size(); ++i) {
        double fx = 0;
        if (!f.At((x1 - x0) * kGaussNodes[i] / 2 + (x1 + x0) / 2, fx)) return f.Fail(errors);
        quadrature += kGaussWeights[i] * fx;
      }
      sum += quadrature;
      ++result.steps;
    }
    double estimate = h * sum / 2;
    if (n > 1) {
      result.change = RelativeChange(estimate, previous);
      if (result.change <= in.tolerance) {
        result.value = estimate;
        return NumericStatus::kOk;
      }
    }
    previous = estimate;
  }
}

std::string IntegrateCommand(const CommandEnv& env, std::string_view text, int method) {
  std::string_view parts[3];
  int found = detail::SplitAtSemicolons(detail::StripClosingBracket(text), 2, parts);
  // Bounds are read with the default variables, not the user's.
  Evaluator bounds(env.rng);
  std::string errors;
  double a = 0;
  double b = 0;
  if (found >= 1) detail::EvaluateArgument(bounds, parts[0], a, errors);
  if (found >= 2) detail::EvaluateArgument(bounds, parts[1], b, errors);
  if (found < 2) {
    AppendMessage(errors, msg::kIntegralMissing);
  } else if (parts[2].find(';') != std::string_view::npos) {
    AppendMessage(errors, msg::kIntegralExcessive);
  }
  if (!errors.empty()) return detail::ErrorAnswer(errors);

  IntegrationTask task{parts[2], a, b, std::pow(10.0, -env.precision), kStepBudget, env.y, env.z};
  IntegrationResult result;
  NumericTools tools(env.rng, env.interrupt);
  int index = method >= 0 && method < static_cast<int>(std::size(kMethods)) ? method : 0;
  if (kMethods[index](tools, task, result, errors) != NumericStatus::kOk) {
    return std::string(kNewLine) + errors + std::string(kPromptEnding);
  }
  return detail::Fill(msg::kIntegralAnswer,
                      {FormatG(result.value, env.precision), FormatInt(result.steps),
                       FormatGDigits(result.change, 6)}) +
         std::string(kPromptEnding);
}

}  // namespace orvo
