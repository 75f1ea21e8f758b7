#include "animconfig.h"

#include <QLabel>
#include <QVBoxLayout>

AnimConfig::AnimConfig(QWidget *parent)
    : QWidget(parent)
{
    QLabel *label = new QLabel(tr("Not Implemented"));
    QVBoxLayout *mainLayout = new QVBoxLayout;
    mainLayout->addWidget(label);
    setLayout(mainLayout);
}
