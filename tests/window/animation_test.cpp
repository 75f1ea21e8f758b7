// "Start Animation" and "Stop Animation": one ant per colony ant, each driven
// by its own time line along the path it walked in the last generation.
#include "ant.h"
#include "configdialog.h"
#include "mainwindow_probe.h"
#include "test_support.h"

#include <QGraphicsItemAnimation>
#include <QPainter>
#include <QTimeLine>

#include <cstdlib>
#include <numeric>

namespace {

QPointF centre(int x, int y, int cell)
{
    return QPointF(x * cell + cell / 2, y * cell + cell / 2);
}

QList<Ant *> antsOn(QGraphicsScene *scene)
{
    QList<Ant *> ants;
    for (QGraphicsItem *item : scene->items(Qt::AscendingOrder))
        ants.append(static_cast<Ant *>(item));
    return ants;
}

} // namespace

class AnimationTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void startPutsOneAntPerColonyAntOnHome()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.advanceSpinBox()->setValue(5);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);

        const QList<Ant *> ants = antsOn(probe.scene());
        QCOMPARE(ants.size(), probe.colony().antCount());
        const QList<QGraphicsItemAnimation *> animations = probe.cleanupHandler()->objects<QGraphicsItemAnimation>();
        QCOMPARE(animations.size(), ants.size());
        QCOMPARE(probe.cleanupHandler()->objects<QTimeLine>().size(), ants.size());
        for (int i = 0; i < animations.size(); ++i) {
            const AntState &state = probe.colony().m_ants[static_cast<size_t>(i)];
            auto *ant = static_cast<Ant *>(animations[i]->item());
            QCOMPARE(ant->color(), state.atFood ? QColor(0, 255, 0) : QColor(0, 0, 255));
            QCOMPARE(ant->pos(), centre(0, 0, 60));
            QCOMPARE(animations[i]->timeLine()->state(), QTimeLine::Running);
        }
    }

    void stopRemovesEverythingAtOnce()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QTest::mouseClick(probe.stopButton(), Qt::LeftButton); // nothing running: nothing happens
        QVERIFY(probe.scene()->items().isEmpty());

        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        QTest::qWait(60);
        const QList<QPointer<QTimeLine>> timeLines = watched<QTimeLine>(probe);
        const QList<QPointer<QGraphicsItemAnimation>> animations = watched<QGraphicsItemAnimation>(probe);
        QVERIFY(!timeLines.isEmpty());
        QTest::mouseClick(probe.stopButton(), Qt::LeftButton);
        QVERIFY(probe.scene()->items().isEmpty());
        QVERIFY(probe.cleanupHandler()->isEmpty());
        for (const auto &timeLine : timeLines)
            QVERIFY(timeLine.isNull());
        for (const auto &animation : animations)
            QVERIFY(animation.isNull());
        QTest::qWait(60); // no time line is left to drive a deleted ant
    }

    void startingAgainReplaysFromTheStart()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        QTest::qWait(150);
        const QList<QPointer<QTimeLine>> first = watched<QTimeLine>(probe);
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        for (const auto &timeLine : first)
            QVERIFY(timeLine.isNull());
        QCOMPARE(antsOn(probe.scene()).size(), probe.colony().antCount());
        QCOMPARE(probe.cleanupHandler()->objects<QTimeLine>().size(), probe.colony().antCount());
        for (Ant *ant : antsOn(probe.scene()))
            QCOMPARE(ant->pos(), centre(0, 0, 60));
        QTest::qWait(60);
    }

    void durationsFollowTheSliderAndThePathLength()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.advanceSpinBox()->setValue(8);
        probe.nextGeneration();
        const int expectedTimes[5] = {4000, 2000, 1333, 1000, 800};
        for (int speed = 0; speed <= 4; ++speed) {
            probe.speedSlider()->setValue(speed);
            probe.animateGeneration();
            QCOMPARE(probe.animationTime(), expectedTimes[speed]);
            const auto animations = probe.cleanupHandler()->objects<QGraphicsItemAnimation>();
            for (int i = 0; i < animations.size(); ++i) {
                const AntState &state = probe.colony().m_ants[static_cast<size_t>(i)];
                const QTimeLine *timeLine = animations[i]->timeLine();
                QCOMPARE(timeLine->duration(), (expectedTimes[speed] / 10) * state.pathLength * (state.atFood ? 2 : 1));
                QCOMPARE(timeLine->updateInterval(), 20);
                QCOMPARE(timeLine->startFrame(), 0);
                QCOMPARE(timeLine->endFrame(), 100);
            }
        }
    }

    void antsAtTheFoodGoThereAndBack()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        for (int g = 0; g < 20 && !anyAt(probe, true); ++g)
            probe.nextGeneration();
        QVERIFY(anyAt(probe, true));
        probe.animateGeneration();
        const auto animations = probe.cleanupHandler()->objects<QGraphicsItemAnimation>();
        for (int i = 0; i < animations.size(); ++i) {
            const AntState &state = probe.colony().m_ants[static_cast<size_t>(i)];
            const int length = state.pathLength;
            const auto keys = animations[i]->posList();
            const auto cellAt = [&](int k) { return centre(state.path[0][k], state.path[1][k], 60); };
            if (state.atFood) {
                QCOMPARE(keys.size(), 2 * length);
                for (int k = 0; k < length; ++k) {
                    QCOMPARE(animations[i]->posAt(k / (2.0 * length)), cellAt(k));
                    QCOMPARE(animations[i]->posAt(1.0 - k / (2.0 * length)), cellAt(k));
                }
                const QPointF food = centre(9, 9, 60);
                QCOMPARE(keys[length - 1].first, (length - 1) / (2.0 * length));
                QCOMPARE(keys[length - 1].second, food);
                QCOMPARE(keys[length].first, (length + 1) / (2.0 * length));
                QCOMPARE(keys[length].second, food);
                QCOMPARE(keys.last().first, 1.0);
                QCOMPARE(keys.last().second, centre(0, 0, 60));
            } else {
                QCOMPARE(keys.size(), std::max(length, 1));
                QCOMPARE(keys.last().first, (length - 1) / static_cast<double>(length));
                QCOMPARE(keys.last().second, cellAt(length - 1));
            }
        }
    }

    void walledInAntsStayHomeForOneCell()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.loadWorld(5, 2, 0, 0, 4, 4);
        probe.resetColony();
        probe.colony().addObstacle(0, 1);
        probe.colony().addObstacle(1, 1);
        probe.colony().addObstacle(1, 0);
        probe.nextGeneration();
        QVERIFY(probe.colony().m_ants[0].pathLength <= 0);
        probe.animateGeneration();
        for (QGraphicsItemAnimation *animation : probe.cleanupHandler()->objects<QGraphicsItemAnimation>()) {
            QCOMPARE(animation->timeLine()->duration(), 1333 / 5);
            QCOMPARE(animation->posList().size(), 1);
            QCOMPARE(animation->posAt(1.0), centre(0, 0, 120));
        }
    }

    void runToTheEndWithTheEventLoop()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        // Food next to home: every ant walks there and back in 2 x 2 cells.
        probe.loadWorld(3, 3, 0, 0, 1, 1);
        probe.resetColony();
        probe.speedSlider()->setValue(4);
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(allFinished(probe), 5000);
        for (Ant *ant : antsOn(probe.scene())) {
            QCOMPARE(ant->color(), QColor(0, 255, 0));
            QCOMPARE(ant->pos(), centre(0, 0, 200));
        }

        // Food walled in: nobody arrives, each ant stops on its last cell.
        probe.resetColony();
        probe.colony().addObstacle(1, 1);
        probe.colony().addObstacle(0, 1);
        probe.colony().addObstacle(1, 0);
        probe.colony().setHome(2, 2);
        probe.colony().addObstacle(0, 0); // and the old food cell is gone
        probe.nextGeneration();
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(allFinished(probe), 8000);
        const QList<Ant *> ants = antsOn(probe.scene());
        for (int i = 0; i < ants.size(); ++i) {
            const AntState &state = probe.colony().m_ants[static_cast<size_t>(i)];
            QVERIFY(!state.atFood);
            QCOMPARE(ants[i]->color(), QColor(0, 0, 255));
            const int last = std::max(state.pathLength, 1) - 1;
            QCOMPARE(ants[i]->pos(), centre(state.path[0][last], state.path[1][last], 200));
        }
    }

    void changingTheColonyRemovesTheAnimationFirst()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        const auto startAndWatch = [&] {
            QTest::mouseClick(probe.startButton(), Qt::LeftButton);
            QTest::qWait(40);
            return watched<QTimeLine>(probe);
        };
        const auto expectGone = [&](const QList<QPointer<QTimeLine>> &timeLines) {
            for (const auto &timeLine : timeLines)
                QVERIFY(timeLine.isNull());
            QVERIFY(probe.scene()->items().isEmpty());
            QVERIFY(probe.cleanupHandler()->isEmpty());
        };

        auto timeLines = startAndWatch();
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        expectGone(timeLines);

        timeLines = startAndWatch();
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        expectGone(timeLines);

        timeLines = startAndWatch();
        QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
        QVERIFY(probe.configDialog());
        probe.configDialog()->accept();
        expectGone(timeLines);
        QTest::qWait(60);
    }

    void antPaintsOnlyInsideItsBounds()
    {
        for (int extent : {5, 15, 18, 50}) {
            for (const QColor &colour : {QColor(0, 255, 0), QColor(0, 0, 255)}) {
                Ant ant(colour, extent);
                const QRectF bounds = ant.boundingRect();
                QVERIFY(bounds.contains(QRectF(-13, -20, 27, 40)));
                QCOMPARE(ant.shape().boundingRect(), bounds);

                const QImage canvas = paintedAlone(ant, Qt::transparent);
                int outside = 0;
                int coloured = 0;
                for (int x = 0; x < 200; ++x) {
                    for (int y = 0; y < 200; ++y) {
                        const QRgb p = canvas.pixel(x, y);
                        if (qAlpha(p) == 0)
                            continue;
                        if (!bounds.contains(QPointF(x - 100 + 0.5, y - 100 + 0.5)))
                            ++outside;
                        if (qGreen(p) > qRed(p) + 60 || qBlue(p) > qRed(p) + 60)
                            ++coloured;
                    }
                }
                QCOMPARE(outside, 0);
                QVERIFY(coloured > 40); // the ant shows its colour
            }
        }
    }

    // At 20-pixel cells the picture covers the cell, so the ant itself has to
    // show its colour (a rim around the picture shows only about 40 such
    // pixels, the tinted body about 130), green far lighter than blue for
    // those who cannot tell red from green.
    void antColourReadsOnTheSmallestCells()
    {
        QList<double> meanLuma; // Rec. 709, 0 to 255
        for (int hue : {120, 240}) {
            Ant ant(QColor::fromHsv(hue, 255, 255), 5);
            const QImage canvas = paintedAlone(ant, Qt::white);
            QList<double> lumas;
            for (int i = 0; i < canvas.width() * canvas.height(); ++i) {
                const QColor p = canvas.pixelColor(i % canvas.width(), i / canvas.width());
                if (std::abs(p.hsvHue() - hue) <= 30 && p.hsvSaturation() >= 128 && p.value() >= 128)
                    lumas.append(0.2126 * p.red() + 0.7152 * p.green() + 0.0722 * p.blue());
            }
            QVERIFY2(lumas.size() >= 90, qPrintable(QString::number(lumas.size())));
            meanLuma.append(std::accumulate(lumas.begin(), lumas.end(), 0.0) / lumas.size());
        }
        QVERIFY2(meanLuma[0] > meanLuma[1] + 80, qPrintable(QStringLiteral("%1 %2").arg(meanLuma[0]).arg(meanLuma[1])));
    }

private:
    // The ant painted at the centre of a 200 x 200 canvas of the background.
    static QImage paintedAlone(Ant &ant, const QColor &background)
    {
        QImage canvas(200, 200, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(background);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(100, 100);
        ant.paint(&painter, nullptr, nullptr);
        painter.end();
        return canvas;
    }

    template <typename T>
    static QList<QPointer<T>> watched(MainWindowProbe &probe)
    {
        QList<QPointer<T>> list;
        for (T *object : probe.cleanupHandler()->objects<T>())
            list.append(object);
        return list;
    }

    static bool anyAt(MainWindowProbe &probe, bool atFood)
    {
        for (const AntState &ant : probe.colony().m_ants)
            if (ant.atFood == atFood)
                return true;
        return false;
    }

    static bool allFinished(MainWindowProbe &probe)
    {
        for (QTimeLine *timeLine : probe.cleanupHandler()->objects<QTimeLine>())
            if (timeLine->state() != QTimeLine::NotRunning)
                return false;
        return true;
    }

};

QTEST_MAIN(AnimationTest)
#include "animation_test.moc"
