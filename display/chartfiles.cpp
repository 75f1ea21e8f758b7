#include "chartfiles.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QSaveFile>
#include <QWidget>

#include <utility>

ChartFiles::ChartFiles(QWidget *chart, std::function<QImage()> image, std::function<std::string()> csv,
                       const QString &baseName)
    : QObject(chart), m_chart(chart), m_image(std::move(image)), m_csv(std::move(csv)), m_baseName(baseName),
      m_saveImage(new QAction(tr("Save Chart as PNG\u2026"), chart)),
      m_saveCsv(new QAction(tr("Save Data as CSV\u2026"), chart)), m_folder(QDir::homePath())
{
    connect(m_saveImage, &QAction::triggered, this, &ChartFiles::askToSaveImage);
    connect(m_saveCsv, &QAction::triggered, this, &ChartFiles::askToSaveCsv);
}

bool ChartFiles::saveImage(const QString &fileName, const QImage &image, QString &error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool ChartFiles::saveText(const QString &fileName, const std::string &text, QString &error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0
        || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

void ChartFiles::askToSaveImage()
{
    const QString fileName =
        askForFile(tr("Save Chart"), tr("%1.png").arg(m_baseName), tr("PNG pictures (*.png)"));
    QString error;
    if (!fileName.isEmpty() && !saveImage(fileName, m_image(), error))
        QMessageBox::warning(m_chart, tr("Save Chart"),
                             tr("The chart could not be saved as %1: %2").arg(fileName, error));
}

void ChartFiles::askToSaveCsv()
{
    const QString fileName = askForFile(tr("Save Data"), tr("%1.csv").arg(m_baseName), tr("CSV files (*.csv)"));
    QString error;
    if (!fileName.isEmpty() && !saveText(fileName, m_csv(), error))
        QMessageBox::warning(m_chart, tr("Save Data"),
                             tr("The data could not be saved as %1: %2").arg(fileName, error));
}

// The file to write, in the folder of the last one; empty when the user
// cancelled.
QString ChartFiles::askForFile(const QString &title, const QString &name, const QString &filter)
{
    const QString fileName = QFileDialog::getSaveFileName(m_chart, title, QDir(m_folder).filePath(name), filter);
    if (!fileName.isEmpty())
        m_folder = QFileInfo(fileName).absolutePath();
    return fileName;
}
