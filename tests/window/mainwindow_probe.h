#ifndef VORMIS_MAINWINDOW_PROBE_H
#define VORMIS_MAINWINDOW_PROBE_H

#include "animationcleanup.h"
#include "antworld.h"
#include "colony.h"
#include "convergencedock.h"
#include "mainwindow.h"
#include "rulepage.h"
#include "simulationmenu.h"
#include "viewzoom.h"

#include <QCheckBox>
#include <QGraphicsScene>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

// The tests' window onto a MainWindow's private state.
class MainWindowProbe
{
public:
    explicit MainWindowProbe(MainWindow &window) : w(window) {}

    Colony &colony() { return *w.colony; }
    AntWorld *view() { return w.view; }
    QGraphicsScene *scene() { return w.scene.get(); }
    AnimationCleanup *cleanupHandler() { return w.cleanupHandler.get(); }
    class ConfigDialog *configDialog() { return w.configDialog; }
    RulePage *rulePage() { return w.rulePage; }
    ConvergenceDock *convergence() { return w.convergence; }
    ViewZoom *zoom() { return w.zoom; }
    SimulationMenu *simulation() { return w.simulation; }
    QMenu *viewMenu() { return w.viewMenu; }
    class WorldFiles *worldFiles() { return w.worldFiles; }

    QString generationText() const { return w.generationLabel->text(); }
    QString antsText() const { return w.antsLabel->text(); }
    QString stepsText() const { return w.stepsLabel->text(); }
    QString worldSizeText() const { return w.worldSizeLabel->text(); }

    QPushButton *startButton() { return w.startButton; }
    QPushButton *stopButton() { return w.stopButton; }
    QPushButton *advanceButton() { return w.advanceButton; }
    QPushButton *exampleButton() { return w.exampleButton; }
    QPushButton *configureButton() { return w.configureButton; }
    QSpinBox *advanceSpinBox() { return w.advanceSpinBox; }
    QSlider *speedSlider() { return w.speedSlider; }
    QCheckBox *generationPathCheckBox() { return w.generationPathCheckBox; }
    QCheckBox *bestPathCheckBox() { return w.bestPathCheckBox; }
    QCheckBox *pheromoneCheckBox() { return w.pheromoneCheckBox; }
    QCheckBox *gridCheckBox() { return w.gridCheckBox; }
    QMenu *fileMenu() { return w.fileMenu; }
    QMenu *optionsMenu() { return w.optionsMenu; }
    QMenu *helpMenu() { return w.helpMenu; }

    int bestLength() const { return w.bestLength; }
    int generation() const { return w.generation; }
    int worldSize() const { return w.worldSize; }
    int animationTime() const { return w.animationTime; }
    QPainterPath bestPath() const { return w.bestPath; }

    // Changes the colony's world the way the dialog does, without the dialog.
    void loadWorld(int size, int ants, int homeX, int homeY, int foodX, int foodY)
    {
        w.worldSize = size;
        w.ants = ants;
        w.colony->setSize(size);
        w.colony->setAntCount(ants);
        w.colony->setFood(foodX, foodY);
        w.colony->setHome(homeX, homeY);
    }
    void resetColony() { w.resetColony(); }
    void nextGeneration() { w.nextGeneration(); }
    void setDefaults() { w.setDefaults(); }
    void animateGeneration() { w.animateGeneration(); }
    void removeGarbage() { w.removeGarbage(); }

private:
    MainWindow &w;
};

#endif
