// The plot view's answer to one notch of the wheel with four curves: every curve sampled anew
// at the view's width, then the whole chart painted. One frame at 60 Hz is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "app/plot_view.h"
#include "base/dialogs.h"
#include "base/interrupt.h"

namespace {

void ZoomAndRedrawFourCurves(benchmark::State& state) {
  orvo::NoDialogs dialogs;
  orvo::app::PlotView view(dialogs);
  view.resize(800, 500);
  orvo::PlotRequest request{-5, 5, {"sin(x)", "x^2/10-1", "tan(x)", "sqrt(x)*exp(-x/3)"}};
  std::vector<orvo::PlotCurve> curves(request.functions.size());
  view.SetPlot(request, curves);
  QImage image(view.size(), QImage::Format_RGB32);
  const QPointF at(400, 250);
  double factor = 0.8;
  for (auto _ : state) {
    view.ZoomAt(at, factor);
    factor = 1 / factor;  // in and out again, so the range stays put
    view.render(&image);
  }
}
BENCHMARK(ZoomAndRedrawFourCurves)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
