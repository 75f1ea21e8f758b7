#include "charts.h"

#include "generationplot.h"

#include <algorithm>
#include <cmath>

// The chart of two colonies compared, drawn as the chart of a run is drawn:
// each colony's best so far as steps and the mean path of its ants at the
// food as a thinner line in a lighter shade of the same colour.

namespace {

using namespace chart;

struct Colours
{
    QColor bestSoFar;
    QColor mean;
};

const Colours kColours[] = {{QColor(24, 68, 140), QColor(110, 150, 210)}, {QColor(196, 78, 0), QColor(240, 160, 90)}};

std::vector<LegendEntry> legendEntries(const ComparisonChartData &data)
{
    std::vector<LegendEntry> legend;
    for (std::size_t i = 0; i < data.colonies.size(); ++i) {
        const QString &name = data.colonies[i].name;
        legend.push_back({LegendEntry::Line, kColours[i].bestSoFar, LineChart::tr("%1: best so far").arg(name)});
        legend.push_back(
            {LegendEntry::Line, kColours[i].mean, LineChart::tr("%1: mean at the food").arg(name)});
    }
    if (data.optimum > 0)
        legend.push_back({LegendEntry::Dashed, kOptimum, LineChart::tr("shortest possible (%1)").arg(data.optimum)});
    else
        legend.push_back({LegendEntry::None, kInk, LineChart::tr("no path from home to food")});
    return legend;
}

// The lengths' range holds the optimum, the best so far and the means.
ChartFrame comparisonFrame(const ComparisonChartData &data, QSize size)
{
    bool any = false;
    int low = data.optimum;
    int high = data.optimum;
    for (const ComparisonChartData::Colony &colony : data.colonies) {
        for (const int best : colony.bestSoFar) {
            if (best <= 0)
                continue;
            low = any || data.optimum > 0 ? std::min(low, best) : best;
            high = std::max(high, best);
            any = true;
        }
        for (const double mean : colony.meanLength)
            high = std::max(high, static_cast<int>(std::ceil(mean)));
    }
    const int generations = static_cast<int>(data.colonies[0].bestSoFar.size());
    ChartFrame frame = generationFrame(legendEntries(data), size, kPlotRight, generations, low, high);
    frame.any = any;
    return frame;
}

void drawPlot(QPainter &painter, const ChartFrame &f, const ComparisonChartData &data)
{
    painter.save();
    painter.setClipRect(f.plot.adjusted(-4, -4, 4, 4));
    if (data.optimum > 0)
        drawOptimumLine(painter, f.plot, f.yAt(data.optimum));
    const auto length = [&f](double value) { return f.yAt(value); };
    for (std::size_t i = 0; i < data.colonies.size(); ++i)
        drawColumnLine(painter, f, data.colonies[i].meanLength,
                       QPen(kColours[i].mean, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), length);
    // The best so far over every mean, so that both stay in sight.
    for (std::size_t i = 0; i < data.colonies.size(); ++i)
        if (data.colonies[i].bestSoFar.size() == static_cast<std::size_t>(f.generations))
            drawBestSoFar(painter, f, data.colonies[i].bestSoFar, kColours[i].bestSoFar);
    painter.restore();
    if (!f.any)
        drawNoArrivalNote(painter, f.plot);
    drawPlotFrame(painter, f.plot);
}

} // namespace

void paintComparisonChart(QPainter &painter, const QRect &area, const ComparisonChartData &data)
{
    const QSize size = area.size();
    const ChartArea chartArea(painter, area);
    const ChartFrame frame = comparisonFrame(data, size);
    drawTitles(painter, LineChart::tr("Path length per generation"), data.subtitle, size);
    drawGenerationAxes(painter, frame, size);
    drawPlot(painter, frame, data);
    drawLegend(painter, frame.plot, legendEntries(data));
}
