#ifndef VORMIS_OPTIONS_NUMBERS_H
#define VORMIS_OPTIONS_NUMBERS_H

#include <QString>

#include <optional>

// The numbers of the command line and of the files we read, read in one
// place: plain decimal digits only, so that no locale, sign '+', space, hex
// or exponent of a whole number slips through.

// A whole number in plain decimal digits, optionally negative; nothing else.
// More than 18 digits count as no number: the caller reports it as out of
// range, in the same words.
std::optional<long long> wholeNumber(QStringView text);

// Two whole numbers joined by the separator, as "3,4" or "2/8"; false for
// anything else.
bool wholeNumberPair(const QString &text, QChar separator, long long &first, long long &second);

// A decimal units / 10^scale, kept in whole numbers, so that a range such as
// 0.05:0.3:0.05 is worked out exactly.
struct Decimal
{
    long long units = 0;
    int scale = 0;

    // Its shortest text: no trailing zeros after the point, "0.05", "1".
    QString text() const;
    // The same value at a finer scale (scale >= this->scale).
    Decimal atScale(int scale) const;
};

// A decimal from 0 to 1: digits with an optional point and an optional
// exponent, no sign ("0.05", ".5", "1.", "5e-2").  On anything else, on more
// than 15 significant digits (what a double gives back as typed) and on a
// place finer than 18 decimals, none, with why saying what was expected.
std::optional<Decimal> fraction(const QString &text, QString &why);

#endif
