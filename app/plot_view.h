#pragma once
#include <QDockWidget>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "base/dialogs.h"
#include "base/interrupt.h"
#include "base/random.h"
#include "engine/evaluator.h"
#include "plot/plot.h"

class QMainWindow;
class QThread;

namespace orvo::app {

class ConsoleEdit;

// The chart of the last "&plot": axes, ticks, grid, one colour per curve with a legend of their
// texts, gaps at poles and jumps (with a dashed line at each pole), the zeros and extremes of
// the visible range marked. The wheel zooms about the pointer, dragging pans, a double click
// shows the command's range again. Every change of range samples the curves anew at the view's
// resolution on a thread of its own: the window never waits for it, a newer view cancels it,
// and the old curves stay (drawn in the new range) until the new ones are ready. It never takes
// the keyboard.
class PlotView final : public QWidget {
  Q_OBJECT

 public:
  // `dialogs` chooses the file when the chart is saved from the context menu.
  explicit PlotView(Dialogs& dialogs, QWidget* parent = nullptr);

  // Replaces the curves by those of a new "&plot" and shows its whole range.
  void SetPlot(const PlotRequest& request, const std::vector<PlotCurve>& curves);

  const PlotRange& range() const { return range_; }
  // Where the curves are drawn, in the view's pixels.
  const QRectF& ChartArea() const { return area_; }
  // Scales the range by `factor` (below 1 zooms in) about the pixel `at`.
  void ZoomAt(QPointF at, double factor);
  // The range of the command, as after a double click.
  void ResetRange();

  // The legend's entries: "f1: sin(x)", ...
  QStringList LegendLines() const;
  // What hovering over pixel `at` shows: "x=...", then "f1=..." and so on ("none" where the
  // function has no value).
  QStringList HoverLines(QPointF at);

  // Saves the chart as shown: SVG when the name ends in ".svg", PNG otherwise. Returns "" or
  // what went wrong.
  QString Save(const QString& path);
  // Asks where (orvo-plot.png in the last folder used, else Pictures, else home) and saves.
  void SaveWithDialog();

  // Whether curves for a newer view are being sampled.
  bool Sampling() const { return worker_ != nullptr; }
  // Waits for the sampling under way and shows its curves (tests and benchmarks).
  void FinishSampling();
  ~PlotView() override;

  QSize sizeHint() const override { return {460, 340}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Mark {
    std::size_t curve;
    FeatureKind kind;
    double x, y;
  };
  // One sampling of the curves for a view, made on the worker thread.
  struct Job {
    PlotRequest request;
    PlotRange range;
    int resolution = 1;
    Random rng;
    std::atomic<bool> cancelled{false};
    std::vector<PlotCurve> curves;  // the results, read once the worker has finished
    bool complete = false;
  };
  class Cancel;

  void SetRange(const PlotRange& range);
  void Resample();
  void StartSampling();
  void SamplingDone();
  static void Sample(Job& job);
  // The marks of curves analysed over the range shown.
  static std::vector<Mark> MarksOf(const std::vector<PlotCurve>& curves);
  // The legend's entries laid out in rows above the chart, and the chart's own rectangle
  // (measured again with each range, size and font; the points of a redraw only read it).
  std::vector<QRectF> LegendBoxes() const;
  QRectF MeasureArea() const;
  const QRectF& PlotArea() const { return area_; }
  QPointF ToPixel(double x, double y) const;
  double XAt(double pixel) const;
  double YAt(double pixel) const;
  void PaintAxes(QPainter& painter, const QRectF& area) const;
  void PaintCurves(QPainter& painter, const QRectF& area) const;
  void PaintLegend(QPainter& painter) const;
  void PaintHover(QPainter& painter, const QRectF& area);
  std::vector<std::optional<double>> ValuesAt(double x);

  Dialogs& dialogs_;
  // The view's own: zooming and hovering must not change what the session draws next.
  Random rng_;
  PlotRequest request_;
  std::vector<PlotCurve> curves_;  // sampled over the shown range
  std::vector<Mark> marks_;        // zeros, extremes and poles of the curves shown
  QThread* worker_ = nullptr;
  std::shared_ptr<Job> job_;       // the worker's
  bool resamplePending_ = false;   // the view changed while the worker was busy
  std::vector<Evaluator> values_;  // f(x) under the pointer
  PlotRange home_;
  PlotRange range_;
  QRectF area_;
  bool hovering_ = false;
  QPointF pointer_;
  bool dragging_ = false;
  QPointF dragFrom_;
  PlotRange dragRange_;
};

// The closable dock that holds the plot view beside the console.
class PlotDock final : public QDockWidget {
  Q_OBJECT

 public:
  PlotDock(Dialogs& dialogs, QWidget* parent = nullptr);
  PlotView* view() const { return view_; }

 private:
  PlotView* view_;
};

// Shows each new "&plot" of the console in a dock of `window` (hidden until the first); the
// console keeps the keyboard. The dock takes its room from the console, never from beyond the
// screen, and gives it back when closed.
class PlotFollower final : public QObject {
  Q_OBJECT

 public:
  PlotFollower(QMainWindow* window, ConsoleEdit* console);
  PlotDock* dock() const { return dock_; }

 signals:
  // A plot is shown (its dock has something to show from now on).
  void plotShown();

 private:
  void CommandDone();

  QMainWindow* window_;
  ConsoleEdit* console_;
  PlotDock* dock_ = nullptr;
  unsigned shown_ = 0;
};

}  // namespace orvo::app
