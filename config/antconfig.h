#ifndef VORMIS_ANTCONFIG_H
#define VORMIS_ANTCONFIG_H

#include "world.h"

#include <QList>
#include <QPair>
#include <QWidget>

class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The "Simulation parameters" page of the configuration dialog.  The main
// window reads and fills the input widgets directly.
class AntConfig : public QWidget
{
    Q_OBJECT

public:
    QSpinBox *worldSizeSpinBox;
    QSpinBox *antCountSpinBox;
    QLineEdit *foodXEdit;
    QLineEdit *foodYEdit;
    QLineEdit *homeXEdit;
    QLineEdit *homeYEdit;
    QSpinBox *alphaSpinBox;
    QSpinBox *betaSpinBox;
    QDoubleSpinBox *roSpinBox;

    AntConfig(QWidget *parent = nullptr);

    // Writes the page's values into the world.  A coordinate that is empty
    // or no number counts as 0; one outside the world is left to the colony.
    void applyTo(World &world) const;

private:
    // A row of the page: a label and the field its mnemonic moves to.
    using Row = QPair<QLabel *, QWidget *>;

    QList<Row> createColonyFields();
    QList<Row> createPlaceFields();
    QList<Row> createFactorFields();
    QGroupBox *createParametersGroup(const QList<Row> &rows);
};

// A field's label as screen readers say it: without mnemonic and colon.
QString spokenName(const QString &label);

#endif
