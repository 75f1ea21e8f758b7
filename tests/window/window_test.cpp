// The window from a user's side: what it shows at start, what "Advance " and
// "Example" do to the Status box and the view, and the saved geometry.
#include "mainwindow_probe.h"
#include "test_support.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QScrollBar>

class WindowTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings(QStringLiteral("Vormis Project"), QStringLiteral("Vormis")).clear(); }

    void startsOnGenerationOne()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QCOMPARE(probe.generationText(), QStringLiteral("1"));
        QCOMPARE(probe.antsText(), QStringLiteral("5"));
        QCOMPARE(probe.worldSizeText(), QStringLiteral("10x10"));
        QCOMPARE(probe.stepsText(), QString::number(probe.bestLength()));
        QCOMPARE(probe.speedSlider()->value(), 2);
        QCOMPARE(probe.advanceSpinBox()->value(), 1);
        QVERIFY(!probe.generationPathCheckBox()->isChecked());
        QVERIFY(probe.bestPathCheckBox()->isChecked());
        QVERIFY(!probe.pheromoneCheckBox()->isChecked());
        QVERIFY(probe.gridCheckBox()->isChecked());
        QCOMPARE(window.windowTitle(), QStringLiteral("Vormis"));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(probe.colony().size(), 10);
        QCOMPARE(probe.view()->picture().pheromone, probe.colony().pheromoneTable());
    }

    // A prepared world opens at generation 1 and names its file and rule in
    // the title; the rule outlives Example and the dialog, the file does not.
    void preparedWorldsAreNamedAndRepeatable()
    {
        World maze = World::startUp(12);
        maze.obstacles = {{5, 4}, {5, 5}, {6, 5}};
        maze.rule = Rule::AntSystem;
        maze.alpha = 1;
        const std::uint32_t seeds[3] = {7, 7, 8};
        QString status[3];
        for (int i = 0; i < 3; ++i) {
            QString &seen = status[i];
            MainWindow window;
            MainWindowProbe probe(window);
            window.openWorld(maze, seeds[i], QStringLiteral("maze.txt"));
            QCOMPARE(window.windowTitle(), QStringLiteral("maze.txt (Ant System) \u2014 Vormis"));
            QCOMPARE(probe.generationText(), QStringLiteral("1"));
            QCOMPARE(probe.worldSizeText(), QStringLiteral("12x12"));
            QVERIFY(probe.view()->picture().obstaclePath.contains(cellCentre(5, 5, 50)));
            probe.advanceSpinBox()->setValue(29);
            QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
            seen = probe.generationText() + probe.antsText() + probe.stepsText() + probe.worldSizeText();
            for (int x = 0; x < 12; ++x)
                for (int y = 0; y < 12; ++y)
                    seen += QString::number(probe.colony().pheromoneTable()[x][y], 'g', 17);
            QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
            QCOMPARE(window.windowTitle(), QStringLiteral("Ant System \u2014 Vormis"));
            QCOMPARE(probe.colony().rule(), Rule::AntSystem);
        }
        QVERIFY(status[0].startsWith(QStringLiteral("30")));
        QCOMPARE(status[0], status[1]);
        QVERIFY(status[0] != status[2]);
    }

    void advanceRunsAsManyGenerationsAsAsked()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.advanceSpinBox()->setValue(30);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        QCOMPARE(probe.generationText(), QStringLiteral("31"));
        probe.advanceSpinBox()->setValue(1);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        QCOMPARE(probe.generationText(), QStringLiteral("32"));
        // Only the last generation's path stays in the view: it is the path of
        // the lowest-index ant among the shortest arrivals, or nothing.
        QCOMPARE(probe.view()->picture().generationPath, expectedGenerationPath(probe));
    }

    void generationPathIsTheShortestArrivalLowestIndexFirst()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        for (int g = 0; g < 40; ++g) {
            probe.nextGeneration();
            QCOMPARE(probe.view()->picture().generationPath, expectedGenerationPath(probe));
            QVERIFY(probe.bestLength() <= 100);
            QCOMPARE(probe.stepsText(), QString::number(probe.bestLength()));
        }
    }

    // 3 x 3, home (0, 0), food (2, 0): via (1, 1) or via (1, 0) both take
    // three cells; draws pick which.  Candidates from home: (0, 1), (1, 1), (1, 0).
    void equalLengthsKeepTheEarlierBestAndTheLowerIndex()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.loadWorld(3, 2, 0, 0, 2, 0);
        // Generation 1: ant 0 via (1, 1), ant 1 via (1, 0); both 3 cells long.
        probe.colony().setRandomSource(scriptedDraws({20000, 32767, 0, 32767, 32767}));
        probe.resetColony();
        QCOMPARE(probe.stepsText(), QStringLiteral("3"));
        const QPainterPath viaMiddle = pathThrough({{0, 0}, {1, 1}, {2, 0}}, 200);
        QCOMPARE(probe.view()->picture().generationPath, viaMiddle);
        QCOMPARE(probe.view()->picture().bestPath, viaMiddle);

        // Generation 2: ant 0 walks the long way round by (0, 1), ant 1 again via (1, 0):
        // the shortest is ant 1's, as long as the best, which therefore stays.
        probe.nextGeneration();
        QVERIFY(probe.colony().m_ants[0].pathLength > 3);
        QCOMPARE(probe.view()->picture().generationPath, pathThrough({{0, 0}, {1, 0}, {2, 0}}, 200));
        QCOMPARE(probe.view()->picture().bestPath, viaMiddle);
        QCOMPARE(probe.stepsText(), QStringLiteral("3"));
    }

    void generationWithoutArrivalLeavesTheBestAlone()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.loadWorld(3, 1, 0, 0, 2, 2);
        probe.resetColony();
        const QString steps = probe.stepsText();
        const QPainterPath best = probe.bestPath();
        QVERIFY(steps != QStringLiteral("32000"));
        // Wall the food in; the next generation finds nothing.
        probe.colony().addObstacle(1, 1);
        probe.colony().addObstacle(1, 2);
        probe.colony().addObstacle(2, 1);
        probe.nextGeneration();
        QVERIFY(!probe.colony().m_ants[0].atFood);
        QCOMPARE(probe.stepsText(), steps);
        QCOMPARE(probe.view()->picture().bestPath, best);
        QVERIFY(probe.view()->picture().generationPath.length() == 0);
    }

    void colonyWithoutAntsStepsSafely()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.loadWorld(5, 0, 0, 0, 4, 4);
        probe.resetColony();
        QCOMPARE(probe.generationText(), QStringLiteral("1"));
        QCOMPARE(probe.stepsText(), QStringLiteral("32000"));
        QVERIFY(probe.view()->picture().generationPath.isEmpty());
    }

    void checkBoxesActOnlyAtTheNextStep()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(probe.pheromoneCheckBox(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(probe.gridCheckBox(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(probe.pheromoneCheckBox()->isChecked());
        QVERIFY(!probe.view()->picture().showPheromone);
        QVERIFY(probe.view()->picture().showGrid);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        QVERIFY(probe.view()->picture().showPheromone);
        QVERIFY(!probe.view()->picture().showGrid);
        QVERIFY(probe.view()->picture().showBestPath);
        QVERIFY(!probe.view()->picture().showGenerationPath);
    }

    void exampleLoadsItsWorld()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.advanceSpinBox()->setValue(12);
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        Colony &colony = probe.colony();
        QCOMPARE(colony.size(), 8);
        QCOMPARE(colony.antCount(), 4);
        QCOMPARE(colony.homeX(), 0);
        QCOMPARE(colony.homeY(), 4);
        QCOMPARE(colony.foodX(), 7);
        QCOMPARE(colony.foodY(), 4);
        QCOMPARE(colony.alpha(), 0);
        QCOMPARE(colony.beta(), 2);
        QCOMPARE(colony.ro(), 0.2);
        int blocked = 0;
        for (int x = 0; x < 8; ++x) {
            for (int y = 0; y < 8; ++y) {
                const bool expected = (y == 1 && x >= 1 && x <= 6) || ((y == 3 || y == 4) && x >= 2 && x <= 5)
                    || (y == 6 && x >= 2);
                QCOMPARE(colony.isObstacle(x, y), expected);
                blocked += expected ? 1 : 0;
                // The outline covers exactly the blocked cells.
                const QPointF centre(x * 75 + 37, y * 75 + 37);
                QCOMPARE(probe.view()->picture().obstaclePath.contains(centre), expected);
            }
        }
        QCOMPARE(blocked, 20);
        QCOMPARE(probe.view()->picture().obstaclePath.boundingRect(), QRectF(75, 75, 525, 450));
        QCOMPARE(probe.generationText(), QStringLiteral("1"));
        QCOMPARE(probe.antsText(), QStringLiteral("4"));
        QCOMPARE(probe.worldSizeText(), QStringLiteral("8x8"));
        QCOMPARE(probe.stepsText(), QString::number(probe.bestLength()));
        QCOMPARE(probe.advanceSpinBox()->value(), 1);
        QCOMPARE(probe.view()->worldSize(), 8);
        QCOMPARE(probe.view()->picture().homeY, 4);
        QCOMPARE(probe.view()->picture().foodX, 7);
    }

    void resetsForgetTheOldWorldsBestPath()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        for (int g = 0; g < 10 && probe.bestLength() == kNoPathYet; ++g)
            probe.nextGeneration();
        QVERIFY(!probe.bestPath().isEmpty());
        // A new world whose first generation finds nothing (it has no ants):
        // the old world's best path must not survive.
        probe.loadWorld(5, 0, 0, 0, 4, 4);
        probe.resetColony();
        QCOMPARE(probe.stepsText(), QStringLiteral("32000"));
        QVERIFY(probe.view()->picture().bestPath.isEmpty());

        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        QCOMPARE(probe.view()->picture().bestPath, probe.bestPath());
        QVERIFY(probe.bestPath().isEmpty() || probe.bestLength() < kNoPathYet);
    }

    void wholeWorldFitsAtTheSmallestWindow()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(window.minimumSizeHint());
        window.resize(1, 1);
        QApplication::processEvents();
        AntWorld *view = probe.view();
        QVERIFY(view->viewport()->width() >= 610);
        QVERIFY(view->viewport()->height() >= 610);
        QVERIFY(!view->horizontalScrollBar()->isVisible());
        QVERIFY(!view->verticalScrollBar()->isVisible());
        // The scene's top-left corner is the viewport's.
        QCOMPARE(view->mapFromScene(QPointF(-5, -5)), QPoint(0, 0));
    }

    void geometryIsSavedOnCloseAndRestored()
    {
        QSettings settings(QStringLiteral("Vormis Project"), QStringLiteral("Vormis"));
        QVERIFY(!settings.contains(QStringLiteral("geometry")));
        QRect saved;
        {
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.setGeometry(40, 50, 1000, 760);
            QApplication::processEvents();
            saved = window.geometry();
            window.close();
        }
        settings.sync();
        QVERIFY(settings.value(QStringLiteral("geometry")).toByteArray().size() > 0);

        MainWindow again;
        QCOMPARE(again.geometry().size(), saved.size());
    }

    void garbageGeometryIsIgnored()
    {
        const QSize natural = MainWindow().size();
        {
            QSettings settings(QStringLiteral("Vormis Project"), QStringLiteral("Vormis"));
            settings.setValue(QStringLiteral("geometry"), QByteArray("not a geometry at all"));
        }
        MainWindow window;
        QCOMPARE(window.size(), natural);
        QCOMPARE(MainWindowProbe(window).generationText(), QStringLiteral("1"));
    }

    void everyPictureHasItsFormatAndSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("imageFormat");
        const auto add = [](const char *name, const char *format, int w, int h, QImage::Format f) {
            QTest::newRow(name) << QStringLiteral(":/images/") + QLatin1String(name) << QByteArray(format) << QSize(w, h)
                                << static_cast<int>(f);
        };
        const QImage::Format rgba = QImage::Format_ARGB32;
        const QImage::Format grey = QImage::Format_ARGB32; // grey + alpha decodes to ARGB32
        add("furnica.png", "png", 27, 40, rgba);
        add("home.png", "png", 133, 100, rgba);
        add("food.gif", "gif", 308, 310, QImage::Format_ARGB32);
        add("icon.png", "png", 128, 128, rgba);
        add("animation-start.png", "png", 48, 48, grey);
        add("animation-stop.png", "png", 48, 48, grey);
        add("animation-seek-forward.png", "png", 48, 48, grey);
        add("config-dialog.png", "png", 128, 128, rgba);
        add("dialog-ant.png", "png", 48, 48, rgba);
        add("dialog-help.png", "png", 48, 48, rgba);
        add("dialog-defaults.png", "png", 48, 48, rgba);
        add("dialog-ok.png", "png", 64, 64, rgba);
        add("dialog-cancel.png", "png", 48, 48, rgba);
        add("application-exit.png", "png", 48, 48, rgba);
        add("help.png", "png", 128, 128, rgba);
        add("dialog-animation.png", "png", 48, 48, rgba);
        add("terrain.jpg", "jpeg", 512, 512, QImage::Format_RGB32);
    }

    void everyPictureHasItsFormatAndSize()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(QSize, size);
        QFETCH(int, imageFormat);
        QImageReader reader(path);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), size);
        QCOMPARE(static_cast<int>(image.format()), imageFormat);

        // The stored encoding itself: PNG colour type 6 (RGBA) or 4 (grey +
        // alpha) at 8 bits, GIF89a.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(32);
        if (format == "png") {
            QCOMPARE(static_cast<int>(head.at(24)), 8);
            const bool grey = path.contains(QStringLiteral("animation-"));
            QCOMPARE(static_cast<int>(head.at(25)), grey ? 4 : 6);
        } else if (format == "gif") {
            QCOMPARE(head.left(6), QByteArray("GIF89a"));
        }
    }

