// The File menu's worlds: what is saved reopens and the runner reads alike,
// refused files leave the world alone, a dropped file opens, the exported
// picture is the world as shown, and unsaved edits are asked about.
#include "mainwindow_probe.h"
#include "options.h"
#include "test_support.h"
#include "worldfile.h"
#include "worldfiles.h"
#include "worldimage.h"

#include <QMessageBox>
#include <QMimeData>
#include <QUndoStack>

class FilesTest : public WindowTestCase
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_said; // the text of the last message box answered

    QString file(const char *name, const QByteArray &text = QByteArray())
    {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        QFile out(path);
        if (!text.isEmpty() && out.open(QIODevice::WriteOnly))
            out.write(text);
        return path;
    }
    int m_requests = 0;

    // Presses button on the message box that opens next; a request that no
    // box answered is forgotten at the next.
    void answerNextBox(QMessageBox::StandardButton button)
    {
        m_said = QStringLiteral("no message box");
        const int request = ++m_requests;
        QTimer::singleShot(0, this, [this, button, request] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (request == m_requests && box && box->button(button)) {
                m_said = box->text();
                box->button(button)->click();
            }
        });
    }

private slots:
    void savedWorldReopensAndTheRunnerReadsIt()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        World settings = World::startUp();
        settings.ants = 9;
        settings.alpha = 4;
        window.openWorld(settings, 1, QString());
        QVERIFY(probe.worldFiles()->open(QStringLiteral(VORMIS_MAZE)));
        const World maze = World::of(probe.colony());
        QCOMPARE(maze.size, 12);
        QCOMPARE(maze.ants, 9); // the window's own settings stay
        QCOMPARE(maze.alpha, 4);
        QCOMPARE(window.windowTitle(), QStringLiteral("maze.txt \u2014 Vormis"));

        const QString copy = file("copy.txt");
        QVERIFY(probe.worldFiles()->saveTo(copy));
        QCOMPARE(window.windowTitle(), QStringLiteral("copy.txt \u2014 Vormis"));
        QCOMPARE(probe.worldFiles()->recentFiles(), (QStringList{copy, QStringLiteral(VORMIS_MAZE)}));
        RunConfig config;
        QString message;
        QCOMPARE(parseCommandLine({QStringLiteral("vormis-run"), QStringLiteral("--world"), copy}, config, message),
                 ParseOutcome::Run);
        QCOMPARE(worldText(config.world), worldText(maze));
        QCOMPARE(shortestPathCells(config.world), shortestPathCells(maze));

        window.openWorld(World::startUp(), 1, QString());
        QVERIFY(probe.worldFiles()->open(copy));
        QCOMPARE(worldText(World::of(probe.colony())), worldText(maze));
    }

    void refusedFilesLeaveTheWorldAsItWas()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        const QByteArray before = worldText(World::of(probe.colony()));
        const QString bad[] = {file("missing.txt"), file("garbage.txt", "H.x\n...\n..F\n"),
                               file("large.txt", worldText(World::startUp(40))), m_folder.path()};
        for (const QString &path : bad) {
            answerNextBox(QMessageBox::Ok);
            QVERIFY(!probe.worldFiles()->open(path));
            QVERIFY2(!m_said.contains(QLatin1Char('\n')) && m_said.contains(QFileInfo(path).fileName()),
                     qPrintable(m_said));
            QCOMPARE(worldText(World::of(probe.colony())), before);
            QCOMPARE(window.windowTitle(), QStringLiteral("Vormis"));
        }
        QVERIFY(!probe.worldFiles()->recentFiles().contains(bad[1]));
    }

    void aDroppedWorldFileOpens()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        QMimeData twoFiles;
        twoFiles.setUrls({QUrl::fromLocalFile(QStringLiteral(VORMIS_MAZE)), QUrl::fromLocalFile(QStringLiteral(VORMIS_MAZE))});
        QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &twoFiles, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &refused);
        QVERIFY(!refused.isAccepted());

        QMimeData oneFile;
        oneFile.setUrls({QUrl::fromLocalFile(QStringLiteral(VORMIS_MAZE))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &oneFile, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &oneFile, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
        QCOMPARE(World::of(probe.colony()).size, 12);
    }

    void theExportedPictureIsTheWorldAsShown()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.pheromoneCheckBox()->setChecked(true);
        const QString png = file("world.png");
        QVERIFY(probe.worldFiles()->exportPictureTo(png));
        const QImage exported(png);
        QVERIFY(exported.width() >= 600 && exported.height() >= 600);
        QCOMPARE(exported, renderWorldImage(probe.view()->picture()).convertToFormat(exported.format()));
    }

    void unsavedEditsAreSavedDiscardedOrKeepTheWindowOpen()
    {
        MainWindow window;
        MainWindowProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString saved = file("saved.txt");
        window.openWorld(World::example(), 1, saved);
        answerNextBox(QMessageBox::Cancel);
        QVERIFY(window.close()); // nothing to ask about
        QCOMPARE(m_said, QStringLiteral("no message box"));

        window.show();
        const auto clickCell = [&probe](Cell cell) {
            const QPointF centre = cellCentre(cell.x, cell.y, 600 / World::of(probe.colony()).size);
            QTest::mouseClick(probe.view()->viewport(), Qt::LeftButton, {}, probe.view()->mapFromScene(centre));
        };
        clickCell({0, 7}); // a wall in the example's free bottom row
        answerNextBox(QMessageBox::Cancel);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible() && !QFile::exists(saved));
        answerNextBox(QMessageBox::Save);
        QVERIFY(window.close());
        QFile out(saved);
        QVERIFY(out.open(QIODevice::ReadOnly) && window.undoStack()->isClean());
        World walled = World::example();
        walled.setObstacle({0, 7});
        QCOMPARE(out.readAll(), worldText(walled));

        window.show();
        clickCell({0, 7});
        answerNextBox(QMessageBox::Discard);
        QVERIFY(window.close());
        QCOMPARE(m_said, QStringLiteral("The world has edits that are not saved. Save them?"));
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
