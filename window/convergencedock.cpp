#include "convergencedock.h"

#include "chartfiles.h"
#include "convergencechart.h"

#include <QLabel>
#include <QVBoxLayout>

ConvergenceDock::ConvergenceDock(QWidget *parent)
    : QDockWidget(tr("Convergence"), parent), m_chart(new ConvergenceChart), m_readout(new QLabel),
      m_files(new ChartFiles(
          m_chart, [this] { return m_chart->image(); }, [this] { return m_chart->csv(); }, tr("convergence")))
{
    setObjectName(QStringLiteral("convergenceDock"));
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wrapped, never wider than the chart, and two lines high at least, so
    // that the dock neither widens nor jumps as the mouse moves.
    m_readout->setWordWrap(true);
    m_readout->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    m_readout->setMinimumHeight(2 * m_readout->fontMetrics().lineSpacing() + 4);
    m_readout->setAccessibleName(tr("Values under the mouse"));
    connect(m_chart, &ConvergenceChart::readoutChanged, m_readout, &QLabel::setText);

    m_chart->addActions({m_files->saveImageAction(), m_files->saveCsvAction()});
    m_chart->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *layout = new QVBoxLayout;
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_readout);
    auto *contents = new QWidget;
    contents->setLayout(layout);
    setWidget(contents);
}

bool ConvergenceDock::saveImage(const QString &fileName, QString &error) const
{
    return ChartFiles::saveImage(fileName, m_chart->image(), error);
}

bool ConvergenceDock::saveCsv(const QString &fileName, QString &error) const
{
    return ChartFiles::saveText(fileName, m_chart->csv(), error);
}
