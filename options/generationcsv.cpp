#include "generationcsv.h"

#include "sweep.h"
#include "tally.h"

std::string measurementColumns()
{
    return "run,seed,generation,arrivals,ants_at_food,shortest,best,mean_length";
}

std::string csvHeader()
{
    std::string header = measurementColumns();
    for (int p = 0; p < kParameterCount; ++p)
        header += std::string(",") + parameterName(static_cast<Parameter>(p));
    return header + '\n';
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
