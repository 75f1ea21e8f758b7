#include "mainwindow.h"

#include "animationcleanup.h"
#include "ant.h"
#include "antworld.h"
#include "colony.h"
#include "comparewindow.h"
#include "world.h"
#include "worldpainter.h"
#include "configdialog.h"
#include "antconfig.h"
#include "convergencechart.h"
#include "convergencedock.h"
#include "rulepage.h"
#include "simulationmenu.h"
#include "sweep.h"
#include "viewzoom.h"
#include "worldeditor.h"
#include "worldfiles.h"
#include "worldimage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGraphicsItemAnimation>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QTimeLine>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

MainWindow::MainWindow()
{
    setAttribute(Qt::WA_QuitOnClose, true);
    cleanupHandler = std::make_unique<AnimationCleanup>();
    colony = std::make_unique<Colony>(worldSize, ants);

    createActions();
    createCentralWidget();
    createDock();
    createMenus();
    readSettings();
    startAfresh();

    setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
    setWindowTitle(tr("Vormis"));
}

MainWindow::~MainWindow() = default;

// The control panel on the left, the world on the right.
void MainWindow::createCentralWidget()
{
    createWorldView();
    createControlButtons();
    QGroupBox *statusBox = createStatusBox();
    QLabel *speedLabel = createSpeedSlider();
    createAdvanceSpinBox();
    createDisplayOptions();
    layOutCentralWidget(statusBox, speedLabel);
    describeControls();
    orderKeyboardFocus();
    zoom = new ViewZoom(view);
    editor = new WorldEditor(view, *colony, this);
    connect(editor, &WorldEditor::worldEdited, this, &MainWindow::showEditedWorld);
    worldFiles->setEdits(editor->undoStack());
    simulation = new SimulationMenu(advanceButton, startButton, stopButton, this);
}

// The convergence chart beside the world, hidden until asked for.
void MainWindow::createDock()
{
    convergence = new ConvergenceDock(this);
    addDockWidget(Qt::RightDockWidgetArea, convergence);
    convergence->hide();
    QAction *showChart = convergence->toggleViewAction();
    showChart->setText(tr("&Convergence Chart"));
    showChart->setShortcut(QKeySequence(tr("Ctrl+L")));
    showChart->setStatusTip(tr("Show the path lengths of the generations as a chart"));
}

void MainWindow::createWorldView()
{
    scene = std::make_unique<QGraphicsScene>();
    scene->setSceneRect(-5, -5, worldPixels + 10, worldPixels + 10);
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);

    view = new AntWorld(scene.get(), nullptr);
    view->setRenderHint(QPainter::Antialiasing);
    view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    view->setDragMode(QGraphicsView::ScrollHandDrag);
    // The world changes only when a slot pushes a new state, while ants move
    // every 20 ms: keep the painted world and repaint just the ants over it.
    view->setCacheMode(QGraphicsView::CacheBackground);
    view->setWorldSize(worldSize);
    view->setWorldPixels(worldPixels);
    view->setHomeCell(colony->homeX(), colony->homeY());
    view->setFoodCell(colony->foodX(), colony->foodY());
    // The whole scene, margin and frame included, always fits: no scroll
    // bars, and the last row and column are never cut off.
    const int side = static_cast<int>(scene->sceneRect().width()) + 2 * view->frameWidth();
    view->setMinimumSize(side, side);
    view->resize(side, side);
}

void MainWindow::createControlButtons()
{
    startButton = new QPushButton(QIcon(QStringLiteral(":/images/animation-start.png")), tr("Start Animation"));
    stopButton = new QPushButton(QIcon(QStringLiteral(":/images/animation-stop.png")), tr("Stop Animation"));
    advanceButton = new QPushButton(QIcon(QStringLiteral(":/images/animation-seek-forward.png")), tr("Advance "));
    configureButton = new QPushButton(QIcon(QStringLiteral(":/images/config-dialog.png")), tr("Configure"));
    exampleButton = new QPushButton(tr("Example"));

    connect(startButton, &QPushButton::clicked, this, &MainWindow::animateGeneration);
    connect(stopButton, &QPushButton::clicked, this, &MainWindow::removeGarbage);
    connect(configureButton, &QPushButton::clicked, this, &MainWindow::config);
    connect(advanceButton, &QPushButton::clicked, this, &MainWindow::nextGeneration);
    connect(exampleButton, &QPushButton::clicked, this, &MainWindow::setDefaults);
}

