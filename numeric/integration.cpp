// Definite integrals of an expression in x: Simpson, Romberg, Gauss-Legendre and three
// trapezium variants (area, curve integral f ds, arc length).
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <queue>
#include <utility>

#include "base/compensated_sum.h"
#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "numeric/common.h"
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

double PieceOf(CurveMode mode, double f0, double fm, double f1, double h) {
  if (mode == CurveMode::kArea) return (f0 + 2 * fm + f1) * h / 4;
  double quarter = h * h / 4;
  double left = std::sqrt((fm - f0) * (fm - f0) + quarter);
  double right = std::sqrt((f1 - fm) * (f1 - fm) + quarter);
  return mode == CurveMode::kCurve ? (left + right) * fm : left + right;
}

// Five-point Gauss-Legendre rule on [-1, 1], to full double precision.
constexpr std::array<double, 5> kGaussNodes = {-0.9061798459386640, -0.5384693101056831, 0,
                                               0.5384693101056831, 0.9061798459386640};
constexpr std::array<double, 5> kGaussWeights = {0.2369268850561891, 0.4786286704993665,
                                                 0.5688888888888889, 0.4786286704993665,
                                                 0.2369268850561891};

// The Romberg row grows by one value per pass and every pass doubles the midpoints, so an int
// budget allows fewer than 32 passes.
constexpr int kRombergRow = 64;

// The 7-point Gauss and 15-point Kronrod rules on [-1, 1] (QUADPACK's qk15): nodes from the
// outside in, x[1], x[3], x[5] and x[7] = 0 being the Gauss nodes.
constexpr std::array<double, 8> kKronrodNodes = {
    0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
    0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
    0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
    0.207784955007898467600689403773245, 0};
