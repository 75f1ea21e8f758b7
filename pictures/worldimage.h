#ifndef VORMIS_PICTURES_WORLDIMAGE_H
#define VORMIS_PICTURES_WORLDIMAGE_H

#include "world.h"
#include "worldpainter.h"

#include <QImage>

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

#endif
