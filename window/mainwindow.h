#ifndef VORMIS_MAINWINDOW_H
#define VORMIS_MAINWINDOW_H

#include "generationtracker.h"

#include <QMainWindow>
#include <QPainterPath>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>

class AnimationCleanup;
class AntWorld;
class Colony;
class CompareWindow;
class ConfigDialog;
class ConvergenceDock;
class RulePage;
class SimulationMenu;
class ViewZoom;
class WorldEditor;
class WorldFiles;
class QAction;
class QCheckBox;
class QCloseEvent;
class QGraphicsScene;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QSpinBox;
class QUndoStack;

// The program's window and the controller of the simulation: it owns the
// colony, the scene with the animated ants, the world view and the control
// panel, steps generations and keeps the Status box in step with the colony.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // Opens the window on a prepared world at its first generation, as
    // "Example" opens its own; a seed, when given, seeds the colony first.
    // fileName names the world in the title until another world is loaded,
    // and is where Save World writes it.
    void openWorld(const World &world, std::optional<std::uint32_t> seed, const QString &fileName);

    // The edits of the world shown since it was loaded; clean when it has
    // none left.  A new world, the Example or a reset empties it.
    QUndoStack *undoStack() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void removeGarbage();
    void animateGeneration();
    void nextGeneration();
    void resetColony();
    void config();
    void setValues();
    void setDefaults();
    void about();
    void compareRules();
    void showEditedWorld();

private:
    void createActions();
    void createMenus();
    void createDock();
    void createCentralWidget();
    void createWorldView();
    void createControlButtons();
    QGroupBox *createStatusBox();
    QLabel *createSpeedSlider();
    void createAdvanceSpinBox();
    void createDisplayOptions();
    void layOutCentralWidget(QGroupBox *statusBox, QLabel *speedLabel);
    void orderKeyboardFocus();
    void readSettings();
    void writeSettings();
    QPainterPath generationPath(const GenerationResult &result) const;
    void loadWorld(const World &world, std::optional<std::uint32_t> seed = std::nullopt);
    void startAfresh();
    void showTitle();
    void showStatus();
    void describeControls();
    void describeWorld();
    void showWorldCells();

    QPushButton *startButton = nullptr;
    QPushButton *stopButton = nullptr;
    QPushButton *configureButton = nullptr;
    QPushButton *advanceButton = nullptr;
    QPushButton *exampleButton = nullptr;
    QLabel *generationLabel = nullptr;
    QLabel *antsLabel = nullptr;
    QLabel *stepsLabel = nullptr;
    QLabel *worldSizeLabel = nullptr;
    QSlider *speedSlider = nullptr;
    QSpinBox *advanceSpinBox = nullptr;
    QCheckBox *generationPathCheckBox = nullptr;
    QCheckBox *bestPathCheckBox = nullptr;
    QCheckBox *pheromoneCheckBox = nullptr;
    QCheckBox *gridCheckBox = nullptr;

    QMenu *fileMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *viewMenu = nullptr;
    QMenu *optionsMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QAction *exitAction = nullptr;
    QAction *configureAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *aboutQtAction = nullptr;
    QAction *compareAction = nullptr;
    QPointer<CompareWindow> compareWindow; // while it is open
    WorldFiles *worldFiles = nullptr;

    ConfigDialog *configDialog = nullptr;
    RulePage *rulePage = nullptr; // the dialog's second page
    ConvergenceDock *convergence = nullptr;
    ViewZoom *zoom = nullptr;
    WorldEditor *editor = nullptr;
    SimulationMenu *simulation = nullptr;
    std::unique_ptr<QGraphicsScene> scene;
    QPainterPath bestPath;
    AntWorld *view = nullptr;
    std::unique_ptr<Colony> colony;
    GenerationTracker tracker; // the shortest paths of the colony's generations
    bool exampleShown = false; // the dialog clears the Example's walls
    std::optional<std::uint32_t> fixedSeed; // the seed every start takes, if the user chose one
    std::uint32_t runSeed = 0;              // the generator's state when the colony last started
    int bestLength = kNoPathYet;
    int generation = 0;
    int ants = 5;
    int worldPixels = 600;
    int worldSize = 10;
    int animationTime = 2000;
    // Declared last so it goes first: the animations and time lines are
    // deleted before the scene deletes the ants they drive.
    std::unique_ptr<AnimationCleanup> cleanupHandler;

    friend class MainWindowProbe; // the tests' view of the window's state
};

#endif
