// The cost of painting the world: one full paint of the start-up world with
// every layer shown (pictures kept decoded and scaled, against reloading them
// for every paint), and one animation frame of 30 ants on a 30 x 30 world;
// and one repaint of the window's convergence chart after 10,000 generations.
#include "ant.h"
#include "antworld.h"
#include "colony.h"
#include "convergencechart.h"
#include "generationtracker.h"
#include "worldpainter.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

// A colony that has run twenty generations, with the view's picture of it:
// the last arrival's shortest path and the shortest found, as the window
// keeps them.
struct PaintedWorld
{
    explicit PaintedWorld(int size, int ants) : colony(size, ants)
    {
        const int cell = 600 / size;
        GenerationTracker tracker;
        colony.seedRandom(7);
        for (int g = 0; g < 20; ++g) {
            colony.runGeneration();
            const GenerationResult &result = tracker.observe(colony);
            if (result.shortestAnt >= 0) {
                const AntState &ant = colony.m_ants[static_cast<std::size_t>(result.shortestAnt)];
                picture.generationPath = cellPath(pathCells(ant, result.shortest), cell);
            }
        }
        picture.bestPath = cellPath(tracker.bestPath(), cell);
        picture.worldSize = size;
        picture.worldPixels = 600;
        picture.homeX = colony.homeX();
        picture.homeY = colony.homeY();
        picture.foodX = colony.foodX();
        picture.foodY = colony.foodY();
        picture.pheromone = colony.pheromoneTable();
        picture.showGenerationPath = picture.showBestPath = picture.showGrid = picture.showPheromone = true;
    }

    Colony colony;
    WorldPicture picture;
};

void paintOnce(WorldPainter &painter, const WorldPicture &picture, QImage &target)
{
    target.fill(Qt::white);
    QPainter p(&target);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(5, 5);
    painter.paint(&p, picture);
}

void worldPaint_keptPictures(benchmark::State &state)
{
    PaintedWorld world(10, 5);
    QImage target(610, 610, QImage::Format_ARGB32_Premultiplied);
    WorldPainter painter;
    for (auto _ : state)
        paintOnce(painter, world.picture, target);
}

void worldPaint_reloadedPictures(benchmark::State &state)
{
    PaintedWorld world(10, 5);
    QImage target(610, 610, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        WorldPainter painter; // decodes both pictures and scales them afresh
        paintOnce(painter, world.picture, target);
    }
}

void animationFrame_30ants_30x30(benchmark::State &state, QGraphicsView::CacheMode cacheMode)
{
    PaintedWorld world(30, 30);
    QGraphicsScene scene;
    scene.setSceneRect(-5, -5, 610, 610);
    scene.setItemIndexMethod(QGraphicsScene::NoIndex);
    AntWorld view(&scene, nullptr);
    view.setRenderHint(QPainter::Antialiasing);
    view.setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    view.setCacheMode(cacheMode);
    view.setFrameShape(QFrame::NoFrame);
    view.setFixedSize(610, 610);
    view.setWorldSize(30);
    view.setWorldPixels(600);
    view.setHomeCell(world.picture.homeX, world.picture.homeY);
    view.setFoodCell(world.picture.foodX, world.picture.foodY);
    view.setPheromoneTable(world.colony.pheromoneTable());
    view.setGenerationPath(world.picture.generationPath);
    view.setBestPath(world.picture.bestPath);
    view.setShowGenerationPath(true);
    view.setShowPheromone(true);
    QList<Ant *> ants;
    for (const AntState &ant : world.colony.m_ants) {
        auto *item = new Ant(ant.atFood ? QColor(0, 255, 0) : QColor(0, 0, 255), 20 / 4);
        scene.addItem(item);
        ants.append(item);
    }
    view.show();
    QApplication::processEvents();
    QRandomGenerator random(3);
    for (auto _ : state) {
        // Every ant moves, as a time line tick moves it, then the frame is painted.
        for (Ant *ant : ants)
            ant->setPos(cellCentre(random.bounded(30), random.bounded(30), 20));
        view.viewport()->repaint();
    }
}

// The chart of 10,000 generations of the start-up world under the window's
// own rule, whose paths never settle: a dot or range for every generation.
void convergenceChart_10000generations(benchmark::State &state)
{
    const World world = World::startUp();
    Colony colony;
    world.applyTo(colony);
    colony.seedRandom(1);
    GenerationTracker tracker;
    ConvergenceChart chart;
    chart.restart(world, 1);
    for (int g = 0; g < 10000; ++g) {
        colony.runGeneration();
        chart.addGeneration(tracker.observe(colony), tracker.best());
    }
    chart.setFixedSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    chart.show();
    QApplication::processEvents();
    for (auto _ : state)
        chart.repaint();
}

} // namespace

BENCHMARK(convergenceChart_10000generations)->Args({460, 560})->Args({1200, 800})->Unit(benchmark::kMillisecond);
BENCHMARK(worldPaint_keptPictures)->Unit(benchmark::kMicrosecond);
BENCHMARK(worldPaint_reloadedPictures)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(animationFrame_30ants_30x30, cachedWorld, QGraphicsView::CacheBackground)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(animationFrame_30ants_30x30, worldRepainted, QGraphicsView::CacheNone)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
