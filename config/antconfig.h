#ifndef VORMIS_ANTCONFIG_H
#define VORMIS_ANTCONFIG_H

#include <QWidget>

class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

// The "Simulation parameters" page of the configuration dialog.  The main
// window reads and fills the input widgets directly.
class AntConfig : public QWidget
{
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
};

#endif
