#include "charts.h"

#include "chartparts.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <map>

// The chart of a sweep: a measure of each setting with its interval, over
// the values of one parameter, a line for each of the others.

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

// The plot's place, its values along the axis and the scale of the measure.
struct SweepFrame
{
    QRectF plot;
    int values = 1;
    bool any = false; // some setting has a value
    double yLow = 0, yHigh = 1, yStep = 1;

    double spacing() const { return plot.width() / values; }
    double xAt(int value, double offset = 0) const { return plot.left() + (value + 0.5) * spacing() + offset; }
    double yAt(double length) const { return plot.bottom() - (length - yLow) / (yHigh - yLow) * plot.height(); }
};

// Room under the plot for a second line of a category's name.
constexpr double kSecondLabelLine = 14;

std::vector<LegendEntry> sweepLegend(const ParameterChartData &data)
{
    std::vector<LegendEntry> legend;
    constexpr std::size_t kNamedLines = 16; // more would crowd out the plot
    if (data.lines.size() == 1) {
        legend.push_back({LegendEntry::Interval, lineColour(0), data.pointName});
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
    else if (!data.noOptimum.isEmpty())
        legend.push_back({LegendEntry::None, kInk, data.noOptimum});
    return legend;
}

// The measure's range, intervals and optimum in it, with room round it.
SweepFrame sweepFrame(const ParameterChartData &data, QSize size, double top)
{
    SweepFrame frame;
    frame.values = std::max(1, static_cast<int>(data.values.size()));
    const double bottom = kPlotBottom + (data.categorical ? kSecondLabelLine : 0);
    frame.plot = QRectF(kPlotLeft, top, size.width() - kPlotLeft - kPlotRight, size.height() - top - bottom);
    bool inRange = data.optimum > 0;
    double low = data.optimum, high = data.optimum;
    for (const ParameterChartData::Line &line : data.lines) {
        for (const ParameterChartData::Point &point : line.points) {
            if (!point.present)
                continue;
            low = inRange ? std::min({low, point.low, point.mean}) : std::min(point.low, point.mean);
            high = inRange ? std::max({high, point.high, point.mean}) : std::max(point.high, point.mean);
            inRange = frame.any = true;
        }
    }
    const ValueRange range = paddedRange(low, high, frame.plot.height(), 1, 0);
    frame.yLow = range.low;
    frame.yHigh = range.high;
    frame.yStep = range.step;
    return frame;
}

QString lengthTick(double value, double step)
{
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return QString::number(value, 'f', decimals);
}

// Names stand in their value's slot, on two lines if they must; numbers
// skip as many as they must not to run into each other.
void drawValueNames(QPainter &painter, const SweepFrame &f, const ParameterChartData &data)
{
    const QFontMetrics metrics(painter.font());
    int widest = 1;
    for (const QString &value : data.values)
        widest = std::max(widest, metrics.horizontalAdvance(value));
    const int every = data.categorical ? 1 : std::max(1, static_cast<int>(std::ceil((widest + 12) / f.spacing())));
    const double width = data.categorical ? f.spacing() - 4 : 120;
    const int flags = Qt::AlignHCenter | Qt::AlignTop | (data.categorical ? Qt::TextWordWrap : 0);
    for (int i = 0; i < f.values; i += every) {
        const double x = std::round(f.xAt(i)) + 0.5;
        painter.drawText(QRectF(x - width / 2, f.plot.bottom() + 7, width, 18 + kSecondLabelLine), flags,
                         data.values[i]);
    }
}

// Grid lines, ticks with their numbers, the axis' values and titles.
void drawSweepAxes(QPainter &painter, const SweepFrame &f, const ParameterChartData &data, QSize size)
{
    const QRectF &plot = f.plot;
    painter.setFont(font(12));
    if (f.any || data.optimum > 0)
        drawLengthLines(painter, f, [&f](double v) { return lengthTick(v, f.yStep); });
    painter.setPen(kInk);
    for (int i = 0; i < f.values; ++i) {
        const double x = std::round(f.xAt(i)) + 0.5;
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 5));
    }
    drawValueNames(painter, f, data);
    drawAxisTitles(painter, plot, size, data.axisName, data.valueName);
}

// A line's means joined where neighbours have one (never across names), its
// intervals as bars, its means as dots; lines sit side by side so that their
// bars stay apart.
void drawSweepLine(QPainter &painter, const SweepFrame &f, const ParameterChartData &data, std::size_t index,
                   double offset)
{
    const ParameterChartData::Line &line = data.lines[index];
    const QColor colour = lineColour(index);
    const double radius = f.spacing() >= 24 ? 4.0 : 2.5;
    painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 1; i < f.values && !data.categorical; ++i) {
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
    if (data.optimum > 0) // under the points, which must stay in sight where they reach it
        drawOptimumLine(painter, f.plot, f.yAt(data.optimum));
    const std::size_t lines = data.lines.size();
    // The points of a name stand apart in a group; those of a number only far
    // enough apart for their bars not to overlap.
    const double share = data.categorical ? 0.7 : 0.5;
    const double widest = data.categorical ? 24.0 : 10.0;
    const double shift = lines > 1 ? std::min(widest, f.spacing() * share / static_cast<double>(lines)) : 0.0;
    for (std::size_t i = 0; i < lines; ++i) {
        const double offset = (static_cast<double>(i) - (static_cast<double>(lines) - 1) / 2) * shift;
        drawSweepLine(painter, f, data, i, offset);
    }
    painter.restore();
    if (!f.any) {
        painter.setPen(kInk);
        painter.setFont(font(16));
        painter.drawText(f.plot, Qt::AlignCenter, data.emptyNote);
    }
    drawPlotFrame(painter, f.plot);
}

} // namespace

QImage renderParameterChart(const ParameterChartData &data, QSize size)
{
    Canvas canvas(size);
    QPainter &painter = canvas.painter;
    const std::vector<LegendEntry> legend = sweepLegend(data);
    const SweepFrame frame = sweepFrame(data, size, plotTop(legend, size));
    drawTitles(painter, data.title, data.subtitle, size);
    drawSweepAxes(painter, frame, data, size);
    drawSweepPlot(painter, frame, data);
    drawLegend(painter, frame.plot, legend);
    return canvas.finish();
}
