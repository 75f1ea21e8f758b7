#include "convergencedock.h"

#include "convergencechart.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSaveFile>
#include <QVBoxLayout>

ConvergenceDock::ConvergenceDock(QWidget *parent)
    : QDockWidget(tr("Convergence"), parent), m_chart(new ConvergenceChart), m_readout(new QLabel),
      m_folder(QDir::homePath())
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

    auto *saveImageAction = new QAction(tr("Save Chart as PNG\u2026"), m_chart);
    connect(saveImageAction, &QAction::triggered, this, &ConvergenceDock::askToSaveImage);
    auto *saveCsvAction = new QAction(tr("Save Data as CSV\u2026"), m_chart);
    connect(saveCsvAction, &QAction::triggered, this, &ConvergenceDock::askToSaveCsv);
    m_chart->addActions({saveImageAction, saveCsvAction});
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
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !m_chart->image().save(&file, "PNG") || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool ConvergenceDock::saveCsv(const QString &fileName, QString &error) const
{
    const std::string text = m_chart->csv();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0
        || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

void ConvergenceDock::askToSaveImage()
{
    const QString fileName = askForFile(tr("Save Chart"), tr("convergence.png"), tr("PNG pictures (*.png)"));
    QString error;
    if (!fileName.isEmpty() && !saveImage(fileName, error))
        QMessageBox::warning(this, tr("Save Chart"), tr("The chart could not be saved as %1: %2").arg(fileName, error));
}

void ConvergenceDock::askToSaveCsv()
{
    const QString fileName = askForFile(tr("Save Data"), tr("convergence.csv"), tr("CSV files (*.csv)"));
    QString error;
    if (!fileName.isEmpty() && !saveCsv(fileName, error))
        QMessageBox::warning(this, tr("Save Data"), tr("The data could not be saved as %1: %2").arg(fileName, error));
}

// The file to write, in the folder of the last one; empty when the user
// cancelled.
QString ConvergenceDock::askForFile(const QString &title, const QString &name, const QString &filter)
{
    const QString fileName = QFileDialog::getSaveFileName(this, title, QDir(m_folder).filePath(name), filter);
    if (!fileName.isEmpty())
        m_folder = QFileInfo(fileName).absolutePath();
    return fileName;
}
