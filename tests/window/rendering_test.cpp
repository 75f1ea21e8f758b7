// The world's pixels as the viewport shows them: scene point (x, y) is
// viewport pixel (x + 5, y + 5).
#include "mainwindow_probe.h"
#include "worldimage.h"
#include "test_support.h"

#include <QApplication>
#include <QPainter>

namespace {

// Colour of a pixel that the grid's one-pixel pen, centred on a pixel edge
// by the antialiased painter, covers by half.
QColor halfCovered(const QColor &ink)
{
    return QColor((255 + ink.red()) / 2, (255 + ink.green()) / 2, (255 + ink.blue()) / 2);
}

// Colour of the pheromone orange at the given alpha over the white viewport,
// blended by the same raster engine.
QColor overWhite(int alpha)
{
    QImage dot(1, 1, QImage::Format_RGB32);
    dot.fill(Qt::white);
    QPainter(&dot).fillRect(QRect(0, 0, 1, 1), QColor(255, 168, 68, alpha));
    return QColor(dot.pixel(0, 0));
}

enum Layer { Grid = 1, Pheromone = 2, GenerationPath = 4, BestPath = 8 };

bool near(const QColor &a, const QColor &b, int tolerance = 2)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class RenderingTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void gridLinesLieOnCellEdges()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        showOnly(probe, Grid);
        const QImage image = grab(window, probe);
        const QColor line = halfCovered(QColor(68, 132, 206));
        for (int i = 0; i <= 10; ++i) {
            for (int along : {150, 310, 450}) {
                // The pen straddles the edge at i * 60: half of the pixel on
                // each side of it.
                QVERIFY2(near(pixel(image, i * 60 - 1, along), line), qPrintable(QString::number(i)));
                QVERIFY(near(pixel(image, i * 60, along), line));
                QVERIFY(near(pixel(image, along, i * 60), line));
                if (i < 10)
                    QCOMPARE(pixel(image, i * 60 + 30, along), QColor(Qt::white));
            }
        }
        // Nothing beyond the world's last line.
        QCOMPARE(pixel(image, 601, 300), QColor(Qt::white));
    }

    void pheromoneSquaresShowRelativeAmounts()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.advanceSpinBox()->setValue(10);
        showOnly(probe, Pheromone);
        const QImage image = grab(window, probe);
        double **table = probe.colony().pheromoneTable();
        double maximum = 0;
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y)
                maximum = std::max(maximum, table[x][y]);
        QVERIFY(maximum > 0);
        int strongest = 0;
        for (int x = 0; x < 10; ++x) {
            for (int y = 0; y < 10; ++y) {
                if ((x == 0 && y == 0) || (x == 9 && y == 9))
                    continue; // under the home and food pictures
                const int alpha = static_cast<int>(table[x][y] / maximum * 200.0);
                strongest = std::max(strongest, alpha);
                const int left = x * 60;
                const int top = y * 60;
                QCOMPARE(pixel(image, left + 4, top + 30), overWhite(alpha));
                QCOMPARE(pixel(image, left + 55, top + 55), overWhite(alpha));
                // A margin of four pixels stays clear inside every cell.
                QCOMPARE(pixel(image, left + 3, top + 30), QColor(Qt::white));
                QCOMPARE(pixel(image, left + 30, top + 56), QColor(Qt::white));
            }
        }
        QVERIFY(strongest >= 150);
    }

    void noPheromoneAnywhereDrawsNoSquares()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.loadWorld(10, 0, 0, 0, 9, 9);
        probe.resetColony();
        showOnly(probe, Pheromone);
        const QImage image = grab(window, probe);
        for (int x = 1; x < 9; ++x)
            for (int y = 1; y < 9; ++y)
                QCOMPARE(pixel(image, x * 60 + 30, y * 60 + 30), QColor(Qt::white));
    }

    void picturesAreScaledToTheCellAndCentred()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        showOnly(probe, 0);
        QImage image = grab(window, probe);
        // Ten cells: both pictures are taller than 60 and squeezed to 60 x 60.
        expectPicture(image, QStringLiteral(":/images/home.png"), QSize(60, 60), QPoint(0, 0));
        expectPicture(image, QStringLiteral(":/images/food.gif"), QSize(60, 60), QPoint(540, 540));

        // Three cells of 200: home keeps its 133 x 100 and is centred, food
        // is squeezed to 200 x 200.
        probe.loadWorld(3, 1, 1, 2, 2, 0);
        probe.resetColony();
        showOnly(probe, 0);
        image = grab(window, probe);
        expectPicture(image, QStringLiteral(":/images/home.png"), QSize(133, 100), QPoint(200 + 34, 400 + 50));
        expectPicture(image, QStringLiteral(":/images/food.gif"), QSize(200, 200), QPoint(400, 0));
    }

    void foodLiesOverHomeOnTheSameCell()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.loadWorld(10, 1, 4, 4, 4, 4);
        probe.resetColony();
        showOnly(probe, 0);
        const QImage image = grab(window, probe);
        const QImage food = QImage(QStringLiteral(":/images/food.gif")).scaled(60, 60);
        // The middle of the apple is opaque: nothing of the home shows there.
        QCOMPARE(pixel(image, 240 + 30, 240 + 40), QColor(food.pixel(30, 40)));
    }

    void obstaclesAreHatched()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        showOnly(probe, 0);
        const QImage image = grab(window, probe);
        const auto inkIn = [&](int cellX, int cellY) {
            int dark = 0;
            for (int x = cellX * 75 + 5; x < cellX * 75 + 70; ++x)
                for (int y = cellY * 75 + 5; y < cellY * 75 + 70; ++y)
                    dark += qGray(image.pixel(x + 5, y + 5)) < 100 ? 1 : 0;
            return dark;
        };
        // Blocked cells carry a cross hatch with white between its lines.
        QVERIFY(inkIn(3, 1) > 200);
        QVERIFY(inkIn(3, 1) < 65 * 65 / 2);
        QVERIFY(inkIn(7, 6) > 200);
        QCOMPARE(inkIn(3, 2), 0);
        QCOMPARE(inkIn(6, 4), 0);
    }

    void bestPathIsDrawnOverThisGenerationsPath()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        for (int g = 0; g < 20 && probe.bestLength() == kNoPathYet; ++g)
            probe.nextGeneration();
        QVERIFY(probe.bestLength() < kNoPathYet);
        // Without a new generation both paths are the same one.
        probe.advanceSpinBox()->setValue(1);
        showOnly(probe, GenerationPath | BestPath);
        probe.view()->setGenerationPath(probe.bestPath());
        const QImage image = grab(window, probe);
        const QPointF start = probe.bestPath().elementAt(0);
        const QPointF next = probe.bestPath().elementAt(1);
        const QPointF middle = (start + next) / 2;
        const QColor onPath = pixel(image, qRound(middle.x()), qRound(middle.y()));
        QVERIFY2(onPath.red() < 100 && onPath.green() < 100, qPrintable(onPath.name()));
    }

    // The view keeps its painted world between frames; whatever a setter
    // changes shows at the next paint without anyone clearing that cache.
    void eachSetterShowsAtTheNextPaint()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        showOnly(probe, Grid);
        AntWorld *view = probe.view();
        QVERIFY(pixel(grab(window, probe), 0, 150) != QColor(Qt::white));
        view->setShowGrid(false);
        view->viewport()->update();
        QCOMPARE(pixel(grab(window, probe), 0, 150), QColor(Qt::white));

        view->setObstaclePath(obstacleOutline({{2, 2}}, 60));
        view->viewport()->update();
        QVERIFY(pixel(grab(window, probe), 120, 150) != QColor(Qt::white));
    }

    void runnerPaintsTheSamePixelsAsTheWindow()
    {
        // The command-line runner's pictures come from the same painting:
        // for the same state, its image is the window's viewport, pixel for pixel.
        MainWindow window;
        MainWindowProbe probe(window);
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        probe.advanceSpinBox()->setValue(6);
        showOnly(probe, Grid | Pheromone | GenerationPath | BestPath);
        const QImage viewport = grab(window, probe);
        const QImage runner = renderWorldImage(probe.view()->picture());
        QCOMPARE(runner.size(), QSize(610, 610));
        QCOMPARE(runner.convertToFormat(QImage::Format_RGB32), viewport.copy(0, 0, 610, 610).convertToFormat(QImage::Format_RGB32));
    }

    void picturesStaySharpOnDenseScreens()
    {
        // At two device pixels per unit a 60-unit cell holds 120 x 120 pixels
        // of picture, scaled from the original rather than blown up.
        WorldPicture world;
        world.worldSize = 10;
        world.worldPixels = 600;
        world.foodX = world.foodY = 9;
        world.showGrid = world.showBestPath = false;
        QImage dense(1200, 1200, QImage::Format_ARGB32_Premultiplied);
        dense.setDevicePixelRatio(2.0);
        dense.fill(Qt::white);
        QPainter painter(&dense);
        WorldPainter().paint(&painter, world);
        painter.end();
        QImage expected(120, 120, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, QImage(QStringLiteral(":/images/home.png")).scaled(120, 120));
        QImage drawn = dense.copy(0, 0, 120, 120).convertToFormat(QImage::Format_RGB32);
        drawn.setDevicePixelRatio(1.0);
        QCOMPARE(drawn, expected.convertToFormat(QImage::Format_RGB32));
    }

