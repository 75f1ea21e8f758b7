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
    QList<Row> rows = createColonyFields();
    rows += createPlaceFields();
    rows += createFactorFields();
    QGroupBox *parametersGroup = createParametersGroup(rows);

    QVBoxLayout *mainLayout = new QVBoxLayout;
    mainLayout->addWidget(parametersGroup);
    mainLayout->addStretch(1);
    setLayout(mainLayout);
}

// The world's size and the number of ants.
QList<AntConfig::Row> AntConfig::createColonyFields()
{
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

    return {{worldSizeLabel, worldSizeSpinBox}, {antCountLabel, antCountSpinBox}};
}

// The cells of the food and of the home.
QList<AntConfig::Row> AntConfig::createPlaceFields()
{
    // A cell coordinate: one or two digits.  The validator matches the whole
    // text, so a third digit, a sign or a letter is refused as it is typed;
    // an empty field is allowed while the user edits it.
    const QRegularExpression coordinate(QStringLiteral("[0-9]{1,2}"));

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

    return {{foodXLabel, foodXEdit}, {foodYLabel, foodYEdit}, {homeXLabel, homeXEdit}, {homeYLabel, homeYEdit}};
}

// The factors of the transition rule and the evaporation rate.
QList<AntConfig::Row> AntConfig::createFactorFields()
{
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

    return {{alphaLabel, alphaSpinBox}, {betaLabel, betaSpinBox}, {roLabel, roSpinBox}};
}

// The "Simulation parameters" box: the rows one under the other, each field
// named and described for screen readers.
QGroupBox *AntConfig::createParametersGroup(const QList<Row> &rows)
{
    QGroupBox *parametersGroup = new QGroupBox(tr("Simulation parameters"));
    QGridLayout *parametersLayout = new QGridLayout;
    const QStringList descriptions = {
        tr("Cells along each side of the square world, 3 to 30"),
        tr("Ants that leave home in every generation, 1 to 30"),
        tr("Column of the food cell, counted from 0 at the left"),
        tr("Row of the food cell, counted from 0 at the top"),
        tr("Column of the home cell, counted from 0 at the left"),
        tr("Row of the home cell, counted from 0 at the top"),
        tr("How strongly pheromone raises a cell's routing weight, 0 to 10"),
        tr("How strongly short walks raise a cell's routing weight, 0 to 10"),
        tr("Share of the pheromone that evaporates in each generation, 0 to 0.99"),
    };
    for (int row = 0; row < rows.size(); ++row) {
        parametersLayout->addWidget(rows[row].first, row, 0);
        parametersLayout->addWidget(rows[row].second, row, 1);
        rows[row].second->setAccessibleName(spokenName(rows[row].first->text()));
        rows[row].second->setAccessibleDescription(descriptions.at(row));
    }
    parametersGroup->setLayout(parametersLayout);
    return parametersGroup;
}

QString spokenName(const QString &label)
{
    QString name = QString(label).remove(QLatin1Char('&')).trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed(); // French puts a space before the colon
}

void AntConfig::applyTo(World &world) const
{
    world.size = worldSizeSpinBox->value();
    world.ants = antCountSpinBox->value();
    world.food = {foodXEdit->text().toInt(nullptr, 10), foodYEdit->text().toInt(nullptr, 10)};
    world.home = {homeXEdit->text().toInt(nullptr, 10), homeYEdit->text().toInt(nullptr, 10)};
    world.alpha = alphaSpinBox->value();
    world.beta = betaSpinBox->value();
    world.ro = roSpinBox->value();
}
