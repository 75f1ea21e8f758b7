#ifndef VORMIS_PICTURES_GENERATIONPLOT_H
#define VORMIS_PICTURES_GENERATIONPLOT_H

// What the charts over the generations share, the chart of a run and the
// chart of two colonies compared: the plot's place and scales, its axes,
// the best so far drawn as steps and a value per generation drawn as a line.

#include "chartparts.h"

#include <QCoreApplication>
#include <QPainterPath>

#include <vector>

namespace chart {

// The charts' words, for translators; without a translation they stay as
// they are, so vormis-run's pictures never change with the language.
struct LineChart
{
    Q_DECLARE_TR_FUNCTIONS(LineChart)
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
    double shareY(double share) const { return plot.bottom() - share * plot.height(); }
};

// The plot below the titles and as many rows of legend as it takes, right
// pixels kept free beside it: the generations across, the lengths from low
// to high up, with room round them.
ChartFrame generationFrame(const std::vector<LegendEntry> &legend, QSize size, double right, int generations,
                           int low, int high);
// Grid lines, ticks with their numbers, and the axis titles.
void drawGenerationAxes(QPainter &painter, const ChartFrame &f, QSize size);
// A best so far, a step at each improvement (0: none yet).
void drawBestSoFar(QPainter &painter, const ChartFrame &f, const std::vector<int> &bestSoFar, const QColor &colour);
// The note in a plot where no ant reached the food.
void drawNoArrivalNote(QPainter &painter, const QRectF &plot);

// A line through a value per generation (< 0: none), at the height yOf
// gives; one point per pixel column is enough.
template <typename Height>
void drawColumnLine(QPainter &painter, const ChartFrame &f, const std::vector<double> &values, const QPen &pen,
                    Height yOf)
{
    if (values.size() != static_cast<std::size_t>(f.generations))
        return;
    QPainterPath line;
    int lastColumn = -1;
    for (int g = 0; g < f.generations; ++g) {
        const double value = values[static_cast<std::size_t>(g)];
        if (value < 0)
            continue;
        const QPointF point(f.xAt(g + 1), yOf(value));
        const int columnX = static_cast<int>(point.x());
        if (line.elementCount() == 0)
            line.moveTo(point);
        else if (columnX != lastColumn || g == f.generations - 1)
            line.lineTo(point);
        lastColumn = columnX;
    }
    painter.setPen(pen);
    painter.drawPath(line);
}

} // namespace chart

#endif
