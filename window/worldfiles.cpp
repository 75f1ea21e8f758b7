#include "worldfiles.h"

#include "windowoptions.h"
#include "windowsettings.h"
#include "worldfile.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QUndoStack>
#include <QWidget>

namespace {

constexpr int kRecentFiles = 8;
const QString kRecentKey = QStringLiteral("recentWorlds");
const QString kFolderKey = QStringLiteral("worldFolder");

// The one local file a drag carries, or nothing.
QString droppedFile(const QMimeData *data)
{
    if (!data || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return QString();
    return data->urls().constFirst().toLocalFile();
}

} // namespace

WorldFiles::WorldFiles(QWidget *window, std::function<World()> shownWorld, std::function<QImage()> picture)
    : QObject(window), m_window(window), m_shownWorld(std::move(shownWorld)), m_picture(std::move(picture))
{
    createActions();
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

void WorldFiles::createActions()
{
    m_openAction = new QAction(tr("&Open World\u2026"), this);
    m_openAction->setShortcut(QKeySequence::Open);
    m_openAction->setStatusTip(tr("Open a world file: its size, home, food and walls"));
    connect(m_openAction, &QAction::triggered, this, &WorldFiles::openWithDialog);

    m_recentMenu = new QMenu(tr("Open &Recent"), m_window);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &WorldFiles::fillRecentMenu);

    m_saveAction = new QAction(tr("&Save World"), this);
    m_saveAction->setShortcut(QKeySequence::Save);
    m_saveAction->setStatusTip(tr("Save the world to its file, or ask for one"));
    connect(m_saveAction, &QAction::triggered, this, &WorldFiles::save);

    m_saveAsAction = new QAction(tr("Save World &As\u2026"), this);
    m_saveAsAction->setShortcut(QKeySequence(tr("Ctrl+Shift+S")));
    m_saveAsAction->setStatusTip(tr("Save the world to a file of your choice"));
    connect(m_saveAsAction, &QAction::triggered, this, &WorldFiles::saveAs);

    m_exportAction = new QAction(tr("&Export Picture\u2026"), this);
    m_exportAction->setShortcut(QKeySequence(tr("Ctrl+E")));
    m_exportAction->setStatusTip(tr("Save the world as shown as a PNG picture"));
    connect(m_exportAction, &QAction::triggered, this, &WorldFiles::exportPicture);
    fillRecentMenu();
}

void WorldFiles::addActionsTo(QMenu *fileMenu)
{
    fileMenu->addAction(m_openAction);
    fileMenu->addMenu(m_recentMenu);
    fileMenu->addSeparator();
    fileMenu->addAction(m_saveAction);
    fileMenu->addAction(m_saveAsAction);
    fileMenu->addSeparator();
    fileMenu->addAction(m_exportAction);
}

void WorldFiles::setEdits(QUndoStack *edits)
{
    m_edits = edits;
}

void WorldFiles::setCurrentFile(const QString &path)
{
    m_currentFile = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    emit currentFileChanged();
}

QStringList WorldFiles::recentFiles() const
{
    return WindowSettings().value(kRecentKey).toStringList().mid(0, kRecentFiles);
}

bool WorldFiles::mayLeaveWorld()
{
    if (!m_edits || m_edits->isClean())
        return true;
    const auto answer = QMessageBox::warning(m_window, tr("Unsaved Edits"),
                                             tr("The world has edits that are not saved. Save them?"),
                                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                             QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return save();
    return answer == QMessageBox::Discard;
}

bool WorldFiles::open(const QString &path)
{
    World grid;
    WorldFileError fault;
    const QString name = QFileInfo(path).fileName();
    if (!readWorldFile(path, grid, fault)) {
        refuse(tr("Open World"), fault.text(name));
        return false;
    }
    const int largest = windowProfile().largestWorld;
    if (grid.size > largest) {
        refuse(tr("Open World"), tr("%1: a %2x%2 world; the window shows 3 to %3 cells a side, vormis-run "
                                    "takes larger worlds").arg(name).arg(grid.size).arg(largest));
        return false;
    }
    World world = m_shownWorld(); // the window's ants, factors and rule stay
    world.size = grid.size;
    world.home = grid.home;
    world.food = grid.food;
    world.obstacles = grid.obstacles;
    rememberFile(path);
    emit worldOpened(world, QFileInfo(path).absoluteFilePath());
    return true;
}

void WorldFiles::openWithDialog()
{
    if (!mayLeaveWorld())
        return;
    const QString path = QFileDialog::getOpenFileName(m_window, tr("Open World"), startFolder(),
                                                      tr("World files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        open(path);
}

// A world that came from a pipe or a device is saved to a file asked for.
bool WorldFiles::save()
{
    const QFileInfo file(m_currentFile);
    const bool askForFile = m_currentFile.isEmpty() || (file.exists() && !file.isFile());
    return askForFile ? saveAs() : saveTo(m_currentFile);
}

bool WorldFiles::saveAs()
{
    const QString path = QFileDialog::getSaveFileName(m_window, tr("Save World As"), suggestedName(QStringLiteral("txt")),
                                                      tr("World files (*.txt);;All files (*)"));
    return !path.isEmpty() && saveTo(path);
}

bool WorldFiles::saveTo(const QString &path)
{
    QString error;
    if (!writeFile(path, worldText(m_shownWorld()), error)) {
        refuse(tr("Save World"), error);
        return false;
    }
    if (m_edits)
        m_edits->setClean();
    setCurrentFile(path);
    rememberFile(path);
    return true;
}

void WorldFiles::exportPicture()
{
    const QString path = QFileDialog::getSaveFileName(m_window, tr("Export Picture"), suggestedName(QStringLiteral("png")),
                                                      tr("PNG pictures (*.png)"));
    if (!path.isEmpty())
        exportPictureTo(path);
}

bool WorldFiles::exportPictureTo(const QString &path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!m_picture().save(&buffer, "PNG"))
        error = tr("%1: the picture could not be made").arg(QFileInfo(path).fileName());
    if (error.isEmpty() && writeFile(path, png, error))
        return true;
    refuse(tr("Export Picture"), error);
    return false;
}

// Writes the whole file or nothing: an old file of that name stays as it was
// until the new one is complete.
bool WorldFiles::writeFile(const QString &path, const QByteArray &bytes, QString &error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = tr("%1: %2").arg(QFileInfo(path).fileName(), file.errorString());
    return false;
}

void WorldFiles::refuse(const QString &title, const QString &line) const
{
    QMessageBox::warning(m_window, title, line);
}

void WorldFiles::rememberFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList recent = recentFiles();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    WindowSettings settings;
    settings.setValue(kRecentKey, recent.mid(0, kRecentFiles));
    settings.setValue(kFolderKey, QFileInfo(absolute).absolutePath());
}

// "&1 maze.txt" for each recent world; a file that has gone is said so when
// chosen, and leaves the list.
void WorldFiles::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction *action = m_recentMenu->addAction(tr("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] {
            if (!mayLeaveWorld() || open(path))
                return;
            QStringList left = recentFiles();
            left.removeAll(path);
            WindowSettings().setValue(kRecentKey, left);
        });
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

QString WorldFiles::startFolder() const
{
    const QString last = WindowSettings().value(kFolderKey).toString();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : installedWorldsFolder();
}

// The opened file's name with another suffix, in the folder worlds come from.
QString WorldFiles::suggestedName(const QString &suffix) const
{
    if (!m_currentFile.isEmpty())
        return QFileInfo(m_currentFile).path() + QLatin1Char('/') + QFileInfo(m_currentFile).completeBaseName() +
               QLatin1Char('.') + suffix;
    return QDir(startFolder()).filePath(tr("world") + QLatin1Char('.') + suffix);
}

// Beside the program (an installation anywhere), then where it was built to
// be installed; the home folder when neither is there.
QString WorldFiles::installedWorldsFolder()
{
    const QStringList candidates{QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vormis/worlds"),
                                 QStringLiteral(VORMIS_WORLDS_DIR)};
    for (const QString &folder : candidates)
        if (QFileInfo(folder).isDir())
            return QDir(folder).canonicalPath();
    return QDir::homePath();
}

bool WorldFiles::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!droppedFile(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return false;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        if (mayLeaveWorld())
            open(path);
        return true;
    }
    return false;
}
