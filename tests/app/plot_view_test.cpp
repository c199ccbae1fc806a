// The plot dock: a "&plot" opens it beside the console, which keeps the keyboard; the legend
// names the curves; the wheel zooms about the pointer, dragging pans and a double click goes
// back; the chart saves as PNG, and as SVG with one path per curve.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cstdlib>

#include "app/plot_view.h"
#include "window_test_support.h"

namespace orvo::app::test {
namespace {

class PlotTest final : public QObject {
  Q_OBJECT

 private slots:
  void opensBesideTheConsoleWhichKeepsTheKeyboard() {
    WindowFixture fixture;
    auto* dock = fixture.window().findChild<PlotDock*>();
    QVERIFY(!dock->isVisible());
    const int width = fixture.window().width();
    TypeLine(fixture.console(), QStringLiteral("&plot(-5;5;sin(x);x^2/10-1)="));
    QTRY_VERIFY(dock->isVisible());
    // The chart takes its room from the console, not from beyond the window.
    QCOMPARE(fixture.window().width(), width);
    QCOMPARE(dock->view()->LegendLines(), (QStringList{"f1: sin(x)", "f2: x^2/10-1"}));
    QTRY_VERIFY(fixture.console().hasFocus());

    // A new plot replaces the curves; a closed dock stays closed until the next plot.
    TypeLine(fixture.console(), QStringLiteral("&plot(0;1;x)="));
    QCOMPARE(dock->view()->LegendLines(), QStringList{"f1: x"});
    dock->close();
    TypeLine(fixture.console(), QStringLiteral("1+1="));
    QVERIFY(!dock->isVisible());
    TypeLine(fixture.console(), QStringLiteral("&plot(0;1;x^2)="));
    QTRY_VERIFY(dock->isVisible());
    QVERIFY(fixture.console().hasFocus());
  }

  void wheelZoomsDragPansDoubleClickGoesBack() {
    WindowFixture fixture;
    TypeLine(fixture.console(), QStringLiteral("&plot(-5;5;sin(x))="));
    PlotView* view = fixture.window().findChild<PlotDock*>()->view();
    const PlotRange home = view->range();
    QCOMPARE(home.x0, -5.0);
    QCOMPARE(home.x1, 5.0);
    const QPoint at = view->rect().center();
    QWheelEvent wheel(at, view->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &wheel);
    QVERIFY(view->range().x0 > home.x0 && view->range().x1 < home.x1);
    QCOMPARE(view->range().x1 - view->range().x0, 8.0);

    const PlotRange zoomed = view->range();
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseMove(view, at + QPoint(40, 0));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, at + QPoint(40, 0));
    QVERIFY(view->range().x0 < zoomed.x0);
    QCOMPARE(view->range().y0, zoomed.y0);

    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(view->range().x0, home.x0);
    QCOMPARE(view->range().x1, home.x1);
    QVERIFY(fixture.console().hasFocus());
  }

  // No line joins the two sides of a pole: no pixel column holds the curve's colour both near
  // the top and near the bottom of the chart. After a zoom the same holds for the new range.
  void aPoleLeavesAGap() {
    WindowFixture fixture;
    TypeLine(fixture.console(), QStringLiteral("&plot(-3;3;tan(x))="));
    PlotView* view = fixture.window().findChild<PlotDock*>()->view();
    view->resize(500, 400);
    for (double zoom : {1.0, 0.8}) {
      if (zoom != 1.0) view->ZoomAt(view->ChartArea().center(), zoom);
      view->FinishSampling();
      QImage image(view->size(), QImage::Format_RGB32);
      view->render(&image);
      const QColor curve(0x1f, 0x77, 0xb4);
      auto isCurve = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return std::abs(c.red() - curve.red()) + std::abs(c.green() - curve.green()) +
                   std::abs(c.blue() - curve.blue()) <
               60;
      };
      const QRect area = view->ChartArea().toRect().adjusted(2, 2, -2, -2);
      const int band = area.height() / 4;
      int columnsWithCurve = 0;
      for (int x = area.left(); x <= area.right(); ++x) {
        bool top = false, bottom = false;
        for (int y = area.top(); y < area.top() + band; ++y) top = top || isCurve(x, y);
        for (int y = area.bottom() - band; y <= area.bottom(); ++y) {
          bottom = bottom || isCurve(x, y);
        }
        columnsWithCurve += top || bottom;
        QVERIFY2(!(top && bottom), qPrintable(QStringLiteral("column %1").arg(x)));
      }
      QVERIFY(columnsWithCurve > 10);  // the curve is drawn at all
    }
  }

  void hoverShowsEachValue() {
    WindowFixture fixture;
    TypeLine(fixture.console(), QStringLiteral("&plot(-1;1;x;sqrt(x))="));
    PlotView* view = fixture.window().findChild<PlotDock*>()->view();
    const QRect area = view->rect();
    // The pointer's x is wherever the pixel falls: only the shape of the text is fixed.
    const QString left =
        view->HoverLines(QPointF(area.width() * 0.3, area.center().y())).join(u' ');
    QVERIFY2(left.contains(QRegularExpression(R"(^x=-\S+ f1=-\S+ f2=none$)")), qPrintable(left));
    const QString right =
        view->HoverLines(QPointF(area.width() * 0.9, area.center().y())).join(u' ');
    QVERIFY2(right.contains(QRegularExpression(R"(^x=\d\S* f1=\d\S* f2=\d\S*$)")),
             qPrintable(right));
  }

  void savesPngAndSvg() {
    WindowFixture fixture;
    TypeLine(fixture.console(), QStringLiteral("&plot(-5;5;sin(x);x^2/10-1)="));
    PlotView* view = fixture.window().findChild<PlotDock*>()->view();
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("chart.png"));
    QCOMPARE(view->Save(png), QString());
    const QImage image(png);
    QCOMPARE(image.size(), view->size() * view->devicePixelRatioF());

    const QString svg = folder.filePath(QStringLiteral("chart.svg"));
    QCOMPARE(view->Save(svg), QString());
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int paths = 0;
    while (!xml.atEnd()) {
      if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"path") ++paths;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(paths, 2);
    QVERIFY(view->Save(folder.filePath(QStringLiteral("no/chart.png")))
                .startsWith(QStringLiteral("The chart could not be saved as ")));
  }
};

}  // namespace

std::unique_ptr<QObject> MakePlotTest() {
  return std::make_unique<PlotTest>();
}

}  // namespace orvo::app::test

#include "plot_view_test.moc"
