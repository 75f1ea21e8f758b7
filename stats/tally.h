#ifndef VORMIS_STATS_TALLY_H
#define VORMIS_STATS_TALLY_H

#include <QString>

#include <string>

// Count, sum and sum of squares of whole numbers, kept exactly; mean and
// sample standard deviation (n - 1) with two decimals.  The option limits
// keep the sums far from overflowing.
struct Tally
{
    int count = 0;
    long long sum = 0;
    long long squares = 0;

    void add(long long value);
    QString mean() const;             // "-" without values
    QString standardDeviation() const; // "-" with fewer than two values
    double deviation() const;          // the same as a number; 0 with fewer than two
};

// A whole number, digit by digit, so that the text never depends on the
// locale or platform.
void appendNumber(std::string &out, long long value);
// A non-negative fraction with two decimals, rounded half up: "10.33".
QString hundredths(long long numerator, long long denominator);
void appendHundredths(std::string &out, long long numerator, long long denominator);
// A number with two decimals, "-0.00" written as "0.00".
QString twoDecimals(double value);

// The 0.975 quantile of Student's t distribution with df degrees of freedom
// (df >= 1): the factor of a 95% confidence interval of a mean.
double studentT975(int df);

#endif
