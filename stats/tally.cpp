#include "tally.h"

#include <cmath>

void appendNumber(std::string &out, long long value)
{
    if (value < 0) {
        out += '-';
        value = -value;
    }
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0)
        out += digits[--count];
}

void appendHundredths(std::string &out, long long numerator, long long denominator)
{
    if (denominator <= 0 || numerator < 0) {
        out += '-';
        return;
    }
    // round(100 * n / d) with halves going up, in whole numbers throughout.
    const long long scaled = (200 * numerator + denominator) / (2 * denominator);
    appendNumber(out, scaled / 100);
    out += '.';
    out += static_cast<char>('0' + scaled % 100 / 10);
    out += static_cast<char>('0' + scaled % 10);
}

QString hundredths(long long numerator, long long denominator)
{
    std::string text;
    appendHundredths(text, numerator, denominator);
    return QString::fromStdString(text);
}

QString twoDecimals(double value)
{
    const QString text = QString::number(value, 'f', 2);
    return text == QLatin1String("-0.00") ? QStringLiteral("0.00") : text;
}

double studentT975(int df)
{
    // Below 11 degrees of freedom from a table; above, Hill's expansion
    // around the normal quantile, within 0.00005 from 7 on.
    static const double table[] = {12.706205, 4.302653, 3.182446, 2.776445, 2.570582,
                                   2.446912,  2.364624, 2.306004, 2.262157, 2.228139};
    if (df < 1)
        return 0.0;
    if (df <= 10)
        return table[df - 1];
    const double z = 1.959963984540054;
    const double n = df;
    const double z3 = z * z * z, z5 = z3 * z * z, z7 = z5 * z * z, z9 = z7 * z * z;
    return z + (z3 + z) / (4 * n) + (5 * z5 + 16 * z3 + 3 * z) / (96 * n * n)
         + (3 * z7 + 19 * z5 + 17 * z3 - 15 * z) / (384 * n * n * n)
         + (79 * z9 + 776 * z7 + 1482 * z5 - 1920 * z3 - 945 * z) / (92160 * n * n * n * n);
}

void Tally::add(long long value)
{
    ++count;
    sum += value;
    squares += value * value;
}

QString Tally::mean() const
{
    return count > 0 ? hundredths(sum, count) : QStringLiteral("-");
}

double Tally::deviation() const
{
    if (count < 2)
        return 0.0;
    // n * sum(x^2) - (sum x)^2 is exact; the one rounding is the square root.
    const long long n = count;
    const long long spread = n * squares - sum * sum;
    return std::sqrt(static_cast<double>(spread) / static_cast<double>(n * (n - 1)));
}

QString Tally::standardDeviation() const
{
    if (count < 2)
        return QStringLiteral("-");
    return hundredths(std::llround(deviation() * 100.0), 100);
}

