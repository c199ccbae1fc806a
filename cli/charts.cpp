// Charts of "&plot" for the terminal face: braille text under the answer, or an SVG file.
#include "base/message.h"
#include "base/number_text.h"
#include "base/safe_file.h"
#include "cli/cli.h"
#include "plot/plot.h"

namespace orvo::cli {
namespace {

constexpr int kSvgWidth = 800;
constexpr int kSvgHeight = 500;
constexpr std::string_view kTooNarrow = "no chart: the terminal is narrower than %d columns\n";

}  // namespace

std::string LineSession::NewChart(const ChartSize& size) {
  const ConsoleState& state = session_.state();
  if (state.plotCount == chartsShown_) return "";
  chartsShown_ = state.plotCount;
  if (size.columns < kMinChartColumns) return Fill(kTooNarrow, {FormatInt(kMinChartColumns)});
  return BrailleChart(state.plotCurves, state.plot.functions,
                      ChooseRange(state.plotCurves, state.plot.a, state.plot.b), size.columns,
                      size.rows, size.colour);
}

std::string LineSession::WriteLastPlot(const std::string& path) const {
  const ConsoleState& state = session_.state();
  if (state.plotCurves.empty()) return "no &plot to write to " + path;
  std::string svg =
      PlotSvg(state.plotCurves, state.plot.functions,
              ChooseRange(state.plotCurves, state.plot.a, state.plot.b), kSvgWidth, kSvgHeight);
  WriteResult written = WriteFileSafely(path, svg);
  return written.ok ? "" : path + ": " + written.reason;
}

}  // namespace orvo::cli
