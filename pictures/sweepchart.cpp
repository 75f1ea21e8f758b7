#include "charts.h"

#include "chartparts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <map>

// The chart of a sweep: the mean best length of each setting with its
// interval, over the values of one parameter, a line for each of the others.

namespace {

using namespace chart;

// Colours of the lines, none of them the optimum's green.
const QColor kLineColours[] = {QColor(24, 68, 140),  QColor(224, 123, 0),  QColor(148, 80, 180),
                               QColor(200, 40, 40),  QColor(120, 80, 60),  QColor(220, 100, 180),
                               QColor(110, 110, 110), QColor(20, 160, 180)};

QColor lineColour(std::size_t line)
{
    return kLineColours[line % (sizeof kLineColours / sizeof kLineColours[0])];
}

// The plot's place, its values along the axis and the scale of the lengths.
struct SweepFrame
{
    QRectF plot;
    int values = 1;
    double yLow = 0, yHigh = 1, yStep = 1;

    double spacing() const { return plot.width() / values; }
    double xAt(int value, double offset = 0) const { return plot.left() + (value + 0.5) * spacing() + offset; }
    double yAt(double length) const { return plot.bottom() - (length - yLow) / (yHigh - yLow) * plot.height(); }
};

std::vector<LegendEntry> sweepLegend(const ParameterChartData &data)
{
    std::vector<LegendEntry> legend;
    constexpr std::size_t kNamedLines = 16; // more would crowd out the plot
    if (data.lines.size() == 1) {
        legend.push_back({LegendEntry::Interval, lineColour(0), QStringLiteral("mean best length, 95% interval")});
    } else if (data.lines.size() > kNamedLines) {
        legend.push_back({LegendEntry::Interval, lineColour(0),
                          QStringLiteral("%1 lines, one for each value of the other parameters (colours repeat)")
                              .arg(data.lines.size())});
    } else {
        for (std::size_t i = 0; i < data.lines.size(); ++i)
            legend.push_back({LegendEntry::Interval, lineColour(i), data.lines[i].label});
    }
    if (data.optimum > 0)
        legend.push_back({LegendEntry::Dashed, kOptimum, QStringLiteral("shortest possible (%1)").arg(data.optimum)});
    else
        legend.push_back({LegendEntry::None, kInk, QStringLiteral("no path from home to food")});
    return legend;
}

// The lengths' range, intervals and optimum in it, rounded out to steps.
SweepFrame sweepFrame(const ParameterChartData &data, QSize size, int legendRowCount)
{
    SweepFrame frame;
    frame.values = std::max(1, static_cast<int>(data.values.size()));
    const double top = kPlotTop + kLegendRowHeight * (legendRowCount - 1);
    frame.plot = QRectF(kPlotLeft, top, size.width() - kPlotLeft - kPlotRight, size.height() - top - kPlotBottom);
    double low = data.optimum > 0 ? data.optimum : -1;
    double high = low;
    for (const ParameterChartData::Line &line : data.lines) {
        for (const ParameterChartData::Point &point : line.points) {
            if (!point.present)
                continue;
            low = low < 0 ? point.low : std::min(low, point.low);
            high = std::max(high, point.high);
        }
    }
    if (low < 0)
        low = high = 0;
    low = std::max(0.0, low);
    frame.yStep = niceStep(std::max(high - low, 1.0), 6);
    frame.yLow = std::max(0.0, std::floor(low / frame.yStep) * frame.yStep);
    frame.yHigh = std::max(frame.yLow + frame.yStep, std::ceil(high / frame.yStep) * frame.yStep);
    if (frame.yHigh - high < frame.yStep / 4) // room above the highest interval
        frame.yHigh += frame.yStep;
    return frame;
}

QString lengthTick(double value, double step)
{
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return QString::number(value, 'f', decimals);
}

// Grid lines, ticks with their numbers, the axis' values and titles.
void drawSweepAxes(QPainter &painter, const SweepFrame &f, const ParameterChartData &data, QSize size)
{
    const QRectF &plot = f.plot;
    painter.setFont(font(12));
    drawLengthLines(painter, f, [&f](double v) { return lengthTick(v, f.yStep); });
    // Every value gets a tick; their names skip as many as they must not to
    // run into each other.
    const QFontMetrics metrics(painter.font());
    int widest = 1;
    for (const QString &value : data.values)
        widest = std::max(widest, metrics.horizontalAdvance(value));
    const int every = std::max(1, static_cast<int>(std::ceil((widest + 12) / f.spacing())));
    for (int i = 0; i < f.values; ++i) {
        const double x = std::round(f.xAt(i)) + 0.5;
        painter.setPen(kInk);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 5));
        if (i % every == 0)
            painter.drawText(QRectF(x - 60, plot.bottom() + 7, 120, 18), Qt::AlignHCenter | Qt::AlignTop,
                             data.values[i]);
    }
    drawAxisTitles(painter, plot, size, data.axisName, QStringLiteral("best path length (cells), mean of the runs"));
}

