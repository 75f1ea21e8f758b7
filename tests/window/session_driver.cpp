// A short session of the program, started the way main() starts it: the
// window is shown and the event loop runs, while timers press its buttons one
// after another: "Advance " 30 times, "Example", "Start Animation" (the ants
// walk for a while), "Configure" with new values and Ok, the animation once
// more, and at last the window is closed, which ends the event loop.
//
// tools/valgrind-session.sh runs it under memcheck.  It prints each step and
// exits with 0 when the window showed what the script expected, 3 when not.
#include "antconfig.h"
#include "configdialog.h"
#include "mainwindow_probe.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Step
{
    int delay; // milliseconds after the step before
    const char *name;
    std::function<bool()> action; // false when the window disagreed
};

void press(QAbstractButton *button)
{
    QMetaObject::invokeMethod(button, "click", Qt::DirectConnection);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);

    // The session's geometry is saved in a folder of its own, not the user's.
    QTemporaryDir settings;
    if (!settings.isValid())
        return 2;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    MainWindow window;
    window.show();
    MainWindowProbe probe(window);

    std::vector<Step> steps;
    for (int i = 0; i < 30; ++i)
        steps.push_back({5, "Advance", [&, i] {
                             press(probe.advanceButton());
                             return probe.generationText() == QString::number(i + 2);
                         }});
    steps.push_back({5, "Example", [&] {
                         press(probe.exampleButton());
                         return probe.generationText() == QStringLiteral("1") && probe.colony().size() == 8;
                     }});
    steps.push_back({5, "Start Animation", [&] {
                         press(probe.startButton());
                         return probe.scene()->items().size() == probe.colony().antCount();
                     }});
    steps.push_back({700, "Configure", [&] {
                         press(probe.configureButton());
                         return probe.configDialog() && probe.configDialog()->isVisible();
                     }});
    steps.push_back({50, "Ok with new values", [&] {
                         AntConfig *page = probe.configDialog()->parametersPage;
                         page->worldSizeSpinBox->setValue(12);
                         page->antCountSpinBox->setValue(7);
                         page->foodXEdit->setText(QStringLiteral("11"));
                         page->foodYEdit->setText(QStringLiteral("5"));
                         page->homeXEdit->setText(QStringLiteral("0"));
                         page->homeYEdit->setText(QStringLiteral("3"));
                         page->alphaSpinBox->setValue(1);
                         page->betaSpinBox->setValue(2);
                         page->roSpinBox->setValue(0.3);
                         press(probe.configDialog()->findChild<QPushButton *>(QStringLiteral("okButton")));
                         return !probe.configDialog()->isVisible() && probe.worldSizeText() == QStringLiteral("12x12")
                             && probe.antsText() == QStringLiteral("7") && probe.scene()->items().isEmpty();
                     }});
    steps.push_back({5, "Start Animation", [&] {
                         press(probe.startButton());
                         return probe.scene()->items().size() == 7;
                     }});
    steps.push_back({300, "Quit", [&] { return window.close(); }});

    bool agreed = true;
    std::size_t next = 0;
    std::function<void()> runNext;
    runNext = [&] {
        const Step &step = steps[next];
        const bool ok = step.action();
        std::printf("%-20s %s\n", step.name, ok ? "ok" : "UNEXPECTED");
        agreed = agreed && ok;
        if (++next < steps.size())
            QTimer::singleShot(steps[next].delay, &window, runNext);
    };
    QTimer::singleShot(steps.front().delay, &window, runNext);

    const int status = application.exec();
    std::printf("event loop ended with %d after %zu of %zu steps\n", status, next, steps.size());
    return status == 0 && agreed && next == steps.size() ? 0 : 3;
}
