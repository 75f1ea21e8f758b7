#include "mainwindow.h"

#include "windowsettings.h"
#include "worldfiles.h"

#include <QCloseEvent>

// A missing, unreadable or garbled geometry leaves the window as its
// constructor made it.
void MainWindow::readSettings()
{
    WindowSettings settings;
    restoreGeometry(settings.value(QStringLiteral("geometry"), QVariant()).toByteArray());
}

void MainWindow::writeSettings()
{
    WindowSettings settings;
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
}

// Unsaved edits are saved, discarded or keep the window open, as the user says.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!worldFiles->mayLeaveWorld()) {
        event->ignore();
        return;
    }
    writeSettings();
}