// The Status box: the generation, the ants, the best path's length and the
// world's size, each beside its name.
QGroupBox *MainWindow::createStatusBox()
{
    auto *statusBox = new QGroupBox(tr("Status"));
    auto *statusGrid = new QGridLayout;
    auto *generationName = new QLabel(tr("Generation: "));
    auto *antsName = new QLabel(tr("Ants: "));
    auto *stepsName = new QLabel(tr("Steps: "));
    auto *worldSizeName = new QLabel(tr("World Size: "));
    generationLabel = new QLabel(QStringLiteral("%1").arg(generation));
    antsLabel = new QLabel(QStringLiteral("%1").arg(ants));
    stepsLabel = new QLabel(QStringLiteral("%1").arg(bestLength));
    worldSizeLabel = new QLabel(QStringLiteral("%1x%2").arg(worldSize).arg(worldSize));

    statusGrid->addWidget(generationName, 0, 0);
    statusGrid->addWidget(generationLabel, 0, 1, Qt::AlignRight);
    statusGrid->addWidget(antsName, 1, 0);
    statusGrid->addWidget(antsLabel, 1, 1, Qt::AlignRight);
    statusGrid->addWidget(stepsName, 2, 0);
    statusGrid->addWidget(stepsLabel, 2, 1, Qt::AlignRight);
    statusGrid->addWidget(worldSizeName, 3, 0);
    statusGrid->addWidget(worldSizeLabel, 3, 1, Qt::AlignRight);
    statusBox->setLayout(statusGrid);
    return statusBox;
}

// The animation speed slider; returns the label that goes above it.
QLabel *MainWindow::createSpeedSlider()
{
    auto *speedLabel = new QLabel(tr("Animation Speed:"));
    speedSlider = new QSlider(Qt::Horizontal);
    speedSlider->setRange(0, 4);
    speedSlider->setValue(2);
    speedSlider->setMaximumWidth(200);
    speedSlider->setTickPosition(QSlider::TicksBelow);
    return speedLabel;
}

// How many generations one press of Advance runs.
void MainWindow::createAdvanceSpinBox()
{
    advanceSpinBox = new QSpinBox;
    advanceSpinBox->setRange(1, 30);
    advanceSpinBox->setAlignment(Qt::AlignRight);
    advanceSpinBox->setMaximumWidth(50);
}

// What the world shows besides the cells: the paths, the trails, the grid.
void MainWindow::createDisplayOptions()
{
    generationPathCheckBox = new QCheckBox(tr("Shortest path this gen."));
    bestPathCheckBox = new QCheckBox(tr("Shortest path so far"));
    bestPathCheckBox->setChecked(true);
    pheromoneCheckBox = new QCheckBox(tr("Show Pheromone Trails"));
    gridCheckBox = new QCheckBox(tr("Show Grid"));
    gridCheckBox->setChecked(true);
}

// The panel's controls in one column from top to bottom, beside the world.
void MainWindow::layOutCentralWidget(QGroupBox *statusBox, QLabel *speedLabel)
{
    auto *advanceRow = new QHBoxLayout;
    advanceRow->addWidget(advanceButton);
    advanceRow->addWidget(advanceSpinBox);

    auto *controls = new QVBoxLayout;
    controls->addWidget(startButton);
    controls->addLayout(advanceRow);
    controls->addWidget(stopButton);
    controls->addWidget(statusBox);
    controls->addWidget(speedLabel);
    controls->addWidget(speedSlider);
    controls->addWidget(generationPathCheckBox);
    controls->addWidget(bestPathCheckBox);
    controls->addWidget(pheromoneCheckBox);
    controls->addWidget(gridCheckBox);
    controls->addStretch(1);
    controls->addWidget(exampleButton);
    controls->addWidget(configureButton);

    auto *mainLayout = new QHBoxLayout;
    mainLayout->addLayout(controls);
    mainLayout->addWidget(view);

    auto *central = new QWidget;
    central->setLayout(mainLayout);
    setCentralWidget(central);
}

