#include "pictures.h"

#include "colony.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

QImage renderWorldImage(const WorldPicture &picture)
{
    QImage image(kScenePixels, kScenePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(kSceneMargin, kSceneMargin);
    WorldPainter worldPainter;
    worldPainter.paint(&painter, picture);
    painter.end();
    return image;
}

WorldPicture worldPicture(double *const *pheromone, const World &world, const std::vector<Cell> &bestPath,
                          const std::vector<Cell> &generationPath)
{
    const int cell = kWorldPixels / world.size;
    WorldPicture picture;
    picture.worldSize = world.size;
    picture.worldPixels = kWorldPixels;
    picture.homeX = world.home.x;
    picture.homeY = world.home.y;
    picture.foodX = world.food.x;
    picture.foodY = world.food.y;
    picture.pheromone = pheromone;
    picture.generationPath = cellPath(generationPath, cell);
    picture.bestPath = cellPath(bestPath, cell);
    picture.obstaclePath = obstacleOutline(world.obstacles, cell);
    picture.showGrid = true;
    picture.showPheromone = true;
    picture.showBestPath = true;
    picture.showGenerationPath = !generationPath.empty();
    return picture;
}

WorldPicture worldPicture(Colony &colony, const World &world, const std::vector<Cell> &bestPath)
{
    return worldPicture(colony.pheromoneTable(), world, bestPath);
}

// ---------------------------------------------------------------------------
// The chart.

namespace {

const QColor kInk(40, 40, 40);
const QColor kGridLine(228, 228, 228);
const QColor kGenerationBest(120, 160, 210);
const QColor kGenerationBestLink(196, 214, 236);
const QColor kGenerationBestRange(160, 192, 228);
const QColor kBestSoFar(24, 68, 140);
const QColor kMean(224, 123, 0);
const QColor kOptimum(38, 150, 70);

// 1, 2 or 5 times a power of ten, so that span / step is about target.
double niceStep(double span, int target)
{
    const double raw = span / std::max(target, 1);
    if (!(raw > 0.0))
        return 1.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    const double nice = fraction <= 1.0 ? 1.0 : fraction <= 2.0 ? 2.0 : fraction <= 5.0 ? 5.0 : 10.0;
    return nice * magnitude;
}

QString tickText(double value)
{
    return QString::number(static_cast<long long>(std::llround(value)));
}

QFont chartFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

struct LegendEntry
{
    enum Mark { Dots, Line, Dashed, Interval, None } mark;
    QColor colour;
    QString text;
};

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

// The lengths' range, with the optimum in it, rounded out to whole steps.
ChartFrame chartFrame(const ChartData &data, QSize size)
{
    ChartFrame frame;
    frame.generations = static_cast<int>(data.generationBest.size());
    frame.plot = QRectF(76, 98, size.width() - 76 - 28, size.height() - 98 - 62);
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
    frame.yStep = std::max(1.0, niceStep(std::max(high - low + 2, 4), 6));
    frame.yLow = std::max(0.0, std::floor((low - 1) / frame.yStep) * frame.yStep);
    frame.yHigh = std::max(frame.yLow + frame.yStep, std::ceil((high + 1) / frame.yStep) * frame.yStep);
    frame.xStep = std::max(1.0, niceStep(std::max(frame.generations, 1), 8));
    frame.xHigh = std::max(1, frame.generations);
    return frame;
}

void drawTitles(QPainter &painter, const QString &title, const QString &subtitle, QSize size)
{
    painter.setPen(kInk);
    painter.setFont(chartFont(18, true));
    painter.drawText(QRectF(0, 10, size.width(), 26), Qt::AlignHCenter | Qt::AlignVCenter, title);
    painter.setFont(chartFont(13));
    painter.setPen(QColor(90, 90, 90));
    painter.drawText(QRectF(0, 36, size.width(), 20), Qt::AlignHCenter | Qt::AlignVCenter, subtitle);
}

// The grid lines across the path lengths, each with its tick and number;
// for both kinds of chart.
template <typename Frame, typename Label>
void drawLengthLines(QPainter &painter, const Frame &f, Label label)
{
    const QRectF &plot = f.plot;
    for (double v = f.yLow; v <= f.yHigh + f.yStep / 2; v += f.yStep) {
        const double y = std::round(f.yAt(v)) + 0.5;
        painter.setPen(QPen(kGridLine, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kInk);
        painter.drawLine(QPointF(plot.left() - 5, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(0, y - 10, plot.left() - 9, 20), Qt::AlignRight | Qt::AlignVCenter, label(v));
    }
}

// Grid lines, ticks with their numbers, and the axis titles.
void drawAxes(QPainter &painter, const ChartFrame &f, QSize size)
{
    const QRectF &plot = f.plot;
    painter.setFont(chartFont(12));
    drawLengthLines(painter, f, [](double v) { return tickText(v); });
    for (double v = 0; v <= f.xHigh + f.xStep / 1000; v += f.xStep) {
        const double x = std::round(f.xAt(v)) + 0.5;
        painter.setPen(QPen(kGridLine, 1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(kInk);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 5));
        painter.drawText(QRectF(x - 40, plot.bottom() + 7, 80, 18), Qt::AlignHCenter | Qt::AlignTop, tickText(v));
    }

    painter.setPen(kInk);
    painter.setFont(chartFont(13));
    painter.drawText(QRectF(plot.left(), size.height() - 30, plot.width(), 22), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("generation"));
    painter.save();
    painter.translate(18, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -11, plot.height(), 22), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("path length (cells, home and food included)"));
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

void drawOptimum(QPainter &painter, const ChartFrame &f, int optimum)
{
    if (optimum <= 0)
        return;
    // Width 2 on a whole pixel boundary: two crisp rows.
    const double y = std::round(f.yAt(optimum));
    painter.setPen(QPen(kOptimum, 2, Qt::DashLine, Qt::FlatCap));
    painter.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right(), y));
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
    if (f.plot.width() / f.xHigh >= 1.0)
        drawGenerationDots(painter, f, data.generationBest);
    else
        drawGenerationRanges(painter, f, data.generationBest);
    drawBestSoFar(painter, f, data.bestSoFar);
    // Over the first run's line, so that both show where they meet.
    if (data.runs > 1 && data.meanBestSoFar.size() == static_cast<std::size_t>(f.generations))
        drawMeanBestSoFar(painter, f, data.meanBestSoFar);
    // Last, so that it stays in sight once the colony has found it.
    drawOptimum(painter, f, data.optimum);
    painter.restore();

    if (!f.any) {
        painter.setPen(kInk);
        painter.setFont(chartFont(16));
        painter.drawText(f.plot, Qt::AlignCenter, QStringLiteral("no ant reached the food"));
    }
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(std::round(f.plot.left()) + 0.5, std::round(f.plot.top()) + 0.5,
                            std::round(f.plot.width()), std::round(f.plot.height())));
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

void drawLegendMark(QPainter &painter, const LegendEntry &entry, double x, double y, double width)
{
    switch (entry.mark) {
    case LegendEntry::Dots:
        painter.setPen(Qt::NoPen);
        painter.setBrush(entry.colour);
        for (int i = 0; i < 3; ++i)
            painter.drawEllipse(QPointF(x + 4 + i * 9, y), 3, 3);
        painter.setBrush(Qt::NoBrush);
        break;
    case LegendEntry::Line:
    case LegendEntry::Dashed:
        painter.setPen(QPen(entry.colour, 2, entry.mark == LegendEntry::Line ? Qt::SolidLine : Qt::DashLine,
                            Qt::FlatCap));
        painter.drawLine(QPointF(x, y), QPointF(x + width, y));
        break;
    case LegendEntry::Interval:
        painter.setPen(QPen(entry.colour, 1.5));
        painter.drawLine(QPointF(x + width / 2, y - 7), QPointF(x + width / 2, y + 7));
        painter.drawLine(QPointF(x + width / 2 - 4, y - 7), QPointF(x + width / 2 + 4, y - 7));
        painter.drawLine(QPointF(x + width / 2 - 4, y + 7), QPointF(x + width / 2 + 4, y + 7));
        painter.setBrush(entry.colour);
        painter.drawEllipse(QPointF(x + width / 2, y), 3.5, 3.5);
        painter.setBrush(Qt::NoBrush);
        break;
    case LegendEntry::None:
        break;
    }
}

constexpr int kLegendMarkWidth = 26;
constexpr int kLegendGap = 8;
constexpr int kLegendSpacing = 26;
constexpr double kLegendTop = 74;
constexpr double kLegendRowHeight = 20;

int legendWidth(const QFontMetrics &metrics, const LegendEntry &entry)
{
    const int mark = entry.mark == LegendEntry::None ? 0 : kLegendMarkWidth + kLegendGap;
    return mark + metrics.horizontalAdvance(entry.text);
}

// The entries in rows no wider than width.
std::vector<std::vector<LegendEntry>> legendRows(const std::vector<LegendEntry> &legend, double width)
{
    const QFontMetrics metrics(chartFont(12));
    std::vector<std::vector<LegendEntry>> rows(1);
    int used = 0;
    for (const LegendEntry &entry : legend) {
        const int needed = legendWidth(metrics, entry) + (rows.back().empty() ? 0 : kLegendSpacing);
        if (!rows.back().empty() && used + needed > width) {
            rows.emplace_back();
            used = 0;
        }
        used += legendWidth(metrics, entry) + (rows.back().empty() ? 0 : kLegendSpacing);
        rows.back().push_back(entry);
    }
    return rows;
}

// Rows between the subtitle and the plot, each centred over the plot.
void drawLegend(QPainter &painter, const QRectF &plot, const std::vector<LegendEntry> &legend)
{
    painter.setFont(chartFont(12));
    const QFontMetrics metrics(painter.font());
    double y = kLegendTop;
    for (const std::vector<LegendEntry> &row : legendRows(legend, plot.width())) {
        int total = 0;
        for (const LegendEntry &entry : row)
            total += legendWidth(metrics, entry);
        total += kLegendSpacing * static_cast<int>(row.size() - 1);
        double x = plot.center().x() - total / 2.0;
        for (const LegendEntry &entry : row) {
            drawLegendMark(painter, entry, x, y, kLegendMarkWidth);
            if (entry.mark != LegendEntry::None)
                x += kLegendMarkWidth + kLegendGap;
            painter.setPen(kInk);
            const int width = metrics.horizontalAdvance(entry.text);
            painter.drawText(QRectF(x, y - 10, width + 2, 20), Qt::AlignLeft | Qt::AlignVCenter, entry.text);
            x += width + kLegendSpacing;
        }
        y += kLegendRowHeight;
    }
}

// A white picture of a chart's size and a painter on it, smoothing lines and
// text.
struct ChartCanvas
{
    explicit ChartCanvas(QSize size) : image(size, QImage::Format_ARGB32_Premultiplied)
    {
        image.fill(Qt::white);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
    }
    QImage finish()
    {
        painter.end();
        return image;
    }

    QImage image;
    QPainter painter;
};

} // namespace

QImage renderChart(const ChartData &data, QSize size)
{
    ChartCanvas canvas(size);
    QPainter &painter = canvas.painter;
    const ChartFrame frame = chartFrame(data, size);
    drawTitles(painter, QStringLiteral("Path length per generation"), data.subtitle, size);
    drawAxes(painter, frame, size);
    drawPlot(painter, frame, data);
    drawLegend(painter, frame.plot, legendEntries(data));
    return canvas.finish();
}

// ---------------------------------------------------------------------------
// The chart of a sweep.

namespace {

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
    const double top = 98 + kLegendRowHeight * (legendRowCount - 1);
    frame.plot = QRectF(76, top, size.width() - 76 - 28, size.height() - top - 62);
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
    painter.setFont(chartFont(12));
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
    painter.setFont(chartFont(13));
    painter.drawText(QRectF(plot.left(), size.height() - 30, plot.width(), 22), Qt::AlignHCenter | Qt::AlignVCenter,
                     data.axisName);
    painter.save();
    painter.translate(18, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -11, plot.height(), 22), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("best path length (cells), mean of the runs"));
    painter.restore();
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
    if (data.optimum > 0) { // above the lines, to stay in sight where they reach it
        const double y = std::round(f.yAt(data.optimum));
        painter.setPen(QPen(kOptimum, 2, Qt::DashLine, Qt::FlatCap));
        painter.drawLine(QPointF(f.plot.left(), y), QPointF(f.plot.right(), y));
    }
    painter.restore();
    painter.setPen(QPen(kInk, 1));
    painter.drawRect(QRectF(std::round(f.plot.left()) + 0.5, std::round(f.plot.top()) + 0.5,
                            std::round(f.plot.width()), std::round(f.plot.height())));
}

} // namespace

QImage renderParameterChart(const ParameterChartData &data, QSize size)
{
    ChartCanvas canvas(size);
    QPainter &painter = canvas.painter;
    const std::vector<LegendEntry> legend = sweepLegend(data);
    const double legendSpace = size.width() - 76 - 28;
    const SweepFrame frame = sweepFrame(data, size, static_cast<int>(legendRows(legend, legendSpace).size()));
    drawTitles(painter, QStringLiteral("Best path length per %1").arg(data.axisName), data.subtitle, size);
    drawSweepAxes(painter, frame, data, size);
    drawSweepPlot(painter, frame, data);
    drawLegend(painter, frame.plot, legend);
    return canvas.finish();
}
