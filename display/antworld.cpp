#include "antworld.h"

#include <QKeyEvent>

#include <algorithm>

AntWorld::AntWorld(QGraphicsScene *scene, QWidget *parent)
    : QGraphicsView(scene, parent)
{
}

// Every setter drops the painted world the view keeps, so that the next
// paint shows the change.
void AntWorld::setPheromoneTable(double **table) { store(m_pheromoneTable, table); }
void AntWorld::setWorldSize(const int &cells) { store(m_worldSize, cells); }
int AntWorld::worldSize() const { return m_worldSize; }
void AntWorld::setWorldPixels(const int &pixels) { store(m_worldPixels, pixels); }
void AntWorld::setShowGenerationPath(const bool &on) { store(m_showGenerationPath, on); }
void AntWorld::setShowBestPath(const bool &on) { store(m_showBestPath, on); }
void AntWorld::setShowGrid(const bool &on) { store(m_showGrid, on); }
void AntWorld::setShowPheromone(const bool &on) { store(m_showPheromone, on); }
void AntWorld::setObstaclePath(const QPainterPath &path) { store(m_obstaclePath, path); }
void AntWorld::setBestPath(const QPainterPath &path) { store(m_bestPath, path); }
void AntWorld::setGenerationPath(const QPainterPath &path) { store(m_generationPath, path); }

void AntWorld::setHomeCell(const int &x, const int &y)
{
    store(m_homeX, x);
    store(m_homeY, y);
}

void AntWorld::setFoodCell(const int &x, const int &y)
{
    store(m_foodX, x);
    store(m_foodY, y);
}

WorldPicture AntWorld::picture() const
{
    WorldPicture world;
    world.worldSize = m_worldSize;
    world.worldPixels = m_worldPixels;
    world.homeX = m_homeX;
    world.homeY = m_homeY;
    world.foodX = m_foodX;
    world.foodY = m_foodY;
    world.pheromone = m_pheromoneTable;
    world.generationPath = m_generationPath;
    world.bestPath = m_bestPath;
    world.obstaclePath = m_obstaclePath;
    world.showGenerationPath = m_showGenerationPath;
    world.showBestPath = m_showBestPath;
    world.showGrid = m_showGrid;
    world.showPheromone = m_showPheromone;
    return world;
}

// Cells are worldPixels / worldSize wide, as the painter draws them; the
// pixels left over at the right and bottom belong to no cell.
std::optional<Cell> AntWorld::cellAt(const QPoint &viewportPoint) const
{
    const int cell = m_worldPixels / std::max(m_worldSize, 1);
    const QPointF scene = mapToScene(viewportPoint);
    if (cell <= 0 || scene.x() < 0 || scene.y() < 0)
        return std::nullopt;
    const Cell at{static_cast<int>(scene.x()) / cell, static_cast<int>(scene.y()) / cell};
    if (at.x >= m_worldSize || at.y >= m_worldSize)
        return std::nullopt;
    return at;
}

// The whole world is painted on every call, whatever rectangle is exposed.
// The view's render hints are set here too: a cached background is painted
// with a painter of its own, which would otherwise draw without them.
void AntWorld::drawBackground(QPainter *painter, const QRectF &)
{
    painter->setRenderHints(renderHints());
    m_painter.paint(painter, picture());
    m_homeImage = m_painter.homeImage();
    m_foodImage = m_painter.foodImage();
}

// Page Up and Page Down go on to the window, where a presenter's remote
// steps the colony with them; the arrows still move a zoomed world.
void AntWorld::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->ignore();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}
