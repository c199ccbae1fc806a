// What renderers without clip paths rely on in the SVG chart: every point of every curve lies in
// the frame, and a line leaving the frame is cut where it crosses the edge. The braille chart
// keeps to the width it is given.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>

#include "base/text.h"
#include "plot/plot.h"

namespace orvo {
namespace {

struct Frame {
  double left, top, right, bottom;
};

double Attribute(const std::string& element, const std::string& name) {
  std::smatch match;
  std::regex pattern(" " + name + "=\"([-0-9.e+]+)\"");
  return std::regex_search(element, match, pattern) ? std::stod(match[1]) : std::nan("");
}

// The frame is the rectangle of the axes group: the one with an x attribute.
Frame FrameOf(const std::string& svg) {
  std::smatch match;
  EXPECT_TRUE(std::regex_search(svg, match, std::regex("<rect x=[^>]*>")));
  const std::string rect = match[0];
  const double x = Attribute(rect, "x"), y = Attribute(rect, "y");
  return {x, y, x + Attribute(rect, "width"), y + Attribute(rect, "height")};
}

// The points of each path's data, by curve.
std::vector<std::vector<std::pair<double, double>>> PathPoints(const std::string& svg) {
  std::vector<std::vector<std::pair<double, double>>> paths;
  const std::regex path("<path [^>]* d=\"([^\"]*)\""), point("[ML](-?[0-9.e+]+),(-?[0-9.e+]+)");
  for (std::sregex_iterator p(svg.begin(), svg.end(), path), end; p != end; ++p) {
    const std::string d = (*p)[1];
    paths.emplace_back();
    for (std::sregex_iterator q(d.begin(), d.end(), point); q != end; ++q)
      paths.back().emplace_back(std::stod((*q)[1]), std::stod((*q)[2]));
  }
  return paths;
}

PlotCurve Curve(std::initializer_list<PlotPoint> points) {
  PlotCurve curve;
  curve.points = points;
  return curve;
}

TEST(PlotSvg, CurvesAreCutToTheFrame) {
  const double none = std::numeric_limits<double>::quiet_NaN();
  const std::vector<PlotCurve> curves = {
      // Out through the top at x = 0.5, back in through the bottom at x = 1.75.
      Curve({{0, 0, false}, {1, 2, true}, {2, -1, true}}),
      // Towards a pole and back from it, a gap, then a single point.
      Curve({{0.1, 0.5, false},
             {0.9, 1e300, true},
             {1.1, -1e300, false},
             {1.5, 0.5, true},
             {1.6, none, false},
             {1.8, 0.25, false}}),
      // Never inside.
      Curve({{0, 5, false}, {2, 6, true}}),
  };
  const std::string svg = PlotSvg(curves, {"a", "b", "c"}, {0, 2, 0, 1}, 800, 500);
  EXPECT_EQ(svg.find("clip"), std::string::npos);
  const Frame frame = FrameOf(svg);
  const auto paths = PathPoints(svg);
  ASSERT_EQ(paths.size(), 3u);
  for (const auto& path : paths) {
    for (auto [x, y] : path) {
      EXPECT_TRUE(x >= frame.left && x <= frame.right && y >= frame.top && y <= frame.bottom)
          << x << "," << y;
    }
  }
  const double xScale = (frame.right - frame.left) / 2, yScale = frame.bottom - frame.top;
  auto at = [&](double x, double y) {
    return std::pair{frame.left + x * xScale, frame.bottom - y * yScale};
  };
  auto near = [](std::pair<double, double> a, std::pair<double, double> b) {
    return std::hypot(a.first - b.first, a.second - b.second) < 0.02;
  };
  ASSERT_EQ(paths[0].size(), 4u);
  EXPECT_TRUE(near(paths[0][0], at(0, 0)));
  EXPECT_TRUE(near(paths[0][1], at(0.5, 1)));
  EXPECT_TRUE(near(paths[0][2], at(1 + 1.0 / 3, 1)));
  EXPECT_TRUE(near(paths[0][3], at(1 + 2.0 / 3, 0)));
  // The pole's lines leave through the top and come back from the bottom; the lone point stays.
  ASSERT_EQ(paths[1].size(), 5u);
  EXPECT_EQ(paths[1][1].second, frame.top);
  EXPECT_EQ(paths[1][2].second, frame.bottom);
  EXPECT_TRUE(near(paths[1][4], at(1.8, 0.25)));
  EXPECT_TRUE(paths[2].empty());
}

TEST(BrailleChart, KeepsToTheWidth) {
  PlotCurve curve = Curve({{-12345.6789, -98765.4321, false}, {12345.6789, 98765.4321, true}});
  const std::vector<std::string> labels = {std::string(80, 'x'), "y", "z"};
  for (int columns : {kMinChartColumns, 44, 72}) {
    const std::string chart =
        BrailleChart({curve, curve, curve}, labels,
                     {-12345.6789, 12345.6789, -98765.4321, 98765.4321}, columns, 8, false);
    std::size_t start = 0, widest = 0;
    for (std::size_t end; (end = chart.find('\n', start)) != std::string::npos; start = end + 1)
      widest =
          std::max(widest, CountCharacters(std::string_view(chart).substr(start, end - start)));
    EXPECT_EQ(widest, static_cast<std::size_t>(columns)) << chart;
  }
}

}  // namespace
}  // namespace orvo
