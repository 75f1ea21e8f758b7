#include "sweep.h"

#include "numbers.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <optional>

namespace {

std::optional<long long> readWhole(const QString &text, const ValueKind &kind)
{
    const std::optional<long long> value = wholeNumber(text);
    if (!value || *value < kind.low || *value > kind.high)
        return std::nullopt;
    return value;
}

// One value of the kind in whole units of its decimal place; none (why
// set) when the text is no such value.
std::optional<Decimal> readValue(const QString &text, const ValueKind &kind, QString &why)
{
    if (!kind.whole)
        return fraction(text, why);
    why = QStringLiteral("expected ") + kind.expected();
    const std::optional<long long> value = readWhole(text, kind);
    return value ? std::optional<Decimal>(Decimal{*value, 0}) : std::nullopt;
}

// The three numbers of FROM:TO:STEP in whole units of their finest place.
bool readRangeUnits(const QStringList &parts, const ValueKind &kind, Decimal (&out)[3], QString &why)
{
    const char *names[] = {"FROM", "TO", "STEP"};
    int scale = 0;
    for (int i = 0; i < 3; ++i) {
        ValueKind partKind = kind;
        if (i == 2 && kind.whole)
            partKind.low = 0; // a step need not be a value itself; 0 is reported below
        QString fault;
        const std::optional<Decimal> value = readValue(parts[i], partKind, fault);
        if (!value) {
            why = QStringLiteral("%1 %2: %3").arg(QLatin1String(names[i]), parts[i], fault);
            return false;
        }
        out[i] = *value;
        scale = std::max(scale, out[i].scale);
    }
    for (Decimal &d : out)
        d = d.atScale(scale);
    return true;
}

bool readRange(const QString &text, const ValueKind &kind, QStringList &values, QString &why)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3) {
        why = QStringLiteral("expected a value, a list A,B,... or a range FROM:TO:STEP");
        return false;
    }
    Decimal range[3];
    if (!readRangeUnits(parts, kind, range, why))
        return false;
    const auto [from, to, step] = range;
    if (step.units == 0) {
        why = QStringLiteral("a step of 0");
        return false;
    }
    if (from.units > to.units) {
        why = QStringLiteral("an empty range (FROM is above TO)");
        return false;
    }
    const long long count = (to.units - from.units) / step.units + 1;
    if (count > kMaxSettings) {
        why = QStringLiteral("%1 values; a sweep has at most %2 settings").arg(count).arg(kMaxSettings);
        return false;
    }
    for (long long k = 0; k < count; ++k)
        values.push_back(Decimal{from.units + k * step.units, from.scale}.text());
    return true;
}

bool rejectRepeatedValues(const QStringList &values, QString &why)
{
    QSet<QString> seen;
    for (const QString &value : values) {
        if (seen.contains(value)) {
            why = QStringLiteral("%1 is given twice").arg(value);
            return false;
        }
        seen.insert(value);
    }
    return true;
}

} // namespace

const char *parameterName(Parameter parameter)
{
    static const char *const names[kParameterCount] = {"rule", "alpha", "beta",  "ro",   "ants",
                                                       "q0",   "xi",    "elite", "rank", "restart"};
    return names[static_cast<int>(parameter)];
}

bool ruleTakes(const QString &rule, Parameter parameter)
{
    const auto is = [&rule](Rule own) { return rule == QLatin1String(ruleName(own)); };
    switch (parameter) {
    case Parameter::Q0:
    case Parameter::Xi:
        return is(Rule::AntColonySystem);
    case Parameter::Elite:
        return is(Rule::ElitistAntSystem);
    case Parameter::Rank:
        return is(Rule::RankBasedAntSystem);
    case Parameter::Restart:
        return is(Rule::MaxMinAntSystem);
    case Parameter::Rule:
    case Parameter::Alpha:
    case Parameter::Beta:
    case Parameter::Ro:
    case Parameter::Ants:
        break;
    }
    return true;
}

QString rulesTaking(Parameter parameter)
{
    QStringList names;
    for (const Rule rule : allRules())
        if (ruleTakes(QLatin1String(ruleName(rule)), parameter))
            names << QLatin1String(ruleName(rule));
    return names.join(QStringLiteral(", "));
}

