#ifndef VORMIS_WORLDPAINTER_H
#define VORMIS_WORLDPAINTER_H

#include "world.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

#include <vector>

class QPainter;

// Everything the world's picture is made of, in scene coordinates: a square
// of worldPixels with worldSize cells a side and its origin at the top left.
struct WorldPicture
{
    int worldSize = 1;
    int worldPixels = 1;
    int homeX = 0, homeY = 0;
    int foodX = 0, foodY = 0;
    double *const *pheromone = nullptr; // borrowed, [x][y], worldSize a side
    QPainterPath generationPath;
    QPainterPath bestPath;
    QPainterPath obstaclePath;
    bool showGenerationPath = false;
    double generationPathWidth = 0; // 0: a hairline, as the window draws it
    bool showBestPath = true;
    bool showGrid = true;
    bool showPheromone = false;
};

// The painter's colours, for legends that must match them.
const QColor kBestPathColour(0, 0, 0);
const QColor kGenerationPathColour(255, 0, 0);
const QColor kPheromoneColour(255, 168, 68); // at the strongest cell's alpha, kStrongestPheromone
constexpr int kStrongestPheromone = 200;

// A resource picture decoded once and scaled, always from the original, only
// when the cell size it is drawn at changes.
class CellPicture
{
public:
    explicit CellPicture(const QString &resource);
    const QImage &forCell(int cellSize, qreal pixelRatio = 1.0);

private:
    QImage m_original;
    QImage m_scaled;
    int m_cellSize = -1;
    qreal m_pixelRatio = 1.0;
};

// Paints the world: grid, pheromone squares, this generation's path, the best
// path, obstacles, then the home and food pictures.  Used by the window's view
// and by the command-line runner, so both draw the same pixels.
class WorldPainter
{
public:
    WorldPainter();
    void paint(QPainter *painter, const WorldPicture &world);

    // The pictures as drawn by the last paint.
    const QImage &homeImage() const { return *m_lastHome; }
    const QImage &foodImage() const { return *m_lastFood; }

private:
    CellPicture m_home;
    CellPicture m_food;
    const QImage *m_lastHome;
    const QImage *m_lastFood;
};

// Scene coordinates of a cell's centre, the point paths and ants are placed on.
QPointF cellCentre(int x, int y, int cellSize);

// A path through the centres of the cells, as ant paths are drawn: a move to
// the first centre, a line to each further one.
QPainterPath cellPath(const std::vector<Cell> &cells, int cellSize);

// The obstacles as blocks: neighbouring cells of a row make one rectangle,
// and a rectangle that repeats on the rows below grows down over them.
QPainterPath obstacleOutline(const std::vector<Cell> &obstacles, int cellSize);

#endif
