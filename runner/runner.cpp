#include "runner.h"

#include "animation.h"
#include "colony.h"
#include "experiment.h"
#include "options.h"
#include "outputfile.h"
#include "measures.h"
#include "merge.h"
#include "charts.h"
#include "interrupts.h"
#include "machine.h"
#include "resources.h"
#include "worldimage.h"
#include "runpool.h"
#include "sweep.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>

#include <unistd.h>

namespace {

constexpr std::size_t kCsvChunk = 1 << 16;

void printError(const QString &message)
{
    std::cerr << "vormis-run: " << oneLine(message).toStdString() << std::endl;
}

std::uint32_t clockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micro = static_cast<unsigned long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    return static_cast<std::uint32_t>(micro ^ (micro >> 32));
}

QString durationText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The progress line on standard error, only on a terminal and only once the
// runs have taken longer than a second: runs done, time taken and an
// estimate of the time left from the generations done.
class Progress
{
public:
    Progress(long long runs, long long generations)
        : m_enabled(isatty(fileno(stderr)) != 0), m_runs(runs), m_generations(generations)
    {
        m_clock.start();
    }

    void update(long long runsDone, long long generationsDone)
    {
        if (!m_enabled)
            return;
        const qint64 now = m_clock.elapsed();
        if (now < 1000 || now - m_lastShown < 200)
            return;
        m_lastShown = now;
        m_shown = true;
        QString left = QStringLiteral("?");
        if (generationsDone > 0) {
            const double share = static_cast<double>(generationsDone) / static_cast<double>(m_generations);
            left = durationText(static_cast<qint64>(now * (1.0 - share) / share));
        }
        const QString line = QStringLiteral("vormis-run: %1 of %2 runs done, %3 elapsed, about %4 left")
                                 .arg(runsDone)
                                 .arg(m_runs)
                                 .arg(durationText(now), left);
        std::fprintf(stderr, "\r%-79s", line.toLocal8Bit().constData());
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
    long long m_runs;
    long long m_generations;
    bool m_shown = false;
    qint64 m_lastShown = 0;
    QElapsedTimer m_clock;
};

// The CSV, gathered in chunks and written to its file (standard output for
// "-"), and for a shard file the checksum of what it wrote.
class CsvSink
{
public:
    CsvSink(OutputFile *file, bool checksummed) : m_file(file), m_checksummed(checksummed) {}

    bool enabled() const { return m_file != nullptr; }

    void add(const std::string &text)
    {
        if (!m_file)
            return;
        m_buffer += text;
        if (m_checksummed)
            m_checksum.add(text);
        if (m_buffer.size() >= kCsvChunk)
            flush();
    }

    void flush()
    {
        if (m_buffer.empty())
            return;
        m_file->write(m_buffer.data(), static_cast<qint64>(m_buffer.size()));
        m_buffer.clear();
    }

    // Rows that were lost on the way: the file is not to be kept.
    void lost() { m_file->setFailed(EIO); }
    const ShardChecksum &checksum() const { return m_checksum; }

private:
    OutputFile *m_file;
    bool m_checksummed;
    std::string m_buffer;
    ShardChecksum m_checksum;
};

// "10x10 world, 5 ants, alpha 2, beta 1, ro 0.1, rule vormis" for the
// parameters with one value.
QString worldText(const RunConfig &config)
{
    QString text = QStringLiteral("%1x%1 world").arg(config.world.size);
    for (const Parameter p : {Parameter::Ants, Parameter::Alpha, Parameter::Beta, Parameter::Ro, Parameter::Rule,
                              Parameter::Q0, Parameter::Xi, Parameter::Elite, Parameter::Rank, Parameter::Restart}) {
        const QStringList &values = config.parameters[static_cast<std::size_t>(p)];
        if (values.size() != 1 || !anyRuleTakes(config.parameters, p))
            continue;
        if (p == Parameter::Ants)
            text += QStringLiteral(", %1 ants").arg(values[0]);
        else
            text += QStringLiteral(", %1 %2").arg(QLatin1String(parameterName(p)), values[0]);
    }
    return text;
}

QString chartSubtitle(const RunConfig &config)
{
    QString text = worldText(config) + QStringLiteral("; ");
    if (config.isSweep() && config.repeat > 1)
        text += QStringLiteral("%1 runs a setting, seeds from %2").arg(config.repeat).arg(config.seed);
    else if (config.isSweep())
        text += QStringLiteral("1 run a setting, seed %1").arg(config.seed);
    else if (config.repeat > 1)
        text += QStringLiteral("%1 runs, seeds from %2").arg(config.repeat).arg(config.seed);
    else
        text += QStringLiteral("seed %1").arg(config.seed);
    return text;
}

// What the chart of one setting needs of the runs: the first run's lengths
// and, over all runs, the mean best so far of each generation.  The runs may
// come in any order.
class ChartCollector
{
public:
    ChartCollector(const RunConfig &config) : m_generations(static_cast<std::size_t>(config.generations))
    {
        m_data.subtitle = chartSubtitle(config);
        m_data.runs = 0;
        m_data.optimum = shortestPathCells(config.world);
        m_bestSums.assign(m_generations, 0);
        m_runsWithBest.assign(m_generations, 0);
    }

