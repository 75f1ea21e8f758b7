// The configuration dialog seen from the window: filled from the colony,
// applied on Ok, ignored on Cancel; and the menus, shortcuts and About box.
#include "antconfig.h"
#include "configdialog.h"
#include "mainwindow_probe.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

namespace {

// How many connections leave the object's accepted() signal, read from the
// toolkit's own account of its connections.
int acceptedConnections(QObject *object)
{
    static QStringList lines;
    lines.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) {
        lines += text.split(QLatin1Char('\n'));
    });
    object->dumpObjectInfo();
    qInstallMessageHandler(previous);
    int count = 0;
    bool inAccepted = false;
    for (const QString &line : std::as_const(lines)) {
        if (line.contains(QStringLiteral("signal:")))
            inAccepted = line.contains(QStringLiteral("accepted()"));
        else if (inAccepted && (line.contains(QStringLiteral("-->")) || line.contains(QStringLiteral("<functor"))))
            ++count;
        else if (line.contains(QStringLiteral("SIGNALS IN")))
            inAccepted = false;
    }
    return count;
}

} // namespace

class ExchangeTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings(QStringLiteral("Vormis Project"), QStringLiteral("Vormis")).clear(); }

    void dialogIsFilledFromTheColony()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
        ConfigDialog *dialog = probe.configDialog();
        QVERIFY(dialog && dialog->isVisible() && dialog->isModal());
        const AntConfig *page = dialog->parametersPage;
        QCOMPARE(page->worldSizeSpinBox->value(), 8);
        QCOMPARE(page->antCountSpinBox->value(), 4);
        QCOMPARE(page->foodXEdit->text(), QStringLiteral("7"));
        QCOMPARE(page->foodYEdit->text(), QStringLiteral("4"));
        QCOMPARE(page->homeXEdit->text(), QStringLiteral("0"));
        QCOMPARE(page->homeYEdit->text(), QStringLiteral("4"));
        QCOMPARE(page->alphaSpinBox->value(), 0);
        QCOMPARE(page->betaSpinBox->value(), 2);
        QCOMPARE(page->roSpinBox->value(), 0.2);
        dialog->reject();
    }

    void acceptingRebuildsTheColony()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        probe.advanceSpinBox()->setValue(7);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
        AntConfig *page = probe.configDialog()->parametersPage;
        page->worldSizeSpinBox->setValue(6);
        page->antCountSpinBox->setValue(9);
        page->foodXEdit->setText(QStringLiteral("25")); // outside: the last column
        page->foodYEdit->setText(QString());           // empty: 0
        page->homeXEdit->setText(QString());
        page->homeYEdit->setText(QStringLiteral("6"));  // outside: 0
        page->alphaSpinBox->setValue(3);
        page->betaSpinBox->setValue(4);
        page->roSpinBox->setValue(0.35);
        probe.configDialog()->accept();

        Colony &colony = probe.colony();
        QCOMPARE(colony.size(), 6);
        QCOMPARE(colony.antCount(), 9);
        QCOMPARE(colony.foodX(), 5);
        QCOMPARE(colony.foodY(), 0);
        QCOMPARE(colony.homeX(), 0);
        QCOMPARE(colony.homeY(), 0);
        QCOMPARE(colony.alpha(), 3);
        QCOMPARE(colony.beta(), 4);
        QCOMPARE(colony.ro(), 0.35);
        for (int x = 0; x < 6; ++x)
            for (int y = 0; y < 6; ++y)
                QVERIFY(!colony.isObstacle(x, y));
        QVERIFY(probe.view()->picture().obstaclePath.isEmpty());
        QCOMPARE(probe.generationText(), QStringLiteral("1"));
        QCOMPARE(probe.antsText(), QStringLiteral("9"));
        QCOMPARE(probe.worldSizeText(), QStringLiteral("6x6"));
        QCOMPARE(probe.advanceSpinBox()->value(), 1);
        QCOMPARE(probe.view()->worldSize(), 6);
        QCOMPARE(probe.view()->picture().foodX, 5);
        QCOMPARE(static_cast<int>(colony.m_ants.size()), 9);
    }

    void cancellingChangesNothing()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QTest::mouseClick(probe.exampleButton(), Qt::LeftButton);
        const QString steps = probe.stepsText();
        double **table = probe.colony().pheromoneTable();
        QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
        AntConfig *page = probe.configDialog()->parametersPage;
        page->worldSizeSpinBox->setValue(20);
        page->antCountSpinBox->setValue(1);
        page->foodXEdit->setText(QStringLiteral("3"));
        QTest::mouseClick(probe.configDialog()->findChild<QPushButton *>(QStringLiteral("cancelButton")), Qt::LeftButton);
        QVERIFY(!probe.configDialog()->isVisible());
        QCOMPARE(probe.colony().size(), 8);
        QCOMPARE(probe.colony().antCount(), 4);
        QCOMPARE(probe.colony().foodX(), 7);
        QCOMPARE(probe.colony().pheromoneTable(), table);
        QVERIFY(probe.colony().isObstacle(3, 3));
        QCOMPARE(probe.generationText(), QStringLiteral("1"));
        QCOMPARE(probe.stepsText(), steps);
        QCOMPARE(probe.worldSizeText(), QStringLiteral("8x8"));

        // Opened again, it shows the colony, not what was typed.
        QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
        QCOMPARE(page->worldSizeSpinBox->value(), 8);
        QCOMPARE(page->foodXEdit->text(), QStringLiteral("7"));
    }

    void dialogIsMadeOnceAndConnectedOnce()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
        ConfigDialog *first = probe.configDialog();
        first->reject();
        QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
        QCOMPARE(probe.configDialog(), first);
        QCOMPARE(acceptedConnections(first), 1);
        QSignalSpy accepted(first, &QDialog::accepted);
        probe.advanceSpinBox()->setValue(4);
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        first->accept();
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(probe.generationText(), QStringLiteral("1"));
    }

    void menusHoldTheirActions()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QStringList titles;
        for (QAction *menu : window.menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, QStringList({QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&View"),
                                      QStringLiteral("&Simulation"), QStringLiteral("&Options"), QStringLiteral("&Help")}));
        const auto texts = [](QMenu *menu) {
            QStringList list;
            for (QAction *action : menu->actions())
                list << (action->isSeparator() ? QStringLiteral("--") : action->text());
            return list;
        };
        const QStringList files{QStringLiteral("&Open World\u2026"), QStringLiteral("Open &Recent"), QStringLiteral("--"),
                                QStringLiteral("&Save World"), QStringLiteral("Save World &As\u2026"), QStringLiteral("--"),
                                QStringLiteral("&Export Picture\u2026")};
        QCOMPARE(texts(probe.fileMenu()), files + QStringList({QStringLiteral("--"), QStringLiteral("E&xit")}));
        QCOMPARE(texts(probe.optionsMenu()), QStringList({QStringLiteral("&Configure Vormis")}));
        QCOMPARE(texts(probe.helpMenu()), QStringList({QStringLiteral("About Tab"), QStringLiteral("About &Qt")}));
        QAction *exit = probe.fileMenu()->actions().last();
        QCOMPARE(exit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        QCOMPARE(exit->statusTip(), QStringLiteral("Exit the application"));
        QCOMPARE(probe.optionsMenu()->actions().first()->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    }

    void shortcutsConfigureAndQuit()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(probe.configDialog() && probe.configDialog()->isVisible());
        probe.configDialog()->reject();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window.isVisible());
        QSettings settings(QStringLiteral("Vormis Project"), QStringLiteral("Vormis"));
        QVERIFY(!settings.value(QStringLiteral("geometry")).toByteArray().isEmpty());
    }

    void aboutBoxNamesTheProgram()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QString title;
        QString text;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        });
        probe.helpMenu()->actions().first()->trigger();
        QCOMPARE(title, QStringLiteral("About Vormis"));
        QVERIFY(text.startsWith(QStringLiteral("<h2>Vormis 0.5.4</h2><p>This is a front-end for libtrailnet.</p><p>")));
        QCOMPARE(text.count(QStringLiteral("<p>")), 3);
        QVERIFY(text.contains(QString::fromLatin1(qVersion())));
    }

};

QTEST_MAIN(ExchangeTest)
#include "exchange_test.moc"