// The keyboard walks the panel from top to bottom, then the world.
void MainWindow::orderKeyboardFocus()
{
    QWidget *order[] = {startButton, advanceButton, advanceSpinBox, stopButton, speedSlider,
                        generationPathCheckBox, bestPathCheckBox, pheromoneCheckBox, gridCheckBox,
                        exampleButton, configureButton, view};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Names and descriptions for screen readers.
void MainWindow::describeControls()
{
    const auto describe = [](QWidget *widget, const QString &name, const QString &description) {
        widget->setAccessibleName(name);
        widget->setAccessibleDescription(description);
    };
    describe(startButton, tr("Start Animation"), tr("Replays the last generation with one walking ant per ant of the colony"));
    describe(stopButton, tr("Stop Animation"), tr("Removes the animated ants"));
    describe(advanceButton, tr("Advance"), tr("Runs as many generations as the number beside it asks for"));
    describe(advanceSpinBox, tr("Generations per advance"), tr("How many generations one press of Advance runs, 1 to 30"));
    describe(configureButton, tr("Configure"), tr("Opens the dialog for the world size, the ants, home, food and the colony's factors"));
    describe(exampleButton, tr("Example"), tr("Loads the example world: 8 by 8 cells with walls"));
    describe(speedSlider, tr("Animation speed"), tr("How fast the animated ants walk, from 0 (slowest) to 4"));
    describe(generationPathCheckBox, tr("Shortest path this generation"), tr("Draws the shortest path of the last generation in red from the next step on"));
    describe(bestPathCheckBox, tr("Shortest path so far"), tr("Draws the shortest path found since the last reset in black from the next step on"));
    describe(pheromoneCheckBox, tr("Show pheromone trails"), tr("Shades each cell by its pheromone from the next step on"));
    describe(gridCheckBox, tr("Show grid"), tr("Draws the cell grid from the next step on"));
    describe(generationLabel, tr("Generation"), tr("Generations run since the colony was last reset"));
    describe(antsLabel, tr("Ants"), tr("Number of ants in the colony"));
    describe(stepsLabel, tr("Steps"), tr("Length in cells of the best path so far; 32000 while none is known"));
    describe(worldSizeLabel, tr("World size"), tr("Cells along each side of the world"));
    view->setAccessibleName(tr("World"));
}

// What a sighted user sees in the world, for those who cannot see it.
void MainWindow::describeWorld()
{
    const QString best = bestLength < kNoPathYet ? tr("the best path so far is %1 cells long").arg(bestLength)
                                                 : tr("no path to the food has been found yet");
    const auto animated = scene->items().size();
    const QString animation = animated == 0 ? tr("No ants are animating.")
        : animated == 1                     ? tr("1 ant animating.")
                                            : tr("%1 ants animating.").arg(animated);
    view->setAccessibleDescription(tr("World of %1 by %1 cells, home at column %2 row %3, food at column %4 row %5. "
                                      "Generation %6; %7. %8")
                                       .arg(worldSize)
                                       .arg(colony->homeX())
                                       .arg(colony->homeY())
                                       .arg(colony->foodX())
                                       .arg(colony->foodY())
                                       .arg(generation)
                                       .arg(best, animation));
}

// Runs as many generations as the spin box asks for, keeps the shortest path
// of each and the best one so far, then hands the view the new state.
void MainWindow::nextGeneration()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    removeGarbage();

    for (int pass = 0; pass < advanceSpinBox->value(); ++pass) {
        colony->runGeneration();
        const GenerationResult &result = tracker.observe(*colony);
        convergence->chart()->addGeneration(result, tracker.best());
        generation = result.generation;
        generationLabel->setText(QStringLiteral("%1").arg(generation));
        if (result.improved) {
            bestLength = tracker.best();
            bestPath = cellPath(tracker.bestPath(), worldPixels / worldSize);
            stepsLabel->setText(QStringLiteral("%1").arg(bestLength));
        }
        view->setGenerationPath(generationPath(result));
    }

    view->setPheromoneTable(colony->pheromoneTable());
    view->setBestPath(bestPath);
    view->setShowBestPath(bestPathCheckBox->isChecked());
    view->setShowGenerationPath(generationPathCheckBox->isChecked());
    view->setShowPheromone(pheromoneCheckBox->isChecked());
    view->setShowGrid(gridCheckBox->isChecked());
    view->viewport()->update();
    scene->update(0, 0, worldPixels, worldPixels);
    describeWorld();

    QApplication::restoreOverrideCursor();
}

