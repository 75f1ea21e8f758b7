#ifndef VORMIS_PICTURES_PICTURES_H
#define VORMIS_PICTURES_PICTURES_H

#include "world.h"
#include "worldpainter.h"

#include <QImage>
#include <QPainterPath>
#include <QSize>
#include <QString>

#include <vector>

class Colony;

// The window's world is 600 pixels a side in a scene rectangle of
// (-5, -5, 610, 610); the runner's picture is that rectangle.
constexpr int kWorldPixels = 600;
constexpr int kSceneMargin = 5;
constexpr int kScenePixels = kWorldPixels + 2 * kSceneMargin;

// Paints the world with WorldPainter, as the window's view does: a
// kScenePixels square image, white underneath, antialiased, the scene's
// origin kSceneMargin pixels in.  Needs a QGuiApplication (the painter's
// pictures and fonts).
QImage renderWorldImage(const WorldPicture &picture);

// The picture of a colony's world at the end of a run: grid, pheromone, the
// run's best path and the obstacles; not this generation's path.  The
// picture borrows the colony's pheromone table.
WorldPicture worldPicture(Colony &colony, const World &world, const std::vector<Cell> &bestPath);

// The same from a pheromone table of one's own ([x][y], the world's size a
// side), with this generation's path as well when one is given.
WorldPicture worldPicture(double *const *pheromone, const World &world, const std::vector<Cell> &bestPath,
                          const std::vector<Cell> &generationPath = {});

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
};

QImage renderChart(const ChartData &data, QSize size = QSize(900, 500));

// The effect of the swept parameters: the mean best length of each setting
// with its 95% confidence interval, over the values of the first swept
// parameter, one line per combination of the values of the others.
struct ParameterChartData
{
    struct Point
    {
        bool present = false; // some run found a path
        double mean = 0;
        double low = 0, high = 0; // the interval; equal to mean with fewer than two runs
    };
    struct Line
    {
        QString label;             // "beta 2, ro 0.5"; empty with one line
        std::vector<Point> points; // one per value of the axis
    };
    QString subtitle;
    QString axisName;    // "ro"
    QStringList values;  // the axis' values, as text, evenly spaced
    std::vector<Line> lines;
    int optimum = 0;
};

QImage renderParameterChart(const ParameterChartData &data, QSize size = QSize(900, 500));

#endif
