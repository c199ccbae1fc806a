// Sampling a curve and finding what a reader of its chart looks for. The curve is sampled on an
// equal grid first and refined by bisection where it bends, jumps or loses its value; then every
// sign change, lonely large step and edge of a gap is bisected once more to tell zeros, poles,
// jumps and gaps apart by how the values behave as the bracket closes in.
#include <algorithm>
#include <cmath>
#include <limits>

#include <boost/math/tools/minima.hpp>

#include "base/text.h"
#include "numeric/common.h"
#include "plot/plot.h"

namespace orvo {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kBisections = 60;       // enough to close any bracket of doubles
constexpr int kMaxExamined = 200;     // brackets bisected per curve, beyond which we stop looking
constexpr double kGrowth = 1e3;       // |f| growing this much while closing in: a pole
constexpr double kShrink = 1e-3;      // |f| shrinking this much: a zero
constexpr double kLonelyStep = 8;     // a step this many times its neighbours' is examined
constexpr double kPeak = 4;           // so is a peak of |f| this many times the usual |f|
constexpr double kPointGap = 1e-9;    // gaps narrower than this share of [a, b] are points
constexpr double kEdgeWidth = 1e-13;  // gap edges are located to this share of [a, b]
constexpr double kSnapToZero = 1e-12;

bool Valid(double y) {
  return std::isfinite(y);
}

// f(x), NaN where the evaluation gives a message; keeps the first message for the summary.
class Probe {
 public:
  Probe(Random& rng, Interrupt& interrupt, std::string_view f, double y, double z, PlotCurve& curve)
      : sampler_(rng, interrupt, f, y, z), curve_(curve) {}

  double operator()(double x) {
    ++count_;
    double value = 0;
    if (sampler_.At(x, value) && std::isfinite(value)) return value;
    if (curve_.message.empty() && !sampler_.cancelled())
      curve_.message = CutAtErrorTrailer(sampler_.message());
    return kNaN;
  }

  long count() const { return count_; }
  bool cancelled() const { return sampler_.cancelled(); }
  Sampler& sampler() { return sampler_; }

 private:
  Sampler sampler_;
  PlotCurve& curve_;
  long count_ = 0;
};

// The values of the points, sorted; `magnitude` takes |f|.
std::vector<double> SortedValues(const std::vector<PlotPoint>& points, bool magnitude) {
  std::vector<double> values;
  for (const PlotPoint& p : points)
    if (Valid(p.y)) values.push_back(magnitude ? std::fabs(p.y) : p.y);
  std::sort(values.begin(), values.end());
  return values;
}

// The spread of the middle 80 % of the values: the scale a pixel of height is measured in,
// undisturbed by the huge values next to poles.
double RobustSpan(const std::vector<PlotPoint>& points) {
  std::vector<double> values = SortedValues(points, false);
  if (values.empty()) return 0;
  std::size_t n = values.size();
  double span = values[n * 9 / 10] - values[n / 10];
  return span > 0 ? span : values.back() - values.front();
}

// The usual size of |f|: exceeded by a tenth of the values.
double UsualMagnitude(const std::vector<PlotPoint>& points) {
  std::vector<double> values = SortedValues(points, true);
  return values.empty() ? 0 : values[values.size() * 9 / 10];
}

class CurveBuilder {
 public:
  CurveBuilder(Probe& f, double a, double b, const SampleOptions& options, PlotCurve& curve)
      : f_(f), a_(a), b_(b), options_(options), curve_(curve), points_(curve.points) {}

  void Sample() {
    const int n = std::max(1, options_.intervals);
    const double h = (b_ - a_) / n;
    std::vector<PlotPoint> grid(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
      grid[i].x = i == n ? b_ : a_ + i * h;
      grid[i].y = f_(grid[i].x);
    }
    const int resolution = std::max(1, options_.resolution);
    bendTolerance_ = RobustSpan(grid) / resolution;
    usual_ = UsualMagnitude(grid);
    minWidth_ = (b_ - a_) / (4.0 * resolution);
    points_.clear();
    points_.reserve(grid.size() * 2);
    for (int i = 0; i <= n; ++i) {
      points_.push_back(grid[i]);
      if (i < n) Refine(grid[i], grid[i + 1]);
    }
    for (std::size_t i = 0; i < points_.size(); ++i)
      points_[i].joined = i > 0 && Valid(points_[i].y) && Valid(points_[i - 1].y);
  }

