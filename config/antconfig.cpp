#include "antconfig.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

AntConfig::AntConfig(QWidget *parent)
    : QWidget(parent)
{
    // A cell coordinate: one or two digits.  The validator matches the whole
    // text, so a third digit, a sign or a letter is refused as it is typed;
    // an empty field is allowed while the user edits it.
    const QRegularExpression coordinate(QStringLiteral("[0-9]{1,2}"));

    QLabel *worldSizeLabel = new QLabel(tr("&World Size: "));
    worldSizeSpinBox = new QSpinBox;
    worldSizeSpinBox->setAlignment(Qt::AlignRight);
    worldSizeSpinBox->setRange(3, 30);
    worldSizeSpinBox->setValue(5);
    worldSizeLabel->setBuddy(worldSizeSpinBox);

    QLabel *antCountLabel = new QLabel(tr("How many &ants: "));
    antCountSpinBox = new QSpinBox;
    antCountSpinBox->setAlignment(Qt::AlignRight);
    antCountSpinBox->setRange(1, 30);
    antCountSpinBox->setValue(3);
    antCountLabel->setBuddy(antCountSpinBox);

    QLabel *foodXLabel = new QLabel(tr("Food location (&X): "));
    foodXEdit = new QLineEdit(QStringLiteral("2"));
    foodXEdit->setAlignment(Qt::AlignRight);
    foodXEdit->setValidator(new QRegularExpressionValidator(coordinate, this));
    foodXLabel->setBuddy(foodXEdit);

    QLabel *foodYLabel = new QLabel(tr("Food lo&cation (Y): "));
    foodYEdit = new QLineEdit(QStringLiteral("2"));
    foodYEdit->setAlignment(Qt::AlignRight);
    foodYEdit->setValidator(new QRegularExpressionValidator(coordinate, this));
    foodYLabel->setBuddy(foodYEdit);

    QLabel *homeXLabel = new QLabel(tr("Home &location (X): "));
    homeXEdit = new QLineEdit(QStringLiteral("0"));
    homeXEdit->setAlignment(Qt::AlignRight);
    homeXEdit->setValidator(new QRegularExpressionValidator(coordinate, this));
    homeXLabel->setBuddy(homeXEdit);

    QLabel *homeYLabel = new QLabel(tr("Home l&ocation (Y): "));
    homeYEdit = new QLineEdit(QStringLiteral("0"));
    homeYEdit->setAlignment(Qt::AlignRight);
    homeYEdit->setValidator(new QRegularExpressionValidator(coordinate, this));
    homeYLabel->setBuddy(homeYEdit);

    QLabel *alphaLabel = new QLabel(tr("Pheromone factor (alpha): "));
    alphaSpinBox = new QSpinBox;
    alphaSpinBox->setAlignment(Qt::AlignRight);
    alphaSpinBox->setRange(0, 10);
    alphaLabel->setBuddy(alphaSpinBox);

    QLabel *betaLabel = new QLabel(tr("Heuristic factor (beta): "));
    betaSpinBox = new QSpinBox;
    betaSpinBox->setAlignment(Qt::AlignRight);
    betaSpinBox->setRange(0, 10);
    betaLabel->setBuddy(betaSpinBox);

    QLabel *roLabel = new QLabel(tr("Pheromone evaporation rate (ro): "));
    roSpinBox = new QDoubleSpinBox;
    roSpinBox->setAlignment(Qt::AlignRight);
    roSpinBox->setDecimals(2);
    roSpinBox->setRange(0.00, 0.99);
    roSpinBox->setSingleStep(0.05);
    roLabel->setBuddy(roSpinBox);

    QGroupBox *parametersGroup = new QGroupBox(tr("Simulation parameters"));
    QGridLayout *parametersLayout = new QGridLayout;
    const QList<QPair<QLabel *, QWidget *>> rows = {
        {worldSizeLabel, worldSizeSpinBox}, {antCountLabel, antCountSpinBox},
        {foodXLabel, foodXEdit},            {foodYLabel, foodYEdit},
        {homeXLabel, homeXEdit},            {homeYLabel, homeYEdit},
        {alphaLabel, alphaSpinBox},         {betaLabel, betaSpinBox},
        {roLabel, roSpinBox},
    };
    for (int row = 0; row < rows.size(); ++row) {
        parametersLayout->addWidget(rows[row].first, row, 0);
        parametersLayout->addWidget(rows[row].second, row, 1);
    }
    parametersGroup->setLayout(parametersLayout);

    QVBoxLayout *mainLayout = new QVBoxLayout;
    mainLayout->addWidget(parametersGroup);
    mainLayout->addStretch(1);
    setLayout(mainLayout);
}
