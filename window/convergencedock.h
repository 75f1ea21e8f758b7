#ifndef VORMIS_CONVERGENCEDOCK_H
#define VORMIS_CONVERGENCEDOCK_H

#include <QDockWidget>

class ChartFiles;
class ConvergenceChart;
class QLabel;

// The "Convergence" dock: the live chart of the generations, a line that
// reads out the generation under the mouse, and a context menu that saves
// the chart as a PNG picture or its data as the first eight columns of
// vormis-run's CSV.  The window keeps it hidden until asked for.
class ConvergenceDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit ConvergenceDock(QWidget *parent = nullptr);

    ConvergenceChart *chart() const { return m_chart; }

    // Each writes the whole file or, with a one-line reason in error, none.
    bool saveImage(const QString &fileName, QString &error) const;
    bool saveCsv(const QString &fileName, QString &error) const;

private:
    ConvergenceChart *m_chart;
    QLabel *m_readout;
    ChartFiles *m_files;
};

#endif