    void addRun(int run, const std::vector<int> &bestSoFar, const std::vector<int> &generationBest)
    {
        ++m_data.runs;
        if (m_data.generationBest.empty() || run < m_data.firstRun) {
            m_data.firstRun = run;
            m_data.generationBest = generationBest;
            m_data.bestSoFar = bestSoFar;
        }
        for (std::size_t g = 0; g < m_generations && g < bestSoFar.size(); ++g) {
            if (bestSoFar[g] > 0) {
                m_bestSums[g] += bestSoFar[g];
                ++m_runsWithBest[g];
            }
        }
    }

    // The mean counts only where every run has a path.
    const ChartData &finish()
    {
        if (m_data.runs > 1) {
            m_data.meanBestSoFar.resize(m_generations);
            for (std::size_t g = 0; g < m_generations; ++g) {
                m_data.meanBestSoFar[g] = m_runsWithBest[g] == m_data.runs
                                              ? static_cast<double>(m_bestSums[g]) / m_data.runs
                                              : -1.0;
            }
        }
        return m_data;
    }

private:
    std::size_t m_generations;
    ChartData m_data;
    std::vector<long long> m_bestSums;
    std::vector<int> m_runsWithBest;
};

// What one run hands back to the main thread.
struct RunOutcome
{
    std::size_t setting = 0;
    RunResult result;
    std::vector<int> bestSoFar;      // only for the chart of one setting
    std::vector<int> generationBest; // likewise
    std::unique_ptr<Colony> colony;  // only the last run's, for --png and --dump
};

// One invocation from its outputs' creation to the last line it prints.
class Session
{
public:
    Session(const RunConfig &config);

    bool openOutputs();
    void runAll();
    bool mergeAll(const ShardSet &shards, QString &error);
    void addRun(std::size_t setting, RunResult result, const std::vector<int> &bestSoFar,
                const std::vector<int> &generationBest);
    void writeSummaryAndPictures();
    bool commitOutputs();
    void printSummary() const;
    void printDump() const;

private:
    OutputFile *outputFor(const char *option);
    bool isFreeOutput(const OutputFile &output, std::vector<std::pair<QString, FileIdentity>> &taken) const;
    void write(OutputFile *output, const QByteArray &bytes);
    RunOutcome runOne(long long run, const RunPool<RunOutcome>::Emit &handOver);
    QString summary() const;

