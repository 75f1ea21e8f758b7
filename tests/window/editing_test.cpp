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
        const auto at = [&](Cell c) { return probe.view()->mapFromScene(cellCentre(c.x, c.y, 600 / probe.worldSize())); };
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
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        QCOMPARE(stack->count(), 0);
    }
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