constexpr std::array<double, 8> kKronrodWeights = {
    0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
    0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
    0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
    0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr std::array<double, 4> kKronrodGaussWeights = {
    0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
    0.381830050505118944950369775488975, 0.417959183673469387755102040816327};
// Pieces the independent estimate may cut the interval into (15 evaluations each).
constexpr int kMaxPieces = 2000;
constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// The printed value stands when it and the independent estimate, with the estimate's error, lie
// within half a unit of the value's last printed digit, and never closer than this many units in
// the last place of a double (at precision 16 half a digit is less than one).
constexpr double kHalfDigit = 0.5;
constexpr double kLeastUlps = 4;
// The rounding noise of the estimate, counted as this many standard deviations of the sum of
// the independent rounding errors of its terms.
constexpr double kNoiseDeviations = 3;

// Half a unit of the last of the digits that the tolerance 10^-P asks to print of `value`, or
// kLeastUlps units in its last place, whichever is more.
double PrintedRounding(double value, double tolerance) {
  double magnitude = std::fabs(value);
  double lastDigit = std::pow(10.0, std::floor(std::log10(magnitude)) + 1) * tolerance;
  double ulp = std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
  return std::max(kHalfDigit * lastDigit, kLeastUlps * ulp);
}

struct Piece {
  double a;
  double b;
  double value;
  double error;  // of the rule, without the rounding
  double noise;  // the standard deviation of the rounding of `value`
  bool operator<(const Piece& other) const { return error < other.error; }
};

// One Gauss-Kronrod 7/15 estimate with QUADPACK's error estimate. False on a fault.
bool Kronrod(Sampler& f, double a, double b, Piece& piece) {
  const double centre = (a + b) / 2;
  const double half = (b - a) / 2;
  std::array<double, 15> values{};
  std::array<double, 15> xs{};  // ascending
  xs[7] = centre;
  if (!f.At(centre, values[7])) return false;
  for (int j = 0; j < 7; ++j) {
    double offset = half * kKronrodNodes[j];
    xs[j] = centre - offset;
    xs[14 - j] = centre + offset;
    if (!f.At(xs[j], values[j]) || !f.At(xs[14 - j], values[14 - j])) return false;
  }
  double kronrod = values[7] * kKronrodWeights[7];
  double gauss = values[7] * kKronrodGaussWeights[3];
  for (int j = 0; j < 7; ++j) {
    double pair = values[j] + values[14 - j];
    kronrod += kKronrodWeights[j] * pair;
    if (j % 2 == 1) gauss += kKronrodGaussWeights[j / 2] * pair;
  }
  double mean = kronrod / 2;
  double spread = kKronrodWeights[7] * std::fabs(values[7] - mean);
  for (int j = 0; j < 7; ++j) {
    spread += kKronrodWeights[j] * (std::fabs(values[j] - mean) + std::fabs(values[14 - j] - mean));
  }
  // Each value is off by its own roundings (about two) and by f's change over the rounding of
  // its point, whose slope the neighbouring values tell; both uniform within their bounds.
  double slope = 0;
  for (int j = 0; j < 14; ++j) {
    slope = std::max(slope, std::fabs(values[j + 1] - values[j]) / (xs[j + 1] - xs[j]));
  }
  double variance = 0;
  for (int j = 0; j < 15; ++j) {
    double weight = kKronrodWeights[j < 8 ? j : 14 - j];
    double rounding = weight * (std::fabs(values[j]) + std::fabs(xs[j]) * slope / 2);
    variance += rounding * rounding;
  }
  piece = {a, b, kronrod * half, std::fabs((kronrod - gauss) * half),
           kEpsilon / std::sqrt(3.0) * std::sqrt(variance) * std::fabs(half)};
  spread *= std::fabs(half);
  if (spread != 0 && piece.error != 0) {
    piece.error = spread * std::min(1.0, std::pow(200 * piece.error / spread, 1.5));
  }
  return std::isfinite(piece.value) && std::isfinite(piece.noise);
}

// The independent estimate of an integral: adaptive Gauss-Kronrod, cutting the piece with the
// largest error in two until the errors add up to a fraction of what the printed value may be
// off by, or to less than the rounding noise. Its nodes are irrational points of the interval,
// so it shares no samples with the methods' equally spaced ones and does not evaluate the end
// points.
class Confirmation {
 public:
  enum class Verdict { kAgrees, kDiffers, kFault };

  Confirmation(Sampler& f, const Interval& in, bool enabled) : f_(f), in_(in), enabled_(enabled) {}

  // Compares the method's value with the estimate, made on the first call. The truth lies
  // within the estimate's error of it: only then is the value known to be right to the digits
  // it shows. A value of exactly 0 has no last digit; it stands when the estimate cannot tell
  // the integral from 0.
  Verdict Check(double value) {
    if (!enabled_) return Verdict::kAgrees;
    if (!made_) Make();
    if (faulted_) return Verdict::kFault;
    double off = std::fabs(value - estimate_) + error_;
    bool agrees =
        value == 0 ? std::fabs(estimate_) <= error_ : off <= PrintedRounding(value, in_.tolerance);
    return agrees ? Verdict::kAgrees : Verdict::kDiffers;
  }
  double estimate() const { return estimate_; }

 private:
  void Make() {
    made_ = true;
    std::priority_queue<Piece> pieces;
    Piece whole{};
    if (!Kronrod(f_, in_.a, in_.b, whole)) {
      faulted_ = true;
      return;
    }
    pieces.push(whole);
    double value = whole.value;
    double error = whole.error;
    double variance = whole.noise * whole.noise;
    // Half of what the value may be off by is left to the method's own error.
    auto done = [&] {
      double noise = kNoiseDeviations * std::sqrt(variance);
      return error <= noise || (value != 0 && error <= PrintedRounding(value, in_.tolerance) / 2);
    };
    while (!done() && static_cast<int>(pieces.size()) < kMaxPieces) {
      Piece worst = pieces.top();
      pieces.pop();
      double middle = (worst.a + worst.b) / 2;
      Piece left{};
      Piece right{};
      if (!Kronrod(f_, worst.a, middle, left) || !Kronrod(f_, middle, worst.b, right)) {
        faulted_ = true;
        return;
      }
      value += left.value + right.value - worst.value;
      error += left.error + right.error - worst.error;
      variance += left.noise * left.noise + right.noise * right.noise - worst.noise * worst.noise;
      pieces.push(left);
      pieces.push(right);
    }
    // Summed afresh: the running sums carry the rounding of every update.
    CompensatedSum sum;
    error_ = 0;
    variance = 0;
    for (; !pieces.empty(); pieces.pop()) {
      sum.Add(pieces.top().value);
      error_ += pieces.top().error;
      variance += pieces.top().noise * pieces.top().noise;
    }
    estimate_ = sum.Value();
    error_ += kNoiseDeviations * std::sqrt(variance);
  }

  Sampler& f_;
  const Interval& in_;
  bool enabled_;
  bool made_ = false;
  bool faulted_ = false;
  double estimate_ = 0;
  double error_ = 0;  // the rule's error and the rounding noise
};

// How a pass over the midpoints ended.
enum class Pass { kDone, kSpent, kFault };

// The sum of f at the n midpoints a + (k + 1/2) h, one step each, while the budget lasts.
// Simpson and Romberg refine by the same midpoints.
Pass Midpoints(Sampler& f, double a, double h, long long n, int budget, int& steps, double& sum) {
  CompensatedSum midpoints;
  for (long long k = 0; k < n; ++k) {
    if (steps >= budget) return Pass::kSpent;
    double fm = 0;
    if (!f.At(a + (k + 0.5) * h, fm)) return Pass::kFault;
    midpoints.Add(fm);
    ++steps;
  }
  sum = midpoints.Value();
  return Pass::kDone;
}

// The method's value stands: with the verdict of the independent estimate when it is known.
NumericStatus Finish(double value, Confirmation::Verdict verdict, Confirmation& confirmation,
                     Sampler& f, IntegrationResult& result, std::string& errors) {
  if (f.cancelled()) return f.Fail(errors);
  result.value = value;
  result.confirmed = verdict == Confirmation::Verdict::kAgrees;
  result.independent = confirmation.estimate();
  if (verdict == Confirmation::Verdict::kFault) result.independentFault = f.message();
  return NumericStatus::kOk;
}

// A fault at an end point: the message, and a hint when the integrand can be evaluated inside.
NumericStatus EndPointFault(Sampler& f, const Interval& in, std::string& errors) {
  NumericStatus status = f.Fail(errors);
  double inside = 0;
  if (status == NumericStatus::kFailed && f.At((in.a + in.b) / 2, inside)) {
    AppendMessage(errors, msg::kIntegralEndPointHint);
  }
  return status;
}

// The result of one halving: the refined value, its change from the last one, and whether it is
// the last the rule can give.
struct Refined {
  double value;
  double change;
  bool last;
};

// Simpson's rule and Romberg's extrapolation both refine the trapezium rule by halving its step:
// each pass adds the midpoints of the current intervals. The rule's Start takes the
// one-interval trapezium and gives the value that stands if the budget is spent before the first
// pass; its Next takes the trapezium before and after a halving and the value before it.
template <class Rule>
NumericStatus HalveTrapezium(Random& rng, Interrupt& interrupt, const IntegrationTask& task,
                             IntegrationResult& result, std::string& errors) {
  Interval in = Begin(task, result);
  Sampler f(rng, interrupt, task.f, task.y, task.z);
  Confirmation confirmation(f, in, task.confirm);
  Rule rule;
  int budget = task.budget;
  result.steps = 1;
  double fa = 0;
  double fb = 0;
  if (!f.At(in.a, fa) || !f.At(in.b, fb)) return EndPointFault(f, in, errors);
  double h = in.length;
  double trapezium = (fa + fb) * h / 2;
  double latest = rule.Start(trapezium);
  for (long long n = 1;; n *= 2) {
    double midpoints = 0;
    Pass pass = Midpoints(f, in.a, h, n, budget, result.steps, midpoints);
    if (pass == Pass::kFault) return f.Fail(errors);
    if (pass == Pass::kSpent) {
      return Finish(latest, confirmation.Check(latest), confirmation, f, result, errors);
    }
    double halved = (midpoints * h + trapezium) / 2;
    Refined next = rule.Next(trapezium, halved, latest);
    result.change = next.change;
    if (result.change <= in.tolerance || next.last) {
      auto verdict = confirmation.Check(next.value);
      if (f.cancelled() || verdict != Confirmation::Verdict::kDiffers || next.last) {
        return Finish(next.value, verdict, confirmation, f, result, errors);
      }
    }
    trapezium = halved;
    latest = next.value;
    h /= 2;
  }
}

struct SimpsonRule {
  double Start(double trapezium) const { return trapezium; }
  Refined Next(double before, double halved, double latest) const {
    // Multiplied by the stored third rather than divided by 3, which gives other last digits.
    double simpson = (4 * halved - before) * 0.3333333333333333;
    return {simpson, RelativeChange(simpson, latest), false};
  }
};

// Richardson extrapolation along a row of at most kRombergRow values.
class RombergRule {
 public:
  double Start(double trapezium) {
    row_[0] = trapezium;
    return 0;
  }
  // The trapezium before the halving is row_[0]; the row is overwritten with the new one as the
  // extrapolation goes along it.
  Refined Next(double, double halved, double) {
    double t = halved;
    double q = 1;
    for (int j = 0; j < length_; ++j) {
      q *= 4;
      double r = (q * t - row_[j]) / (q - 1);
      row_[j] = t;
      t = r;
    }
    Refined next{t, RelativeChange(t, row_[length_ - 1]), length_ == kRombergRow};
    if (!next.last) row_[length_++] = t;
    return next;
  }

 private:
  std::array<double, kRombergRow> row_{};
  int length_ = 1;
};

constexpr int kStepBudget = 100000;

}  // namespace

