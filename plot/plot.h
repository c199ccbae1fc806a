#pragma once
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "command/command.h"
#include "numeric/numeric.h"

// Curves of functions of x: adaptive sampling with the features a reader looks for (zeros,
// extrema, poles, jumps, gaps), the "&plot" command's summary, and two renderings that need no
// window system: an SVG document and a chart of braille characters for terminals.
namespace orvo {

inline constexpr int kMaxPlotFunctions = 4;

// What a "&plot" command asked for: enough to sample its curves again over another range.
struct PlotRequest {
  double a = 0;  // a < b
  double b = 1;
  std::vector<std::string> functions;  // expressions in x, user definitions expanded
  double y = std::numbers::e;          // the session's y and z when the command ran
  double z = std::numbers::pi;
  int precision = 8;
};

// One sample. `y` is NaN where the function has no value; `joined` says whether a line runs
// from the previous point to this one (never across a gap, a pole or a jump).
struct PlotPoint {
  double x = 0;
  double y = 0;
  bool joined = false;
};

enum class FeatureKind {
  kZero,       // a sign change that closes in on f = 0
  kPole,       // |f| grows without bound as x approaches `x`
  kJump,       // a step: the values on both sides stay apart however close x comes
  kUndefined,  // no value on [x, x2] (x == x2 for a single point)
  kMin,        // the smallest value over the interval, `y` at `x`
  kMax,        // the largest
};

struct CurveFeature {
  FeatureKind kind;
  double x = 0;
  double x2 = 0;
  double y = 0;
};

struct PlotCurve {
  std::vector<PlotPoint> points;       // by growing x, from a to b
  std::vector<CurveFeature> features;  // by kind, then by x
  bool unboundedBelow = false;         // a pole where f tends to minus infinity
  bool unboundedAbove = false;
  std::string message;  // the first evaluation message met, for "no value"
  bool HasValue() const;
};

struct SampleOptions {
  int intervals = 256;    // equal intervals sampled first
  int resolution = 1000;  // the caller's width in pixels: no refining below a quarter pixel
  int budget = 20000;     // evaluations at most for the curve itself
  bool refine = true;     // bisect where the curve bends, jumps or loses its value
  bool analyse = true;    // find zeros, extrema, poles, jumps and gaps
};

// Samples f over [a, b] (a < b) with the session's y and z. Deterministic: the same arguments
// give the same points. kFailed when f has a fault of form (its message in `errors`);
// kCancelled when `interrupt` asked to stop.
NumericStatus SampleCurve(std::string_view f, double a, double b, double y, double z,
                          const SampleOptions& options, Random& rng, Interrupt& interrupt,
                          PlotCurve& curve, std::string& errors);

// The part of the plane a chart shows.
struct PlotRange {
  double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
};
// x from a to b; y around the values, leaving out what runs off towards poles.
PlotRange ChooseRange(const std::vector<PlotCurve>& curves, double a, double b);

// "Nice" tick positions (1, 2 or 5 times a power of ten) covering [from, to].
std::vector<double> Ticks(double from, double to, int most);

// The "&plot" answer lines for the curves, "f1", "f2", ... at `precision` digits, joined by
// line breaks.
std::string PlotSummary(const std::vector<PlotCurve>& curves, int precision);

// "f1", "f2", ...: how answers, legends and charts name curve `index`.
std::string CurveName(std::size_t index);

// The colour of curve `index` ("#rrggbb"), the same in every face.
std::string_view PlotColour(std::size_t index);

// A standalone SVG document: axes, ticks, grid, one <path> per curve, and a legend with each
// curve's text.
std::string PlotSvg(const std::vector<PlotCurve>& curves, const std::vector<std::string>& labels,
                    const PlotRange& range, int width, int height);

// The narrowest braille chart: its dots still take about half of the width.
inline constexpr int kMinChartColumns = 30;

// The curves drawn with braille characters (2 x 4 dots per cell) in a chart of `columns` x
// `rows` cells (labels included; at least kMinChartColumns), y range labelled on the left, x
// range and a legend below, no line wider than `columns`; lines end with "\n". With `colour`,
// each curve's cells get its terminal colour.
std::string BrailleChart(const std::vector<PlotCurve>& curves,
                         const std::vector<std::string>& labels, const PlotRange& range,
                         int columns, int rows, bool colour);

// The "&plot(a;b;f(x);...)" command. `text` follows "&plot(", closing bracket included. On
// success `request` and `curves` describe the chart; the answer is returned either way, a failure
// when a curve has no value on the interval.
CommandAnswer PlotCommand(const CommandEnv& env, std::string_view text, PlotRequest& request,
                          std::vector<PlotCurve>& curves);

}  // namespace orvo
