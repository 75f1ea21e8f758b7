#include "runner.h"

#include "colony.h"
#include "experiment.h"
#include "options.h"
#include "pictures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>

#include <unistd.h>

namespace {

constexpr std::size_t kCsvChunk = 1 << 16;

void printError(const QString &message)
{
    std::cerr << "vormis-run: " << message.toStdString() << std::endl;
}

std::uint32_t clockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micro = static_cast<unsigned long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    return static_cast<std::uint32_t>(micro ^ (micro >> 32));
}

// An output file, written to a temporary file beside it and renamed into
// place only when everything went well.
struct Output
{
    QString option;
    QString path;
    std::unique_ptr<QSaveFile> file;
    bool failed = false;

    QString failure() const
    {
        return QStringLiteral("--%1 %2: cannot write (%3)").arg(option, path, file->errorString());
    }
};

// The progress line on standard error, only on a terminal and only once the
// runs have taken longer than a second.
class Progress
{
public:
    Progress() : m_enabled(isatty(fileno(stderr)) != 0) { m_clock.start(); }

    void update(int run, int runs, int generation, int generations)
    {
        if (!m_enabled)
            return;
        const qint64 now = m_clock.elapsed();
        if (now < 1000 || now - m_lastShown < 200)
            return;
        m_lastShown = now;
        m_shown = true;
        std::fprintf(stderr, "\rvormis-run: run %d of %d, generation %d of %d ", run, runs, generation, generations);
        std::fflush(stderr);
    }

    void clear()
    {
        if (m_shown)
            std::fprintf(stderr, "\r%79s\r", "");
        m_shown = false;
    }

private:
    bool m_enabled;
    bool m_shown = false;
    qint64 m_lastShown = 0;
    QElapsedTimer m_clock;
};

QString chartSubtitle(const RunConfig &config)
{
    const World &world = config.world;
    QString text = QStringLiteral("%1x%1 world, %2 ants, alpha %3, beta %4, ro %5; ")
                       .arg(world.size)
                       .arg(world.ants)
                       .arg(world.alpha)
                       .arg(world.beta)
                       .arg(QString::number(world.ro, 'g', QLocale::FloatingPointShortest));
    if (config.repeat > 1)
        text += QStringLiteral("%1 runs, seeds from %2").arg(config.repeat).arg(config.seed);
    else
        text += QStringLiteral("seed %1").arg(config.seed);
    return text;
}

} // namespace

