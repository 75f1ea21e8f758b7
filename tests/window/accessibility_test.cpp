// Every control can be found by a screen reader and reached and pressed from
// the keyboard; the world is described in words.
#include "antconfig.h"
#include "configdialog.h"
#include "mainwindow_probe.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

namespace {

QString accessible(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QString();
}

// The controls a user operates: buttons, spin boxes, sliders, lists, views.
QList<QWidget *> controlsOf(QWidget *top)
{
    QList<QWidget *> controls;
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(top) || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (qobject_cast<QAbstractSpinBox *>(widget->parentWidget()))
            continue; // a spin box's own text field speaks through the spin box
        if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QAbstractSpinBox *>(widget)
            || qobject_cast<QAbstractSlider *>(widget) || qobject_cast<QAbstractItemView *>(widget)
            || qobject_cast<QLineEdit *>(widget) || qobject_cast<QGraphicsView *>(widget))
            controls.append(widget);
    }
    return controls;
}

// The widgets the Tab key visits, starting from the given one, until it
// comes round again.
QList<QWidget *> tabCycle(QWidget *start)
{
    QList<QWidget *> visited;
    start->setFocus(Qt::TabFocusReason);
    QWidget *current = QApplication::focusWidget();
    for (int i = 0; i < 60 && current && !visited.contains(current); ++i) {
        visited.append(current);
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
    }
    return visited;
}

} // namespace

class AccessibilityTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void panelControlsHaveNamesAndDescriptions()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QList<QWidget *> controls = controlsOf(&window);
        QVERIFY(controls.size() >= 12);
        for (QWidget *control : controls) {
            const QString what = QString::fromLatin1(control->metaObject()->className());
            QVERIFY2(!accessible(control, QAccessible::Name).isEmpty(), qPrintable(what));
            QVERIFY2(!accessible(control, QAccessible::Description).isEmpty(), qPrintable(what + " " + control->accessibleName()));
        }
    }

    void tabWalksThePanelThenTheWorld()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QList<QWidget *> expected = {probe.startButton(), probe.advanceButton(), probe.advanceSpinBox(),
                                           probe.stopButton(), probe.speedSlider(), probe.generationPathCheckBox(),
                                           probe.bestPathCheckBox(), probe.pheromoneCheckBox(),
                                           probe.gridCheckBox(), probe.exampleButton(), probe.configureButton(),
                                           probe.view()};
        QCOMPARE(tabCycle(probe.startButton()), expected);
        for (QWidget *control : controlsOf(&window))
            QVERIFY(expected.contains(control));
    }

    void buttonsPressWithTheSpaceKey()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto press = [](QWidget *button) {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
        };
        press(probe.advanceButton());
        QCOMPARE(probe.generationText(), QStringLiteral("2"));
        press(probe.startButton());
        QCOMPARE(probe.scene()->items().size(), 5);
        QVERIFY(probe.view()->accessibleDescription().contains(QStringLiteral("5 ants animating")));
        press(probe.stopButton());
        QVERIFY(probe.scene()->items().isEmpty());
        press(probe.exampleButton());
        QCOMPARE(probe.worldSizeText(), QStringLiteral("8x8"));
        press(probe.configureButton());
        QVERIFY(probe.configDialog() && probe.configDialog()->isVisible());
        probe.configDialog()->reject();
    }

    void worldDescriptionFollowsEachStep()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        const QString start = probe.view()->accessibleDescription();
        QVERIFY(start.contains(QStringLiteral("World of 10 by 10 cells, home at column 0 row 0, food at column 9 row 9")));
        QVERIFY(start.contains(QStringLiteral("Generation 1")));
        QVERIFY(start.contains(QStringLiteral("No ants are animating")));
        probe.nextGeneration();
        QVERIFY(probe.view()->accessibleDescription().contains(QStringLiteral("Generation 2")));
        if (probe.bestLength() < kNoPathYet)
            QVERIFY(probe.view()->accessibleDescription().contains(QStringLiteral("best path so far is %1 cells").arg(probe.bestLength())));
        probe.setDefaults();
        QVERIFY(probe.view()->accessibleDescription().contains(QStringLiteral("World of 8 by 8 cells, home at column 0 row 4, food at column 7 row 4")));
    }

    void dialogControlsHaveNamesAndAreReachable()
    {
        ConfigDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QList<QWidget *> controls = controlsOf(&dialog);
        QVERIFY(controls.size() >= 14);
        for (QWidget *control : controls) {
            QVERIFY2(!accessible(control, QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!accessible(control, QAccessible::Description).isEmpty(), qPrintable(control->accessibleName()));
        }
        QCOMPARE(accessible(dialog.parametersPage->foodXEdit, QAccessible::Name), QStringLiteral("Food location (X)"));
        const QList<QWidget *> cycle = tabCycle(dialog.parametersPage->worldSizeSpinBox);
        for (QWidget *control : controls)
            QVERIFY2(cycle.contains(control), qPrintable(control->accessibleName()));
        dialog.reject();
    }

};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
