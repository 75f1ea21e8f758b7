#ifndef VORMIS_CONVERGENCECHART_H
#define VORMIS_CONVERGENCECHART_H

#include "charts.h"
#include "generationcsv.h"
#include "world.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

// The live chart of the colony since its last start, painted as vormis-run
// paints the chart of a run: each generation's shortest path, the mean path
// of the ants at the food, the best so far and the shortest possible path,
// with the share of the ants at the food on an axis of its own.  Pointing at
// it reads out the generation under the mouse.
class ConvergenceChart : public QWidget
{
    Q_OBJECT

public:
    explicit ConvergenceChart(QWidget *parent = nullptr);

    // Forgets the generations: the colony has just started on the world,
    // its generator at seed.
    void restart(const World &world, std::uint32_t seed);
    // The world was edited while the colony ran: the shortest possible path
    // is worked out again, the generations stay.
    void worldEdited(const World &world);
    // After each generation, with the best length so far (0: none yet).
    void addGeneration(const GenerationResult &result, int best);

    // The rule with its own parameters, alpha, beta and ro: "Ant Colony
    // System, q0 0.9, xi 0.1, alpha 2, beta 1, ro 0.1".
    static QString settingsText(const World &world);

    const ChartData &data() const { return m_data; }
    const std::vector<GenerationRow> &rows() const { return m_rows; }
    // The chart as it is shown, at its size.
    QImage image() const;
    // The generations as vormis-run's CSV writes its first eight columns,
    // header included.
    std::string csv() const;
    // The values of a generation (from 1) in words; a hint for 0.
    QString readout(int generation) const;

signals:
    void readoutChanged(const QString &text);

protected:
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void point(int generation);
    void fitSubtitle();

    ChartData m_data;
    QString m_subtitle; // in full; the chart shows what fits
    std::vector<GenerationRow> m_rows;
    int m_ants = 0;
    std::uint32_t m_seed = 0;
    int m_pointed = 0; // the generation under the mouse; 0: none
};

#endif
