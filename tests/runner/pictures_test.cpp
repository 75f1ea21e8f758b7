#include "runner_test_support.h"

#include "colony.h"
#include "experiment.h"
#include "charts.h"
#include "worldimage.h"

namespace {

int pixelsNear(const QImage &image, QColor colour, int tolerance = 40)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    }
    return count;
}

ChartData someChart(int optimum)
{
    ChartData data;
    data.subtitle = QStringLiteral("test");
    data.optimum = optimum;
    data.generationBest = {0, 30, 22, 0, 25, 14, 18, 14, 12, 20};
    int best = 0;
    for (int value : data.generationBest) {
        if (value > 0 && (best == 0 || value < best))
            best = value;
        data.bestSoFar.push_back(best);
    }
    return data;
}

// The rows of the plot's frame: the first and the last row that is ink
// across most of the picture.
std::pair<int, int> frameRows(const QImage &image)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (pixelsNear(image.copy(0, y, image.width(), 1), QColor(40, 40, 40), 30) > image.width() * 3 / 4)
            rows.push_back(y);
    }
    return rows.empty() ? std::pair{-1, -1} : std::pair{rows.front(), rows.back()};
}

} // namespace

TEST(WorldImage, PaintsTheSceneOfTheWindow)
{
    ensureApplication();
    const World world = World::example();
    Colony colony(world.size, world.ants);
    const RunResult result = runExperiment(colony, world, 1, 5, 30);
    const QImage image = renderWorldImage(worldPicture(colony, world, result.bestPath));
    ASSERT_EQ(image.size(), QSize(610, 610));

    const int c = kWorldPixels / world.size; // 75
    const auto at = [&](double sceneX, double sceneY) {
        return image.pixelColor(static_cast<int>(sceneX) + kSceneMargin, static_cast<int>(sceneY) + kSceneMargin);
    };
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white)) << "the margin round the scene";
    const QColor grid = at(c * 7 + 40, 0); // antialiased, half on the pixel
    EXPECT_GT(grid.blue() - grid.red(), 40) << "a grid line";

    // The obstacle at 3,1 is hatched black, the free cell at 3,0 is not.
    int blackInObstacle = 0, blackInFree = 0;
    for (int dx = 10; dx < c - 10; ++dx) {
        for (int dy = 10; dy < c - 10; ++dy) {
            blackInObstacle += at(3 * c + dx, 1 * c + dy).value() < 60 ? 1 : 0;
            blackInFree += at(3 * c + dx, 0 * c + dy).value() < 60 ? 1 : 0;
        }
    }
    EXPECT_GT(blackInObstacle, 100);
    EXPECT_EQ(blackInFree, 0);

    // Pheromone: the orange squares of the cells the ants walked.
    EXPECT_GT(pixelsNear(image, QColor(255, 200, 140), 90), 2000);
    // The home and food pictures sit on their cells.
    EXPECT_NE(at(0 * c + c / 2, 4 * c + c / 2), QColor(Qt::white));
    EXPECT_NE(at(7 * c + c / 2, 4 * c + c / 2), QColor(Qt::white));
}

TEST(WorldImage, PathsAndOutlinesFollowTheCells)
{
    const QPainterPath path = cellPath({{0, 0}, {1, 1}, {2, 1}}, 60);
    ASSERT_EQ(path.elementCount(), 3);
    EXPECT_TRUE(path.elementAt(0).isMoveTo());
    EXPECT_EQ(QPointF(path.elementAt(2)), cellCentre(2, 1, 60));
    EXPECT_TRUE(cellPath({}, 60).isEmpty());

    const QPainterPath outline = obstacleOutline({{1, 1}, {2, 1}, {4, 3}}, 60);
    EXPECT_TRUE(outline.contains(cellCentre(1, 1, 60)));
    EXPECT_TRUE(outline.contains(cellCentre(2, 1, 60)));
    EXPECT_TRUE(outline.contains(cellCentre(4, 3, 60)));
    EXPECT_FALSE(outline.contains(cellCentre(3, 1, 60)));
    EXPECT_EQ(outline.boundingRect(), QRectF(60, 60, 240, 180));
    // The example's walls are three blocks, as the window has always drawn them.
    QPainterPath walls;
    walls.addRect(75, 75, 450, 75);
    walls.addRect(150, 225, 300, 150);
    walls.addRect(150, 450, 450, 75);
    EXPECT_EQ(obstacleOutline(World::example().obstacles, 75), walls);
}

