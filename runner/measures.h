#ifndef VORMIS_RUNNER_MEASURES_H
#define VORMIS_RUNNER_MEASURES_H

#include "bootstrap.h"
#include "charts.h"
#include "experiment.h"
#include "options.h"

#include <vector>

// Each run's share in a measure of a setting's runs, for the pooled mean and
// its bootstrap interval; runs without one are left out.  best: the best
// length of each run that found a path; late: a run's late path lengths over
// its late arrivals; first: the generation each run that reached the
// shortest possible path first did; arrived: a run's arrivals over its ants
// times its generations.
std::vector<RunShare> measureShares(const std::vector<RunResult> &results, ChartMeasure measure, int optimum,
                                    long long antGenerations);

// The chart of a sweep: --chart-y of each setting with its bootstrap
// interval, over --chart-x, a line for each combination of the other swept
// parameters.  results[i] are the runs of config.settings[i].
ParameterChartData sweepChartData(const RunConfig &config, int optimum,
                                  const std::vector<std::vector<RunResult>> &results, const QString &subtitle);

#endif
