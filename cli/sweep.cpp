#include "sweep.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace {

constexpr int kSignificantDigits = 15; // what a double holds exactly, and gives back as typed
constexpr int kMaxDecimals = 18; // 1 at this scale still fits a long long

bool isAcs(const QString &rule)
{
    return rule == QLatin1String(ruleName(Rule::AntColonySystem));
}

// A decimal units / 10^scale, kept in whole numbers and in its shortest
// form: no trailing zeros after the point.
struct Decimal
{
    long long units = 0;
    int scale = 0;
};

long long powerOfTen(int exponent)
{
    long long value = 1;
    while (exponent-- > 0)
        value *= 10;
    return value;
}

QString decimalText(Decimal d)
{
    QString digits = QString::number(d.units);
    if (d.scale == 0)
        return digits;
    if (digits.size() <= d.scale)
        digits = QString(d.scale - digits.size() + 1, QLatin1Char('0')) + digits;
    digits.insert(digits.size() - d.scale, QLatin1Char('.'));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    if (digits.endsWith(QLatin1Char('.')))
        digits.chop(1);
    return digits;
}

// Digits with an optional point and an optional exponent, no sign: "0.05",
// ".5", "1.", "5e-2".  Fails (why set) on anything else, on more than
// kSignificantDigits digits and on a value above 1 or with too fine a place.
std::optional<Decimal> readFraction(const QString &text, QString &why)
{
    why = QStringLiteral("expected a number from 0 to 1");
    static const QRegularExpression form(QStringLiteral("^([0-9]*)(?:\\.([0-9]*))?(?:[eE]([-+]?[0-9]{1,2}))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch() || match.capturedLength(1) + match.capturedLength(2) == 0)
        return std::nullopt;
    QString digits = match.captured(1) + match.captured(2);
    int scale = static_cast<int>(match.capturedLength(2)) - match.captured(3).toInt();
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    while (scale > 0 && digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
        --scale;
    }
    if (digits == QLatin1String("0"))
        return Decimal{0, 0};
    // Whole digits before the point: more than one, or one that is not a
    // bare 1, is above 1.
    const qsizetype wholeDigits = digits.size() - scale;
    if (wholeDigits > 1 || (wholeDigits == 1 && digits != QLatin1String("1")))
        return std::nullopt;
    if (digits.size() > kSignificantDigits) {
        why += QStringLiteral(" with at most %1 significant digits").arg(kSignificantDigits);
        return std::nullopt;
    }
    if (scale > kMaxDecimals) {
        why += QStringLiteral(" with at most %1 decimal places").arg(kMaxDecimals);
        return std::nullopt;
    }
    return Decimal{digits.toLongLong(), scale};
}

std::optional<long long> readWhole(const QString &text, const ValueKind &kind)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const long long value = text.toLongLong();
    if (value < kind.low || value > kind.high)
        return std::nullopt;
    return value;
}

// One value of the kind in whole units of its decimal place; none (why
// set) when the text is no such value.
std::optional<Decimal> readValue(const QString &text, const ValueKind &kind, QString &why)
{
    if (!kind.whole)
        return readFraction(text, why);
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
    for (Decimal &d : out) {
        d.units *= powerOfTen(scale - d.scale);
        d.scale = scale;
    }
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
        values.push_back(decimalText({from.units + k * step.units, from.scale}));
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
    static const char *const names[kParameterCount] = {"rule", "alpha", "beta", "ro", "ants", "q0", "xi"};
    return names[static_cast<int>(parameter)];
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
        values.push_back(decimalText(*value));
    }
    return rejectRepeatedValues(values, why);
}

bool readRules(const QString &text, QStringList &values, QString &why)
{
    values.clear();
    why = QStringLiteral("expected vormis, as, acs or mmas, or a list of them");
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
            QStringList{number(world.xi)}};
}

long long settingCount(const ParameterValues &values)
{
    long long common = 1;
    for (int p = 1; p < static_cast<int>(Parameter::Q0); ++p)
        common *= values[static_cast<std::size_t>(p)].size();
    long long count = 0;
    for (const QString &rule : values[0]) {
        count += isAcs(rule) ? common * values[5].size() * values[6].size() : common;
    }
    return count;
}

std::vector<Setting> allSettings(const ParameterValues &values)
{
    std::vector<Setting> settings;
    Setting setting;
    // An odometer over the parameters, the last turning fastest; q0 and xi
    // turn only under acs.
    const auto fill = [&](auto &self, int p) -> void {
        if (p == kParameterCount) {
            settings.push_back(setting);
            return;
        }
        const auto index = static_cast<std::size_t>(p);
        if (p >= static_cast<int>(Parameter::Q0) && !isAcs(setting[0])) {
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

QString shellQuoted(const QStringList &arguments)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./,:=+-]+$"));
    QStringList quoted;
    for (QString argument : arguments) {
        if (!plain.match(argument).hasMatch()) {
            argument.replace(QLatin1Char('\''), QLatin1String("'\\''"));
            argument = QLatin1Char('\'') + argument + QLatin1Char('\'');
        }
        quoted << argument;
    }
    return quoted.join(QLatin1Char(' '));
}
