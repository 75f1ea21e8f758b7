#include "worldpainter.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

const QImage kNoImage;

void paintGrid(QPainter *painter, int cells, int cell)
{
    for (int i = 0; i <= cells; ++i) {
        painter->drawLine(i * cell, 0, i * cell, cells * cell);
        painter->drawLine(0, i * cell, cells * cell, i * cell);
    }
}

// Each square shows its cell's pheromone relative to the strongest cell
// (alpha kStrongestPheromone there), inset 4 pixels so the grid stays
// visible.
void paintPheromone(QPainter *painter, double *const *table, int cells, int cell)
{
    double maximum = table[0][0];
    for (int x = 0; x < cells; ++x)
        for (int y = 0; y < cells; ++y)
            if (table[x][y] > maximum)
                maximum = table[x][y];
    if (!(maximum > 0.0))
        return; // no trail anywhere yet, nothing to compare with

    QColor colour = kPheromoneColour;
    QBrush brush(colour, Qt::SolidPattern);
    for (int x = 0; x < cells; ++x) {
        for (int y = 0; y < cells; ++y) {
            colour.setAlpha(std::clamp(static_cast<int>(table[x][y] / maximum * kStrongestPheromone), 0, 255));
            brush.setColor(colour);
            painter->fillRect(QRect(4 + x * cell, 4 + y * cell, cell - 8, cell - 8), brush);
        }
    }
}

// Sizes are in scene units: a picture scaled for a high-density screen holds
// more pixels than it covers.
void paintCentred(QPainter *painter, const QImage &image, int x, int y, int cell)
{
    const QSizeF size = image.deviceIndependentSize();
    const int left = cell * x + cell / 2 - qRound(size.width()) / 2;
    const int top = cell * y + cell / 2 - qRound(size.height()) / 2;
    painter->drawImage(QPointF(left, top), image);
}

} // namespace

QPointF cellCentre(int x, int y, int cellSize)
{
    return QPointF(x * cellSize + cellSize / 2, y * cellSize + cellSize / 2);
}

QPainterPath cellPath(const std::vector<Cell> &cells, int cellSize)
{
    QPainterPath path;
    if (cells.empty())
        return path;
    path.moveTo(cellCentre(cells.front().x, cells.front().y, cellSize));
    for (std::size_t k = 1; k < cells.size(); ++k)
        path.lineTo(cellCentre(cells[k].x, cells[k].y, cellSize));
    return path;
}

namespace {

struct Block
{
    int left, top, width, height; // in cells
};

// Runs of neighbouring cells along each row, top to bottom, left to right.
std::vector<Block> rowRuns(std::vector<Cell> cells)
{
    std::sort(cells.begin(), cells.end(), [](Cell a, Cell b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    std::vector<Block> runs;
    for (const Cell &cell : cells) {
        Block *last = runs.empty() ? nullptr : &runs.back();
        if (last && last->top == cell.y && last->left + last->width == cell.x)
            ++last->width;
        else
            runs.push_back({cell.x, cell.y, 1, 1});
    }
    return runs;
}

} // namespace

QPainterPath obstacleOutline(const std::vector<Cell> &obstacles, int cellSize)
{
    std::vector<Block> blocks;
    for (const Block &run : rowRuns(obstacles)) {
        const auto above = std::find_if(blocks.begin(), blocks.end(), [&run](const Block &b) {
            return b.left == run.left && b.width == run.width && b.top + b.height == run.top;
        });
        if (above != blocks.end())
            ++above->height;
        else
            blocks.push_back(run);
    }
    QPainterPath outline;
    for (const Block &b : blocks)
        outline.addRect(b.left * cellSize, b.top * cellSize, b.width * cellSize, b.height * cellSize);
    return outline;
}

CellPicture::CellPicture(const QString &resource)
    : m_original(resource)
{
}

const QImage &CellPicture::forCell(int cellSize, qreal pixelRatio)
{
    // A picture taller than its cell is squeezed to exactly the cell (in as
    // many device pixels as the cell covers); one that fits keeps its natural
    // size, however wide it is.
    if (m_original.isNull() || m_original.height() <= cellSize)
        return m_original;
    if (cellSize != m_cellSize || pixelRatio != m_pixelRatio) {
        const int side = qRound(cellSize * pixelRatio);
        m_scaled = m_original.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m_scaled.setDevicePixelRatio(pixelRatio);
        m_cellSize = cellSize;
        m_pixelRatio = pixelRatio;
    }
    return m_scaled;
}

WorldPainter::WorldPainter()
    : m_home(QStringLiteral(":/images/home.png")),
      m_food(QStringLiteral(":/images/food.gif")),
      m_lastHome(&kNoImage),
      m_lastFood(&kNoImage)
{
}

void WorldPainter::paint(QPainter *painter, const WorldPicture &world)
{
    const QPen gridPen(QBrush(QColor(68, 132, 206, 255)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    QPen bestPathPen(QBrush(kBestPathColour), 2.0, Qt::SolidLine, Qt::SquareCap);
    bestPathPen.setJoinStyle(Qt::RoundJoin);
    QPen generationPathPen(QBrush(kGenerationPathColour), world.generationPathWidth, Qt::SolidLine, Qt::SquareCap);
    generationPathPen.setJoinStyle(Qt::RoundJoin);

    const int cells = std::max(world.worldSize, 1);
    const int cell = world.worldPixels / cells;

    painter->setPen(gridPen);
    painter->setBrush(Qt::NoBrush);
    if (world.showGrid)
        paintGrid(painter, cells, cell);
    if (world.showPheromone && world.pheromone)
        paintPheromone(painter, world.pheromone, cells, cell);
    if (world.showGenerationPath) {
        painter->setPen(generationPathPen);
        painter->drawPath(world.generationPath);
    }
    if (world.showBestPath) {
        painter->setPen(bestPathPen);
        painter->drawPath(world.bestPath);
    }

    QPen obstaclePen(Qt::black);
    obstaclePen.setWidth(0);
    painter->setPen(obstaclePen);
    painter->setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
    painter->drawPath(world.obstaclePath);

    const qreal pixelRatio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    m_lastHome = &m_home.forCell(cell, pixelRatio);
    m_lastFood = &m_food.forCell(cell, pixelRatio);
    paintCentred(painter, *m_lastHome, world.homeX, world.homeY, cell);
    paintCentred(painter, *m_lastFood, world.foodX, world.foodY, cell);
}
