#ifndef VORMIS_PICTURES_ANIMATIONFRAME_H
#define VORMIS_PICTURES_ANIMATIONFRAME_H

#include <QImage>
#include <QString>

// The height of the strip animationFrame adds under the world: the legend,
// the setting and the progress, a line each.
constexpr int kAnimationStripPixels = 76;

// A frame of a run's animation: the world's picture with a white strip under
// it holding a legend of what the world shows (best so far, this
// generation, pheromone, in the world painter's colours), then the setting
// ("Ant System (as): alpha 1, ...") and the progress ("generation 10 of
// 60 ..."), each centred and cut short with "…" when too wide.  Needs a
// QGuiApplication (fonts).
QImage animationFrame(const QImage &world, const QString &setting, const QString &progress);

#endif
