#include "charts.h"

#include "chartparts.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

// The chart of one run: each generation's best, the best so far, the mean of
// the runs' best so far and the shortest possible, over the generations.

namespace {

using namespace chart;

const QColor kGenerationBest(120, 160, 210);
const QColor kGenerationBestLink(196, 214, 236);
const QColor kGenerationBestRange(160, 192, 228);
const QColor kBestSoFar(24, 68, 140);
const QColor kMean(224, 123, 0);

// The plot's place in the image and the scales of its two axes.
struct ChartFrame
{
    QRectF plot;
    int generations = 0;
    bool any = false; // some generation has a path
    double yLow = 0, yHigh = 1, yStep = 1;
    double xHigh = 1, xStep = 1;

    double xAt(double generation) const { return plot.left() + generation / xHigh * plot.width(); }
    double yAt(double length) const { return plot.bottom() - (length - yLow) / (yHigh - yLow) * plot.height(); }
};

// The lengths' range, with the optimum in it and room round it, under as
// many rows of legend as it takes.
ChartFrame chartFrame(const ChartData &data, QSize size, double top)
{
    ChartFrame frame;
    frame.generations = static_cast<int>(data.generationBest.size());
    frame.plot = QRectF(kPlotLeft, top, size.width() - kPlotLeft - kPlotRight, size.height() - top - kPlotBottom);
    int low = data.optimum > 0 ? data.optimum : 0;
    int high = low;
    for (const int value : data.generationBest) {
        if (value <= 0)
            continue;
        if (!frame.any && data.optimum <= 0)
            low = high = value;
        frame.any = true;
        low = std::min(low, value);
        high = std::max(high, value);
    }
    const ValueRange range = paddedRange(low, high, frame.plot.height(), 4, 1);
    frame.yLow = range.low;
    frame.yHigh = range.high;
    frame.yStep = range.step;
    frame.xStep = std::max(1.0, niceStep(std::max(frame.generations, 1), 8));
    frame.xHigh = std::max(1, frame.generations);
    return frame;
}

// Grid lines, ticks with their numbers, and the axis titles.
void drawAxes(QPainter &painter, const ChartFrame &f, QSize size)
{
    const QRectF &plot = f.plot;
    painter.setFont(font(12));
    drawLengthLines(painter, f, [](double v) { return tickText(v); });
    for (double v = 0; v <= f.xHigh + f.xStep / 1000; v += f.xStep) {
        const double x = std::round(f.xAt(v)) + 0.5;
        painter.setPen(QPen(kGridLine, 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(kInk);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 5));
        painter.drawText(QRectF(x - 40, plot.bottom() + 7, 80, 18), Qt::AlignHCenter | Qt::AlignTop, tickText(v));
    }

    drawAxisTitles(painter, plot, size, QStringLiteral("generation"),
                   QStringLiteral("path length (cells, home and food included)"));
}

// Each generation's best: a dot each while a pixel column holds at most one
// generation (fainter the closer they sit), linked when there is room.
void drawGenerationDots(QPainter &painter, const ChartFrame &f, const std::vector<int> &best)
{
    const double pixelsPerGeneration = f.plot.width() / f.xHigh;
    if (pixelsPerGeneration >= 4.0) {
        painter.setPen(QPen(kGenerationBestLink, 1));
        for (int g = 1; g < f.generations; ++g) {
            const int before = best[static_cast<std::size_t>(g - 1)];
            const int now = best[static_cast<std::size_t>(g)];
            if (before > 0 && now > 0)
                painter.drawLine(QPointF(f.xAt(g), f.yAt(before)), QPointF(f.xAt(g + 1), f.yAt(now)));
        }
    }
    QColor dot = kGenerationBest;
    if (pixelsPerGeneration < 4.0)
        dot.setAlpha(150);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dot);
    const double radius = pixelsPerGeneration >= 6.0 ? 3.0 : 2.0;
    for (int g = 0; g < f.generations; ++g) {
        const int value = best[static_cast<std::size_t>(g)];
        if (value > 0)
            painter.drawEllipse(QPointF(f.xAt(g + 1), f.yAt(value)), radius, radius);
    }
    painter.setBrush(Qt::NoBrush);
}

// More generations than pixel columns: the range of the generations that
// share a column.
void drawGenerationRanges(QPainter &painter, const ChartFrame &f, const std::vector<int> &best)
{
    painter.setPen(QPen(kGenerationBestRange, 1, Qt::SolidLine, Qt::FlatCap));
    int g = 0;
    while (g < f.generations) {
        const int columnX = static_cast<int>(f.xAt(g + 1));
        int least = 0;
        int most = 0;
        for (; g < f.generations && static_cast<int>(f.xAt(g + 1)) == columnX; ++g) {
            const int value = best[static_cast<std::size_t>(g)];
            if (value <= 0)
                continue;
            least = least == 0 ? value : std::min(least, value);
            most = std::max(most, value);
        }
        if (most > 0)
            painter.drawLine(QPointF(columnX + 0.5, f.yAt(most) - 1.5), QPointF(columnX + 0.5, f.yAt(least) + 1.5));
    }
}