TEST(Chart, DrawsItsLinesAndOnlyTheLinesThereAre)
{
    ensureApplication();
    const QColor bestSoFar(24, 68, 140), optimum(38, 150, 70), mean(224, 123, 0);

    const QImage chart = renderChart(someChart(10));
    ASSERT_EQ(chart.size(), QSize(900, 500));
    EXPECT_GT(pixelsNear(chart, bestSoFar, 30), 500);
    EXPECT_GT(pixelsNear(chart, optimum, 30), 300);
    EXPECT_EQ(pixelsNear(chart, mean, 30), 0) << "one run, no mean";

    ChartData several = someChart(0);
    several.runs = 3;
    several.meanBestSoFar = {-1, -1, 25, 25, 22, 16, 15, 14, 13, 13};
    const QImage withMean = renderChart(several, QSize(600, 400));
    ASSERT_EQ(withMean.size(), QSize(600, 400));
    EXPECT_GT(pixelsNear(withMean, mean, 30), 300);
    EXPECT_LT(pixelsNear(withMean, optimum, 30), 10) << "no optimum line without a path";
}

TEST(Chart, CopesWithNothingToDraw)
{
    ensureApplication();
    ChartData none;
    none.generationBest = {0, 0, 0};
    none.bestSoFar = {0, 0, 0};
    EXPECT_EQ(renderChart(none).size(), QSize(900, 500));
    ChartData one;
    one.generationBest = {7};
    one.bestSoFar = {7};
    one.optimum = 7;
    EXPECT_GT(pixelsNear(renderChart(one), QColor(38, 150, 70), 30), 300);
    EXPECT_EQ(renderChart(ChartData{}).size(), QSize(900, 500));
}

TEST(Chart, PointsAndLegendsStayClearOfTheFrame)
{
    ensureApplication();
    // A colony that converged: its point sits on the optimum, over the line,
    // inside the frame.
    ParameterChartData sweep;
    sweep.values = {"0", "1"};
    sweep.optimum = 10;
    sweep.lines = {{QString(), {{true, 34, 33, 35}, {true, 10, 10, 10}}}};
    const QImage chart = renderParameterChart(sweep);
    const auto [top, bottom] = frameRows(chart);
    ASSERT_GT(bottom, top);
    const QColor line(24, 68, 140);
    EXPECT_EQ(pixelsNear(chart.copy(80, top, 790, 6), line, 30), 0);
    EXPECT_EQ(pixelsNear(chart.copy(80, bottom - 5, 790, 6), line, 30), 0);
    int optimumRow = bottom; // the point's centre, over the dashed line
    while (optimumRow > top && pixelsNear(chart.copy(80, optimumRow, 800, 1), QColor(38, 150, 70), 30) < 100)
        --optimumRow;
    EXPECT_EQ(pixelsNear(chart.copy(76 + 796 * 3 / 4 - 2, optimumRow - 1, 5, 2), line, 30), 10);

    // Twenty runs' legend takes two rows of a 600-pixel chart, both over the
    // plot.
    ChartData twenty = someChart(10);
    twenty.runs = 20;
    twenty.meanBestSoFar.assign(twenty.generationBest.size(), 20);
    const QImage narrow = renderChart(twenty, QSize(600, 400));
    const int narrowTop = frameRows(narrow).first;

    EXPECT_GT(narrowTop, 100) << "below the second row";
    EXPECT_EQ(pixelsNear(narrow.copy(80, narrowTop - 4, 500, 4), Qt::white, 60), 500 * 4) << "nothing on the frame";
}
