#ifndef VORMIS_COMPARESIDE_H
#define VORMIS_COMPARESIDE_H

#include "charts.h"
#include "generationcsv.h"
#include "generationtracker.h"
#include "world.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AntWorld;
class Colony;
class QDoubleSpinBox;
class QSpinBox;
class RuleChoice;
class ViewZoom;

// One side of the comparison of two rules: the rule with its parameters,
// alpha, beta and ro above a view of the world that fits the room it gets,
// and the colony the view shows, with the rows of its generations as
// vormis-run writes them for the run numbered `run`.  The boxes carry object
// names for tests: the RuleChoice's, and "alpha", "beta" and "ro".
class CompareSide : public QWidget
{
    Q_OBJECT

public:
    CompareSide(const World &world, int run, const QString &viewName, QWidget *parent = nullptr);
    ~CompareSide() override;

    // Starts a colony afresh on the chosen settings, its generator at seed,
    // as vormis-run starts a run, and runs its first generation.
    void restart(std::uint32_t seed);
    // Runs one generation more; showState() shows it.
    void advance();
    void showState();
    // Exchanges settings, colonies and generations with the other side.
    void swapWith(CompareSide &other);

    int generation() const { return static_cast<int>(m_rows.size()); }
    const World &world() const { return m_world; } // as the colony runs it
    QString ruleTitle() const;
    // The best so far and the mean path at the food of every generation.
    ComparisonChartData::Colony series() const;
    // A line of vormis-run's CSV for every generation, setting columns
    // included.
    void appendCsv(std::string &csv) const;

signals:
    // The user changed the rule, a parameter, alpha, beta or ro.
    void choiceChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLayout *createFactorRow();
    void createView(const QString &name);
    void showChoice();

    World m_world;
    int m_run;
    std::uint32_t m_seed = 0;
    std::unique_ptr<Colony> m_colony;
    GenerationTracker m_tracker;
    std::vector<GenerationRow> m_rows;
    RuleChoice *m_choice;
    QSpinBox *m_alpha = nullptr;
    QSpinBox *m_beta = nullptr;
    QDoubleSpinBox *m_ro = nullptr;
    AntWorld *m_view = nullptr;
    ViewZoom *m_zoom = nullptr;
};

#endif
