// Settings the program cannot use: a garbled, truncated or empty file, a
// folder where the file should be, a file where the folder should be, and
// settings it may read but not write.  In each the window starts, runs a
// generation and closes normally, without a crash or a warning, and the next
// start still works.  Each case has a settings folder of its own.
#include "mainwindow_probe.h"
#include "test_support.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <random>

#include <unistd.h>

namespace {

const QString kOrganisation = QStringLiteral("Vormis Project");
const QString kApplication = QStringLiteral("Vormis");

QString settingsFolder(const QTemporaryDir &root)
{
    return root.path() + QLatin1Char('/') + kOrganisation;
}

QString settingsFile(const QTemporaryDir &root)
{
    return settingsFolder(root) + QLatin1Char('/') + kApplication + QStringLiteral(".conf");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names in a folder, without "." and "..".
QStringList contents(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs the effective user as "nobody" while it lives, so that file
// permissions hold: root, which the tests run as on the build machines,
// writes through any mode bits, and a read-only file would not be read-only.
class Unprivileged
{
public:
    Unprivileged()
    {
        m_ok = setegid(65534) == 0 && seteuid(65534) == 0;
    }
    ~Unprivileged()
    {
        if (seteuid(0) != 0 || setegid(0) != 0)
            qFatal("cannot become root again");
    }
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
};

// Whatever a case ends with, its folder can be cleared away afterwards.
struct WritableAgain
{
    QString folder;
    ~WritableAgain()
    {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

enum class Broken { GarbageBytes, GarbageText, Truncated, Empty, FolderAsFile, FileAsFolder };
enum class ReadOnly { File, Folder, FolderAndFile };

} // namespace

Q_DECLARE_METATYPE(Broken)
Q_DECLARE_METATYPE(ReadOnly)

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    // The window's size when no geometry is saved (before it is shown).
    void initTestCase()
    {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        useTemporarySettings(empty);
        m_natural = MainWindow().size();
    }
    void init() { failOnUnexpectedWarnings(); }

    // Where the other cases put their files: the native format on Linux is
    // an INI file named after the organisation and the program.
    void savedGeometryLivesInTheProgramsFile()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        useTemporarySettings(root);
        QCOMPARE(QSettings(kOrganisation, kApplication).fileName(), settingsFile(root));
        const QByteArray saved = savedFile(root, QSize(900, 700));
        QVERIFY(saved.startsWith("[General]\ngeometry=@ByteArray("));
        QCOMPARE(contents(settingsFolder(root)), QStringList{kApplication + QStringLiteral(".conf")});
    }

    void unusableSettingsAreIgnored_data()
    {
        QTest::addColumn<Broken>("broken");
        QTest::newRow("garbage bytes") << Broken::GarbageBytes;
        QTest::newRow("garbage text") << Broken::GarbageText;
        QTest::newRow("truncated file") << Broken::Truncated;
        QTest::newRow("empty file") << Broken::Empty;
        QTest::newRow("folder in place of the file") << Broken::FolderAsFile;
        QTest::newRow("file in place of the folder") << Broken::FileAsFolder;
    }

    void unusableSettingsAreIgnored()
    {
        QFETCH(Broken, broken);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        useTemporarySettings(root);
        const QString file = settingsFile(root);
        const QString folder = settingsFolder(root);

        switch (broken) {
        case Broken::GarbageBytes: {
            std::mt19937 random(271828);
            QByteArray bytes(4096, '\0');
            for (char &byte : bytes)
                byte = static_cast<char>(random() & 0xff);
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(writeFile(file, bytes));
            break;
        }
        case Broken::GarbageText:
            // A value that claims to be a variant of a type without a name:
            // reading it, QSettings warns and yields nothing.  The warning is
            // the toolkit's, says only that the value was dropped, and cannot
            // be avoided by a program that reads its settings through
            // QSettings; the value itself is ignored like any other garbage.
            QTest::ignoreMessage(QtWarningMsg, "QVariant::load: unknown user type with name .");
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(writeFile(file, QByteArray("[General\ngeometry=@ByteArray(\\x1\\xd9\\xd0\n=\n[[]]]\n"
                                                "geometry=@Rect(1 2)\n\\\\\\\n%%%%\ngeometry\n"
                                                "[General]\ngeometry=@ByteArray(\\xff\\xff\\xff\\xff)\n"
                                                "geometry=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1\\0)\n")));
            break;
        case Broken::Truncated: {
            QTemporaryDir other;
            QVERIFY(other.isValid());
            useTemporarySettings(other);
            const QByteArray saved = savedFile(other, QSize(900, 700));
            useTemporarySettings(root);
            QVERIFY(saved.size() > 40);
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(writeFile(file, saved.left(saved.size() / 2)));
            break;
        }
        case Broken::Empty:
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(writeFile(file, QByteArray()));
            break;
        case Broken::FolderAsFile:
            QVERIFY(QDir().mkpath(file));
            break;
        case Broken::FileAsFolder:
            QVERIFY(writeFile(folder, QByteArray("not a folder")));
            break;
        }

        startStepAndClose(m_natural, QSize(900, 700));
        if (QTest::currentTestFailed())
            return;

        switch (broken) {
        case Broken::FolderAsFile:
            // Nothing could be saved; the folder is left as it was.
            QVERIFY(QFileInfo(file).isDir());
            QVERIFY(contents(file).isEmpty());
            startsWithSize(m_natural);
            break;
        case Broken::FileAsFolder:
            QCOMPARE(readFile(folder), QByteArray("not a folder"));
            startsWithSize(m_natural);
            break;
        default:
            // The unreadable file gave way to one that holds the geometry.
            startsWithSize(QSize(900, 700));
            break;
        }
    }

    void readOnlySettingsStayUntouched_data()
    {
        QTest::addColumn<ReadOnly>("readOnly");
        QTest::newRow("read-only file") << ReadOnly::File;
        QTest::newRow("read-only folder, no file") << ReadOnly::Folder;
        QTest::newRow("read-only folder and file") << ReadOnly::FolderAndFile;
    }

    void readOnlySettingsStayUntouched()
    {
        QFETCH(ReadOnly, readOnly);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        useTemporarySettings(root);
        const QString file = settingsFile(root);
        const QString folder = settingsFolder(root);

        QByteArray saved;
        if (readOnly == ReadOnly::Folder) {
            QVERIFY(QDir().mkpath(folder));
        } else {
            saved = savedFile(root, QSize(900, 700));
            QVERIFY(!saved.isEmpty());
            QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        }
        // Everyone may look into the folder; only in the first case may
        // everyone write to it as well.
        const QFileDevice::Permissions look = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        const QFileDevice::Permissions write = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        QVERIFY(QFile::setPermissions(folder, readOnly == ReadOnly::File ? look | write : look));
        const QStringList before = contents(folder);
        const WritableAgain writableAgain{folder};

        // Root writes whatever the mode bits say; the case is then run as an
        // unprivileged user, who can still reach the temporary folder.
        std::unique_ptr<Unprivileged> unprivileged;
        if (writable(readOnly == ReadOnly::Folder ? folder : file, readOnly == ReadOnly::Folder)) {
            QVERIFY(QFile::setPermissions(root.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                           | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                                           | QFileDevice::ExeOther));
            unprivileged = std::make_unique<Unprivileged>();
            if (!unprivileged->ok())
                QSKIP("Running as a user whom file modes do not bind, and unable to become another user: a "
                      "read-only settings file cannot be made here.");
            QVERIFY2(!writable(readOnly == ReadOnly::Folder ? folder : file, readOnly == ReadOnly::Folder),
                     "the settings are still writable");
            if (readOnly == ReadOnly::File)
                QVERIFY(writable(folder, true));
        }

        // What could be read is read.
        startStepAndClose(readOnly == ReadOnly::Folder ? m_natural : QSize(900, 700), QSize(1000, 760));
        if (QTest::currentTestFailed())
            return;
        // Nothing was written, not even a lock or a temporary file.  (A
        // window started again in this process would see the geometry that
        // could not be saved: QSettings keeps it in the process's cache.  The
        // next run of the program reads the file, which is as it was.)
        QCOMPARE(contents(folder), before);
        if (readOnly != ReadOnly::Folder)
            QCOMPARE(readFile(file), saved);
    }

private:
    // Whether the file (or a new file in the folder) can be opened for writing.
    static bool writable(const QString &path, bool folder)
    {
        if (!folder)
            return QFile(path).open(QIODevice::ReadWrite);
        QFile probe(path + QStringLiteral("/probe"));
        const bool ok = probe.open(QIODevice::WriteOnly);
        if (ok)
            probe.remove();
        return ok;
    }

    // The settings file a normal session at the given size leaves behind.
    static QByteArray savedFile(const QTemporaryDir &root, const QSize &size)
    {
        {
            MainWindow window;
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return QByteArray();
            window.resize(size);
            QApplication::processEvents();
            window.close();
        }
        return readFile(settingsFile(root));
    }

    // Starts the window, which must come up at the first size, runs a
    // generation and closes it at the second.
    static void startStepAndClose(const QSize &start, const QSize &size)
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QCOMPARE(window.size(), start);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(probe.generationText(), QStringLiteral("1"));
        QTest::mouseClick(probe.advanceButton(), Qt::LeftButton);
        QCOMPARE(probe.generationText(), QStringLiteral("2"));
        window.resize(size);
        QApplication::processEvents();
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
    }

    static void startsWithSize(const QSize &size)
    {
        MainWindow window;
        QCOMPARE(window.size(), size);
        QCOMPARE(MainWindowProbe(window).generationText(), QStringLiteral("1"));
    }

    QSize m_natural;
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
