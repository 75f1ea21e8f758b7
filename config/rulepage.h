#ifndef VORMIS_RULEPAGE_H
#define VORMIS_RULEPAGE_H

#include "sweep.h"
#include "world.h"

#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QRadioButton;

// The "Rule" page of the configuration dialog: the rule the ants follow, the
// rule's own parameters (enabled only for the rules that use them), a few
// lines on what the rule does and where it comes from, and the seed every
// start of the colony takes.
//
// Its widgets carry object names for tests: "ruleBox", "newSeedButton",
// "fixedSeedButton", "seedBox", and each parameter's box its parameter's
// name ("q0", "xi", "elite", ...).
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

private slots:
    void showRule();

private:
    struct ParameterField
    {
        Parameter parameter;
        QLabel *label;
        QDoubleSpinBox *box;
    };

    void addRuleRows(QGridLayout *rows);
    void addParameterRows(QGridLayout *rows);
    void addSeedRows(QGridLayout *rows);
    Rule chosenRule() const;

    QComboBox *ruleBox = nullptr;
    QLabel *ruleText = nullptr;
    std::vector<ParameterField> fields;
    QRadioButton *newSeedButton = nullptr;
    QRadioButton *fixedSeedButton = nullptr;
    QDoubleSpinBox *seedBox = nullptr;
};

#endif
