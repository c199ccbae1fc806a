#include "app/plot_view.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/console_edit.h"
#include "app/texts.h"
#include "base/safe_file.h"

namespace orvo::app {
namespace {

constexpr double kWheelStep = 0.8;  // one notch of the wheel shows 80 % of the range
constexpr double kMarkRadius = 3.5;
constexpr double kTickSpacing = 60;  // pixels between ticks, at least
constexpr double kPad = 6;           // around texts and boxes
constexpr double kSwatch = 18;       // the line before a legend entry

const QColor kGridColour(228, 228, 228);
const QColor kAxisColour(70, 70, 70);
const QColor kTextColour(30, 30, 30);
const QColor kBoxColour(190, 190, 190);
const QColor kAsymptoteColour(175, 175, 175);

constexpr char kSaveFolderKey[] = "plot/folder";

QColor CurveColour(std::size_t index) {
  const std::string_view name = PlotColour(index);
  return QColor(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

// Ticks are multiples of 1, 2 or 5 times a power of ten: as many decimals as the step has, so
// neighbours differ and none reads "1e+03".
QString TickLabel(double value, double step) {
  if (std::fabs(value) >= 1e7 || step < 1e-7) return QString::number(value, 'g', 6);
  int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 7);
  return QString::number(value, 'f', decimals);
}

QString Value(double value, int precision) {
  return QString::number(value, 'g', precision);
}

}  // namespace

// The sampling worker's interrupt: a newer view asks it to stop.
class PlotView::Cancel final : public Interrupt {
 public:
  explicit Cancel(const std::atomic<bool>& flag) : flag_(flag) {}
  bool Requested() override { return flag_.load(std::memory_order_relaxed); }

