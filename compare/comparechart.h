#ifndef VORMIS_COMPARECHART_H
#define VORMIS_COMPARECHART_H

#include "charts.h"

#include <QImage>
#include <QWidget>

// The chart under the two sides: both colonies' best so far and mean path
// of the ants at the food, generation by generation, as
// paintComparisonChart() draws them.
class CompareChart : public QWidget
{
    Q_OBJECT

public:
    explicit CompareChart(QWidget *parent = nullptr);

    void setData(const ComparisonChartData &data);
    const ComparisonChartData &data() const { return m_data; }
    // The chart as it is shown, at its size.
    QImage image() const;

protected:
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitSubtitle();

    ComparisonChartData m_data;
    QString m_subtitle; // in full; the chart shows what fits
};

#endif
