#ifndef VORMIS_ANTWORLD_H
#define VORMIS_ANTWORLD_H

#include "worldpainter.h"

#include <QGraphicsView>
#include <QImage>
#include <QPainterPath>

#include <optional>

// The view the world is shown in.  It paints grid, pheromone, paths,
// obstacles, home and food as its background from what its owner pushed in;
// the ants are items on the scene above it.  Setters store and forget the
// cached picture of the world; the owner decides when to repaint.
class AntWorld : public QGraphicsView
{
    Q_OBJECT

public:
    AntWorld(QGraphicsScene *scene, QWidget *parent);

    void setPheromoneTable(double **table);
    void setWorldSize(const int &cells);
    int worldSize() const;
    void setWorldPixels(const int &pixels);
    void setHomeCell(const int &x, const int &y);
    void setFoodCell(const int &x, const int &y);
    void setShowGenerationPath(const bool &on);
    void setShowBestPath(const bool &on);
    void setShowGrid(const bool &on);
    void setShowPheromone(const bool &on);
    void setObstaclePath(const QPainterPath &path);
    void setBestPath(const QPainterPath &path);
    void setGenerationPath(const QPainterPath &path);

    // What the view would paint now, for the runner's pictures and for tests.
    WorldPicture picture() const;
    // The cell under a point of the viewport, none off the world.
    std::optional<Cell> cellAt(const QPoint &viewportPoint) const;

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    template <typename T>
    void store(T &member, const T &value)
    {
        member = value;
        resetCachedContent();
    }

    QImage m_homeImage;
    QImage m_foodImage;
    QPainterPath m_generationPath;
    QPainterPath m_bestPath;
    QPainterPath m_obstaclePath;
    double **m_pheromoneTable = nullptr;
    bool m_showGenerationPath = false;
    bool m_showBestPath = true;
    bool m_showGrid = true;
    bool m_showPheromone = false;
    int m_homeX = 0, m_homeY = 0;
    int m_foodX = 0, m_foodY = 0;
    int m_worldSize = 1;
    int m_worldPixels = 1;
    WorldPainter m_painter;
};

#endif
