#ifndef VORMIS_PICTURES_CHARTS_H
#define VORMIS_PICTURES_CHARTS_H

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The path lengths over the generations of an experiment.
struct ChartData
{
    QString subtitle;
    std::vector<int> generationBest; // first run, one per generation; 0: no ant at the food
    std::vector<int> bestSoFar;      // first run; 0: none yet
    std::vector<double> meanBestSoFar; // over all runs when there are several; < 0 while a run has none
    int runs = 1;
    int firstRun = 1; // the run generationBest and bestSoFar are of
    int optimum = 0; // 0: the food cannot be reached
    // The window's live chart adds, per generation, the mean path of the ants
    // at the food (< 0: none got there) and their share of the colony (0 to
    // 1), which has an axis of its own at the right.  The runner leaves both
    // empty.
    std::vector<double> meanLength;
    std::vector<double> shareAtFood;
    // The window's live chart also keeps the shortest possible length at each
    // generation (0: out of reach); where walls were drawn during the run it
    // changes, and the dashed line steps with it.  Empty: optimum throughout.
    std::vector<int> optimumByGeneration;
};

QImage renderChart(const ChartData &data, QSize size = QSize(900, 500));
// The same chart painted into area, white underneath; the painter is left as
// it was found.
void paintChart(QPainter &painter, const QRect &area, const ChartData &data);
// The generation (from 1) nearest to the point over the plot of the chart
// painted into area; 0 off the plot or without generations.
int chartGenerationAt(const ChartData &data, const QRect &area, QPointF point);

// Two colonies on the same world from the same seed, generation by
// generation: each one's best so far and the mean path of its ants at the
// food, in a colour of its own, over the shortest possible path.
struct ComparisonChartData
{
    struct Colony
    {
        QString name;                 // in the legend: the rule
        std::vector<int> bestSoFar;   // one per generation; 0: none yet
        std::vector<double> meanLength; // < 0: no ant at the food
    };
    QString subtitle;
    std::array<Colony, 2> colonies; // as many generations each
    int optimum = 0; // 0: the food cannot be reached
};

// The chart painted into area, white underneath; the painter is left as it
// was found.
void paintComparisonChart(QPainter &painter, const QRect &area, const ComparisonChartData &data);

// The effect of the swept parameters: a measure of each setting (the mean
// best length, say) with its 95% interval, over the values of one swept
// parameter, one line per combination of the values of the others.
struct ParameterChartData
{
    struct Point
    {
        bool present = false; // the setting has a value
        double mean = 0;
        double low = 0, high = 0; // the interval; equal to mean with fewer than two runs
    };
    struct Line
    {
        QString label;             // "beta 2, ro 0.5"; empty with one line
        std::vector<Point> points; // one per value of the axis
    };
    QString title;        // "Best path length per ro"
    QString subtitle;
    QString axisName;     // "ro"
    QString valueName;    // along the y axis: "best path length (cells), mean of the runs"
    QString pointName;    // the legend of a single line: "mean best length, 95% interval"
    QStringList values;   // the axis' values, as text, evenly spaced
    bool categorical = false; // names, not numbers: each value's points stand in a group of their own, unjoined
    std::vector<Line> lines;
    int optimum = 0;      // the shortest possible length, dashed; 0 for none
    QString noOptimum;    // the legend's note without one: "no path from home to food"; empty for none
    QString emptyNote;    // in the plot when no setting has a value: "no run found a path"
};

QImage renderParameterChart(const ParameterChartData &data, QSize size = QSize(900, 500));

#endif