private:
    // Sets the check boxes and steps once, which is when the view takes them.
    void showOnly(MainWindowProbe &probe, int layers)
    {
        probe.gridCheckBox()->setChecked(layers & Grid);
        probe.pheromoneCheckBox()->setChecked(layers & Pheromone);
        probe.generationPathCheckBox()->setChecked(layers & GenerationPath);
        probe.bestPathCheckBox()->setChecked(layers & BestPath);
        probe.nextGeneration();
    }

    QImage grab(MainWindow &window, MainWindowProbe &probe)
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return QImage();
        return probe.view()->viewport()->grab().toImage();
    }

    static QColor pixel(const QImage &image, int sceneX, int sceneY)
    {
        return QColor(image.pixel(sceneX + 5, sceneY + 5));
    }

    void expectPicture(const QImage &image, const QString &resource, QSize size, QPoint topLeft)
    {
        QImage picture(resource);
        if (picture.size() != size)
            picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QImage expected(size, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(0, 0, picture);
        int wrong = 0;
        for (int x = 0; x < size.width(); ++x)
            for (int y = 0; y < size.height(); ++y)
                wrong += near(pixel(image, topLeft.x() + x, topLeft.y() + y), QColor(expected.pixel(x, y)), 3) ? 0 : 1;
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 pixels differ for %2").arg(wrong).arg(resource)));
        // The row above and the column left of the picture are not its.
        if (topLeft.y() > 1 && topLeft.x() > 1)
            QCOMPARE(pixel(image, topLeft.x() - 2, topLeft.y() + size.height() / 2), QColor(Qt::white));
    }

};

QTEST_MAIN(RenderingTest)
#include "rendering_test.moc"