bool anyRuleTakes(const ParameterValues &values, Parameter parameter)
{
    const QStringList &rules = values[static_cast<std::size_t>(Parameter::Rule)];
    return std::any_of(rules.begin(), rules.end(), [parameter](const QString &rule) { return ruleTakes(rule, parameter); });
}

QString ValueKind::expected() const
{
    if (whole)
        return QStringLiteral("a whole number from %1 to %2").arg(low).arg(high);
    return QStringLiteral("a number from 0 to 1");
}

bool readValues(const QString &text, const ValueKind &kind, QStringList &values, QString &why)
{
    values.clear();
    if (text.contains(QLatin1Char(':')))
        return readRange(text, kind, values, why);
    const QStringList items = text.split(QLatin1Char(','));
    for (const QString &item : items) {
        QString fault;
        const std::optional<Decimal> value = readValue(item, kind, fault);
        if (!value) {
            if (items.size() == 1)
                why = fault;
            else if (item.isEmpty())
                why = QStringLiteral("an empty value in the list");
            else
                why = QStringLiteral("%1 in the list, not %2").arg(fault, item);
            return false;
        }
        values.push_back(value->text());
    }
    return rejectRepeatedValues(values, why);
}

bool readRules(const QString &text, QStringList &values, QString &why)
{
    values.clear();
    QStringList names;
    for (const Rule rule : allRules())
        names << QLatin1String(ruleName(rule));
    const QString last = names.takeLast();
    why = QStringLiteral("expected %1 or %2, or a list of them").arg(names.join(QStringLiteral(", ")), last);
    for (const QString &item : text.split(QLatin1Char(','))) {
        Rule rule;
        if (!ruleFromName(item.toStdString(), rule)) {
            if (text.contains(QLatin1Char(',')))
                why = item.isEmpty() ? QStringLiteral("an empty value in the list")
                                     : QStringLiteral("%1 is not a rule (%2)").arg(item, why);
            return false;
        }
        values.push_back(item);
    }
    return rejectRepeatedValues(values, why);
}

ParameterValues worldParameters(const World &world)
{
    const auto number = [](double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); };
    return {QStringList{QString::fromLatin1(ruleName(world.rule))}, QStringList{QString::number(world.alpha)},
            QStringList{QString::number(world.beta)},                QStringList{number(world.ro)},
            QStringList{QString::number(world.ants)},               QStringList{number(world.q0)},
            QStringList{number(world.xi)},                          QStringList{QString::number(world.elite)},
            QStringList{QString::number(world.rank)},               QStringList{QString::number(world.restart)}};
}

namespace {

// a * b and a + b, stopping at kUncountedSettings: six lists of 10,000 values
// would overflow a long long.
long long cappedProduct(long long a, long long b)
{
    return b != 0 && a > kUncountedSettings / b ? kUncountedSettings : std::min(a * b, kUncountedSettings);
}

long long cappedSum(long long a, long long b)
{
    return a > kUncountedSettings - b ? kUncountedSettings : a + b;
}

} // namespace

long long settingCount(const ParameterValues &values)
{
    long long count = 0;
    for (const QString &rule : values[0]) {
        long long settings = 1;
        for (int p = 1; p < kParameterCount; ++p)
            if (ruleTakes(rule, static_cast<Parameter>(p)))
                settings = cappedProduct(settings, values[static_cast<std::size_t>(p)].size());
        count = cappedSum(count, settings);
    }
    return count;
}

std::vector<Setting> allSettings(const ParameterValues &values)
{
    std::vector<Setting> settings;
    Setting setting;
    // An odometer over the parameters, the last turning fastest; a rule's
    // own parameters turn only under that rule.
    const auto fill = [&](auto &self, int p) -> void {
        if (p == kParameterCount) {
            settings.push_back(setting);
            return;
        }
        const auto index = static_cast<std::size_t>(p);
        if (!ruleTakes(setting[0], static_cast<Parameter>(p))) {
            setting[index].clear();
            self(self, p + 1);
            return;
        }
        for (const QString &value : values[index]) {
            setting[index] = value;
            self(self, p + 1);
        }
    };
    fill(fill, 0);
    return settings;
}