// The first run's best so far, a step at each improvement, on whole pixels
// so that its flat stretches stay crisp.
void drawBestSoFar(QPainter &painter, const ChartFrame &f, const std::vector<int> &bestSoFar)
{
    const auto snapped = [](double x, double y) { return QPointF(std::round(x), std::round(y)); };
    QPainterPath steps;
    int current = 0;
    for (int g = 0; g < f.generations; ++g) {
        const int value = bestSoFar[static_cast<std::size_t>(g)];
        if (value <= 0)
            continue;
        if (current == 0) {
            steps.moveTo(snapped(f.xAt(g + 1), f.yAt(value)));
        } else if (value != current) {
            steps.lineTo(snapped(f.xAt(g + 1), f.yAt(current)));
            steps.lineTo(snapped(f.xAt(g + 1), f.yAt(value)));
        }
        current = value;
    }
    if (current > 0)
        steps.lineTo(snapped(f.xAt(f.generations), f.yAt(current)));
    painter.setPen(QPen(kBestSoFar, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(steps);
}

// The mean of the runs' best so far, where every run has one; one point per
// pixel column is enough.
void drawMeanBestSoFar(QPainter &painter, const ChartFrame &f, const std::vector<double> &meanBestSoFar)
{
    QPainterPath mean;
    int lastColumn = -1;
    for (int g = 0; g < f.generations; ++g) {
        const double value = meanBestSoFar[static_cast<std::size_t>(g)];
        if (value < 0)
            continue;
        const QPointF point(f.xAt(g + 1), f.yAt(value));
        const int columnX = static_cast<int>(point.x());
        if (mean.elementCount() == 0)
            mean.moveTo(point);
        else if (columnX != lastColumn || g == f.generations - 1)
            mean.lineTo(point);
        lastColumn = columnX;
    }
    painter.setPen(QPen(kMean, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(mean);
}

// Everything inside the frame, clipped to it.
void drawPlot(QPainter &painter, const ChartFrame &f, const ChartData &data)
{
    painter.save();
    painter.setClipRect(f.plot.adjusted(-4, -4, 4, 4));
    // First, so that the paths that reach it stay in sight over it.
    if (data.optimum > 0)
        drawOptimumLine(painter, f.plot, f.yAt(data.optimum));
    if (f.plot.width() / f.xHigh >= 1.0)
        drawGenerationDots(painter, f, data.generationBest);
    else
        drawGenerationRanges(painter, f, data.generationBest);
    drawBestSoFar(painter, f, data.bestSoFar);
    // Over the first run's line, so that both show where they meet.
    if (data.runs > 1 && data.meanBestSoFar.size() == static_cast<std::size_t>(f.generations))
        drawMeanBestSoFar(painter, f, data.meanBestSoFar);
    painter.restore();

    if (!f.any) {
        painter.setPen(kInk);
        painter.setFont(font(16));
        painter.drawText(f.plot, Qt::AlignCenter, QStringLiteral("no ant reached the food"));
    }
    drawPlotFrame(painter, f.plot);
}

std::vector<LegendEntry> legendEntries(const ChartData &data)
{
    std::vector<LegendEntry> legend;
    const QString ofRun = data.runs > 1 ? QStringLiteral(" (run %1)").arg(data.firstRun) : QString();
    legend.push_back({LegendEntry::Dots, kGenerationBest, QStringLiteral("best of the generation") + ofRun});
    legend.push_back({LegendEntry::Line, kBestSoFar, QStringLiteral("best so far") + ofRun});
    if (data.runs > 1)
        legend.push_back({LegendEntry::Line, kMean, QStringLiteral("best so far, mean of %1 runs").arg(data.runs)});
    if (data.optimum > 0)
        legend.push_back({LegendEntry::Dashed, kOptimum, QStringLiteral("shortest possible (%1)").arg(data.optimum)});
    else
        legend.push_back({LegendEntry::None, kInk, QStringLiteral("no path from home to food")});
    return legend;
}

} // namespace

QImage renderChart(const ChartData &data, QSize size)
{
    Canvas canvas(size);
    QPainter &painter = canvas.painter;
    const std::vector<LegendEntry> legend = legendEntries(data);
    const ChartFrame frame = chartFrame(data, size, plotTop(legend, size));
    drawTitles(painter, QStringLiteral("Path length per generation"), data.subtitle, size);
    drawAxes(painter, frame, size);
    drawPlot(painter, frame, data);
    drawLegend(painter, frame.plot, legend);
    return canvas.finish();
}
