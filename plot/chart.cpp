// Charts drawn without a window system: an SVG document and braille text for terminals.
#include <algorithm>
#include <cmath>

#include "base/number_text.h"
#include "base/text.h"
#include "plot/plot.h"

namespace orvo {
namespace {

constexpr std::string_view kColours[kMaxPlotFunctions] = {"#1f77b4", "#d62728", "#2ca02c",
                                                          "#9467bd"};
// Terminal colours of the curves, in the order of kColours.
constexpr std::string_view kTerminalColours[kMaxPlotFunctions] = {"\x1b[34m", "\x1b[31m",
                                                                  "\x1b[32m", "\x1b[35m"};
constexpr std::string_view kTerminalReset = "\x1b[0m";
constexpr int kTickLabelDigits = 6;
// A braille chart narrower than this labels its ranges with fewer digits.
constexpr int kWideChartColumns = 60;
constexpr int kNarrowLabelDigits = 4;
constexpr std::string_view kLegendGap = "   ";

// Maps the range onto a pixel box; y grows downwards. Values far outside are pulled in to a
// band of `band` box heights above and below, so that a line towards a pole still leaves the box
// close to the right place without coordinates that overflow the arithmetic.
struct Mapping {
  PlotRange range;
  double left, top, width, height;
  double band = 4;
  double X(double x) const { return left + (x - range.x0) / (range.x1 - range.x0) * width; }
  double Y(double y) const {
    double t = (range.y1 - y) / (range.y1 - range.y0);
    return top + std::clamp(t, -band, 1 + band) * height;
  }
  bool Inside(double x, double y) const {
    return x >= left && x <= left + width && y >= top && y <= top + height;
  }
  // Cuts the segment from (x0, y0) to (x1, y1) to the box (Liang and Barsky's method); false
  // when no part of it is inside.
  bool Clip(double& x0, double& y0, double& x1, double& y1) const {
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - left, left + width - x0, y0 - top, top + height - y0};
    double enter = 0, leave = 1;
    for (int i = 0; i < 4; ++i) {
      if (p[i] == 0) {
        if (q[i] < 0) return false;
        continue;
      }
      const double t = q[i] / p[i];
      if (p[i] < 0) {
        enter = std::max(enter, t);
      } else {
        leave = std::min(leave, t);
      }
    }
    if (enter > leave) return false;
    x1 = x0 + leave * dx;
    y1 = y0 + leave * dy;
    x0 += enter * dx;
    y0 += enter * dy;
    return true;
  }
};

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Number(double value, int digits = kTickLabelDigits) {
  return FormatGDigits(value, digits);
}

// A coordinate with two decimals, in the "C" locale whatever the process's locale.
std::string Coordinate(double value) {
  return FormatGDigits(std::round(value * 100) / 100, 9);
}

std::string Point(double x, double y) {
  return Coordinate(x) + "," + Coordinate(y);
}

// The path data of a curve cut to the frame in its own geometry: every point written lies in
// the frame, so that renderers without clip paths draw it as well as a browser.
std::string FramedPath(const std::vector<PlotPoint>& points, const Mapping& map) {
  std::string d;
  std::string end;  // where the path stands, "" after a break
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (!std::isfinite(points[k].y)) {
      end.clear();
      continue;
    }
    double x1 = map.X(points[k].x), y1 = map.Y(points[k].y);
    if (!points[k].joined || k == 0 || !std::isfinite(points[k - 1].y)) {
      end = map.Inside(x1, y1) ? Point(x1, y1) : "";
      if (!end.empty()) d += " M" + end;
      continue;
    }
    double x0 = map.X(points[k - 1].x), y0 = map.Y(points[k - 1].y);
    if (!map.Clip(x0, y0, x1, y1)) {
      end.clear();
      continue;
    }
    std::string start = Point(x0, y0);
    if (start != end) d += " M" + start;
    end = Point(x1, y1);
    d += " L" + end;
  }
  return d.empty() ? d : d.substr(1);
}

void AppendUtf8(std::string& out, char32_t c) {
  out += static_cast<char>(0xE0 | (c >> 12));
  out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out += static_cast<char>(0x80 | (c & 0x3F));
}

// Braille dots: bit of the dot in column c (0, 1) and row r (0..3) of a cell.
constexpr unsigned char kDotBits[4][2] = {{0x01, 0x08}, {0x02, 0x10}, {0x04, 0x20}, {0x40, 0x80}};

class DotCanvas {
 public:
  DotCanvas(int columns, int rows)
      : columns_(columns),
        rows_(rows),
        bits_(static_cast<std::size_t>(columns * rows)),
        owner_(bits_.size(), -1) {}

  void Dot(int x, int y, int curve) {
    if (x < 0 || y < 0 || x >= columns_ * 2 || y >= rows_ * 4) return;
    std::size_t cell = static_cast<std::size_t>((y / 4) * columns_ + x / 2);
    bits_[cell] |= kDotBits[y % 4][x % 2];
    owner_[cell] = curve;
  }

