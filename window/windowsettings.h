#ifndef VORMIS_WINDOWSETTINGS_H
#define VORMIS_WINDOWSETTINGS_H

#include <QSettings>

// The window's settings file: its geometry, the recent worlds and the folder
// they were last opened from.
class WindowSettings : public QSettings
{
public:
    WindowSettings() : QSettings(QStringLiteral("Vormis Project"), QStringLiteral("Vormis")) {}
};

#endif