  void Analyse() {
    if (!curve_.HasValue()) return;
    FindGaps();
    FindCrossingsAndSteps();
    FindExtrema();
    std::stable_sort(curve_.features.begin(), curve_.features.end(),
                     [](const CurveFeature& l, const CurveFeature& r) {
                       return l.kind != r.kind ? l.kind < r.kind : l.x < r.x;
                     });
  }

 private:
  // Bisects [l, r] while the middle strays from the chord by more than a pixel, or while the
  // value comes and goes, down to a quarter pixel. Points are added in order of x.
  void Refine(const PlotPoint& l, const PlotPoint& r) {
    if (!options_.refine || f_.count() >= options_.budget || r.x - l.x <= minWidth_ ||
        f_.cancelled())
      return;
    PlotPoint m{(l.x + r.x) / 2, 0, false};
    m.y = f_(m.x);
    bool lv = Valid(l.y), rv = Valid(r.y), mv = Valid(m.y);
    bool bends = lv && rv && mv && std::fabs(m.y - (l.y + r.y) / 2) > bendTolerance_;
    if (lv != rv || lv != mv || bends) {
      Refine(l, m);
      points_.push_back(m);
      Refine(m, r);
    } else {
      points_.push_back(m);
    }
  }

  double Snap(double x) const { return std::fabs(x) < (b_ - a_) * kSnapToZero ? 0 : x; }

  void Add(FeatureKind kind, double x, double x2 = 0, double y = 0) {
    curve_.features.push_back({kind, Snap(x), Snap(x2), y});
  }

  void AddPole(double x, double yl, double yr) {
    Add(FeatureKind::kPole, x, x);
    for (double y : {yl, yr}) {
      if (y > 0) curve_.unboundedAbove = true;
      if (y < 0) curve_.unboundedBelow = true;
    }
  }

  // Whether f runs off to infinity as x comes to `edge` from the side of `from`: +1 upwards,
  // -1 downwards, 0 not. The changes over two equal steps of the logarithm of the distance
  // shrink where f has a limit and do not where it grows like a logarithm or a power.
  int RunsOff(double edge, double from) {
    const double d = from - edge;
    double v0 = f_(edge + d), v1 = f_(edge + d / 256), v2 = f_(edge + d / 65536);
    if (!Valid(v0) || !Valid(v1) || !Valid(v2) || edge + d / 65536 == edge) return 0;
    double d1 = v1 - v0, d2 = v2 - v1;
    if (d2 == 0 || (d1 < 0) != (d2 < 0) || std::fabs(d2) < 0.5 * std::fabs(d1)) return 0;
    return d2 > 0 ? 1 : -1;
  }

  void Unbounded(int direction) {
    if (direction > 0) curve_.unboundedAbove = true;
    if (direction < 0) curve_.unboundedBelow = true;
  }

  // A point without value between neighbours at xl and xr: a pole when f runs off on either
  // side, otherwise just a missing point.
  void AddPointGap(double x, double xl, double xr) {
    int left = RunsOff(x, xl), right = RunsOff(x, xr);
    if (left == 0 && right == 0) return Add(FeatureKind::kUndefined, x, x);
    Add(FeatureKind::kPole, x, x);
    Unbounded(left);
    Unbounded(right);
  }

  // The last point with a value between x `good` (with a value) and `bad` (without).
  double Edge(double good, double bad) {
    for (int i = 0; i < kBisections && std::fabs(good - bad) > (b_ - a_) * kEdgeWidth; ++i) {
      double m = (good + bad) / 2;
      if (m == good || m == bad) break;
      (Valid(f_(m)) ? good : bad) = m;
    }
    return good;
  }

  void FindGaps() {
    const std::size_t last = points_.size() - 1;
    for (std::size_t i = 0; i <= last && examined_ < kMaxExamined; ++i) {
      if (Valid(points_[i].y)) continue;
      std::size_t j = i;
      while (j < last && !Valid(points_[j + 1].y)) ++j;
      ++examined_;
      double from = i == 0 ? a_ : Edge(points_[i - 1].x, points_[i].x);
      double to = j == last ? b_ : Edge(points_[j + 1].x, points_[j].x);
      if (i > 0 && j < last && to - from <= (b_ - a_) * kPointGap) {
        AddPointGap((from + to) / 2, points_[i - 1].x, points_[j + 1].x);
      } else {
        Add(FeatureKind::kUndefined, from, to);
        if (i > 0) Unbounded(RunsOff(from, points_[i - 1].x));
        if (j < last) Unbounded(RunsOff(to, points_[j + 1].x));
      }
      i = j;
    }
  }

