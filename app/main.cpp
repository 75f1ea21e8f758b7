#include "exitstatus.h"
#include "language.h"
#include "mainwindow.h"
#include "windowoptions.h"

#include <QApplication>
#include <QLocale>

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

// The options QGuiApplication and QApplication take out of the command line
// themselves (X11's among them); only these wait for the application object.
bool isQtOption(const QString &name)
{
    static const QStringList names = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry",
        "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "reverse", "session", "style",
        "stylesheet", "widgetcount", "display", "name", "nograb", "dograb", "sync", "visual", "ncols", "cmap"};
    return names.contains(name);
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
        std::cerr << "vormis: " << oneLine(message).toStdString() << std::endl;
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
    // only Qt knows (-style, -platform, ...) wait for it: it takes them out,
    // and the command line is read again without them.  Otherwise it is read
    // once: a world file may be a pipe, which gives its text only once.
    if (asksForText(argc, argv)) {
        QCoreApplication core(argc, argv);
        return std::max(answer(parseWindowCommandLine(QCoreApplication::arguments(), windowProfile(), start, message), message), 0);
    }
    const ParseOutcome early = parseWindowCommandLine(argumentsOf(argc, argv), windowProfile(), start, message);
    const QStringList &unknown = start.unknownOptions;
    const auto notQts = std::find_if_not(unknown.begin(), unknown.end(), isQtOption);
    const bool qtOptions = early == ParseOutcome::Error && start.unknownOption && notQts == unknown.end();
    if (early == ParseOutcome::Error && notQts != unknown.end())
        message = unknownOptionMessage(*notQts);
    if (early != ParseOutcome::Run && !qtOptions)
        return std::max(answer(early, message), 0);

    QApplication application(argc, argv);
    if (qtOptions) {
        const int status = answer(parseWindowCommandLine(QCoreApplication::arguments(), windowProfile(), start, message), message);
        if (status >= 0)
            return status;
    }
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vormis.Vormis"));
    // The window in the user's language; the messages on the terminal above
    // stay English, as vormis-run's do.
    installTranslations(QLocale::system().uiLanguages());
    MainWindow window;
    if (start.given)
        window.openWorld(start.world, start.seed, start.worldFile);
    window.show();
    return application.exec();
}