    const RunConfig m_config;
    const int m_optimum;
    std::vector<World> m_worlds;           // of each setting
    std::vector<std::string> m_columns;    // the CSV's setting columns of each setting
    std::vector<std::unique_ptr<OutputFile>> m_outputs;
    std::vector<QString> m_unencoded; // pictures that could not be made
    std::vector<std::vector<RunResult>> m_results; // of each setting, in run order
    std::unique_ptr<Colony> m_colony; // the last run's, for its picture and dumps
    RunResult m_lastRun;
    std::unique_ptr<ChartCollector> m_chart;
    std::unique_ptr<RunAnimation> m_animation; // of run 1, for --gif
    bool m_wantsRows = false;
    long long m_lastRunNumber = 0;
    std::atomic<long long> m_generationsDone{0};
};

Session::Session(const RunConfig &config)
    : m_config(config), m_optimum(shortestPathCells(config.world)), m_results(config.settings.size())
{
    for (const Setting &setting : m_config.settings) {
        m_worlds.push_back(settingWorld(m_config.world, setting));
        m_columns.push_back(settingColumns(setting));
    }
    if (!m_config.chartPath.isEmpty() && !m_config.isSweep())
        m_chart = std::make_unique<ChartCollector>(m_config);
    if (!m_config.gifPath.isEmpty()) {
        const int every = m_config.gifEvery > 0 ? m_config.gifEvery : defaultGifEvery(m_config.generations);
        m_animation = std::make_unique<RunAnimation>(m_worlds.front(), m_config.settings.front(),
                                                     m_config.generations, every, m_optimum);
    }
}

OutputFile *Session::outputFor(const char *option)
{
    for (const auto &output : m_outputs)
        if (output->option() == QLatin1String("--") + QLatin1String(option))
            return output.get();
    return nullptr;
}

// The files the command line reads, by option: an output must not be one.
std::vector<std::pair<QString, FileIdentity>> inputsOf(const RunConfig &config)
{
    std::vector<std::pair<QString, FileIdentity>> inputs;
    if (!config.worldFile.isEmpty())
        inputs.emplace_back(QStringLiteral("--world"), identityOfPath(QFile::encodeName(config.worldFile).toStdString()));
    for (const QString &file : config.mergeFiles)
        inputs.emplace_back(QStringLiteral("--merge ") + file, identityOfPath(QFile::encodeName(file).toStdString()));
    return inputs;
}

// An output must not be an input, nor another output, by device and inode:
// through a link or /dev/fd/N one would replace or mix with the other.  A
// device such as /dev/null takes any number of them without harm.
bool Session::isFreeOutput(const OutputFile &output, std::vector<std::pair<QString, FileIdentity>> &taken) const
{
    const FileIdentity identity = output.identity();
    for (const auto &[name, other] : taken) {
        if (identity.sameAs(other)) {
            printError(QStringLiteral("%1 %2: the same file as %3").arg(output.option(), output.path(), name));
            return false;
        }
    }
    taken.emplace_back(output.option(), identity);
    return true;
}

// Every output is opened (a regular file as its temporary) before the runs,
// so an impossible one stops us before any work is done.
bool Session::openOutputs()
{
    const std::pair<QString, QString> wanted[] = {{QStringLiteral("csv"), m_config.csvPath},
                                                  {QStringLiteral("summary-csv"), m_config.summaryCsvPath},
                                                  {QStringLiteral("png"), m_config.pngPath},
                                                  {QStringLiteral("chart"), m_config.chartPath},
                                                  {QStringLiteral("gif"), m_config.gifPath}};
    std::vector<std::pair<QString, FileIdentity>> taken = inputsOf(m_config);
    for (const auto &[option, path] : wanted) {
        if (path.isEmpty())
            continue;
        auto output = std::make_unique<OutputFile>(QStringLiteral("--") + option, path);
        if (!isFreeOutput(*output, taken))
            return false;
        m_outputs.push_back(std::move(output));
    }
    for (const auto &output : m_outputs) {
        if (!output->open()) {
            printError(output->error());
            return false;
        }
    }
    return true;
}

void Session::addRun(std::size_t setting, RunResult result, const std::vector<int> &bestSoFar,
                     const std::vector<int> &generationBest)
{
    if (m_chart)
        m_chart->addRun(result.run, bestSoFar, generationBest);
    if (result.run == m_lastRunNumber)
        m_lastRun = result;
    result.bestPath = {};
    m_results[setting].push_back(std::move(result));
}

// Runs in a worker thread: touches only its own colony, the settings' worlds
// and columns (read only), the generation count (atomic) and, for run 1
// alone, the animation.
RunOutcome Session::runOne(long long run, const RunPool<RunOutcome>::Emit &handOver)
{
    RunOutcome outcome;
    outcome.setting = static_cast<std::size_t>((run - 1) / m_config.repeat);
    const World &world = m_worlds[outcome.setting];
    const std::string &columns = m_columns[outcome.setting];
    const std::uint32_t seed = m_config.seed + static_cast<std::uint32_t>((run - 1) % m_config.repeat);
    auto colony = std::make_unique<Colony>(world.size, world.ants);
    std::string rows;
    const auto onRow = [&](const GenerationRow &row) {
        if (m_wantsRows) {
            appendCsvRow(rows, row, columns);
            if (rows.size() >= kCsvChunk)
                handOver(rows);
        }
        if (m_chart) {
            outcome.bestSoFar.push_back(row.best);
            outcome.generationBest.push_back(row.generation.shortest);
        }
        if (m_animation && run == 1)
            m_animation->observe(*colony, row);
        m_generationsDone.fetch_add(1, std::memory_order_relaxed);
    };
    outcome.result = runExperiment(*colony, world, static_cast<int>(run), seed, m_config.generations, onRow);
    handOver(rows);
    if (run == m_lastRunNumber)
        outcome.colony = std::move(colony);
    return outcome;
}

// This process's runs (all, or those of its shard) on --jobs threads; their
// CSV rows and results are taken in run order.
void Session::runAll()
{
    CsvSink csv(outputFor("csv"), m_config.sharded);
    m_wantsRows = csv.enabled();
    if (m_config.sharded)
        csv.add(shardHeader(m_config));
    csv.add(csvHeader());
    const long long total = m_config.runCount();
    const long long count = total >= m_config.shard ? (total - m_config.shard) / m_config.shards + 1 : 0;
    m_lastRunNumber = m_config.shard + (count - 1) * m_config.shards;
    const auto runOf = [this](std::size_t piece) {
        return m_config.shard + static_cast<long long>(piece) * m_config.shards;
    };
    Progress progress(count, count * m_config.generations);
    const auto window = 2 * static_cast<std::size_t>(m_config.jobs); // runs under way or waiting
    RunPool<RunOutcome> pool(static_cast<std::size_t>(count), m_config.jobs, window,
                             [&](std::size_t piece, const RunPool<RunOutcome>::Emit &handOver) {
                                 return runOne(runOf(piece), handOver);
                             });
    std::string text;
    RunOutcome outcome;
    for (;;) {
        const auto event = pool.next(text, outcome, std::chrono::milliseconds(200));
        if (event == RunPool<RunOutcome>::Event::Done)
            break;
        if (event == RunPool<RunOutcome>::Event::Failed)
            csv.lost();
        csv.add(text);
        if (event == RunPool<RunOutcome>::Event::Finished) {
            if (m_config.sharded)
                csv.add(shardRunLine(outcome.result.run, outcome.result.lateLengthSum, outcome.result.lateArrivals,
                                     outcome.result.restarts));
            if (outcome.colony)
                m_colony = std::move(outcome.colony);
            addRun(outcome.setting, std::move(outcome.result), outcome.bestSoFar, outcome.generationBest);
        }
        progress.update(static_cast<long long>(pool.finishedCount()), m_generationsDone.load());
    }
    if (m_config.sharded)
        csv.add(shardEnd(csv.checksum()));
    progress.clear();
    csv.flush();
}

// The runs of the shard files, read already; their rows are copied in run
// order.
bool Session::mergeAll(const ShardSet &shards, QString &error)
{
    CsvSink csv(outputFor("csv"), false);
    if (!csv.enabled())
        return true;
    const bool copied = copyShardRows(shards, [&](const QByteArray &rows) { csv.add(rows.toStdString()); }, error);
    csv.flush();
    return copied;
}

QString Session::summary() const
{
    if (m_config.isSweep())
        return sweepSummaryText(m_config, m_optimum, m_results);
    return summaryText(m_config, m_optimum, m_results.front());
}

// Pictures are encoded in memory first: a failing disk is then the output's
// to report, in one line, and never the PNG library's.
void Session::write(OutputFile *output, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        m_unencoded.push_back(output->option() + QLatin1Char(' ') + output->path()
                              + QStringLiteral(": cannot encode the picture"));
    else
        output->write(bytes);
}

void Session::writeSummaryAndPictures()
{
    for (std::vector<RunResult> &runs : m_results)
        std::sort(runs.begin(), runs.end(), [](const RunResult &a, const RunResult &b) { return a.run < b.run; });
    if (OutputFile *summaryCsvFile = outputFor("summary-csv"))
        summaryCsvFile->write(QByteArray::fromStdString(summaryCsv(m_config, m_optimum, m_results)));
    if (OutputFile *png = outputFor("png")) {
        const World world = m_worlds[static_cast<std::size_t>((m_lastRunNumber - 1) / m_config.repeat)];
        write(png, pngBytes(renderWorldImage(worldPicture(*m_colony, world, m_lastRun.bestPath))));
    }
    if (OutputFile *chart = outputFor("chart")) {
        if (m_chart)
            write(chart, pngBytes(renderChart(m_chart->finish())));
        else
            write(chart, pngBytes(renderParameterChart(
                             sweepChartData(m_config, m_optimum, m_results, chartSubtitle(m_config)))));
    }
    if (OutputFile *gif = outputFor("gif")) {
        QByteArray bytes;
        QString error;
        if (m_animation->encode(bytes, error))
            gif->write(bytes);
        else
            m_unencoded.push_back(gif->option() + QLatin1Char(' ') + gif->path() + QStringLiteral(": ") + error);
    }
}

// All or nothing as far as we can: nothing is renamed into place while any
// output has failed.  Each failed output says why in one line.
bool Session::commitOutputs()
{
    // An interruption waits until every output is in place or none is; one
    // that came before the first is renamed leaves them all as they were.
    const InterruptsHeld held;
    if (held.pending()) {
        for (const auto &output : m_outputs)
            output->discard();
        return false;
    }
    for (const QString &failure : m_unencoded)
        printError(failure);
    bool failed = !m_unencoded.empty();
    for (const auto &output : m_outputs) {
        if (output->failed()) {
            printError(output->error());
            failed = true;
        }
    }
    for (const auto &output : m_outputs) {
        if (failed) {
            output->discard();
        } else if (!output->commit()) {
            printError(output->error());
            failed = true;
        }
    }
    return !failed;
}

void Session::printSummary() const
{
    const std::string text = summary().toStdString();
    if (m_config.csvToStandardOutput())
        std::cerr << text << std::flush;
    else
        std::cout << text;
}

void Session::printDump() const
{
    if (m_config.dump == Dump::None || !m_colony)
        return;
    std::cout << '\n';
    switch (m_config.dump) {
    case Dump::Tables:
        m_colony->printTables(std::cout);
        break;
    case Dump::Map:
        m_colony->printAntMap(m_config.dumpAnt, std::cout);
        break;
    case Dump::Path:
        m_colony->printAntPath(m_config.dumpAnt, std::cout);
        break;
    case Dump::None:
        break;
    }
}

// The exit status once the runs are reported: a summary that did not reach
// standard output is a failed output too.
int finalStatus(bool written)
{
    std::cout.flush();
    if (!std::cout.good() || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        printError(QStringLiteral("cannot write to standard output"));
        return ExitOutputFailed;
    }
    return written ? ExitSuccess : ExitOutputFailed;
}

} // namespace

