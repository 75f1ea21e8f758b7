#ifndef VORMIS_OPTIONS_GENERATIONCSV_H
#define VORMIS_OPTIONS_GENERATIONCSV_H

#include "generationtracker.h"

#include <cstdint>
#include <string>

// The lines of vormis-run's CSV that both programs write: one per generation
// of a run.  Numbers are written digit by digit, so the text never depends on
// the locale or platform.

// One line of the CSV: a generation of one run.
struct GenerationRow
{
    int run = 0; // from 1
    std::uint32_t seed = 0;
    GenerationResult generation;
    int best = 0; // shortest path of the run so far; 0: none yet
};

// The names of the measurements, the CSV's first eight columns, without a
// line end: "run,seed,generation,...,mean_length".
std::string measurementColumns();

// The header line of the CSV vormis-run writes, line end included: the
// measurements, then the setting's columns (settingColumns in sweep.h).
std::string csvHeader();

// The row's measurements, then settingColumns (each after a comma, or
// empty), then the line end.  shortest, best and mean_length are empty while
// there is none.
void appendCsvRow(std::string &out, const GenerationRow &row, const std::string &settingColumns);

#endif