 private:
  const std::atomic<bool>& flag_;
};

PlotView::PlotView(Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  setMinimumSize(220, 160);
}

PlotView::~PlotView() {
  if (worker_ == nullptr) return;
  job_->cancelled = true;
  worker_->wait();
  delete worker_;
}

std::vector<PlotView::Mark> PlotView::MarksOf(const std::vector<PlotCurve>& curves) {
  std::vector<Mark> marks;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const PlotCurve& curve = curves[i];
    for (const CurveFeature& f : curve.features) {
      // An extreme that is only the edge of a pole's run-off is no point worth marking.
      bool shown = f.kind == FeatureKind::kZero || f.kind == FeatureKind::kPole ||
                   (f.kind == FeatureKind::kMin && !curve.unboundedBelow) ||
                   (f.kind == FeatureKind::kMax && !curve.unboundedAbove);
      if (shown) marks.push_back({i, f.kind, f.x, f.kind == FeatureKind::kZero ? 0 : f.y});
    }
  }
  return marks;
}

void PlotView::SetPlot(const PlotRequest& request, const std::vector<PlotCurve>& curves) {
  request_ = request;
  marks_ = MarksOf(curves);
  values_.clear();
  for (std::size_t i = 0; i < curves.size(); ++i) {
    Evaluator& evaluator = values_.emplace_back(rng_);
    evaluator.SetExpression(request.functions[i]);
    evaluator.SetY(request.y);
    evaluator.SetZ(request.z);
  }
  curves_ = curves;
  home_ = ChooseRange(curves, request.a, request.b);
  range_ = home_;
  Resample();
}

void PlotView::SetRange(const PlotRange& range) {
  if (!(range.x1 > range.x0) || !(range.y1 > range.y0)) return;
  // Narrower than this, neighbouring pixels would share one double.
  const double xScale = std::max({std::fabs(range.x0), std::fabs(range.x1), 1e-300});
  const double yScale = std::max({std::fabs(range.y0), std::fabs(range.y1), 1e-300});
  if (range.x1 - range.x0 < xScale * 1e-12 || range.y1 - range.y0 < yScale * 1e-12) return;
  if (!std::isfinite(range.x1 - range.x0) || !std::isfinite(range.y1 - range.y0)) return;
  range_ = range;
  Resample();
}

void PlotView::ZoomAt(QPointF at, double factor) {
  const double x = XAt(at.x()), y = YAt(at.y());
  SetRange({x + (range_.x0 - x) * factor, x + (range_.x1 - x) * factor,
            y + (range_.y0 - y) * factor, y + (range_.y1 - y) * factor});
}

void PlotView::ResetRange() {
  SetRange(home_);
}

void PlotView::Resample() {
  area_ = MeasureArea();
  update();
  if (curves_.empty()) return;
  if (worker_ != nullptr) {
    // The newest view is sampled once the worker has stopped.
    job_->cancelled = true;
    resamplePending_ = true;
    return;
  }
  StartSampling();
}

void PlotView::StartSampling() {
  job_ = std::make_shared<Job>();
  job_->request = request_;
  job_->range = range_;
  job_->resolution = std::max(1, static_cast<int>(PlotArea().width()));
  job_->rng = rng_;
  worker_ = QThread::create([job = job_] { Sample(*job); });
  connect(worker_, &QThread::finished, this, &PlotView::SamplingDone);
  worker_->start();
}

// Analysed over the range shown: the zeros and extremes marked are those in view, and poles
// and jumps break the lines.
void PlotView::Sample(Job& job) {
  Cancel cancel(job.cancelled);
  SampleOptions options;
  options.resolution = job.resolution;
  std::string errors;
  job.curves.resize(job.request.functions.size());
  for (std::size_t i = 0; i < job.curves.size(); ++i) {
    if (SampleCurve(job.request.functions[i], job.range.x0, job.range.x1, job.request.y,
                    job.request.z, options, job.rng, cancel, job.curves[i],
                    errors) != NumericStatus::kOk) {
      return;
    }
  }
  job.complete = true;
}

void PlotView::SamplingDone() {
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  std::shared_ptr<Job> job = std::move(job_);
  if (resamplePending_) {
    resamplePending_ = false;
    StartSampling();
    return;
  }
  if (!job->complete) return;
  curves_ = std::move(job->curves);
  marks_ = MarksOf(curves_);
  update();
}

void PlotView::FinishSampling() {
  while (worker_ != nullptr) {
    worker_->wait();
    SamplingDone();
  }
}

QStringList PlotView::LegendLines() const {
  QStringList lines;
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    lines << QString::fromStdString(CurveName(i) + ": " + request_.functions[i]);
  }
  return lines;
}

std::vector<std::optional<double>> PlotView::ValuesAt(double x) {
  std::vector<std::optional<double>> values;
  std::string errors;
  for (Evaluator& f : values_) {
    f.SetX(x);
    const Evaluation result = f.Evaluate(errors);
    const bool ok = result.ok() && std::isfinite(result.value);
    values.push_back(ok ? std::optional<double>(result.value) : std::nullopt);
  }
  return values;
}

QStringList PlotView::HoverLines(QPointF at) {
  const double x = XAt(at.x());
  QStringList lines{QStringLiteral("x=") + Value(x, request_.precision)};
  const std::vector<std::optional<double>> values = ValuesAt(x);
  for (std::size_t i = 0; i < values.size(); ++i) {
    lines << QString::fromStdString(CurveName(i)) + QLatin1Char('=') +
                 (values[i] ? Value(*values[i], request_.precision) : QStringLiteral("none"));
  }
  return lines;
}

std::vector<QRectF> PlotView::LegendBoxes() const {
  const QFontMetricsF metrics(font());
  std::vector<QRectF> boxes;
  double x = kPad, y = kPad;
  for (const QString& line : LegendLines()) {
    const double w = kSwatch + kPad + metrics.horizontalAdvance(line);
    if (x > kPad && x + w > width() - kPad) {
      x = kPad;
      y += metrics.height();
    }
    boxes.emplace_back(x, y, w, metrics.height());
    x += w + 3 * kPad;
  }
  return boxes;
}