  // A sign change between two neighbouring points: bisected until the bracket cannot shrink.
  // The values then tell a zero (they shrank), a pole (they grew) or a jump.
  void ExamineSignChange(std::size_t k) {
    double xl = points_[k - 1].x, yl = points_[k - 1].y;
    double xr = points_[k].x, yr = points_[k].y;
    const double start = std::max(std::fabs(yl), std::fabs(yr));
    for (int i = 0; i < kBisections; ++i) {
      double m = (xl + xr) / 2;
      if (m == xl || m == xr) break;
      double y = f_(m);
      if (!Valid(y)) return Break(k, [&] { AddPointGap(m, points_[k - 1].x, points_[k].x); });
      if (y == 0) return Add(FeatureKind::kZero, m);
      if ((y < 0) == (yl < 0)) {
        xl = m;
        yl = y;
      } else {
        xr = m;
        yr = y;
      }
    }
    double reached = std::max(std::fabs(yl), std::fabs(yr));
    if (reached <= kShrink * start) {
      Add(FeatureKind::kZero, std::fabs(yl) <= std::fabs(yr) ? xl : xr);
    } else if (reached >= kGrowth * start) {
      Break(k, [&] { AddPole((xl + xr) / 2, yl, yr); });
    } else {
      Break(k, [&] { Add(FeatureKind::kJump, (xl + xr) / 2); });
    }
  }

  // A step much larger than its neighbours' without a sign change, or a peak of |f|: bisected
  // towards the larger half-step, or past a middle above both ends towards the larger end
  // (where a pole must be, as |f| grows the faster the closer it comes). A continuous curve
  // soon shows small steps; a jump or a pole keeps its step.
  void ExamineStep(std::size_t k) {
    double xl = points_[k - 1].x, yl = points_[k - 1].y;
    double xr = points_[k].x, yr = points_[k].y;
    double step = std::fabs(yr - yl);
    const double start = std::max(std::fabs(yl), std::fabs(yr));
    for (int i = 0; i < kBisections; ++i) {
      double m = (xl + xr) / 2;
      if (m == xl || m == xr) break;
      double y = f_(m);
      if (!Valid(y)) return Break(k, [&] { AddPointGap(m, points_[k - 1].x, points_[k].x); });
      bool peak = std::fabs(y) > std::max(std::fabs(yl), std::fabs(yr));
      bool right = peak ? std::fabs(yr) > std::fabs(yl) : std::fabs(yr - y) > std::fabs(y - yl);
      (right ? xl : xr) = m;
      (right ? yl : yr) = y;
      step = std::max(step, std::fabs(yr - yl));
      if (std::fabs(yr - yl) < 0.25 * step) return;
    }
    if (std::max(std::fabs(yl), std::fabs(yr)) >= kGrowth * start) {
      Break(k, [&] { AddPole((xl + xr) / 2, yl, yr); });
    } else {
      Break(k, [&] { Add(FeatureKind::kJump, (xl + xr) / 2); });
    }
  }

  template <class AddFeature>
  void Break(std::size_t k, AddFeature add) {
    points_[k].joined = false;
    add();
  }

  double Step(std::size_t k) const {
    return k > 0 && k < points_.size() && points_[k].joined
               ? std::fabs(points_[k].y - points_[k - 1].y)
               : 0;
  }

