#ifndef VORMIS_RULEPAGE_H
#define VORMIS_RULEPAGE_H

#include "world.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QDoubleSpinBox;
class QRadioButton;
class RuleChoice;

// The "Rule" page of the configuration dialog: the rule the ants follow with
// its own parameters (a RuleChoice), and the seed every start of the colony
// takes.
//
// Its widgets carry object names for tests: those of the RuleChoice,
// "newSeedButton", "fixedSeedButton" and "seedBox".
class RulePage : public QWidget
{
    Q_OBJECT

public:
    explicit RulePage(QWidget *parent = nullptr);

    // Shows the world's rule and parameters, and the seed: the fixed one if
    // there is one, else the seed of the run under way, ready to be fixed.
    void showChoice(const World &world, std::optional<std::uint32_t> fixedSeed, std::uint32_t runSeed);
    // Writes the chosen rule and its parameters into the world.
    void applyTo(World &world) const;
    // The seed every start takes; none for a new one each time.
    std::optional<std::uint32_t> fixedSeed() const;

public slots:
    // The window's own rule, the engine's defaults and a new seed at every
    // start; nothing is applied before Ok.
    void restoreDefaults();

private:
    void addSeedRows();

    RuleChoice *ruleChoice = nullptr;
    QRadioButton *newSeedButton = nullptr;
    QRadioButton *fixedSeedButton = nullptr;
    QDoubleSpinBox *seedBox = nullptr;
};

#endif