QRectF PlotView::MeasureArea() const {
  const QFontMetricsF metrics(font());
  const std::vector<QRectF> legend = LegendBoxes();
  const double top = (legend.empty() ? 0 : legend.back().bottom()) + metrics.height() / 2 + kPad;
  // Room on the left for the widest label the y ticks can have.
  const double left =
      std::max(metrics.horizontalAdvance(TickLabel(range_.y0, (range_.y1 - range_.y0) / 8)),
               metrics.horizontalAdvance(TickLabel(range_.y1, (range_.y1 - range_.y0) / 8))) +
      2 * kPad;
  const double bottom = metrics.height() + 2 * kPad;
  return QRectF(left, top, std::max(10.0, width() - left - 2 * kPad),
                std::max(10.0, height() - top - bottom));
}

QPointF PlotView::ToPixel(double x, double y) const {
  const QRectF& area = PlotArea();
  const double tx = (x - range_.x0) / (range_.x1 - range_.x0);
  // Far values are pulled in to a band one height wide around the area: coordinates the
  // painter can take, and short strokes to rasterise (half the time of a redraw went into
  // clipped lines towards poles). The steep lines that reach the band barely change slope.
  const double ty = std::clamp((range_.y1 - y) / (range_.y1 - range_.y0), -1.0, 2.0);
  return {area.left() + tx * area.width(), area.top() + ty * area.height()};
}

double PlotView::XAt(double pixel) const {
  const QRectF& area = PlotArea();
  return range_.x0 + (pixel - area.left()) / area.width() * (range_.x1 - range_.x0);
}

double PlotView::YAt(double pixel) const {
  const QRectF& area = PlotArea();
  return range_.y1 - (pixel - area.top()) / area.height() * (range_.y1 - range_.y0);
}

void PlotView::PaintAxes(QPainter& painter, const QRectF& area) const {
  const QFontMetricsF metrics(font());
  const std::vector<double> xs =
      Ticks(range_.x0, range_.x1, std::max(2, static_cast<int>(area.width() / kTickSpacing)));
  const std::vector<double> ys =
      Ticks(range_.y0, range_.y1, std::max(2, static_cast<int>(area.height() / kTickSpacing)));
  const double xStep = xs.size() > 1 ? xs[1] - xs[0] : range_.x1 - range_.x0;
  const double yStep = ys.size() > 1 ? ys[1] - ys[0] : range_.y1 - range_.y0;

  painter.setPen(QPen(kGridColour, 1));
  for (double t : xs) {
    const double x = ToPixel(t, 0).x();
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  }
  for (double t : ys) {
    const double y = ToPixel(0, t).y();
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  painter.setPen(kTextColour);
  for (double t : xs) {
    const QString label = TickLabel(t, xStep);
    const double w = metrics.horizontalAdvance(label);
    // Labels at the ends stay whole inside the view.
    const double x = std::clamp(ToPixel(t, 0).x() - w / 2, 0.0, std::max(0.0, width() - w));
    painter.drawText(QPointF(x, area.bottom() + kPad + metrics.ascent()), label);
  }
  for (double t : ys) {
    const QString label = TickLabel(t, yStep);
    const double y =
        std::clamp(ToPixel(0, t).y() + (metrics.ascent() - metrics.descent()) / 2, metrics.ascent(),
                   std::max(metrics.ascent(), height() - metrics.descent()));
    painter.drawText(QPointF(area.left() - kPad - metrics.horizontalAdvance(label), y), label);
  }

  // The axes where they fall inside, and the frame.
  painter.setPen(QPen(kAxisColour, 1));
  if (range_.y0 < 0 && range_.y1 > 0) {
    const double y = ToPixel(0, 0).y();
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  if (range_.x0 < 0 && range_.x1 > 0) {
    const double x = ToPixel(0, 0).x();
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  }
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area);
}

void PlotView::PaintCurves(QPainter& painter, const QRectF& area) const {
  painter.save();
  painter.setClipRect(area);
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    QPainterPath path;
    for (const PlotPoint& p : curves_[i].points) {
      if (!std::isfinite(p.y)) continue;
      if (p.joined) {
        path.lineTo(ToPixel(p.x, p.y));
      } else {
        path.moveTo(ToPixel(p.x, p.y));
      }
    }
    painter.setPen(QPen(CurveColour(i), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  }
  painter.restore();
  // A pole as a light dashed line; zeros as rings, extremes as dots, drawn whole where their
  // centre is in view.
  for (const Mark& mark : marks_) {
    const QPointF at = ToPixel(mark.x, mark.y);
    if (at.x() < area.left() || at.x() > area.right()) continue;
    if (mark.kind == FeatureKind::kPole) {
      painter.setPen(QPen(kAsymptoteColour, 1, Qt::DashLine));
      painter.drawLine(QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom()));
      continue;
    }
    if (at.y() < area.top() || at.y() > area.bottom()) continue;
    painter.setPen(QPen(CurveColour(mark.curve), 1.5));
    painter.setBrush(mark.kind == FeatureKind::kZero ? QBrush(Qt::white)
                                                     : QBrush(CurveColour(mark.curve)));
    painter.drawEllipse(at, kMarkRadius, kMarkRadius);
  }
}

void PlotView::PaintLegend(QPainter& painter) const {
  const QFontMetricsF metrics(font());
  const QStringList lines = LegendLines();
  const std::vector<QRectF> boxes = LegendBoxes();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const QRectF& box = boxes[i];
    const double middle = box.center().y();
    painter.setPen(QPen(CurveColour(i), 3));
    painter.drawLine(QPointF(box.left(), middle), QPointF(box.left() + kSwatch, middle));
    painter.setPen(kTextColour);
    painter.drawText(QPointF(box.left() + kSwatch + kPad, box.top() + metrics.ascent()),
                     lines[static_cast<qsizetype>(i)]);
  }
}