  void Line(double x0, double y0, double x1, double y1, int curve) {
    int steps = static_cast<int>(std::ceil(std::max(std::fabs(x1 - x0), std::fabs(y1 - y0))));
    steps = std::clamp(steps, 1, (columns_ * 2 + rows_ * 4) * 2);
    for (int i = 0; i <= steps; ++i) {
      double t = static_cast<double>(i) / steps;
      Dot(static_cast<int>(std::lround(x0 + (x1 - x0) * t)),
          static_cast<int>(std::lround(y0 + (y1 - y0) * t)), curve);
    }
  }

  // One row of cells; `colour` wraps each run of a curve's cells in its terminal colour.
  std::string Row(int row, bool colour) const {
    std::string out;
    int painted = -1;
    for (int c = 0; c < columns_; ++c) {
      std::size_t cell = static_cast<std::size_t>(row * columns_ + c);
      int owner = colour ? owner_[cell] : -1;
      if (owner != painted) {
        if (painted >= 0) out += kTerminalReset;
        if (owner >= 0) out += kTerminalColours[owner % kMaxPlotFunctions];
        painted = owner;
      }
      AppendUtf8(out, 0x2800 + bits_[cell]);
    }
    if (painted >= 0) out += kTerminalReset;
    return out;
  }

 private:
  int columns_, rows_;
  std::vector<unsigned char> bits_;
  std::vector<int> owner_;
};

// The legend under a braille chart: "f1 sin(x)   f2 x^2", wrapped to `columns`, each entry
// starting at `indent` or after the one before it; an entry too long for a line is cut with
// "...".
std::string Legend(std::size_t count, const std::vector<std::string>& labels, int indent,
                   int columns, bool colour) {
  indent = std::min(indent, columns / 4);
  const std::size_t room = static_cast<std::size_t>(columns - indent);
  std::string legend;
  std::size_t used = 0;  // characters on the current line after the indent
  for (std::size_t i = 0; i < count; ++i) {
    std::string entry = CurveName(i) + (i < labels.size() ? " " + labels[i] : "");
    if (CountCharacters(entry) > room) {
      std::size_t end = 0;
      for (std::size_t n = 0; n + 3 < room; ++n) end += CharacterLength(entry, end);
      entry = entry.substr(0, end) + "...";
    }
    const std::size_t width = CountCharacters(entry);
    if (used > 0 && used + kLegendGap.size() + width <= room) {
      legend += kLegendGap;
      used += kLegendGap.size();
    } else {
      if (used > 0) legend += '\n';
      legend.append(static_cast<std::size_t>(indent), ' ');
      used = 0;
    }
    const std::string name = CurveName(i);
    if (colour) {
      legend += std::string(kTerminalColours[i % kMaxPlotFunctions]) + name +
                std::string(kTerminalReset) + entry.substr(name.size());
    } else {
      legend += entry;
    }
    used += width;
  }
  return legend + "\n";
}

}  // namespace

std::string_view PlotColour(std::size_t index) {
  return kColours[index % kMaxPlotFunctions];
}

