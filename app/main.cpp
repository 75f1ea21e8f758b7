#include "exitstatus.h"
#include "mainwindow.h"
#include "windowoptions.h"

#include <QApplication>
#include <QFileInfo>

#include <algorithm>
#include <iostream>

namespace {

bool asksForText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        for (const char *name : {"-h", "--help", "-help", "--help-all", "-v", "--version", "-version"})
            if (argument == name)
                return true;
    }
    return false;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Prints the help, the version or the fault, and says what to exit with;
// -1 for a command line to run.
int answer(ParseOutcome outcome, const QString &message)
{
    switch (outcome) {
    case ParseOutcome::Help:
    case ParseOutcome::Version:
        std::cout << message.toStdString() << std::flush;
        return ExitSuccess;
    case ParseOutcome::Error:
        std::cerr << "vormis: " << message.toStdString() << std::endl;
        return ExitBadInput;
    case ParseOutcome::Run:
        break;
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("vormis"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORMIS_VERSION));
    WindowStart start;
    QString message;
    // Help, version and bad input need no display, so they are answered
    // before the window's application object, which needs one.  Options
    // only Qt knows (-style, -platform, ...) wait for it: it takes them out.
    if (asksForText(argc, argv)) {
        QCoreApplication core(argc, argv);
        return std::max(answer(parseWindowCommandLine(QCoreApplication::arguments(), windowProfile(), start, message), message), 0);
    }
    const ParseOutcome early = parseWindowCommandLine(argumentsOf(argc, argv), windowProfile(), start, message);
    if (early == ParseOutcome::Error && !start.unknownOption)
        return answer(early, message);

    QApplication application(argc, argv);
    const int status = answer(parseWindowCommandLine(QCoreApplication::arguments(), windowProfile(), start, message), message);
    if (status >= 0)
        return status;
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vormis.Vormis"));
    MainWindow window;
    if (start.given)
        window.openWorld(start.world, start.seed, QFileInfo(start.worldFile).fileName());
    window.show();
    return application.exec();
}
