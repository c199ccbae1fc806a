// The "&plot" command: reading its arguments, sampling each curve and summing up what the chart
// shows in a few lines, plus the choice of the part of the plane a chart shows.
#include <algorithm>
#include <cmath>
#include <utility>

#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"
#include "numeric/common.h"
#include "plot/detail/messages.h"
#include "plot/plot.h"

namespace orvo {
namespace {

constexpr int kListed = 5;  // places of one kind named in a summary line

const CurveFeature* Find(const PlotCurve& curve, FeatureKind kind) {
  for (const CurveFeature& f : curve.features)
    if (f.kind == kind) return &f;
  return nullptr;
}

std::string Extremes(const PlotCurve& curve, int precision) {
  const CurveFeature* lo = Find(curve, FeatureKind::kMin);
  const CurveFeature* hi = Find(curve, FeatureKind::kMax);
  if (curve.unboundedBelow && curve.unboundedAbove) return std::string(msg::kUnboundedBoth);
  if (!curve.unboundedBelow && !curve.unboundedAbove && lo->y == hi->y)
    return std::string(msg::kConstant) + FormatG(lo->y, precision);
  auto part = [&](const CurveFeature* f, std::string_view word) {
    return std::string(word) + FormatG(f->y, precision) + std::string(msg::kAt) +
           FormatG(f->x, precision);
  };
  std::string low = curve.unboundedBelow ? std::string(msg::kUnboundedBelow) : part(lo, msg::kMin);
  std::string high = curve.unboundedAbove ? std::string(msg::kUnboundedAbove) : part(hi, msg::kMax);
  return low + ", " + high;
}

// Where the curve crosses zero, blows up, jumps or has no value, one phrase per kind.
std::string Places(const PlotCurve& curve, int precision) {
  struct Kind {
    FeatureKind kind;
    std::string_view first;  // before the first place
    std::string_view next;   // before each further place
  };
  static constexpr Kind kKinds[] = {
      {FeatureKind::kZero, msg::kCrosses, ", x="},
      {FeatureKind::kPole, msg::kPole, ", x="},
      {FeatureKind::kJump, msg::kJumps, ", x="},
      {FeatureKind::kUndefined, "", "; "},
  };
  std::string line;
  for (const Kind& kind : kKinds) {
    int count = 0;
    for (const CurveFeature& f : curve.features) {
      if (f.kind != kind.kind) continue;
      if (++count > kListed) continue;
      if (count == 1 && !line.empty()) line += "; ";
      line += count == 1 ? kind.first : kind.next;
      if (kind.kind != FeatureKind::kUndefined) {
        line += FormatG(f.x, precision);
      } else if (f.x == f.x2) {
        line += std::string(msg::kUndefinedAt) + FormatG(f.x, precision);
      } else {
        line += std::string(msg::kUndefinedFrom) + FormatG(f.x, precision) +
                std::string(msg::kUndefinedTo) + FormatG(f.x2, precision);
      }
    }
    if (count > kListed) {
      line += std::string(msg::kAndMore) + FormatInt(count - kListed) + std::string(msg::kMore);
    }
  }
  return line;
}

}  // namespace

std::string CurveName(std::size_t index) {
  std::string name = "f";
  name += FormatInt(static_cast<long long>(index) + 1);
  return name;
}

std::string PlotSummary(const std::vector<PlotCurve>& curves, int precision) {
  std::string text;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const PlotCurve& curve = curves[i];
    const std::string name = CurveName(i);
    if (!curve.HasValue()) {
      AddLine(text, Fill(msg::kPlotNoValue, {name}));
      if (!curve.message.empty()) AddLine(text, curve.message);
      continue;
    }
    AddLine(text, name + ": " + Extremes(curve, precision));
    std::string places = Places(curve, precision);
    if (!places.empty()) AddLine(text, name + ": " + places);
  }
  return text;
}

PlotRange ChooseRange(const std::vector<PlotCurve>& curves, double a, double b) {
  PlotRange range{a, b, -1, 1};
  std::vector<double> values;
  bool unbounded = false;
  for (const PlotCurve& curve : curves) {
    unbounded = unbounded || curve.unboundedBelow || curve.unboundedAbove;
    for (const PlotPoint& p : curve.points)
      if (std::isfinite(p.y)) values.push_back(p.y);
  }
  if (values.empty()) return range;
  std::sort(values.begin(), values.end());
  double lo = values.front(), hi = values.back();
  double pad = 0.05;
  if (unbounded) {
    // Next to a pole the values run off: show the middle of them, with room around.
    lo = values[values.size() / 20];
    hi = values[values.size() - 1 - values.size() / 20];
    pad = 0.25;
  }
  double span = hi - lo;
  if (!(span > 1e-12 * std::max(1.0, std::fabs(hi)))) {
    span = std::max(1.0, std::fabs(hi));
    lo -= span / 2;
    hi += span / 2;
  }
  range.y0 = lo - span * pad;
  range.y1 = hi + span * pad;
  return range;
}

std::vector<double> Ticks(double from, double to, int most) {
  std::vector<double> ticks;
  if (!(to > from) || most < 1) return ticks;
  double raw = (to - from) / most;
  double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    step = factor * power;
    if (step >= raw) break;
  }
  for (double t = std::ceil(from / step) * step; t <= to + step * 1e-9; t += step) {
    ticks.push_back(std::fabs(t) < step * 1e-9 ? 0 : t);
    if (ticks.size() > static_cast<std::size_t>(most) * 2 + 2) break;
  }
  return ticks;
}

CommandAnswer PlotCommand(const CommandEnv& env, std::string_view text, PlotRequest& request,
                          std::vector<PlotCurve>& curves) {
  constexpr int kParts = kMaxPlotFunctions + 2;
  std::string_view parts[kParts + 1];
  int found = SplitAtSemicolons(StripClosingBracket(text), kParts, parts);
  // Bounds are read with the default variables, not the user's, as the other "&" commands do.
  Evaluator bounds(env.rng);
  std::string errors;
  double a = 0;
  double b = 0;
  EvaluateLeadingPair(bounds, parts, found, a, b, errors);
  if (found < 2) {
    AppendMessage(errors, msg::kPlotMissing);
  } else if (found == kParts) {
    AppendMessage(errors, msg::kPlotExcessive);
  } else if (errors.empty() && a == b) {
    AppendMessage(errors, msg::kPlotEqualBounds);
  }
  if (!errors.empty()) return ErrorAnswer(errors);
  if (a > b) std::swap(a, b);

  PlotRequest asked{a, b, {}, env.y, env.z, env.precision};
  std::vector<PlotCurve> sampled(static_cast<std::size_t>(found) - 1);
  for (int i = 2; i <= found; ++i) {
    asked.functions.emplace_back(parts[i]);
    NumericStatus status = SampleCurve(parts[i], a, b, env.y, env.z, SampleOptions{}, env.rng,
                                       env.interrupt, sampled[i - 2], errors);
    if (status != NumericStatus::kOk) return ErrorAnswer(errors);
  }
  CommandAnswer answer{PlotSummary(sampled, env.precision)};
  answer.failed =
      std::any_of(sampled.begin(), sampled.end(), [](const PlotCurve& c) { return !c.HasValue(); });
  if (std::any_of(sampled.begin(), sampled.end(),
                  [](const PlotCurve& c) { return c.HasValue(); })) {
    request = std::move(asked);
    curves = std::move(sampled);
  }
  return answer;
}

}  // namespace orvo