// A line's means joined where neighbours have one, its intervals as bars,
// its means as dots; lines sit side by side so that their bars stay apart.
void drawSweepLine(QPainter &painter, const SweepFrame &f, const ParameterChartData::Line &line, QColor colour,
                   double offset)
{
    const double radius = f.spacing() >= 24 ? 4.0 : 2.5;
    painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 1; i < f.values; ++i) {
        const auto &before = line.points[static_cast<std::size_t>(i - 1)];
        const auto &now = line.points[static_cast<std::size_t>(i)];
        if (before.present && now.present)
            painter.drawLine(QPointF(f.xAt(i - 1, offset), f.yAt(before.mean)),
                             QPointF(f.xAt(i, offset), f.yAt(now.mean)));
    }
    const double cap = std::min(5.0, f.spacing() / 6);
    for (int i = 0; i < f.values; ++i) {
        const auto &point = line.points[static_cast<std::size_t>(i)];
        if (!point.present)
            continue;
        const double x = f.xAt(i, offset);
        painter.setPen(QPen(colour, 1.4));
        if (point.high > point.low) {
            painter.drawLine(QPointF(x, f.yAt(point.low)), QPointF(x, f.yAt(point.high)));
            painter.drawLine(QPointF(x - cap, f.yAt(point.low)), QPointF(x + cap, f.yAt(point.low)));
            painter.drawLine(QPointF(x - cap, f.yAt(point.high)), QPointF(x + cap, f.yAt(point.high)));
        }
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(x, f.yAt(point.mean)), radius, radius);
        painter.setBrush(Qt::NoBrush);
    }
}

void drawSweepPlot(QPainter &painter, const SweepFrame &f, const ParameterChartData &data)
{
    painter.save();
    painter.setClipRect(f.plot.adjusted(-1, -1, 1, 1));
    const std::size_t lines = data.lines.size();
    const double shift = lines > 1 ? std::min(10.0, f.spacing() * 0.5 / static_cast<double>(lines)) : 0.0;
    for (std::size_t i = 0; i < lines; ++i) {
        const double offset = (static_cast<double>(i) - (static_cast<double>(lines) - 1) / 2) * shift;
        drawSweepLine(painter, f, data.lines[i], lineColour(i), offset);
    }
    if (data.optimum > 0) // above the lines, to stay in sight where they reach it
        drawOptimumLine(painter, f.plot, f.yAt(data.optimum));
    painter.restore();
    drawPlotFrame(painter, f.plot);
}

} // namespace

QImage renderParameterChart(const ParameterChartData &data, QSize size)
{
    Canvas canvas(size);
    QPainter &painter = canvas.painter;
    const std::vector<LegendEntry> legend = sweepLegend(data);
    const double legendSpace = size.width() - kPlotLeft - kPlotRight;
    const SweepFrame frame = sweepFrame(data, size, static_cast<int>(legendRows(legend, legendSpace).size()));
    drawTitles(painter, QStringLiteral("Best path length per %1").arg(data.axisName), data.subtitle, size);
    drawSweepAxes(painter, frame, data, size);
    drawSweepPlot(painter, frame, data);
    drawLegend(painter, frame.plot, legend);
    return canvas.finish();
}
