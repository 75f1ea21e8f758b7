#ifndef VORMIS_WORLDFILES_H
#define VORMIS_WORLDFILES_H

#include "world.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QAction;
class QMenu;
class QUndoStack;
class QWidget;

// The window's world files: Open World, Open Recent, Save World, Save World
// As and Export Picture, and a world file dropped on the window.  The files
// are vormis-run's world files, read and written by the options library.
// A world read from a file keeps the window's ants, factors and rule; only
// its size, home, food and walls come from the file.
class WorldFiles : public QObject
{
    Q_OBJECT

public:
    // shownWorld is the world as the window shows it now, picture the image
    // Export Picture writes.
    WorldFiles(QWidget *window, std::function<World()> shownWorld, std::function<QImage()> picture);

    // The actions, in the order they go into the File menu above Exit.
    void addActionsTo(QMenu *fileMenu);
    // The edits whose clean state tells whether the world is saved.
    void setEdits(QUndoStack *edits);
    // The world shown now came from path, or was last saved there; empty
    // when it came from no file.
    void setCurrentFile(const QString &path);
    QString currentFile() const { return m_currentFile; }
    QStringList recentFiles() const;

    // Asks to save unsaved edits first: true when the world may be left.
    bool mayLeaveWorld();
    // Reads the world file at path and opens it, or says in one line why not.
    bool open(const QString &path);
    bool saveTo(const QString &path);
    // A PNG of the world as shown, as the runner paints it.
    bool exportPictureTo(const QString &path);

    // Where Open World starts the first time: the installed example worlds.
    static QString installedWorldsFolder();

signals:
    // A world read from path, for the window to open (and name by path).
    void worldOpened(const World &world, const QString &path);
    void currentFileChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void openWithDialog();
    bool save();
    bool saveAs();
    void exportPicture();
    void fillRecentMenu();

private:
    void createActions();
    void rememberFile(const QString &path);
    QString startFolder() const;
    QString suggestedName(const QString &suffix) const;
    bool writeFile(const QString &path, const QByteArray &bytes, QString &error) const;
    void refuse(const QString &title, const QString &line) const;

    QWidget *m_window;
    std::function<World()> m_shownWorld;
    std::function<QImage()> m_picture;
    QPointer<QUndoStack> m_edits;
    QString m_currentFile;
    QAction *m_openAction = nullptr;
    QMenu *m_recentMenu = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_exportAction = nullptr;
};

#endif