void setParameter(World &world, Parameter parameter, const QString &value)
{
    switch (parameter) {
    case Parameter::Rule:
        ruleFromName(value.toStdString(), world.rule);
        break;
    case Parameter::Alpha:
        world.alpha = value.toInt();
        break;
    case Parameter::Beta:
        world.beta = value.toInt();
        break;
    case Parameter::Ro:
        world.ro = value.toDouble();
        break;
    case Parameter::Ants:
        world.ants = value.toInt();
        break;
    case Parameter::Q0:
        world.q0 = value.toDouble();
        break;
    case Parameter::Xi:
        world.xi = value.toDouble();
        break;
    case Parameter::Elite:
        world.elite = value.toInt();
        break;
    case Parameter::Rank:
        world.rank = value.toInt();
        break;
    case Parameter::Restart:
        world.restart = value.toInt();
        break;
    }
}

World settingWorld(World base, const Setting &setting)
{
    for (int p = 0; p < kParameterCount; ++p)
        if (!setting[static_cast<std::size_t>(p)].isEmpty())
            setParameter(base, static_cast<Parameter>(p), setting[static_cast<std::size_t>(p)]);
    return base;
}

std::string settingColumns(const Setting &setting)
{
    std::string columns;
    for (const QString &value : setting) {
        columns += ',';
        columns += value.toStdString();
    }
    return columns;
}

namespace {

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

// A word with a control character in it (a newline in a file's name) goes in
// $'...' with the character as an escape, so the command stays on one line
// and shows what is there.
QString escapedQuoted(const QString &argument)
{
    QString quoted = QStringLiteral("$'");
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\''))
            quoted += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            quoted += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            quoted += QStringLiteral("\\t");
        else if (isControl(c))
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('\'');
}

} // namespace

QString shellQuoted(const QStringList &arguments)
{
    // \A and \z: '$' would also match before a final newline.
    static const QRegularExpression plain(QStringLiteral("\\A[A-Za-z0-9_./,:=+-]+\\z"));
    QStringList quoted;
    for (QString argument : arguments) {
        if (std::any_of(argument.begin(), argument.end(), isControl)) {
            argument = escapedQuoted(argument);
        } else if (!plain.match(argument).hasMatch()) {
            argument.replace(QLatin1Char('\''), QLatin1String("'\\''"));
            argument = QLatin1Char('\'') + argument + QLatin1Char('\'');
        }
        quoted << argument;
    }
    return quoted.join(QLatin1Char(' '));
}

QString translatedRuleTitle(Rule rule)
{
    return QCoreApplication::translate("Rule", ruleTitle(rule));
}

QString valueTitle(Parameter parameter, const QString &value)
{
    Rule rule = Rule::Vormis;
    if (parameter != Parameter::Rule || !ruleFromName(value.toStdString(), rule))
        return value;
    return QStringLiteral("%1 (%2)").arg(QLatin1String(ruleTitle(rule)), value);
}

QString sweptText(const ParameterValues &values, const Setting &setting, std::size_t except)
{
    QStringList words, unused;
    for (std::size_t p = 0; p < values.size(); ++p) {
        const auto parameter = static_cast<Parameter>(p);
        if (p == except || values[p].size() < 2)
            continue;
        if (setting[p].isEmpty())
            unused << QLatin1String(parameterName(parameter));
        else if (parameter == Parameter::Rule)
            words << valueTitle(parameter, setting[p]);
        else
            words << QLatin1String(parameterName(parameter)) + QLatin1Char(' ') + setting[p];
    }
    if (!unused.isEmpty())
        words << unused.join(QStringLiteral(", ")) + QStringLiteral(" unused");
    return words.join(QStringLiteral(", "));
}

QString settingText(const Setting &setting)
{
    QStringList values;
    for (int p = 0; p < kParameterCount; ++p) {
        const auto parameter = static_cast<Parameter>(p);
        const QString &value = setting[static_cast<std::size_t>(p)];
        if (parameter != Parameter::Rule && parameter != Parameter::Ants && !value.isEmpty())
            values << QLatin1String(parameterName(parameter)) + QLatin1Char(' ') + value;
    }
    const QString &ants = setting[static_cast<std::size_t>(Parameter::Ants)];
    values << (ants == QLatin1String("1") ? QStringLiteral("1 ant") : ants + QStringLiteral(" ants"));
    QString rule = valueTitle(Parameter::Rule, setting[static_cast<std::size_t>(Parameter::Rule)]);
    if (!rule.isEmpty())
        rule[0] = rule[0].toUpper();
    return rule + QStringLiteral(": ") + values.join(QStringLiteral(", "));
}