int runCommandLine(const QStringList &arguments)
{
    RunConfig config;
    QString message;
    switch (parseCommandLine(arguments, config, message)) {
    case ParseOutcome::Help:
    case ParseOutcome::Version:
        std::cout << message.toStdString() << std::flush;
        return ExitSuccess;
    case ParseOutcome::Error:
        printError(message);
        return ExitBadInput;
    case ParseOutcome::Run:
        break;
    }
    if (!config.seedGiven)
        config.seed = clockSeed();

    // Every output file is created (as its temporary) before the runs, so an
    // unwritable one stops us before any work is done.
    std::vector<Output> outputs;
    const std::pair<QString, QString> wanted[] = {{QStringLiteral("csv"), config.csvPath},
                                                  {QStringLiteral("png"), config.pngPath},
                                                  {QStringLiteral("chart"), config.chartPath}};
    for (const auto &[option, path] : wanted) {
        if (path.isEmpty() || (option == QLatin1String("csv") && config.csvToStandardOutput()))
            continue;
        const QString absolute = QFileInfo(path).absoluteFilePath();
        for (const Output &other : outputs) {
            if (QFileInfo(other.path).absoluteFilePath() == absolute) {
                printError(QStringLiteral("--%1 %2: the same file as --%3").arg(option, path, other.option));
                return ExitBadInput;
            }
        }
        outputs.push_back({option, path, std::make_unique<QSaveFile>(path)});
        if (!outputs.back().file->open(QIODevice::WriteOnly)) {
            printError(outputs.back().failure());
            return ExitBadInput;
        }
    }
    const auto outputFor = [&outputs](const char *option) -> Output * {
        for (Output &output : outputs)
            if (output.option == QLatin1String(option))
                return &output;
        return nullptr;
    };
    Output *const csvFile = outputFor("csv");
    Output *const pngFile = outputFor("png");
    Output *const chartFile = outputFor("chart");

    const World &world = config.world;
    const int optimum = shortestPathCells(world);
    const bool csvOut = csvFile || config.csvToStandardOutput();
    std::string csv;
    const auto flushCsv = [&]() {
        if (csv.empty())
            return;
        if (csvFile) {
            const auto size = static_cast<qint64>(csv.size());
            if (!csvFile->failed && csvFile->file->write(csv.data(), size) != size)
                csvFile->failed = true;
        } else {
            std::cout.write(csv.data(), static_cast<std::streamsize>(csv.size()));
        }
        csv.clear();
    };
    if (csvOut)
        csv = csvHeader();

    ChartData chart;
    std::vector<long long> bestSums;
    std::vector<int> runsWithBest;
    if (chartFile) {
        chart.subtitle = chartSubtitle(config);
        chart.runs = config.repeat;
        chart.optimum = optimum;
        chart.generationBest.reserve(static_cast<std::size_t>(config.generations));
        chart.bestSoFar.reserve(static_cast<std::size_t>(config.generations));
        if (config.repeat > 1) {
            bestSums.assign(static_cast<std::size_t>(config.generations), 0);
            runsWithBest.assign(static_cast<std::size_t>(config.generations), 0);
        }
    }

    Progress progress;
    std::vector<RunResult> results;
    std::unique_ptr<Colony> colony;
    for (int run = 1; run <= config.repeat; ++run) {
        // Seeds wrap around after 4294967295, as unsigned numbers do.
        const std::uint32_t seed = config.seed + static_cast<std::uint32_t>(run - 1);
        colony = std::make_unique<Colony>(world.size, world.ants);
        const auto onRow = [&](const GenerationRow &row) {
            if (csvOut) {
                appendCsvRow(csv, row);
                if (csv.size() >= kCsvChunk)
                    flushCsv();
            }
            if (chartFile) {
                const auto g = static_cast<std::size_t>(row.generation - 1);
                if (run == 1) {
                    chart.generationBest.push_back(row.shortest);
                    chart.bestSoFar.push_back(row.best);
                }
                if (config.repeat > 1 && row.best > 0) {
                    bestSums[g] += row.best;
                    ++runsWithBest[g];
                }
            }
            progress.update(run, config.repeat, row.generation, config.generations);
        };
        results.push_back(runExperiment(*colony, world, run, seed, config.generations, onRow));
    }
    progress.clear();
    flushCsv();
    if (config.repeat > 1 && chartFile) {
        chart.meanBestSoFar.resize(bestSums.size());
        for (std::size_t g = 0; g < bestSums.size(); ++g) {
            chart.meanBestSoFar[g] =
                runsWithBest[g] == config.repeat ? static_cast<double>(bestSums[g]) / config.repeat : -1.0;
        }
    }

    if (pngFile) {
        const QImage image = renderWorldImage(worldPicture(*colony, world, results.back().bestPath));
        if (!image.save(pngFile->file.get(), "PNG"))
            pngFile->failed = true;
    }
    if (chartFile) {
        const QImage image = renderChart(chart);
        if (!image.save(chartFile->file.get(), "PNG"))
            chartFile->failed = true;
    }
    // All or nothing as far as we can: nothing is renamed into place while
    // any output has failed.
    for (Output &output : outputs) {
        if (output.failed) {
            printError(output.failure());
            return ExitOutputFailed;
        }
    }
    for (Output &output : outputs) {
        if (!output.file->commit()) {
            printError(output.failure());
            return ExitOutputFailed;
        }
    }

    const std::string summary = summaryText(config, optimum, results).toStdString();
    if (config.csvToStandardOutput())
        std::cerr << summary << std::flush;
    else
        std::cout << summary;

    if (config.dump != Dump::None) {
        std::cout << '\n';
        const std::streamsize precision = std::cout.precision();
        switch (config.dump) {
        case Dump::Tables:
            colony->printTables();
            break;
        case Dump::Map:
            colony->printAntMap(config.dumpAnt);
            break;
        case Dump::Path:
            colony->printAntPath(config.dumpAnt);
            break;
        case Dump::None:
            break;
        }
        std::cout.precision(precision);
    }

    std::cout.flush();
    if (!std::cout.good() || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        printError(QStringLiteral("cannot write to standard output"));
        return ExitOutputFailed;
    }
    return ExitSuccess;
}