namespace {

// --merge: the sweep and its runs come from the shard files, the outputs
// from the command line.  Every file is read and checked before an output
// is opened.
int mergeShards(const RunConfig &options)
{
    ShardSet shards;
    QString error;
    if (!readShardSweep(options.mergeFiles, csvHeader(), shards, error)) {
        printError(error);
        return ExitBadInput;
    }
    RunConfig config = shards.config;
    config.csvPath = options.csvPath;
    config.summaryCsvPath = options.summaryCsvPath;
    config.chartPath = options.chartPath;
    config.mergeFiles = options.mergeFiles;
    config.chartAxis = options.chartAxis;
    config.chartMeasure = options.chartMeasure;
    config.chartMeasureGiven = options.chartMeasureGiven;
    Parameter axis = Parameter::Rule;
    if (!config.chartPath.isEmpty() && !chartAxis(config, axis, error)) {
        printError(error);
        return ExitBadInput;
    }
    Session session(config);
    const auto onRun = [&](const ShardRun &run) {
        const RunResult result{run.run,           run.seed,          run.best,     run.bestGeneration, {},
                               run.lateLengthSum, run.lateArrivals, run.restarts, run.arrivals};
        session.addRun(static_cast<std::size_t>((run.run - 1) / config.repeat), result, run.bestSoFar,
                       run.generationBest);
    };
    if (!readShardRuns(shards, lateGenerations(config.generations), onRun, error)) {
        printError(error);
        return ExitBadInput;
    }
    if (!session.openOutputs())
        return ExitBadInput;
    // A file changed after it was checked: nothing is kept.
    if (!session.mergeAll(shards, error)) {
        printError(error);
        return ExitBadInput;
    }
    session.writeSummaryAndPictures();
    const bool written = session.commitOutputs();
    session.printSummary();
    return finalStatus(written);
}

// No more threads than cores, and their colonies within the free memory.
bool fitToMachine(RunConfig &config)
{
    QString message;
    fitJobsToCores(config, coreCount(), message);
    if (!message.isEmpty())
        printError(message);
    if (coloniesFit(config, availableMemory(), message))
        return true;
    printError(message);
    return false;
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
    if (config.merging())
        return mergeShards(config);
    if (!config.seedGiven)
        config.seed = clockSeed();
    if (!fitToMachine(config))
        return ExitBadInput;

    Session session(config);
    if (!session.openOutputs())
        return ExitBadInput;
    session.runAll();
    session.writeSummaryAndPictures();
    // The runs are done and worth reporting even when an output failed.
    const bool written = session.commitOutputs();
    session.printSummary();
    session.printDump();
    return finalStatus(written);
}