// Each routine keeps its own stopping test. Once the test passes, the value is compared with the
// independent estimate; when they differ the routine refines on as if the test had failed, and
// when the budget is spent the value of the last complete pass stands with the verdict.
NumericStatus NumericTools::IntegrateTrapezium(CurveMode mode, const IntegrationTask& task,
                                               IntegrationResult& result,
                                               std::string& errors) const {
  Interval in = Begin(task, result);
  Sampler f(rng_, interrupt_, task.f, task.y, task.z);
  // The independent estimate integrates f itself: it confirms areas only.
  Confirmation confirmation(f, in, task.confirm && mode == CurveMode::kArea);
  result.steps = 1;
  double fa = 0;
  double fb = 0;
  if (!f.At(in.a, fa) || !f.At(in.b, fb)) return EndPointFault(f, in, errors);
  double h = in.length;
  double estimate = FirstEstimate(mode, fa, fb, h);
  for (long long n = 1;; n *= 2) {
    CompensatedSum sum;
    for (long long k = 0; k < n; ++k) {
      if (result.steps >= task.budget) {
        return Finish(estimate, confirmation.Check(estimate), confirmation, f, result, errors);
      }
      // Each pass evaluates all three points of every sub-interval anew.
      double f0 = 0;
      double fm = 0;
      double f1 = 0;
      if (!f.At(in.a + k * h, f0) || !f.At(in.a + (k + 0.5) * h, fm) ||
          !f.At(in.a + (k + 1) * h, f1)) {
        return f.Fail(errors);
      }
      sum.Add(PieceOf(mode, f0, fm, f1, h));
      ++result.steps;
    }
    result.change = RelativeChange(sum.Value(), estimate);
    if (result.change <= in.tolerance) {
      // The estimate that the finer one has confirmed.
      auto verdict = confirmation.Check(estimate);
      if (f.cancelled() || verdict != Confirmation::Verdict::kDiffers) {
        return Finish(estimate, verdict, confirmation, f, result, errors);
      }
    }
    estimate = sum.Value();
    h /= 2;
  }
}

