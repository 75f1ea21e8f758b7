#include "charts.h"

#include "generationplot.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

// The chart of one run: each generation's best, the best so far, the mean of
// the runs' best so far and the shortest possible, over the generations.  The
// window's live chart adds the mean path of the ants at the food and, on an
// axis of its own at the right, the share of the ants that got there.

namespace {

using namespace chart;

const QColor kGenerationBest(120, 160, 210);
const QColor kGenerationBestLink(196, 214, 236);
const QColor kGenerationBestRange(160, 192, 228);
const QColor kBestSoFar(24, 68, 140);
const QColor kMean(224, 123, 0);
const QColor kArrivalMean(150, 70, 160);
const QColor kShareAtFood(165, 165, 165);

constexpr double kShareAxisRight = 64; // room right of the plot for the share's axis

std::vector<LegendEntry> legendEntries(const ChartData &data);

// Walls drawn during the run changed the shortest possible path.
bool optimumChanged(const ChartData &data)
{
    const auto &optimum = data.optimumByGeneration;
    return std::adjacent_find(optimum.begin(), optimum.end(), std::not_equal_to<int>()) != optimum.end();
}

// The shortest possible length of each generation, a step where it changed
// and a gap where the food was out of reach.
void drawOptimumSteps(QPainter &painter, const ChartFrame &f, const std::vector<int> &optimum)
{
    QPainterPath line;
    int last = 0;
    for (std::size_t g = 0; g < optimum.size(); ++g) {
        const int value = optimum[g];
        const double x = f.xAt(static_cast<double>(g + 1));
        if (value > 0 && last == 0)
            line.moveTo(x, f.yAt(value));
        else if (value != last && last > 0)
            line.lineTo(x, f.yAt(last));
        if (value > 0 && last > 0 && (value != last || g + 1 == optimum.size()))
            line.lineTo(x, f.yAt(value));
        last = value;
    }
    painter.setPen(QPen(kOptimum, 2, Qt::DashLine, Qt::FlatCap));
    painter.drawPath(line);
}

bool showsShare(const ChartData &data)
{
    return !data.shareAtFood.empty();
}

// The plot below the legend; the lengths' range holds the optimum and the
// arrivals' means.
ChartFrame chartFrame(const ChartData &data, QSize size)
{
    const int generations = static_cast<int>(data.generationBest.size());
    bool any = false;
    int low = data.optimum > 0 ? data.optimum : 0;
    int high = low;
    for (const int value : data.generationBest) {
        if (value <= 0)
            continue;
        if (!any && data.optimum <= 0)
            low = high = value;
        any = true;
        low = std::min(low, value);
        high = std::max(high, value);
    }
    for (const double mean : data.meanLength)
        high = std::max(high, static_cast<int>(std::ceil(mean)));
    for (const int optimum : data.optimumByGeneration)
        if (optimum > 0 && (any || data.optimum > 0)) {
            low = std::min(low, optimum);
            high = std::max(high, optimum);
        }
    const double right = showsShare(data) ? kShareAxisRight : kPlotRight;
    ChartFrame frame = generationFrame(legendEntries(data), size, right, generations, low, high);
    frame.any = any;
    return frame;
}

// The share of the ants at the food: ticks by the quarter at the right of the
// plot, and the axis' title along it.
void drawShareAxis(QPainter &painter, const ChartFrame &f, QSize size)
{
    const QRectF &plot = f.plot;
    painter.setFont(font(12));
    painter.setPen(kInk);
    for (int percent = 0; percent <= 100; percent += 25) {
        const double y = std::round(f.shareY(percent / 100.0)) + 0.5;
        painter.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + 5, y));
        painter.drawText(QRectF(plot.right() + 8, y - 10, kShareAxisRight - 30, 20), Qt::AlignLeft | Qt::AlignVCenter,
                         LineChart::tr("%1%").arg(percent));
    }
    painter.save();
    painter.setFont(font(13));
    painter.translate(size.width() - 14, plot.center().y());
    painter.rotate(90);
    painter.drawText(QRectF(-plot.height() / 2, -11, plot.height(), 22), Qt::AlignHCenter | Qt::AlignVCenter,
                     LineChart::tr("ants at the food"));
    painter.restore();
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

