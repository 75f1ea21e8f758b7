#include "rulepage.h"

#include "rulechoice.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <limits>

RulePage::RulePage(QWidget *parent)
    : QWidget(parent), ruleChoice(new RuleChoice(2))
{
    // One box, as on the Ants page, so that the page fits in the room the
    // Ants page takes.
    addSeedRows();
    QVBoxLayout *rows = new QVBoxLayout;
    rows->addWidget(ruleChoice);
    QGroupBox *group = new QGroupBox(tr("Rule"));
    group->setLayout(rows);

    QVBoxLayout *mainLayout = new QVBoxLayout;
    mainLayout->addWidget(group);
    mainLayout->addStretch(1);
    setLayout(mainLayout);
    restoreDefaults();
}

// A new seed at every start, or the same one each time, under the rule's
// rows so that the seed box lines up with the rule's box.
void RulePage::addSeedRows()
{
    newSeedButton = new QRadioButton(tr("&New seed at every start"));
    newSeedButton->setObjectName(QStringLiteral("newSeedButton"));
    newSeedButton->setAccessibleDescription(tr("Each start of the colony draws other random numbers"));
    fixedSeedButton = new QRadioButton(tr("&Same seed at every start: "));
    fixedSeedButton->setObjectName(QStringLiteral("fixedSeedButton"));
    fixedSeedButton->setAccessibleDescription(tr("Each start of the colony repeats the same generations, as "
                                                 "vormis-run does with the same --seed"));
    seedBox = new QDoubleSpinBox;
    seedBox->setObjectName(QStringLiteral("seedBox"));
    seedBox->setDecimals(0);
    seedBox->setRange(0, std::numeric_limits<std::uint32_t>::max());
    seedBox->setAlignment(Qt::AlignRight);
    seedBox->setAccessibleName(tr("Seed"));
    seedBox->setAccessibleDescription(tr("The seed every start takes, 0 to 4294967295"));
    connect(fixedSeedButton, &QRadioButton::toggled, seedBox, &QWidget::setEnabled);

    ruleChoice->addRow(newSeedButton);
    ruleChoice->addRow(fixedSeedButton, seedBox);
}

void RulePage::showChoice(const World &world, std::optional<std::uint32_t> fixedSeed, std::uint32_t runSeed)
{
    ruleChoice->showChoice(world);
    fixedSeedButton->setChecked(fixedSeed.has_value());
    newSeedButton->setChecked(!fixedSeed.has_value());
    seedBox->setValue(fixedSeed.value_or(runSeed));
    seedBox->setEnabled(fixedSeed.has_value());
}

void RulePage::applyTo(World &world) const
{
    ruleChoice->applyTo(world);
}

std::optional<std::uint32_t> RulePage::fixedSeed() const
{
    if (!fixedSeedButton->isChecked())
        return std::nullopt;
    return static_cast<std::uint32_t>(seedBox->value());
}

void RulePage::restoreDefaults()
{
    showChoice(World(), std::nullopt, static_cast<std::uint32_t>(seedBox->value()));
}
