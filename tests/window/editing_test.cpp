// The world edited with the mouse while the colony runs, and the edits undone.
#include "convergencechart.h"
#include "mainwindow_probe.h"
#include "test_support.h"

#include <QUndoStack>

class EditingTest : public WindowTestCase
{
    Q_OBJECT

    // Presses on the first cell, moves over the others, lets go on the last.
    static void drag(MainWindowProbe &probe, const std::vector<Cell> &cells)
    {
        QWidget *viewport = probe.view()->viewport();
        const int side = 600 / probe.worldSize();
        const auto at = [&](Cell c) { return probe.view()->mapFromScene(cellCentre(c.x, c.y, side)); };
        QTest::mousePress(viewport, Qt::LeftButton, {}, at(cells.front()));
        for (const Cell &cell : cells)
            QTest::mouseMove(viewport, at(cell));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(cells.back()));
    }
    static bool wall(MainWindowProbe &probe, int x, int y) { return World::of(probe.colony()).isObstacle({x, y}); }

private slots:
    void clicksAndStrokesEditTheRunningColonyAndUndo()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        probe.advanceSpinBox()->setValue(9);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        double **pheromone = probe.colony().pheromoneTable();
        drag(probe, {{4, 4}});
        QVERIFY(wall(probe, 4, 4));
        drag(probe, {{4, 4}});
        QVERIFY(!wall(probe, 4, 4));
        drag(probe, {{2, 0}, {2, 6}}); // the cells skipped between are walled too
        drag(probe, {{3, 0}, {0, 0}}); // home at the end is left alone
        drag(probe, {{2, 2}, {2, 3}}); // starts on a wall: erases
        QVERIFY(!wall(probe, 0, 0) && wall(probe, 1, 0) && wall(probe, 2, 1) && !wall(probe, 2, 2));
        QCOMPARE(probe.generationText(), QStringLiteral("10"));
        QCOMPARE(probe.colony().pheromoneTable(), pheromone);
        QUndoStack *stack = window.undoStack();
        QCOMPARE(stack->count(), 5);
        stack->undo();
        QVERIFY(wall(probe, 2, 2) && wall(probe, 2, 3));
        stack->undo();
        stack->undo();
        QVERIFY(World::of(probe.colony()).obstacles.empty());
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(wall(probe, 2, 6) && !wall(probe, 1, 0));
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        QCOMPARE(probe.generationText(), QStringLiteral("19"));
        stack->setIndex(0); // all undone: nothing to save, so Example asks nothing
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        QCOMPARE(stack->count(), 0);
    }

    // Home goes round a wall and stops short of the food; undone, it is back.
    void homeAndFoodAreCarriedOnlyToFreeCells()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        drag(probe, {{1, 1}});
        drag(probe, {{0, 0}, {1, 1}, {2, 2}, {9, 9}}); // over a wall, onto the food: left on (2, 2)
        drag(probe, {{9, 9}, {1, 1}});                 // the food on a wall: not moved
        const World world = World::of(probe.colony());
        QVERIFY(world.home == Cell({2, 2}) && world.food == Cell({9, 9}) && world.isObstacle({1, 1}));
        QCOMPARE(probe.view()->picture().homeX, 2); // the view follows the colony
        drag(probe, {{3, 3}, {2, 2}, {9, 9}, {3, 4}}); // a stroke never walls home or food
        QVERIFY(!World::of(probe.colony()).isObstacle({2, 2}) && !World::of(probe.colony()).isObstacle({9, 9}));
        window.undoStack()->setIndex(1); // back to the first wall alone
        QCOMPARE(World::of(probe.colony()).home, Cell({0, 0}));
    }

    // A wall across the world cuts every path: the best one is forgotten, the
    // title and the chart say the food is out of reach until the wall goes.
    void aWallAcrossTheBestPathDropsIt()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.openWorld(World::startUp(10), 7, QString());
        probe.advanceSpinBox()->setValue(20);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        QVERIFY(probe.bestLength() < kNoPathYet);
        drag(probe, {{5, 0}, {5, 9}});
        QCOMPARE(probe.stepsText(), QStringLiteral("32000"));
        QVERIFY(probe.view()->picture().bestPath.isEmpty());
        QCOMPARE(window.windowTitle(), QStringLiteral("Vormis \u2014 food out of reach"));
        QCOMPARE(probe.convergence()->chart()->data().optimum, 0);
        drag(probe, {{5, 9}}); // a gap in the bottom row
        QCOMPARE(window.windowTitle(), QStringLiteral("Vormis"));
        QCOMPARE(probe.convergence()->chart()->data().optimum, 14); // 8 steps to (4, 8), then (5, 9) and 4 more
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        QVERIFY(probe.bestLength() >= 14 && probe.bestLength() < kNoPathYet);
        const std::vector<int> optimum = probe.convergence()->chart()->data().optimumByGeneration;
        QCOMPARE(optimum.size(), std::size_t(41)); // the chart's dashed line steps from 10 to 14
        QVERIFY(optimum.front() == 10 && optimum[20] == 10 && optimum[21] == 14 && optimum.back() == 14);
    }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
