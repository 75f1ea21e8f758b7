#include "descriptors.h"
#include "interrupts.h"
#include "runner.h"

#include <QGuiApplication>

#include <csignal>

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform asks for the session's runtime folder, which the
// runner never uses; its warning about a missing XDG_RUNTIME_DIR would only
// clutter standard error, which is ours for errors and the summary.
void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (qtHandler)
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    guardStandardDescriptors();
    // A reader that went away gives EPIPE, which is reported in one line,
    // rather than SIGPIPE, which would end us without a word.
    std::signal(SIGPIPE, SIG_IGN);
    installInterruptHandlers();
    // The runner never opens a window; the offscreen platform gives the
    // pictures their fonts and images without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(messageHandler);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vormis-run"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORMIS_VERSION));
    return runCommandLine(QCoreApplication::arguments());
}
