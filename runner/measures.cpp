#include "measures.h"

#include "sweep.h"

#include <map>

namespace {

// What the chart calls a measure: its title, its axis and its legend.
struct MeasureWords
{
    const char *title;
    const char *axis;
    const char *point;
    const char *none; // when no setting has a value
    bool lengths; // path lengths: the shortest possible belongs on the chart
    double scale; // 100 for a share shown in per cent
};

MeasureWords wordsOf(ChartMeasure measure)
{
    switch (measure) {
    case ChartMeasure::Late:
        return {"Late mean path length per %1", "late mean length (cells), in the last tenth of the run",
                "late mean length, 95% bootstrap interval", "no ant reached the food late in a run", true, 1};
    case ChartMeasure::First:
        return {"Generation the shortest path was first found, per %1",
                "generation first found (mean of the runs that found it)", "mean generation, 95% bootstrap interval",
                "no run reached the shortest possible path", false, 1};
    case ChartMeasure::Arrived:
        return {"Ants that reached the food per %1", "ants that reached the food (%), mean of the runs",
                "mean share of the ants, 95% bootstrap interval", "", false, 100};
    case ChartMeasure::Best:
        break;
    }
    return {"Best path length per %1", "best path length (cells), mean of the runs",
            "mean best length, 95% bootstrap interval", "no run found a path", true, 1};
}

ParameterChartData::Point chartPoint(const std::vector<RunShare> &shares, double scale)
{
    ParameterChartData::Point point;
    const std::optional<double> mean = pooledMean(shares);
    const std::optional<Interval> interval = bootstrapInterval95(shares);
    point.present = mean && interval;
    if (point.present) {
        point.mean = *mean * scale;
        point.low = interval->low * scale;
        point.high = interval->high * scale;
    }
    return point;
}

// The words, the axis and the optimum of the chart, without its lines.
ParameterChartData chartFrame(const RunConfig &config, int optimum, std::size_t axis, const QString &subtitle)
{
    const MeasureWords words = wordsOf(config.chartMeasure);
    ParameterChartData data;
    data.axisName = QLatin1String(parameterName(static_cast<Parameter>(axis)));
    data.title = QString::fromLatin1(words.title).arg(data.axisName);
    data.subtitle = subtitle;
    data.valueName = QLatin1String(words.axis);
    data.pointName = QLatin1String(words.point);
    data.emptyNote = QLatin1String(words.none);
    data.categorical = static_cast<Parameter>(axis) == Parameter::Rule;
    for (const QString &value : config.parameters[axis])
        data.values << valueTitle(static_cast<Parameter>(axis), value);
    data.optimum = words.lengths ? optimum : 0;
    if (optimum <= 0)
        data.noOptimum = QStringLiteral("no path from home to food");
    return data;
}

} // namespace

std::vector<RunShare> measureShares(const std::vector<RunResult> &results, ChartMeasure measure, int optimum,
                                    long long antGenerations)
{
    std::vector<RunShare> shares;
    for (const RunResult &run : results) {
        if (measure == ChartMeasure::Best && run.best > 0)
            shares.push_back({run.best, 1});
        else if (measure == ChartMeasure::Late && run.lateArrivals > 0)
            shares.push_back({run.lateLengthSum, run.lateArrivals});
        else if (measure == ChartMeasure::First && optimum > 0 && run.best == optimum)
            shares.push_back({run.bestGeneration, 1});
        else if (measure == ChartMeasure::Arrived)
            shares.push_back({run.arrivals, antGenerations});
    }
    return shares;
}

ParameterChartData sweepChartData(const RunConfig &config, int optimum,
                                  const std::vector<std::vector<RunResult>> &results, const QString &subtitle)
{
    Parameter parameter = Parameter::Rule;
    QString unused;
    chartAxis(config, parameter, unused); // checked with the options
    const auto axis = static_cast<std::size_t>(parameter);
    ParameterChartData data = chartFrame(config, optimum, axis, subtitle);
    const double scale = wordsOf(config.chartMeasure).scale;
    std::map<QString, std::size_t> lineOf;
    for (std::size_t i = 0; i < config.settings.size(); ++i) {
        const Setting &setting = config.settings[i];
        const auto [line, added] = lineOf.emplace(sweptText(config.parameters, setting, axis), data.lines.size());
        if (added)
            data.lines.push_back({line->first, std::vector<ParameterChartData::Point>(data.values.size())});
        const long long ants = setting[static_cast<std::size_t>(Parameter::Ants)].toLongLong();
        const qsizetype at = config.parameters[axis].indexOf(setting[axis]);
        if (at < 0)
            continue; // every setting has a value on the axis: chartAxis sees to that
        data.lines[line->second].points[static_cast<std::size_t>(at)] =
            chartPoint(measureShares(results[i], config.chartMeasure, optimum, ants * config.generations), scale);
    }
    return data;
}