// Everything inside the frame, clipped to it.
void drawPlot(QPainter &painter, const ChartFrame &f, const ChartData &data)
{
    const auto length = [&f](double value) { return f.yAt(value); };
    const bool columnPerGeneration = f.plot.width() / f.xHigh >= 1.0;
    painter.save();
    painter.setClipRect(f.plot.adjusted(-4, -4, 4, 4));
    // First, so that the paths that reach it stay in sight over it.
    if (optimumChanged(data))
        drawOptimumSteps(painter, f, data.optimumByGeneration);
    else if (data.optimum > 0)
        drawOptimumLine(painter, f.plot, f.yAt(data.optimum));
    drawColumnLine(painter, f, data.shareAtFood, QPen(kShareAtFood, 1), [&f](double share) { return f.shareY(share); });
    if (columnPerGeneration)
        drawGenerationDots(painter, f, data.generationBest);
    else
        drawGenerationRanges(painter, f, data.generationBest);
    // Thinner where generations crowd: a wide pen on a line that zigzags
    // through every pixel column costs ten times as much to paint.
    drawColumnLine(painter, f, data.meanLength,
                   QPen(kArrivalMean, columnPerGeneration ? 1.5 : 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin),
                   length);
    drawBestSoFar(painter, f, data.bestSoFar, kBestSoFar);
    // Over the first run's line, so that both show where they meet.
    if (data.runs > 1)
        drawColumnLine(painter, f, data.meanBestSoFar, QPen(kMean, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin),
                       length);
    painter.restore();

    if (!f.any)
        drawNoArrivalNote(painter, f.plot);
    drawPlotFrame(painter, f.plot);
}

std::vector<LegendEntry> legendEntries(const ChartData &data)
{
    std::vector<LegendEntry> legend;
    const QString ofRun = data.runs > 1 ? QStringLiteral(" (run %1)").arg(data.firstRun) : QString();
    legend.push_back({LegendEntry::Dots, kGenerationBest, LineChart::tr("best of the generation") + ofRun});
    if (!data.meanLength.empty())
        legend.push_back({LegendEntry::Line, kArrivalMean, LineChart::tr("mean of the ants at the food")});
    legend.push_back({LegendEntry::Line, kBestSoFar, LineChart::tr("best so far") + ofRun});
    if (data.runs > 1)
        legend.push_back({LegendEntry::Line, kMean, QStringLiteral("best so far, mean of %1 runs").arg(data.runs)});
    if (data.optimum > 0)
        legend.push_back({LegendEntry::Dashed, kOptimum, LineChart::tr("shortest possible (%1)").arg(data.optimum)});
    else
        legend.push_back({LegendEntry::None, kInk, LineChart::tr("no path from home to food")});
    if (showsShare(data))
        legend.push_back({LegendEntry::Line, kShareAtFood, LineChart::tr("ants at the food (right)")});
    return legend;
}

} // namespace

QImage renderChart(const ChartData &data, QSize size)
{
    Canvas canvas(size);
    paintChart(canvas.painter, QRect(QPoint(0, 0), size), data);
    return canvas.finish();
}

void paintChart(QPainter &painter, const QRect &area, const ChartData &data)
{
    const QSize size = area.size();
    const ChartArea chartArea(painter, area);
    const ChartFrame frame = chartFrame(data, size);
    drawTitles(painter, LineChart::tr("Path length per generation"), data.subtitle, size);
    drawGenerationAxes(painter, frame, size);
    if (showsShare(data))
        drawShareAxis(painter, frame, size);
    drawPlot(painter, frame, data);
    drawLegend(painter, frame.plot, legendEntries(data));
}

int chartGenerationAt(const ChartData &data, const QRect &area, QPointF point)
{
    const ChartFrame frame = chartFrame(data, area.size());
    const QPointF inside = point - area.topLeft();
    if (frame.generations == 0 || !frame.plot.adjusted(-4, -4, 4, 4).contains(inside))
        return 0;
    const double generation = std::round((inside.x() - frame.plot.left()) / frame.plot.width() * frame.xHigh);
    return std::clamp(static_cast<int>(generation), 1, frame.generations);
}

namespace chart {

ChartFrame generationFrame(const std::vector<LegendEntry> &legend, QSize size, double right, int generations,
                           int low, int high)
{
    ChartFrame frame;
    frame.generations = generations;
    const double top = plotTop(legend, size, right);
    frame.plot = QRectF(kPlotLeft, top, size.width() - kPlotLeft - right, size.height() - top - kPlotBottom);
    const ValueRange range = paddedRange(low, high, frame.plot.height(), 4, 1);
    frame.yLow = range.low;
    frame.yHigh = range.high;
    frame.yStep = range.step;
    frame.xStep = std::max(1.0, niceStep(std::max(generations, 1), 8));
    frame.xHigh = std::max(1, generations);
    return frame;
}

void drawGenerationAxes(QPainter &painter, const ChartFrame &f, QSize size)
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

    drawAxisTitles(painter, plot, size, LineChart::tr("generation"),
                   LineChart::tr("path length (cells, home and food included)"), LineChart::tr("cells"));
}

// On whole pixels, so that the flat stretches stay crisp.
void drawBestSoFar(QPainter &painter, const ChartFrame &f, const std::vector<int> &bestSoFar, const QColor &colour)
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
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(steps);
}

void drawNoArrivalNote(QPainter &painter, const QRectF &plot)
{
    painter.setPen(kInk);
    painter.setFont(font(16));
    painter.drawText(plot, Qt::AlignCenter, LineChart::tr("no ant reached the food"));
}

} // namespace chart
