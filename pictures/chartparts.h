#ifndef VORMIS_PICTURES_CHARTPARTS_H
#define VORMIS_PICTURES_CHARTPARTS_H

// What the charts share: their colours and fonts, the steps of an axis, the
// titles, the grid across the lengths, the legend and the canvas.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace chart {

const QColor kInk(40, 40, 40);
const QColor kGridLine(228, 228, 228);
const QColor kOptimum(38, 150, 70);

// Where the plot starts: room for the titles, the legend and the axes.
constexpr double kPlotLeft = 76;
constexpr double kPlotRight = 28;  // room right of the plot
constexpr double kPlotTop = 98;    // with one row of legend
constexpr double kPlotBottom = 62; // room under the plot
constexpr double kLegendRowHeight = 20;

// 1, 2 or 5 times a power of ten, so that span / step is about target.
double niceStep(double span, int target);
// A whole number, as the ticks of whole lengths and generations show it.
QString tickText(double value);
QFont font(int pixels, bool bold = false);

// The title and subtitle, centred across the top.
void drawTitles(QPainter &painter, const QString &title, const QString &subtitle, QSize size);
// The title under the plot and the one along its left side; along a plot
// too short for y, even in smaller letters, yShort if there is one.
void drawAxisTitles(QPainter &painter, const QRectF &plot, QSize size, const QString &x, const QString &y,
                    const QString &yShort = QString());
// The frame round the plot, on whole pixels.
void drawPlotFrame(QPainter &painter, const QRectF &plot);
// The shortest possible length, dashed across the plot at height y.
void drawOptimumLine(QPainter &painter, const QRectF &plot, double y);

// The y axis: its lowest and highest values and the step between its grid
// lines.
struct ValueRange
{
    double low = 0;
    double high = 1;
    double step = 1;
};

// The values from low to high, widened to at least minimumSpan about their
// middle, with kValueMargin pixels of room above and below in a plot that
// tall, so that no point, whisker or line touches the frame; about six grid
// lines, at least minimumStep apart.
constexpr double kValueMargin = 16;
ValueRange paddedRange(double low, double high, double plotHeight, double minimumSpan, double minimumStep);

// The grid lines across the path lengths, each with its tick and number, at
// the multiples of the step that are not negative.  Frame has plot, yLow,
// yHigh, yStep and yAt(length).
template <typename Frame, typename Label>
void drawLengthLines(QPainter &painter, const Frame &f, Label label)
{
    const QRectF &plot = f.plot;
    const double first = std::max(0.0, std::ceil(f.yLow / f.yStep - 1e-9));
    for (double k = first; k * f.yStep <= f.yHigh + f.yStep * 1e-9; ++k) {
        const double v = k * f.yStep;
        const double y = std::round(f.yAt(v)) + 0.5;
        painter.setPen(QPen(kGridLine, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kInk);
        painter.drawLine(QPointF(plot.left() - 5, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(0, y - 10, plot.left() - 9, 20), Qt::AlignRight | Qt::AlignVCenter, label(v));
    }
}

struct LegendEntry
{
    enum Mark { Dots, Line, Dashed, Interval, None } mark;
    QColor colour;
    QString text;
};

// The entries in rows no wider than width.
std::vector<std::vector<LegendEntry>> legendRows(const std::vector<LegendEntry> &legend, double width);
// Where the plot starts: under the titles and as many rows of the legend as
// it takes over a plot as wide as the picture lets it be (right pixels
// kept free beside it), leaving the plot at least a few dozen pixels.
double plotTop(const std::vector<LegendEntry> &legend, QSize size, double right = kPlotRight);
// Rows between the subtitle and the plot, each centred over the plot.
void drawLegend(QPainter &painter, const QRectF &plot, const std::vector<LegendEntry> &legend);

// A white picture of a chart's size and a painter on it, smoothing lines and
// text.
struct Canvas
{
    explicit Canvas(QSize size);
    QImage finish();

    QImage image;
    QPainter painter;
};

// While it lives, the painter paints a chart into area: white under it,
// lines and text smoothed, the area's top left corner its origin.
class ChartArea
{
public:
    ChartArea(QPainter &painter, const QRect &area);
    ~ChartArea();
    ChartArea(const ChartArea &) = delete;
    ChartArea &operator=(const ChartArea &) = delete;

private:
    QPainter &m_painter;
};

} // namespace chart

#endif
