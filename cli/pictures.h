#ifndef VORMIS_CLI_PICTURES_H
#define VORMIS_CLI_PICTURES_H

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

// The path lengths over the generations of an experiment.
struct ChartData
{
    QString subtitle;
    std::vector<int> generationBest; // first run, one per generation; 0: no ant at the food
    std::vector<int> bestSoFar;      // first run; 0: none yet
    std::vector<double> meanBestSoFar; // over all runs when there are several; < 0 while a run has none
    int runs = 1;
    int optimum = 0; // 0: the food cannot be reached
};

QImage renderChart(const ChartData &data, QSize size = QSize(900, 500));

#endif