// The generation's shortest arrival; without one, just the first ant's home
// cell.  A colony without ants has no path to read.
QPainterPath MainWindow::generationPath(const GenerationResult &result) const
{
    if (colony->m_ants.empty())
        return QPainterPath();
    const int ant = std::max(result.shortestAnt, 0);
    const int length = std::max(result.shortest, 1);
    return cellPath(pathCells(colony->m_ants[static_cast<std::size_t>(ant)], length), worldPixels / worldSize);
}

void MainWindow::resetColony()
{
    colony->reset();
    startAfresh();
}

void MainWindow::setDefaults()
{
    // The example keeps the window's rule and seed until the dialog changes them.
    if (!worldFiles->mayLeaveWorld())
        return;
    simulation->stopRunning();
    World example = World::example();
    example.takeRuleOf(*colony);
    worldFiles->setCurrentFile(QString());
    exampleShown = true;
    loadWorld(example, fixedSeed);
}

void MainWindow::openWorld(const World &world, std::optional<std::uint32_t> seed, const QString &fileName)
{
    simulation->stopRunning();
    worldFiles->setCurrentFile(fileName);
    exampleShown = false;
    loadWorld(world, seed);
}

// Sets the colony up for the world, as "Example" does, then runs its first
// generation.
void MainWindow::loadWorld(const World &world, std::optional<std::uint32_t> seed)
{
    removeGarbage();
    world.applyTo(*colony);
    if (seed)
        colony->seedRandom(*seed);
    worldSize = world.size;
    ants = world.ants;
    view->setObstaclePath(obstacleOutline(world.obstacles, worldPixels / worldSize));
    startAfresh();
    showTitle();
}

// "maze.txt (Ant System) — Vormis": the world's file while it is shown, and
// a rule other than the window's own.
void MainWindow::showTitle()
{
    const bool ownRule = colony->rule() == Rule::Vormis;
    const QString rule = ownRule ? QString() : translatedRuleTitle(colony->rule());
    QString document = QFileInfo(worldFiles->currentFile()).fileName();
    if (!rule.isEmpty())
        document = document.isEmpty() ? rule : tr("%1 (%2)").arg(document, rule);
    QString title = document.isEmpty() ? tr("Vormis") : tr("%1 \u2014 Vormis").arg(document);
    if (shortestPathCells(World::of(*colony)) == 0)
        title = tr("%1 \u2014 food out of reach").arg(title);
    setWindowTitle(title);
}

QUndoStack *MainWindow::undoStack() const
{
    return editor->undoStack();
}

// The colony's world was edited while it runs: the view, the chart's
// shortest possible path and the title follow, and a best path that can no
// longer be walked is forgotten until the ants find another.
void MainWindow::showEditedWorld()
{
    if (tracker.dropBrokenBest(*colony)) {
        bestLength = kNoPathYet;
        bestPath = QPainterPath();
        view->setBestPath(bestPath);
    }
    const World world = World::of(*colony);
    view->setObstaclePath(obstacleOutline(world.obstacles, worldPixels / worldSize));
    convergence->chart()->worldEdited(world);
    showWorldCells();
    showStatus();
    showTitle();
    view->viewport()->update();
}

// A colony just reset: nothing found yet, one generation run at once.
void MainWindow::startAfresh()
{
    editor->forgetEdits();
    runSeed = colony->randomState();
    convergence->chart()->restart(World::of(*colony), runSeed);
    tracker.reset();
    generation = 0;
    bestLength = kNoPathYet;
    bestPath = QPainterPath(); // the old world's best path means nothing here
    advanceSpinBox->setValue(1);
    nextGeneration();
    showWorldCells();
    showStatus();
}

void MainWindow::showWorldCells()
{
    view->setWorldSize(worldSize);
    view->setHomeCell(colony->homeX(), colony->homeY());
    view->setFoodCell(colony->foodX(), colony->foodY());
}

