#include "comparechart.h"

#include "chartparts.h"

#include <QPainter>

CompareChart::CompareChart(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(tr("Comparison chart"));
    setAccessibleDescription(tr("Both colonies' best path so far and mean path at the food per generation"));
}

// As wide as the two worlds, and tall enough for a plot under the legend.
QSize CompareChart::sizeHint() const
{
    return QSize(1000, 280);
}

QSize CompareChart::minimumSizeHint() const
{
    return QSize(440, 220);
}

void CompareChart::setData(const ComparisonChartData &data)
{
    m_data = data;
    m_subtitle = data.subtitle;
    fitSubtitle();
    update();
}

// A subtitle wider than the chart ends in an ellipsis.
void CompareChart::fitSubtitle()
{
    m_data.subtitle = QFontMetrics(chart::font(13)).elidedText(m_subtitle, Qt::ElideRight, width() - 16);
}

void CompareChart::resizeEvent(QResizeEvent *)
{
    fitSubtitle();
}

QImage CompareChart::image() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paintComparisonChart(painter, image.rect(), m_data);
    return image;
}

void CompareChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintComparisonChart(painter, rect(), m_data);
}
