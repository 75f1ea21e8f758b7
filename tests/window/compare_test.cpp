// The window that compares two rules, opened from the main window: each
// side runs as vormis-run runs its rule, both stay at one generation, and
// Swap exchanges them.
#include "compareside.h"
#include "comparechart.h"
#include "comparewindow.h"
#include "mainwindow_probe.h"
#include "test_support.h"
#include "worldfile.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProcess>

namespace {

CompareWindow *openCompareRules(MainWindow &window)
{
    window.show();
    if (!QTest::qWaitForWindowActive(&window))
        return nullptr;
    QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
    return window.findChild<CompareWindow *>();
}

template <typename T>
T *part(const QWidget *widget, const char *name)
{
    T *found = widget->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

void advance(CompareWindow *compare, int generations)
{
    part<QSpinBox>(compare, "advanceBox")->setValue(generations);
    QTest::mouseClick(part<QPushButton>(compare, "advanceButton"), Qt::LeftButton);
}

// vormis-run's CSV of the same colonies: the rules one after the other, as
// a sweep over --rule runs them.
QByteArray vormisRunCsv(QStringList arguments)
{
    QProcess process;
    process.start(QStringLiteral(VORMIS_RUN_BINARY), arguments << QStringLiteral("--csv") << QStringLiteral("-"));
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return "vormis-run failed: " + process.readAllStandardError();
    return process.readAllStandardOutput();
}

QByteArray csvOf(const CompareWindow *compare)
{
    return QByteArray::fromStdString(compare->csv());
}

} // namespace

class CompareTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // The maze, alpha 3, seed 7: after 50 generations both sides' rows are
    // vormis-run's, byte for byte, and the main window has not moved.
    void bothSidesRunAsVormisRunDoes()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        World maze;
        WorldFileError error;
        QVERIFY(readWorldFile(QStringLiteral(VORMIS_MAZE), maze, error));
        maze.alpha = 3;
        window.openWorld(maze, 7, QStringLiteral("maze.txt"));
        const std::uint32_t mainState = probe.colony().randomState();

        CompareWindow *compare = openCompareRules(window);
        QVERIFY(compare);
        QCOMPARE(compare->windowTitle(), QStringLiteral("Compare Rules \u2014 Vormis"));
        advance(compare, 30);
        advance(compare, 19);
        QCOMPARE(compare->generation(), 50);
        QCOMPARE(csvOf(compare), vormisRunCsv({"--world", VORMIS_MAZE, "--alpha", "3", "--seed", "7", "--rule",
                                               "vormis,as", "--generations", "50"}));

        const ComparisonChartData &chart = compare->findChild<CompareChart *>()->data();
        QCOMPARE(chart.optimum, 12);
        QCOMPARE(chart.colonies[1].name, QStringLiteral("Ant System"));
        QCOMPARE(chart.colonies[0].meanLength.size(), std::size_t(50));
        QCOMPARE(chart.colonies[1].bestSoFar.back(), 12);

        QCOMPARE(probe.generation(), 1);
        QCOMPARE(probe.colony().randomState(), mainState);
        QTest::keyClick(&window, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(window.findChildren<CompareWindow *>().size(), 1);
    }

    // Advance, Run, Reset and any change of settings move both sides at once.
    void bothSidesStayAtOneGeneration()
    {
        MainWindow window;
        CompareWindow *compare = openCompareRules(window);
        QVERIFY(compare);
        const auto *left = part<CompareSide>(compare, "leftSide");
        const auto *right = part<CompareSide>(compare, "rightSide");
        const auto same = [&](int generation) {
            return left->generation() == generation && right->generation() == generation;
        };
        QVERIFY(same(1));
        advance(compare, 7);
        QVERIFY(same(8));

        auto *run = part<QPushButton>(compare, "runButton");
        QTest::mouseClick(run, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(compare->generation() >= 29, 3000);
        QTest::mouseClick(run, Qt::LeftButton);
        const int stopped = compare->generation();
        QTest::qWait(600);
        QVERIFY(same(stopped));

        QTest::mouseClick(run, Qt::LeftButton);
        QTest::mouseClick(part<QPushButton>(compare, "resetButton"), Qt::LeftButton);
        QVERIFY(!run->isChecked());
        QTest::qWait(600);
        QVERIFY(same(1));

        advance(compare, 5);
        part<QSpinBox>(right, "alpha")->setValue(4);
        QVERIFY(same(1));
        QCOMPARE(right->world().alpha, 4);
        auto *rules = part<QComboBox>(left, "ruleBox");
        advance(compare, 5);
        rules->setCurrentIndex(rules->findData(static_cast<int>(Rule::AntColonySystem)));
        QVERIFY(same(1));
        QCOMPARE(left->world().rule, Rule::AntColonySystem);
        part<QDoubleSpinBox>(compare, "seedBox")->setValue(99);
        QCOMPARE(compare->csv().substr(compare->csv().find('\n') + 1, 5), std::string("1,99,"));
    }

    // Swap exchanges rules and colonies and keeps the generation; both go
    // on as vormis-run runs the rules in the other order.
    void swapExchangesTheRules()
    {
        MainWindow window;
        CompareWindow *compare = openCompareRules(window);
        QVERIFY(compare);
        advance(compare, 10);
        QTest::mouseClick(part<QPushButton>(compare, "swapButton"), Qt::LeftButton);
        QCOMPARE(compare->generation(), 11);
        QCOMPARE(part<CompareSide>(compare, "leftSide")->world().rule, Rule::AntSystem);
        QCOMPARE(part<CompareSide>(compare, "rightSide")->world().rule, Rule::Vormis);
        QCOMPARE(part<QComboBox>(part<CompareSide>(compare, "leftSide"), "ruleBox")->currentText(),
                 QStringLiteral("Ant System"));
        advance(compare, 1);
        const auto seed = QString::number(static_cast<quint32>(part<QDoubleSpinBox>(compare, "seedBox")->value()));
        QCOMPARE(csvOf(compare), vormisRunCsv({"--seed", seed, "--rule", "as,vormis", "--generations", "12"}));
    }
};

QTEST_MAIN(CompareTest)
#include "compare_test.moc"