void MainWindow::showStatus()
{
    describeWorld();
    generationLabel->setText(QStringLiteral("%1").arg(generation));
    antsLabel->setText(QStringLiteral("%1").arg(ants));
    stepsLabel->setText(QStringLiteral("%1").arg(bestLength));
    worldSizeLabel->setText(QStringLiteral("%1x%2").arg(worldSize).arg(worldSize));
}

void MainWindow::removeGarbage()
{
    cleanupHandler->clear();
    scene->clear();
    if (view)
        describeWorld();
}

// Replays the last generation: one ant per colony ant walks its recorded path
// from home, there and back for those that reached the food, all at the pace
// of animationTime per worldSize cells.
void MainWindow::animateGeneration()
{
    animationTime = 4000 / (speedSlider->value() + 1);
    removeGarbage();

    const int cell = worldPixels / worldSize;
    const QPointF home = cellCentre(colony->homeX(), colony->homeY(), cell);
    for (int i = 0; i < colony->antCount() && i < static_cast<int>(colony->m_ants.size()); ++i) {
        const AntState &state = colony->m_ants[static_cast<std::size_t>(i)];
        const QColor colour = state.atFood ? QColor(0, 255, 0, 255) : QColor(0, 0, 255, 255);
        auto *ant = new Ant(colour, cell / 4);
        ant->setPos(home);
        scene->addItem(ant);

        auto *animation = new QGraphicsItemAnimation;
        animation->setItem(ant);
        cleanupHandler->add(animation);

        // A walled-in ant ends with no recorded cell: it stays home for the
        // time of one cell.
        const int length = std::max(state.pathLength, 1);
        const int there = state.atFood ? 2 : 1;
        auto *timeLine = new QTimeLine(std::max(1, (animationTime / worldSize) * length * there));
        timeLine->setUpdateInterval(20);
        timeLine->setFrameRange(0, 100);
        cleanupHandler->add(timeLine);

        if (state.pathLength < 1) {
            animation->setPosAt(0.0, home);
        } else {
            const double total = length * (state.atFood ? 20.0 : 10.0);
            for (int k = 0; k < length; ++k) {
                const double t = 10.0 * k;
                const QPointF where = cellCentre(state.path[0][k], state.path[1][k], cell);
                animation->setPosAt(t / total, where);
                if (state.atFood)
                    animation->setPosAt((total - t) / total, where);
            }
        }
        animation->setTimeLine(timeLine);
        timeLine->start();
    }
    describeWorld();
}

void MainWindow::config()
{
    simulation->stopRunning();
    if (!configDialog) {
        configDialog = new ConfigDialog(this);
        configDialog->setModal(true);
        rulePage = new RulePage;
        configDialog->addPage(rulePage, QIcon(QStringLiteral(":/images/dialog-rule.png")), tr("Rule"));
        connect(configDialog, &QDialog::accepted, this, &MainWindow::setValues);
    }
    AntConfig *page = configDialog->parametersPage;
    page->homeXEdit->setText(QStringLiteral("%1").arg(colony->homeX()));
    page->homeYEdit->setText(QStringLiteral("%1").arg(colony->homeY()));
    page->foodXEdit->setText(QStringLiteral("%1").arg(colony->foodX()));
    page->foodYEdit->setText(QStringLiteral("%1").arg(colony->foodY()));
    page->alphaSpinBox->setValue(colony->alpha());
    page->worldSizeSpinBox->setValue(colony->size());
    page->antCountSpinBox->setValue(colony->antCount());
    page->betaSpinBox->setValue(colony->beta());
    page->roSpinBox->setValue(colony->ro());
    rulePage->showChoice(World::of(*colony), fixedSeed, runSeed);

    configDialog->show();
    configDialog->raise();
    configDialog->activateWindow();
}

// The dialog was accepted: the colony starts afresh with the pages' values;
// the colony moves home and food outside the new world back inside.  A world
// of the same size keeps its walls, but for those on the new home or food;
// the Example's walls go.
void MainWindow::setValues()
{
    removeGarbage();
    const World shown = World::of(*colony);
    World next = shown;
    next.obstacles.clear();
    configDialog->parametersPage->applyTo(next);
    rulePage->applyTo(next);
    fixedSeed = rulePage->fixedSeed();

    next.applyTo(*colony);
    next = World::of(*colony); // home and food where the colony put them
    if (!exampleShown)
        next.keepObstaclesOf(shown);
    worldFiles->setCurrentFile(QString());
    exampleShown = false;
    loadWorld(next, fixedSeed);
}

