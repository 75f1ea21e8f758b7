#ifndef VORMIS_COMPAREWINDOW_H
#define VORMIS_COMPAREWINDOW_H

#include "world.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <string>

class ChartFiles;
class CompareChart;
class CompareSide;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

// "Compare Rules": two colonies on one world, both from one seed, each under
// a rule of its own, side by side with the buttons that step them between
// them and one chart of both underneath.  The colonies always stand at the
// same generation: Advance, Run and Reset step both, and a change to either
// side's settings or to the seed starts both afresh.
//
// Its parts carry object names for tests: "leftSide", "rightSide",
// "advanceButton", "advanceBox", "runButton", "resetButton", "swapButton",
// "seedBox".
class CompareWindow : public QWidget
{
    Q_OBJECT

public:
    // world: its size, home, food, walls, ants, alpha, beta and ro for both
    // sides; the window's own rule on the left, Ant System on the right.
    CompareWindow(const World &world, std::uint32_t seed, QWidget *parent = nullptr);

    int generation() const;
    // Both colonies' generations in vormis-run's CSV: the left as run 1,
    // the right as run 2.
    std::string csv() const;

public slots:
    void advance();
    void restart();
    void swapSides();

private:
    QLayout *createControls();
    void layOut(QLayout *controls);
    QPushButton *addButton(QLayout *layout, const QString &text, const char *name, const QString &description);
    void stopRunning();
    void showGeneration();

    CompareSide *m_left;
    CompareSide *m_right;
    CompareChart *m_chart;
    ChartFiles *m_files;
    QSpinBox *m_advanceBox = nullptr;
    QPushButton *m_runButton = nullptr;
    QDoubleSpinBox *m_seedBox = nullptr;
    QLabel *m_generationLabel = nullptr;
    QTimer m_runTimer;
    std::uint32_t m_seed = 0; // both colonies started from it
    int m_optimum;
};

#endif
