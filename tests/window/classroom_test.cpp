// What a class needs of the window: the Rule page, walls that survive the
// dialog, the live convergence chart, Run and the presenter's keys, the zoom.
#include "antconfig.h"
#include "configdialog.h"
#include "convergencechart.h"
#include "experiment.h"
#include "mainwindow_probe.h"
#include "test_support.h"
#include "world_from_rows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QDoubleSpinBox>
#include <QRadioButton>

#include <algorithm>
#include <functional>

namespace {

// Opens Configure, lets change() fill in the pages, and presses Ok.
void configure(MainWindowProbe &probe, const std::function<void(AntConfig &, RulePage &)> &change)
{
    QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
    change(*probe.configDialog()->parametersPage, *probe.rulePage());
    QTest::mouseClick(probe.configDialog()->findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
}

std::vector<std::pair<int, int>> walls(const Colony &colony)
{
    std::vector<std::pair<int, int>> cells;
    for (const Cell &cell : World::of(colony).obstacles)
        cells.emplace_back(cell.x, cell.y);
    return cells;
}

} // namespace

class ClassroomTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // Ant Colony System with q0 0.5 and seed 7 runs as vormis-run runs it,
    // generation by generation; the page shows the choice again.
    void rulePageRunsTheRuleAsVormisRunDoes()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        configure(probe, [](AntConfig &, RulePage &page) {
            auto *rules = page.findChild<QComboBox *>(QStringLiteral("ruleBox"));
            auto *q0 = page.findChild<QDoubleSpinBox *>(QStringLiteral("q0"));
            QVERIFY(!q0->isEnabled());
            rules->setCurrentIndex(rules->findData(static_cast<int>(Rule::AntColonySystem)));
            QVERIFY(q0->isEnabled());
            q0->setValue(0.5);
            page.findChild<QRadioButton *>(QStringLiteral("fixedSeedButton"))->setChecked(true);
            page.findChild<QDoubleSpinBox *>(QStringLiteral("seedBox"))->setValue(7);
        });
        QCOMPARE(window.windowTitle(), QStringLiteral("Ant Colony System \u2014 Vormis"));
        probe.advanceSpinBox()->setValue(29);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);

        World world = World::startUp();
        world.rule = Rule::AntColonySystem;
        world.q0 = 0.5;
        Colony colony;
        std::string expected = measurementColumns() + '\n';
        runExperiment(colony, world, 1, 7, 30, [&](const GenerationRow &row) { appendCsvRow(expected, row, {}); });
        QCOMPARE(probe.convergence()->chart()->csv(), expected);

        // The same seed at every start: Example and the dialog repeat it.
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        QCOMPARE(probe.convergence()->chart()->rows().front().seed, 7u);
        configure(probe, [](AntConfig &, RulePage &page) {
            QCOMPARE(page.findChild<QDoubleSpinBox *>(QStringLiteral("q0"))->value(), 0.5);
            QVERIFY(page.findChild<QRadioButton *>(QStringLiteral("fixedSeedButton"))->isChecked());
            auto *rules = page.findChild<QComboBox *>(QStringLiteral("ruleBox"));
            rules->setCurrentIndex(rules->findData(static_cast<int>(Rule::Vormis)));
        });
        QCOMPARE(window.windowTitle(), QStringLiteral("Vormis"));
        QCOMPARE(probe.colony().rule(), Rule::Vormis);
    }

    void wallsStayWithTheSizeButNotOnHomeOrFood()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        const World walled = worldFromRows({"H..#....", "...#....", "...#....", "...#...F", "........", "........",
                                            "........", "........"});
        window.openWorld(walled, 3, QStringLiteral("walls.txt"));
        const auto all = walls(probe.colony());
        QCOMPARE(all.size(), std::size_t(4));

        configure(probe, [](AntConfig &page, RulePage &) { page.alphaSpinBox->setValue(1); });
        QCOMPARE(probe.colony().alpha(), 1);
        QCOMPARE(walls(probe.colony()), all);
        QVERIFY(probe.view()->picture().obstaclePath.contains(cellCentre(3, 2, 75)));

        configure(probe, [](AntConfig &page, RulePage &) {
            page.homeXEdit->setText(QStringLiteral("3"));
            page.homeYEdit->setText(QStringLiteral("1"));
        });
        QCOMPARE(walls(probe.colony()), decltype(all)({{3, 0}, {3, 2}, {3, 3}}));
        QVERIFY(!probe.view()->picture().obstaclePath.contains(cellCentre(3, 1, 75)));

        configure(probe, [](AntConfig &page, RulePage &) { page.worldSizeSpinBox->setValue(9); });
        QVERIFY(walls(probe.colony()).empty());

        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        configure(probe, [](AntConfig &page, RulePage &) { page.alphaSpinBox->setValue(1); });
        QVERIFY(walls(probe.colony()).empty());
        QVERIFY(probe.view()->picture().obstaclePath.isEmpty());
    }

    void chartHasAPointForEveryGeneration()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        ConvergenceChart *chart = probe.convergence()->chart();
        probe.advanceSpinBox()->setValue(30);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        const ChartData &data = chart->data();
        QCOMPARE(data.generationBest.size(), std::size_t(31));
        QCOMPARE(data.meanLength.size(), std::size_t(31));
        QCOMPARE(data.shareAtFood.size(), std::size_t(31));
        QCOMPARE(data.optimum, 10);
        for (std::size_t g = 0; g < chart->rows().size(); ++g) {
            const GenerationResult &result = chart->rows()[g].generation;
            QCOMPARE(result.generation, static_cast<int>(g) + 1);
            QCOMPARE(data.generationBest[g], result.shortest);
            QCOMPARE(data.shareAtFood[g], result.antsAtFood / 5.0);
            QCOMPARE(data.meanLength[g] < 0, result.antsAtFood == 0);
        }
        QCOMPARE(data.bestSoFar.back(), probe.bestLength() == kNoPathYet ? 0 : probe.bestLength());

        // Hidden until asked for; the mouse over the last generation reads it out.
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!probe.convergence()->isVisible());
        QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(probe.convergence()->isVisible());
        QSignalSpy readout(chart, &ConvergenceChart::readoutChanged);
        QTest::mouseMove(chart, QPoint(chart->width() - 65, chart->height() / 2));
        QVERIFY(!readout.isEmpty());
        QVERIFY(readout.last().at(0).toString().startsWith(QStringLiteral("Generation 31: ")));

        QTemporaryDir folder;
        QString error;
        QVERIFY(probe.convergence()->saveCsv(folder.filePath(QStringLiteral("c.csv")), error));
        QFile csv(folder.filePath(QStringLiteral("c.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().toStdString(), chart->csv());
        QVERIFY(probe.convergence()->saveImage(folder.filePath(QStringLiteral("c.png")), error));
        QCOMPARE(QImage(folder.filePath(QStringLiteral("c.png"))).size(), chart->size());
        QVERIFY(!probe.convergence()->saveCsv(folder.filePath(QStringLiteral("no/c.csv")), error));
        QVERIFY(!error.isEmpty());

        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        QCOMPARE(chart->rows().size(), std::size_t(1));
        QCOMPARE(chart->data().optimum, 8);
    }

    void runAdvancesUntilStoppedAndKeysPressTheButtons()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QAction *run = probe.simulation()->runAction();
        QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(run->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(probe.generation() >= 3, 3000);
        run->trigger();
        const int stopped = probe.generation();
        QTest::qWait(600);
        QCOMPARE(probe.generation(), stopped);
        run->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(probe.generation() > stopped, 3000);
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        QVERIFY(!run->isChecked());
        QTest::qWait(600);
        QCOMPARE(probe.generation(), 1);

        // Page Down advances, except in a control that uses it itself.
        probe.startButton()->setFocus();
        QTest::keyClick(probe.startButton(), Qt::Key_PageDown);
        QCOMPARE(probe.generation(), 2);
        probe.speedSlider()->setFocus();
        QTest::keyClick(probe.speedSlider(), Qt::Key_PageDown);
        QCOMPARE(probe.generation(), 2);
        QCOMPARE(probe.speedSlider()->value(), 0);
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(probe.scene()->items().size(), 4);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(probe.scene()->items().isEmpty());
    }

    void zoomScalesTheView()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(probe.view()->transform(), QTransform());
        QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(probe.zoom()->scale(), 1.25);
        QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(probe.zoom()->scale(), 1.0);
        for (int i = 0; i < 20; ++i)
            probe.zoom()->zoomIn();
        QCOMPARE(probe.zoom()->scale(), 8.0);

        window.resize(1280, 900);
        QTRY_VERIFY(probe.view()->viewport()->height() > 800);
        QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
        QTest::qWait(50); // the scroll bars of the larger zoom go
        const QRect world = probe.view()->mapFromScene(probe.view()->sceneRect()).boundingRect();
        QVERIFY(probe.view()->viewport()->rect().adjusted(-1, -1, 1, 1).contains(world));
        QVERIFY2(world.height() > probe.view()->viewport()->height() - 8, qPrintable(QString::number(world.height())));
    }
};

QTEST_MAIN(ClassroomTest)
#include "classroom_test.moc"
