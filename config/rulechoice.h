#ifndef VORMIS_RULECHOICE_H
#define VORMIS_RULECHOICE_H

#include "sweep.h"
#include "world.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;

// The rule the ants follow and the rule's own parameters: a combo box of
// every rule the engine has, a few lines on what the chosen rule does and
// where it comes from, and a labelled box for each parameter, enabled only
// for the rules that take it.  The dialog's Rule page shows it, and so does
// each side of the window that compares two rules.
//
// Its widgets carry object names for tests: "ruleBox", and each parameter's
// box its parameter's name ("q0", "xi", "elite", ...).
class RuleChoice : public QWidget
{
    Q_OBJECT

public:
    // fieldsPerRow: how many labelled parameter boxes stand side by side.
    explicit RuleChoice(int fieldsPerRow, QWidget *parent = nullptr);

    // Shows the world's rule and parameters; choiceChanged is not sent.
    void showChoice(const World &world);
    // Writes the chosen rule and its parameters into the world.
    void applyTo(World &world) const;
    // The chosen rule as the combo box names it.
    QString ruleTitle() const;
    // Adds a row under the parameters: a label and its field, or, without a
    // field, one widget across the row.
    void addRow(QWidget *label, QWidget *field = nullptr);
    // Where the room is short, the lines on the rule go into the combo
    // box's tool tip alone.
    void hideDescription();

signals:
    // The user chose another rule or changed a parameter.
    void choiceChanged();

private slots:
    void showRule();

private:
    struct ParameterField
    {
        Parameter parameter;
        QLabel *label;
        QDoubleSpinBox *box;
    };

    void addRuleRows();
    void addParameterRows(int fieldsPerRow);
    Rule chosenRule() const;

    QGridLayout *m_rows;
    QComboBox *m_ruleBox = nullptr;
    QLabel *m_ruleText = nullptr;
    std::vector<ParameterField> m_fields;
};

#endif