void PlotView::PaintHover(QPainter& painter, const QRectF& area) {
  if (!hovering_ || dragging_ || !area.contains(pointer_)) return;
  const QFontMetricsF metrics(font());
  painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
  painter.drawLine(QPointF(pointer_.x(), area.top()), QPointF(pointer_.x(), area.bottom()));
  // A dot where the pointer's x meets each curve.
  const std::vector<std::optional<double>> values = ValuesAt(XAt(pointer_.x()));
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!values[i]) continue;
    const QPointF at = ToPixel(XAt(pointer_.x()), *values[i]);
    if (!area.contains(at)) continue;
    painter.setPen(QPen(CurveColour(i), 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, kMarkRadius, kMarkRadius);
  }
  // The values beside the pointer, on the side where they fit.
  const QStringList lines = HoverLines(pointer_);
  double w = 0;
  for (const QString& line : lines) w = std::max(w, metrics.horizontalAdvance(line));
  w += 2 * kPad;
  const double h = metrics.height() * static_cast<double>(lines.size()) + kPad;
  double left = pointer_.x() + 2 * kPad;
  if (left + w > area.right()) left = std::max(area.left(), pointer_.x() - 2 * kPad - w);
  const double top = std::clamp(pointer_.y() + 2 * kPad, area.top(), area.bottom() - h);
  painter.setPen(kBoxColour);
  painter.setBrush(QColor(255, 255, 255, 235));
  painter.drawRect(QRectF(left, top, w, h));
  for (qsizetype k = 0; k < lines.size(); ++k) {
    painter.setPen(k == 0 ? kTextColour : CurveColour(static_cast<std::size_t>(k - 1)));
    painter.drawText(QPointF(left + kPad, top + kPad / 2 + metrics.ascent() +
                                              metrics.height() * static_cast<double>(k)),
                     lines[k]);
  }
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::white);
  const QRectF& area = PlotArea();
  PaintAxes(painter, area);
  PaintCurves(painter, area);
  PaintLegend(painter);
  PaintHover(painter, area);
}

void PlotView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches != 0) ZoomAt(event->position(), std::pow(kWheelStep, notches));
  event->accept();
}

