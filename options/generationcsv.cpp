#include "generationcsv.h"

std::string measurementColumns()
{
    return "run,seed,generation,arrivals,ants_at_food,shortest,best,mean_length";
}

void appendCsvRow(std::string &out, const GenerationRow &row, const std::string &settingColumns)
{
    appendNumber(out, row.run);
    out += ',';
    appendNumber(out, row.seed);
    out += ',';
    const GenerationResult &g = row.generation;
    appendNumber(out, g.generation);
    out += ',';
    appendNumber(out, g.arrivals);
    out += ',';
    appendNumber(out, g.antsAtFood);
    out += ',';
    if (g.shortest > 0)
        appendNumber(out, g.shortest);
    out += ',';
    if (row.best > 0)
        appendNumber(out, row.best);
    out += ',';
    if (g.antsAtFood > 0)
        appendHundredths(out, g.lengthSum, g.antsAtFood);
    out += settingColumns;
    out += '\n';
}

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
