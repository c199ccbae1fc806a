#pragma once
#include <QDockWidget>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "base/dialogs.h"
#include "base/interrupt.h"
#include "base/random.h"
#include "engine/evaluator.h"
#include "plot/plot.h"

class QMainWindow;

namespace orvo::app {

class ConsoleEdit;

// The chart of the last "&plot": axes, ticks, grid, one colour per curve with a legend of their
// texts, the zeros and extremes of the summary marked. The wheel zooms about the pointer,
// dragging pans, a double click shows the command's range again, and every change of range
// samples the curves anew at the view's resolution. It never takes the keyboard.
class PlotView final : public QWidget {
  Q_OBJECT

 public:
  // `dialogs` chooses the file when the chart is saved from the context menu.
  explicit PlotView(Dialogs& dialogs, QWidget* parent = nullptr);

  // Replaces the curves by those of a new "&plot" and shows its whole range.
  void SetPlot(const PlotRequest& request, const std::vector<PlotCurve>& curves);

  const PlotRange& range() const { return range_; }
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

  void SetRange(const PlotRange& range);
  void Resample();
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
  void SaveWithDialog(std::string_view filter, std::string_view suffix);
  std::vector<std::optional<double>> ValuesAt(double x);

  Dialogs& dialogs_;
  // The view's own: zooming and hovering must not change what the session draws next.
  Random rng_;
  NeverInterrupt never_;
  PlotRequest request_;
  std::vector<PlotCurve> curves_;  // sampled over the shown range
  std::vector<Mark> marks_;        // zeros and extremes of the command's summary
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

// Shows each new "&plot" of the console in a dock of `window`, made on the first one; the
// console keeps the keyboard.
class PlotFollower final : public QObject {
  Q_OBJECT

 public:
  PlotFollower(QMainWindow* window, ConsoleEdit* console);

 private:
  void CommandDone();

  QMainWindow* window_;
  ConsoleEdit* console_;
  PlotDock* dock_ = nullptr;
  unsigned shown_ = 0;
};

}  // namespace orvo::app