  void FindCrossingsAndSteps() {
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (const PlotPoint& p : points_) {
      if (!Valid(p.y)) continue;
      lo = std::min(lo, p.y);
      hi = std::max(hi, p.y);
    }
    const double noise = (hi - lo) * 1e-9;
    // Steps worth a closer look: much larger than both neighbours', or next to a peak of |f|.
    std::vector<char> suspect(points_.size(), 0);
    for (std::size_t k = 1; k < points_.size(); ++k) {
      suspect[k] = Step(k) > noise && Step(k) > kLonelyStep * Step(k - 1) &&
                   Step(k) > kLonelyStep * Step(k + 1);
    }
    for (std::size_t k = 1; k + 1 < points_.size(); ++k) {
      double v = std::fabs(points_[k].y);
      if (points_[k].joined && points_[k + 1].joined && v > kPeak * usual_ &&
          v >= std::fabs(points_[k - 1].y) && v >= std::fabs(points_[k + 1].y)) {
        // A pole lies towards the larger neighbour, the one closer to it.
        suspect[std::fabs(points_[k + 1].y) > std::fabs(points_[k - 1].y) ? k + 1 : k] = 1;
      }
    }
    std::size_t lastSigned = 0;  // the last point of the current run with a non-zero value
    bool haveSigned = false;
    for (std::size_t k = 1; k < points_.size() && examined_ < kMaxExamined; ++k) {
      if (!points_[k].joined) {
        haveSigned = Valid(points_[k].y) && points_[k].y != 0;
        lastSigned = k;
        continue;
      }
      const double y = points_[k].y;
      const bool crossing = y != 0 && haveSigned && (y < 0) != (points_[lastSigned].y < 0);
      if (crossing && lastSigned + 1 == k) {
        ++examined_;
        ExamineSignChange(k);
      } else if (crossing) {
        // Exact zeros between the two signs: the curve crosses along them.
        Add(FeatureKind::kZero, (points_[lastSigned + 1].x + points_[k - 1].x) / 2);
      }
      if (suspect[k] && !(crossing && lastSigned + 1 == k)) {
        ++examined_;
        ExamineStep(k);
      }
      if (y != 0) {
        haveSigned = true;
        lastSigned = k;
      }
    }
  }

  // Brent's method on the two intervals around the best sample; a result close to a round
  // number is taken as that number when it is as good (0 rather than 1e-9 for x^2).
  void Extremum(FeatureKind kind) {
    const double sign = kind == FeatureKind::kMin ? 1 : -1;
    std::size_t best = points_.size();
    for (std::size_t i = 0; i < points_.size(); ++i) {
      if (!Valid(points_[i].y)) continue;
      if (best == points_.size() || sign * points_[i].y < sign * points_[best].y) best = i;
    }
    double x = points_[best].x;
    double y = points_[best].y;
    if (best > 0 && best + 1 < points_.size() && points_[best].joined && points_[best + 1].joined) {
      auto g = [&](double t) {
        double v = f_(t);
        return Valid(v) ? sign * v : std::numeric_limits<double>::infinity();
      };
      std::uintmax_t iterations = 100;
      auto [bx, by] = boost::math::tools::brent_find_minima(
          g, points_[best - 1].x, points_[best + 1].x, std::numeric_limits<double>::digits / 2,
          iterations);
      if (by < sign * y) {
        x = bx;
        y = sign * by;
      }
      const double grid = (b_ - a_) * 0x1p-30;
      double round = std::round(x / grid) * grid;
      double roundValue = g(round);
      if (roundValue <= sign * y + 1e-14 * std::max(1.0, std::fabs(y))) {
        x = round;
        y = sign * roundValue;
      }
    }
    Add(kind, x, x, y);
  }

  void FindExtrema() {
    Extremum(FeatureKind::kMin);
    Extremum(FeatureKind::kMax);
  }

  Probe& f_;
  double a_, b_;
  const SampleOptions& options_;
  PlotCurve& curve_;
  std::vector<PlotPoint>& points_;
  double bendTolerance_ = 0;
  double usual_ = 0;
  double minWidth_ = 0;
  int examined_ = 0;
};

}  // namespace

bool PlotCurve::HasValue() const {
  return std::any_of(points.begin(), points.end(), [](const PlotPoint& p) { return Valid(p.y); });
}

NumericStatus SampleCurve(std::string_view f, double a, double b, double y, double z,
                          const SampleOptions& options, Random& rng, Interrupt& interrupt,
                          PlotCurve& curve, std::string& errors) {
  curve = PlotCurve{};
  Probe probe(rng, interrupt, f, y, z, curve);
  // A fault of form fails everywhere alike: reported at once, as the root finder does.
  double value = 0;
  if (!probe.sampler().At(a, value) && probe.sampler().status() > 0) {
    return probe.sampler().Fail(errors);
  }
  CurveBuilder builder(probe, a, b, options, curve);
  builder.Sample();
  if (options.analyse && !probe.cancelled()) builder.Analyse();
  if (probe.cancelled()) return probe.sampler().Fail(errors);
  return NumericStatus::kOk;
}

}  // namespace orvo