private:
    static QPainterPath pathThrough(std::initializer_list<std::pair<int, int>> cells, int cell)
    {
        QPainterPath path;
        bool first = true;
        for (const auto &c : cells) {
            const QPointF p(c.first * cell + cell / 2, c.second * cell + cell / 2);
            if (first)
                path.moveTo(p);
            else
                path.lineTo(p);
            first = false;
        }
        return path;
    }

    // Reads the colony the way a user would check the rule by hand.
    static QPainterPath expectedGenerationPath(MainWindowProbe &probe)
    {
        const Colony &colony = probe.colony();
        int best = -1;
        for (int i = 0; i < colony.antCount(); ++i) {
            const AntState &ant = colony.m_ants[static_cast<size_t>(i)];
            if (ant.atFood && (best < 0 || ant.pathLength < colony.m_ants[static_cast<size_t>(best)].pathLength))
                best = i;
        }
        const int cell = 600 / probe.worldSize();
        const AntState &ant = colony.m_ants[static_cast<size_t>(best < 0 ? 0 : best)];
        const int length = best < 0 ? 1 : ant.pathLength;
        QPainterPath path;
        path.moveTo(ant.path[0][0] * cell + cell / 2, ant.path[1][0] * cell + cell / 2);
        for (int k = 1; k < length; ++k)
            path.lineTo(ant.path[0][k] * cell + cell / 2, ant.path[1][k] * cell + cell / 2);
        return path;
    }

};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