std::string PlotSvg(const std::vector<PlotCurve>& curves, const std::vector<std::string>& labels,
                    const PlotRange& range, int width, int height) {
  width = std::max(width, 200);
  height = std::max(height, 150);
  // A wide band: the frame cuts the curves, so only the arithmetic needs bounds.
  const Mapping map{range, 60, 20, width - 80.0, height - 60.0, 1e6};
  const std::string w = FormatInt(width), h = FormatInt(height);
  std::string svg =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
      "\">\n"
      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  std::string grid = "<g stroke=\"#e0e0e0\" stroke-width=\"1\">\n";
  std::string text = "<g font-family=\"sans-serif\" font-size=\"12\" fill=\"#333\">\n";
  for (double t : Ticks(range.x0, range.x1, 8)) {
    std::string x = Coordinate(map.X(t));
    grid += "<line x1=\"" + x + "\" y1=\"" + Coordinate(map.top) + "\" x2=\"" + x + "\" y2=\"" +
            Coordinate(map.top + map.height) + "\"/>\n";
    text += "<text x=\"" + x + "\" y=\"" + Coordinate(map.top + map.height + 16) +
            "\" text-anchor=\"middle\">" + Number(t) + "</text>\n";
  }
  for (double t : Ticks(range.y0, range.y1, 6)) {
    std::string y = Coordinate(map.Y(t));
    grid += "<line x1=\"" + Coordinate(map.left) + "\" y1=\"" + y + "\" x2=\"" +
            Coordinate(map.left + map.width) + "\" y2=\"" + y + "\"/>\n";
    text += "<text x=\"" + Coordinate(map.left - 6) + "\" y=\"" + Coordinate(map.Y(t) + 4) +
            "\" text-anchor=\"end\">" + Number(t) + "</text>\n";
  }
  svg += grid + "</g>\n";
  // The axes where they fall inside the range, then the frame.
  std::string axes = "<g stroke=\"#333\" stroke-width=\"1\" fill=\"none\">\n<rect x=\"" +
                     Coordinate(map.left) + "\" y=\"" + Coordinate(map.top) + "\" width=\"" +
                     Coordinate(map.width) + "\" height=\"" + Coordinate(map.height) + "\"/>\n";
  if (range.y0 < 0 && range.y1 > 0) {
    axes += "<line x1=\"" + Coordinate(map.left) + "\" y1=\"" + Coordinate(map.Y(0)) + "\" x2=\"" +
            Coordinate(map.left + map.width) + "\" y2=\"" + Coordinate(map.Y(0)) + "\"/>\n";
  }
  if (range.x0 < 0 && range.x1 > 0) {
    axes += "<line x1=\"" + Coordinate(map.X(0)) + "\" y1=\"" + Coordinate(map.top) + "\" x2=\"" +
            Coordinate(map.X(0)) + "\" y2=\"" + Coordinate(map.top + map.height) + "\"/>\n";
  }
  svg += axes + "</g>\n";
  for (std::size_t i = 0; i < curves.size(); ++i) {
    svg += "<path fill=\"none\" stroke-width=\"1.5\" stroke=\"" + std::string(PlotColour(i)) +
           "\" d=\"" + FramedPath(curves[i].points, map) + "\"/>\n";
    std::string label = CurveName(i);
    if (i < labels.size()) label += ": " + labels[i];
    text += "<text x=\"" + Coordinate(map.left + 10) + "\" y=\"" +
            Coordinate(map.top + 16 + 16 * static_cast<double>(i)) + "\" fill=\"" +
            std::string(PlotColour(i)) + "\">" + Escaped(label) + "</text>\n";
  }
  svg += text + "</g>\n</svg>\n";
  return svg;
}

std::string BrailleChart(const std::vector<PlotCurve>& curves,
                         const std::vector<std::string>& labels, const PlotRange& range,
                         int columns, int rows, bool colour) {
  columns = std::max(columns, kMinChartColumns);
  // A narrow terminal gets shorter labels, so that the dots keep most of the width.
  const int digits = columns < kWideChartColumns ? kNarrowLabelDigits : kTickLabelDigits;
  const std::string top = Number(range.y1, digits), bottom = Number(range.y0, digits);
  const int labelWidth = static_cast<int>(std::max(top.size(), bottom.size()));
  const int cells = columns - labelWidth - 2;
  rows = std::max(rows, 2);
  DotCanvas canvas(cells, rows);
  const Mapping map{range, 0, 0, cells * 2 - 1.0, rows * 4 - 1.0};
  // The x axis as a dotted line, where it falls inside the range.
  if (range.y0 < 0 && range.y1 > 0) {
    int y = static_cast<int>(std::lround(map.Y(0)));
    for (int x = 0; x < cells * 2; x += 4) canvas.Dot(x, y, -1);
  }
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const int curve = static_cast<int>(i);
    const std::vector<PlotPoint>& points = curves[i].points;
    for (std::size_t k = 0; k < points.size(); ++k) {
      if (!std::isfinite(points[k].y)) continue;
      double x = map.X(points[k].x), y = map.Y(points[k].y);
      if (points[k].joined) {
        canvas.Line(map.X(points[k - 1].x), map.Y(points[k - 1].y), x, y, curve);
      } else {
        canvas.Line(x, y, x, y, curve);
      }
    }
  }
  std::string chart;
  for (int r = 0; r < rows; ++r) {
    std::string label = r == 0 ? top : r == rows - 1 ? bottom : "";
    chart += std::string(static_cast<std::size_t>(labelWidth) - label.size(), ' ') + label;
    chart += r == 0 || r == rows - 1 ? " \u2524" : " \u2502";
    chart += canvas.Row(r, colour) + "\n";
  }
  chart += std::string(static_cast<std::size_t>(labelWidth) + 1, ' ') + "\u2514";
  for (int c = 0; c < cells; ++c) chart += "\u2500";
  chart += '\n';
  // The x range under the ends of the axis, moved left when the labels are long.
  const std::string left = Number(range.x0, digits), right = Number(range.x1, digits);
  const int xLabels = static_cast<int>(left.size() + right.size());
  const int indent = std::clamp(columns - xLabels - 1, 0, labelWidth + 2);
  chart.append(static_cast<std::size_t>(indent), ' ');
  chart += left;
  chart.append(static_cast<std::size_t>(std::max(1, columns - indent - xLabels)), ' ');
  chart += right;
  chart += '\n';
  return chart + Legend(curves.size(), labels, labelWidth + 2, columns, colour);
}

}  // namespace orvo
