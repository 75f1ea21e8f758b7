#include "mainwindow.h"

#include <QCloseEvent>
#include <QSettings>

namespace {

const char *const kOrganisation = "Vormis Project";
const char *const kApplication = "Vormis";

} // namespace

// A missing, unreadable or garbled geometry leaves the window as its
// constructor made it.
void MainWindow::readSettings()
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    restoreGeometry(settings.value(QStringLiteral("geometry"), QVariant()).toByteArray());
}

void MainWindow::writeSettings()
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
}

void MainWindow::closeEvent(QCloseEvent *)
{
    writeSettings();
}
