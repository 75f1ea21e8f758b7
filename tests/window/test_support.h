#ifndef VORMIS_WINDOW_TEST_SUPPORT_H
#define VORMIS_WINDOW_TEST_SUPPORT_H

#include "scripted_draws.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Keeps the user's real settings out of reach: every test program stores its
// settings in a fresh temporary folder.
inline void useTemporarySettings(QTemporaryDir &folder)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

// Any Qt warning fails the test, except the offscreen platform's note that it
// cannot pass size hints or raise windows on a window system it does not have.
inline void failOnUnexpectedWarnings()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
}

// What every window test shares: settings in a temporary folder of its own,
// and any unexpected Qt warning a failure.
class WindowTestCase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_settings.isValid());
        useTemporarySettings(m_settings);
    }
    void init() { failOnUnexpectedWarnings(); }

private:
    QTemporaryDir m_settings;
};

#endif