void PlotView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  dragFrom_ = event->position();
  dragRange_ = range_;
  setCursor(Qt::ClosedHandCursor);
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position();
  hovering_ = true;
  if (dragging_) {
    const QRectF& area = PlotArea();
    const double dx =
        (pointer_.x() - dragFrom_.x()) / area.width() * (dragRange_.x1 - dragRange_.x0);
    const double dy =
        (pointer_.y() - dragFrom_.y()) / area.height() * (dragRange_.y1 - dragRange_.y0);
    SetRange({dragRange_.x0 - dx, dragRange_.x1 - dx, dragRange_.y0 + dy, dragRange_.y1 + dy});
  }
  update();
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  unsetCursor();
  update();
}

void PlotView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) ResetRange();
}

void PlotView::leaveEvent(QEvent*) {
  hovering_ = false;
  update();
}

void PlotView::resizeEvent(QResizeEvent*) {
  Resample();
}

void PlotView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) area_ = MeasureArea();
  QWidget::changeEvent(event);
}

void PlotView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* png = menu.addAction(QString::fromUtf8(text::kPlotSavePng));
  QAction* svg = menu.addAction(QString::fromUtf8(text::kPlotSaveSvg));
  menu.addSeparator();
  QAction* reset = menu.addAction(QString::fromUtf8(text::kPlotReset));
  QAction* chosen = menu.exec(event->globalPos());
  if (chosen == png || chosen == svg) SaveWithDialog();
  if (chosen == reset) ResetRange();
}

void PlotView::SaveWithDialog() {
  QSettings settings(QStringLiteral("orvo"), QStringLiteral("orvo"));
  QString folder = settings.value(kSaveFolderKey).toString();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  }
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  const QString suggested = QDir(folder).filePath(QString::fromUtf8(text::kPlotFileName));
  std::optional<std::string> path = dialogs_.ChooseFileToSave(
      text::kPlotSaveFilter, "png", QFile::encodeName(suggested).toStdString());
  if (!path) return;
  const QString chosen = QFile::decodeName(QByteArray::fromStdString(*path));
  settings.setValue(kSaveFolderKey, QFileInfo(chosen).absolutePath());
  const QString failure = Save(chosen);
  if (!failure.isEmpty()) QMessageBox::warning(this, QString::fromUtf8(text::kTitle), failure);
}

QString PlotView::Save(const QString& path) {
  std::string bytes;
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    bytes = PlotSvg(curves_, request_.functions, range_, width(), height());
  } else {
    const double ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    const bool hovering = hovering_;
    hovering_ = false;  // the pointer's line is not part of the chart
    render(&image);
    hovering_ = hovering;
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return QString::fromUtf8(text::kPlotImageFailed);
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
  }
  const WriteResult written = WriteFileSafely(QFile::encodeName(path).toStdString(), bytes);
  return written.ok ? QString()
                    : QString::fromUtf8(text::kPlotNotSaved)
                          .arg(path, QString::fromStdString(written.reason));
}

PlotDock::PlotDock(Dialogs& dialogs, QWidget* parent)
    : QDockWidget(QString::fromUtf8(text::kPlotTitle), parent), view_(new PlotView(dialogs, this)) {
  setObjectName(QStringLiteral("plot"));
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);
  setFocusPolicy(Qt::NoFocus);
  setWidget(view_);
}

PlotFollower::PlotFollower(QMainWindow* window, ConsoleEdit* console)
    : QObject(window),
      window_(window),
      console_(console),
      dock_(new PlotDock(console->session().dialogs(), window)) {
  window_->addDockWidget(Qt::RightDockWidgetArea, dock_);
  dock_->hide();
  connect(console, &ConsoleEdit::changed, this, &PlotFollower::CommandDone);
}

void PlotFollower::CommandDone() {
  const ConsoleState& state = console_->session().state();
  if (state.plotCount == shown_) return;
  shown_ = state.plotCount;
  dock_->view()->setFont(console_->font());
  dock_->show();
  dock_->raise();
  dock_->view()->SetPlot(state.plot, state.plotCurves);
  console_->setFocus();
  emit plotShown();
}

}  // namespace orvo::app