NumericStatus NumericTools::IntegrateSimpson(const IntegrationTask& task, IntegrationResult& result,
                                             std::string& errors) const {
  return HalveTrapezium<SimpsonRule>(rng_, interrupt_, task, result, errors);
}

NumericStatus NumericTools::IntegrateRomberg(const IntegrationTask& task, IntegrationResult& result,
                                             std::string& errors) const {
  return HalveTrapezium<RombergRule>(rng_, interrupt_, task, result, errors);
}

NumericStatus NumericTools::IntegrateGauss(const IntegrationTask& task, IntegrationResult& result,
                                           std::string& errors) const {
  Interval in = Begin(task, result);
  Sampler f(rng_, interrupt_, task.f, task.y, task.z);
  Confirmation confirmation(f, in, task.confirm);
  double previous = result.value;
  // One more sub-interval per pass: the budget allows some 450 passes.
  for (long long n = 1;; ++n) {
    double h = in.length / n;
    CompensatedSum sum;
    for (long long k = 1; k <= n; ++k) {
      if (result.steps >= task.budget) {
        return Finish(previous, confirmation.Check(previous), confirmation, f, result, errors);
      }
      double x0 = in.a + (k - 1) * h;
      double x1 = in.a + k * h;
      double quadrature = 0;
      for (std::size_t i = 0; i < kGaussNodes.size(); ++i) {
        double fx = 0;
        if (!f.At((x1 - x0) * kGaussNodes[i] / 2 + (x1 + x0) / 2, fx)) return f.Fail(errors);
        quadrature += kGaussWeights[i] * fx;
      }
      sum.Add(quadrature);
      ++result.steps;
    }
    double estimate = h * sum.Value() / 2;
    if (n > 1) {
      result.change = RelativeChange(estimate, previous);
      if (result.change <= in.tolerance) {
        auto verdict = confirmation.Check(estimate);
        if (f.cancelled() || verdict != Confirmation::Verdict::kDiffers) {
          return Finish(estimate, verdict, confirmation, f, result, errors);
        }
      }
    }
    previous = estimate;
  }
}

