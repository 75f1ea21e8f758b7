#include "convergencechart.h"

#include "chartparts.h"
#include "sweep.h"
#include "tally.h"

#include <QMouseEvent>
#include <QPainter>

ConvergenceChart::ConvergenceChart(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAccessibleName(tr("Convergence chart"));
    setAccessibleDescription(tr("Path lengths and ants at the food per generation since the colony's start"));
}

// Beside the world, as tall as it is: a window with the chart still fits a
// 1280 x 900 projector.
QSize ConvergenceChart::sizeHint() const
{
    return QSize(460, 560);
}

QSize ConvergenceChart::minimumSizeHint() const
{
    return QSize(440, 360);
}

QString ConvergenceChart::settingsText(const World &world)
{
    const ParameterValues values = worldParameters(world);
    const auto value = [&values](Parameter p) { return values[static_cast<std::size_t>(p)].constFirst(); };
    QString rule = translatedRuleTitle(world.rule);
    for (int p = static_cast<int>(Parameter::Ants) + 1; p < kParameterCount; ++p) {
        const auto parameter = static_cast<Parameter>(p);
        if (ruleTakes(QLatin1String(ruleName(world.rule)), parameter))
            rule = tr("%1, %2 %3").arg(rule, QLatin1String(parameterName(parameter)), value(parameter));
    }
    return tr("%1, alpha %2, beta %3, ro %4").arg(rule).arg(world.alpha).arg(world.beta).arg(value(Parameter::Ro));
}

// The subtitle: "Ant Colony System, q0 0.9, xi 0.1, alpha 2, beta 1, ro 0.1;
// 10x10, 5 ants; seed 7".
void ConvergenceChart::restart(const World &world, std::uint32_t seed)
{
    m_data = ChartData();
    m_subtitle = tr("%1; %2x%2, %3 ants; seed %4").arg(settingsText(world)).arg(world.size).arg(world.ants).arg(seed);
    fitSubtitle();
    m_data.optimum = shortestPathCells(world);
    m_rows.clear();
    m_ants = world.ants;
    m_seed = seed;
    m_pointed = 0;
    emit readoutChanged(readout(0));
    update();
}

// A subtitle wider than the chart ends in an ellipsis rather than being cut
// at both ends.
void ConvergenceChart::fitSubtitle()
{
    const QFontMetrics metrics(chart::font(13));
    m_data.subtitle = metrics.elidedText(m_subtitle, Qt::ElideRight, width() - 16);
}

void ConvergenceChart::resizeEvent(QResizeEvent *)
{
    fitSubtitle();
}

void ConvergenceChart::worldEdited(const World &world)
{
    m_data.optimum = shortestPathCells(world);
    update();
}

void ConvergenceChart::addGeneration(const GenerationResult &result, int best)
{
    m_rows.push_back({1, m_seed, result, best});
    m_data.generationBest.push_back(result.shortest);
    m_data.bestSoFar.push_back(best);
    m_data.meanLength.push_back(result.antsAtFood > 0 ? static_cast<double>(result.lengthSum) / result.antsAtFood : -1.0);
    m_data.shareAtFood.push_back(m_ants > 0 ? static_cast<double>(result.antsAtFood) / m_ants : 0.0);
    m_data.optimumByGeneration.push_back(m_data.optimum);
    if (m_pointed == static_cast<int>(m_rows.size()))
        emit readoutChanged(readout(m_pointed));
    update();
}

QImage ConvergenceChart::image() const
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    paintChart(painter, image.rect(), m_data);
    return image;
}

std::string ConvergenceChart::csv() const
{
    std::string text = measurementColumns() + '\n';
    for (const GenerationRow &row : m_rows)
        appendCsvRow(text, row, std::string());
    return text;
}

QString ConvergenceChart::readout(int generation) const
{
    if (generation < 1 || generation > static_cast<int>(m_rows.size()))
        return tr("Point at the chart to read a generation; right-click to save it.");
    const GenerationRow &row = m_rows[static_cast<std::size_t>(generation - 1)];
    const GenerationResult &g = row.generation;
    const QString none = tr("none");
    std::string mean;
    appendHundredths(mean, g.lengthSum, g.antsAtFood);
    return tr("Generation %1: shortest %2, mean %3, best so far %4; %5 of %6 ants at the food")
        .arg(g.generation)
        .arg(g.shortest > 0 ? QString::number(g.shortest) : none, g.antsAtFood > 0 ? QString::fromStdString(mean) : none,
             row.best > 0 ? QString::number(row.best) : none)
        .arg(g.antsAtFood)
        .arg(m_ants);
}

void ConvergenceChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter, rect(), m_data);
}

void ConvergenceChart::mouseMoveEvent(QMouseEvent *event)
{
    point(chartGenerationAt(m_data, rect(), event->position()));
}

void ConvergenceChart::leaveEvent(QEvent *)
{
    point(0);
}

void ConvergenceChart::point(int generation)
{
    if (generation == m_pointed)
        return;
    m_pointed = generation;
    emit readoutChanged(readout(generation));
}
