// One notch of the wheel on a chart of four curves. Sampling runs on a worker thread, so what
// the window's thread pays per step is the redraw of the curves it has in the new range
// (WindowThread); the new view's curves follow from the worker (UntilNewCurves). For comparison,
// the former path: the four curves sampled on the window's thread, then the redraw
// (SampledOnWindowThread). One frame at 60 Hz is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "app/plot_view.h"
#include "base/dialogs.h"
#include "base/interrupt.h"

namespace {

const orvo::PlotRequest kRequest{-5, 5, {"sin(x)", "x^2/10-1", "tan(x)", "sqrt(x)*exp(-x/3)"}};

struct Chart {
  orvo::NoDialogs dialogs;
  orvo::app::PlotView view{dialogs};
  QImage image;
  Chart() {
    view.resize(800, 500);
    view.SetPlot(kRequest, std::vector<orvo::PlotCurve>(kRequest.functions.size()));
    view.FinishSampling();
    image = QImage(view.size(), QImage::Format_RGB32);
  }
};

// In and out again, so the range stays put. The window's thread either goes on at once (the
// worker samples meanwhile) or waits until the new curves are there.
void Zoom(benchmark::State& state, bool untilNewCurves) {
  Chart chart;
  const QPointF at(400, 250);
  double factor = 0.8;
  for (auto _ : state) {
    chart.view.ZoomAt(at, factor);
    factor = 1 / factor;
    if (untilNewCurves) chart.view.FinishSampling();
    chart.view.render(&chart.image);
  }
  chart.view.FinishSampling();
}
BENCHMARK_CAPTURE(Zoom, WindowThread, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Zoom, UntilNewCurves, true)->Unit(benchmark::kMillisecond);

void ZoomSampledOnWindowThread(benchmark::State& state) {
  Chart chart;
  orvo::Random rng;
  orvo::NeverInterrupt never;
  orvo::SampleOptions options;
  options.resolution = static_cast<int>(chart.view.ChartArea().width());
  options.analyse = false;
  const QPointF at(400, 250);
  double factor = 0.8;
  for (auto _ : state) {
    chart.view.ZoomAt(at, factor);
    factor = 1 / factor;
    const orvo::PlotRange& range = chart.view.range();
    std::string errors;
    for (const std::string& f : kRequest.functions) {
      orvo::PlotCurve curve;
      orvo::SampleCurve(f, range.x0, range.x1, kRequest.y, kRequest.z, options, rng, never, curve,
                        errors);
      benchmark::DoNotOptimize(curve.points.data());
    }
    chart.view.render(&chart.image);
  }
  chart.view.FinishSampling();
}
BENCHMARK(ZoomSampledOnWindowThread)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
