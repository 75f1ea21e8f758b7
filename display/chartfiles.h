#ifndef VORMIS_CHARTFILES_H
#define VORMIS_CHARTFILES_H

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QAction;
class QImage;
class QWidget;

// Saves what a chart shows: "Save Chart as PNG…" and "Save Data as CSV…".
// Each action asks for a file, in the folder of the last one, and says why
// a file could not be written; a file is written whole or not at all.
class ChartFiles : public QObject
{
    Q_OBJECT

public:
    // image and csv give what to save when the user asks; baseName names the
    // files offered ("convergence": convergence.png and convergence.csv).
    ChartFiles(QWidget *chart, std::function<QImage()> image, std::function<std::string()> csv,
               const QString &baseName);

    QAction *saveImageAction() const { return m_saveImage; }
    QAction *saveCsvAction() const { return m_saveCsv; }

    // Each writes the whole file or, with a one-line reason in error, none.
    static bool saveImage(const QString &fileName, const QImage &image, QString &error);
    static bool saveText(const QString &fileName, const std::string &text, QString &error);

private slots:
    void askToSaveImage();
    void askToSaveCsv();

private:
    QString askForFile(const QString &title, const QString &name, const QString &filter);

    QWidget *m_chart;
    std::function<QImage()> m_image;
    std::function<std::string()> m_csv;
    QString m_baseName;
    QAction *m_saveImage;
    QAction *m_saveCsv;
    QString m_folder; // where the last file was saved
};

#endif