NumericStatus NumericTools::Integrate(IntegrationMethod method, const IntegrationTask& task,
                                      IntegrationResult& result, std::string& errors) const {
  switch (method) {
    case IntegrationMethod::kSimpson:
      return IntegrateSimpson(task, result, errors);
    case IntegrationMethod::kRomberg:
      return IntegrateRomberg(task, result, errors);
    case IntegrationMethod::kGauss:
      return IntegrateGauss(task, result, errors);
    case IntegrationMethod::kTrapezium:
      return IntegrateTrapezium(CurveMode::kArea, task, result, errors);
    case IntegrationMethod::kCurve:
      return IntegrateTrapezium(CurveMode::kCurve, task, result, errors);
    case IntegrationMethod::kArcLength:
      return IntegrateTrapezium(CurveMode::kArcLength, task, result, errors);
  }
  return IntegrateSimpson(task, result, errors);
}

CommandAnswer IntegrateCommand(const CommandEnv& env, std::string_view text,
                               IntegrationMethod method) {
  std::string_view parts[3];
  int found = SplitAtSemicolons(StripClosingBracket(text), 2, parts);
  // Bounds are read with the default variables, not the user's.
  Evaluator bounds(env.rng);
  std::string errors;
  double a = 0;
  double b = 0;
  EvaluateLeadingPair(bounds, parts, found, a, b, errors);
  if (found < 2) {
    AppendMessage(errors, msg::kIntegralMissing);
  } else if (parts[2].find(';') != std::string_view::npos) {
    AppendMessage(errors, msg::kIntegralExcessive);
  }
  if (!errors.empty()) return ErrorAnswer(errors);

  IntegrationTask task{parts[2], a, b, std::pow(10.0, -env.precision), kStepBudget, env.y, env.z};
  IntegrationResult result;
  NumericTools tools(env.rng, env.interrupt);
  if (tools.Integrate(method, task, result, errors) != NumericStatus::kOk) {
    return FailedAnswer(errors);
  }
  const std::string area = FormatG(result.value, env.precision);
  const std::string times = FormatInt(result.steps);
  const std::string eps = FormatGDigits(result.change, 6);
  CommandAnswer answer{Fill(msg::kIntegralAnswer, {area, times, eps}), Placement::kAfterEquals};
  answer.values = {{"", area, result.value, true},
                   {"Times", times, static_cast<double>(result.steps), false},
                   {"Eps", eps, result.change, false}};
  // A value that the independent estimate does not confirm is not to be relied on.
  answer.warned = !result.independentFault.empty() || !result.confirmed;
  if (!result.independentFault.empty()) {
    answer.content +=
        Fill(msg::kIntegralUnconfirmedFault, {CutAtErrorTrailer(result.independentFault)});
  } else if (!result.confirmed) {
    answer.content += Fill(msg::kIntegralUnconfirmed, {FormatG(result.independent, env.precision)});
  }
  return answer;
}

}  // namespace orvo
