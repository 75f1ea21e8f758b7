#include "numbers.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr int kSignificantDigits = 15; // what a double holds exactly, and gives back as typed
constexpr int kMaxDecimals = 18;       // 1 at this scale still fits a long long
constexpr int kMaxWholeDigits = 18;    // any such number fits a long long

long long powerOfTen(int exponent)
{
    long long value = 1;
    while (exponent-- > 0)
        value *= 10;
    return value;
}

} // namespace

std::optional<long long> wholeNumber(QStringView text)
{
    const qsizetype digitsFrom = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digits = text.size() - digitsFrom;
    if (digits < 1 || digits > kMaxWholeDigits)
        return std::nullopt;
    long long value = 0;
    for (qsizetype i = digitsFrom; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return digitsFrom ? -value : value;
}

bool wholeNumberPair(const QString &text, QChar separator, long long &first, long long &second)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != 2)
        return false;
    const std::optional<long long> a = wholeNumber(parts[0]);
    const std::optional<long long> b = wholeNumber(parts[1]);
    if (!a || !b)
        return false;
    first = *a;
    second = *b;
    return true;
}

QString Decimal::text() const
{
    QString digits = QString::number(units);
    if (scale == 0)
        return digits;
    if (digits.size() <= scale)
        digits = QString(scale - digits.size() + 1, QLatin1Char('0')) + digits;
    digits.insert(digits.size() - scale, QLatin1Char('.'));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    if (digits.endsWith(QLatin1Char('.')))
        digits.chop(1);
    return digits;
}

Decimal Decimal::atScale(int finer) const
{
    return {units * powerOfTen(finer - scale), finer};
}

std::optional<Decimal> fraction(const QString &text, QString &why)
{
    why = QStringLiteral("expected a number from 0 to 1");
    // \A and \z: '$' would also match before a final newline.
    static const QRegularExpression form(QStringLiteral("\\A([0-9]*)(?:\\.([0-9]*))?(?:[eE]([-+]?[0-9]{1,2}))?\\z"));
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