void MainWindow::createActions()
{
    exitAction = new QAction(tr("E&xit"), this);
    exitAction->setIcon(QIcon(QStringLiteral(":/images/application-exit.png")));
    exitAction->setShortcut(QKeySequence(tr("Ctrl+Q")));
    exitAction->setStatusTip(tr("Exit the application"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);

    configureAction = new QAction(tr("&Configure Vormis"), this);
    configureAction->setIcon(QIcon(QStringLiteral(":/images/config-dialog.png")));
    configureAction->setShortcut(QKeySequence(tr("Ctrl+P")));
    configureAction->setStatusTip(tr("Configure the application"));
    connect(configureAction, &QAction::triggered, this, &MainWindow::config);

    aboutAction = new QAction(tr("About Tab"), this);
    aboutAction->setIcon(QIcon(QStringLiteral(":/images/help.png")));
    aboutAction->setStatusTip(tr("Show the Application's About box"));
    connect(aboutAction, &QAction::triggered, this, &MainWindow::about);

    compareAction = new QAction(tr("Compare &Rules\u2026"), this);
    compareAction->setShortcut(QKeySequence(tr("Ctrl+K")));
    compareAction->setStatusTip(tr("Compare two rules side by side on this world, from the same seed"));
    connect(compareAction, &QAction::triggered, this, &MainWindow::compareRules);

    worldFiles = new WorldFiles(
        this, [this] { return World::of(*colony); }, [this] { return renderWorldImage(view->picture()); });
    connect(worldFiles, &WorldFiles::worldOpened, this,
            [this](const World &world, const QString &path) { openWorld(world, fixedSeed, path); });
    connect(worldFiles, &WorldFiles::currentFileChanged, this, &MainWindow::showTitle);

    aboutQtAction = new QAction(tr("About &Qt"), this);
    aboutQtAction->setStatusTip(tr("Show the Qt library's About box"));
    connect(aboutQtAction, &QAction::triggered, qApp, &QApplication::aboutQt);
}

void MainWindow::createMenus()
{
    fileMenu = menuBar()->addMenu(tr("&File"));
    worldFiles->addActionsTo(fileMenu);
    fileMenu->addSeparator();
    fileMenu->addAction(exitAction);

    editMenu = menuBar()->addMenu(tr("&Edit"));
    QAction *undo = undoStack()->createUndoAction(this, tr("&Undo"));
    undo->setShortcut(QKeySequence(tr("Ctrl+Z")));
    QAction *redo = undoStack()->createRedoAction(this, tr("&Redo"));
    redo->setShortcut(QKeySequence(tr("Ctrl+Shift+Z")));
    editMenu->addActions({undo, redo});

    viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->addAction(convergence->toggleViewAction());
    viewMenu->addSeparator();
    viewMenu->addActions(zoom->actions());
    viewMenu->addSeparator();
    viewMenu->addAction(compareAction);

    menuBar()->addMenu(simulation->menu());

    optionsMenu = menuBar()->addMenu(tr("&Options"));
    optionsMenu->addAction(configureAction);

    helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(aboutAction);
    helpMenu->addAction(aboutQtAction);
}

// A window of its own on this world and the seed this colony started from;
// it keeps them until it is closed.  This window stays as it is.
void MainWindow::compareRules()
{
    if (!compareWindow)
        compareWindow = new CompareWindow(World::of(*colony), runSeed, this);
    compareWindow->show();
    compareWindow->raise();
    compareWindow->activateWindow();
}

void MainWindow::about()
{
    QMessageBox::about(this, tr("About Vormis"),
                       tr("<h2>Vormis %1</h2>"
                          "<p>This is a front-end for libtrailnet.</p>"
                          "<p>Vormis shows ant-colony optimisation at work: a colony of ants "
                          "searches a grid world for a short path from home to food, and the "
                          "window shows the pheromone trails, each generation's shortest path "
                          "and the best path found so far.</p>"
                          "<p>Vormis is free software under the GNU General Public License, "
                          "version 3 or later. It runs on Qt %2.</p>")
                           .arg(QStringLiteral(VORMIS_VERSION), QString::fromLatin1(qVersion())));
}
