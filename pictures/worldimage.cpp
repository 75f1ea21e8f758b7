#include "worldimage.h"

#include "colony.h"

#include <QPainter>

QImage renderWorldImage(const WorldPicture &picture)
{
    QImage image(kScenePixels, kScenePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(kSceneMargin, kSceneMargin);
    WorldPainter worldPainter;
    worldPainter.paint(&painter, picture);
    painter.end();
    return image;
}

WorldPicture worldPicture(double *const *pheromone, const World &world, const std::vector<Cell> &bestPath,
                          const std::vector<Cell> &generationPath)
{
    const int cell = kWorldPixels / world.size;
    WorldPicture picture;
    picture.worldSize = world.size;
    picture.worldPixels = kWorldPixels;
    picture.homeX = world.home.x;
    picture.homeY = world.home.y;
    picture.foodX = world.food.x;
    picture.foodY = world.food.y;
    picture.pheromone = pheromone;
    picture.generationPath = cellPath(generationPath, cell);
    picture.bestPath = cellPath(bestPath, cell);
    picture.obstaclePath = obstacleOutline(world.obstacles, cell);
    picture.showGrid = true;
    picture.showPheromone = true;
    picture.showBestPath = true;
    picture.showGenerationPath = !generationPath.empty();
    return picture;
}

WorldPicture worldPicture(Colony &colony, const World &world, const std::vector<Cell> &bestPath)
{
    return worldPicture(colony.pheromoneTable(), world, bestPath);
}
