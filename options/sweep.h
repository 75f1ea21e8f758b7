#ifndef VORMIS_OPTIONS_SWEEP_H
#define VORMIS_OPTIONS_SWEEP_H

#include "world.h"

#include <QString>
#include <QStringList>

#include <array>
#include <limits>
#include <string>
#include <vector>

// The parameters a sweep can vary, in the order of the CSV's setting
// columns.  A sweep's settings are their cartesian product in this order,
// the last varying fastest: rule slowest, restart fastest.  q0 and xi belong
// to Ant Colony System only, elite to Elitist, rank to Rank-based and
// restart to MAX-MIN Ant System; a rule takes one setting each for the
// values of the parameters it does not take, and leaves them empty.
enum class Parameter { Rule, Alpha, Beta, Ro, Ants, Q0, Xi, Elite, Rank, Restart };
constexpr int kParameterCount = 10;
constexpr int kMaxSettings = 10000;
constexpr long long kMaxRuns = 1000000;

const char *parameterName(Parameter parameter); // "rule", "alpha", ...

// Whether the rule (a short name) takes the parameter: q0 and xi are Ant
// Colony System's own, elite, rank and restart those of eas, ras and mmas,
// the rest every rule's.
bool ruleTakes(const QString &rule, Parameter parameter);
// The rules that take the parameter, as a reader would list them: "acs".
QString rulesTaking(Parameter parameter);

// Each parameter's values as text, one or more, never empty: a rule's short
// name, a whole number, or a decimal in its shortest form ("0.05", never
// "0.050" or "5e-2").  The texts are what the CSV and the summary print and
// what the colony gets, read back as numbers.
using ParameterValues = std::array<QStringList, kParameterCount>;

// One setting of a sweep: a value for each parameter; a parameter the
// setting's rule does not take is empty.
using Setting = std::array<QString, kParameterCount>;

// Whether any of the values' rules takes the parameter.
bool anyRuleTakes(const ParameterValues &values, Parameter parameter);

// The parameters' values of a world, one each.
ParameterValues worldParameters(const World &world);

// The number of settings, or kUncountedSettings for that many or more.
constexpr long long kUncountedSettings = 1000000000000000000LL;
long long settingCount(const ParameterValues &values);
// Every setting, in the order above.  Only for settingCount() <= kMaxSettings.
std::vector<Setting> allSettings(const ParameterValues &values);

// The world's parameter set to the value (a text as above).
void setParameter(World &world, Parameter parameter, const QString &value);
// The base world with the setting's values.
World settingWorld(World base, const Setting &setting);
// The setting's CSV columns, each after a comma: ",acs,2,1,0.1,5,0.9,0.1,,,".
std::string settingColumns(const Setting &setting);

// What numbers a parameter takes: whole numbers from low to high, or
// decimals from 0 to 1.
struct ValueKind
{
    bool whole = true;
    long long low = 0;
    long long high = 0;
    QString expected() const; // "a whole number from 0 to 100"
};

// Reads a value, a list V1,V2,... or an inclusive range FROM:TO:STEP into
// the values' shortest texts.  A range of decimals is worked out in whole
// numbers of its finest decimal place, so 0.05:0.3:0.05 gives exactly 0.05,
// 0.1, ..., 0.3.  On failure, why says what is wrong in words that follow
// "--option VALUE: ".
bool readValues(const QString &text, const ValueKind &kind, QStringList &values, QString &why);
// Rule names, one or a list.
bool readRules(const QString &text, QStringList &values, QString &why);

// The arguments as a shell reads them back: each in single quotes unless
// it is plain.
QString shellQuoted(const QStringList &arguments);

// The rule's title in the window's language ("Ant System"); as the engine
// gives it while no translation is installed, as in vormis-run.
QString translatedRuleTitle(Rule rule);
// A value as people read it: a rule by its title and short name ("Ant
// System (as)"), any other value as it is.
QString valueTitle(Parameter parameter, const QString &value);
// The setting's values of the swept parameters but one (the parameter
// `except`), in words: "Ant System (as), beta 2"; a rule's own parameters
// the setting's rule does not take are named as unused ("q0 unused").
QString sweptText(const ParameterValues &values, const Setting &setting, std::size_t except);
// The setting in words, for a caption: "Ant System (as): alpha 1, beta 2,
// ro 0.1, 10 ants", with the rule's own parameters after ro.
QString settingText(const Setting &setting);

#endif
