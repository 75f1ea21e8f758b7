#include "runner.h"

#include "colony.h"
#include "experiment.h"
#include "options.h"
#include "outputfile.h"
#include "pictures.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>

#include <sys/stat.h>
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

// Two outputs may share a device such as /dev/null, which takes both
// without harm; a file or a pipe would mix or lose them.
bool isCharacterDevice(const QString &path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

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

// The CSV, gathered in chunks and written to its file or standard output.
class CsvSink
{
public:
    CsvSink(OutputFile *file, bool toStandardOutput) : m_file(file), m_enabled(file || toStandardOutput)
    {
        if (m_enabled)
            m_buffer = csvHeader();
    }

    void add(const GenerationRow &row)
    {
        if (!m_enabled)
            return;
        appendCsvRow(m_buffer, row);
        if (m_buffer.size() >= kCsvChunk)
            flush();
    }

    void flush()
    {
        if (m_buffer.empty())
            return;
        if (m_file) {
            m_file->write(m_buffer.data(), static_cast<qint64>(m_buffer.size()));
        } else {
            std::cout.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        }
        m_buffer.clear();
    }

private:
    OutputFile *m_file;
    bool m_enabled;
    std::string m_buffer;
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

// What the chart needs of the runs: the first run's lengths and, over all
// runs, the mean best so far of each generation.
class ChartCollector
{
public:
    ChartCollector(const RunConfig &config, int optimum) : m_runs(config.repeat)
    {
        m_data.subtitle = chartSubtitle(config);
        m_data.runs = config.repeat;
        m_data.optimum = optimum;
        const auto generations = static_cast<std::size_t>(config.generations);
        m_data.generationBest.reserve(generations);
        m_data.bestSoFar.reserve(generations);
        if (m_runs > 1) {
            m_bestSums.assign(generations, 0);
            m_runsWithBest.assign(generations, 0);
        }
    }

    void observe(const GenerationRow &row)
    {
        if (row.run == 1) {
            m_data.generationBest.push_back(row.generation.shortest);
            m_data.bestSoFar.push_back(row.best);
        }
        const auto g = static_cast<std::size_t>(row.generation.generation - 1);
        if (m_runs > 1 && row.best > 0) {
            m_bestSums[g] += row.best;
            ++m_runsWithBest[g];
        }
    }

    // The mean counts only where every run has a path.
    const ChartData &finish()
    {
        if (m_runs > 1) {
            m_data.meanBestSoFar.resize(m_bestSums.size());
            for (std::size_t g = 0; g < m_bestSums.size(); ++g) {
                m_data.meanBestSoFar[g] =
                    m_runsWithBest[g] == m_runs ? static_cast<double>(m_bestSums[g]) / m_runs : -1.0;
            }
        }
        return m_data;
    }

private:
    int m_runs;
    ChartData m_data;
    std::vector<long long> m_bestSums;
    std::vector<int> m_runsWithBest;
};

// One invocation from its outputs' creation to the last line it prints.
class Session
{
public:
    Session(const RunConfig &config) : m_config(config), m_optimum(shortestPathCells(config.world)) {}

    bool openOutputs();
    void runAll();
    void writePictures();
    bool commitOutputs();
    void printSummary() const;
    void printDump() const;

private:
    OutputFile *outputFor(const char *option);
    void write(OutputFile *output, const QByteArray &bytes);

    const RunConfig m_config;
    const int m_optimum;
    std::vector<std::unique_ptr<OutputFile>> m_outputs;
    std::vector<QString> m_unencoded; // pictures that could not be made
    std::vector<RunResult> m_results;
    std::unique_ptr<Colony> m_colony; // the last run's, for its picture and dumps
    std::unique_ptr<ChartCollector> m_chart;
};

OutputFile *Session::outputFor(const char *option)
{
    for (const auto &output : m_outputs)
        if (output->option() == QLatin1String("--") + QLatin1String(option))
            return output.get();
    return nullptr;
}

// Every output is opened (a regular file as its temporary) before the runs,
// so an impossible one stops us before any work is done.
bool Session::openOutputs()
{
    const std::pair<QString, QString> wanted[] = {{QStringLiteral("csv"), m_config.csvPath},
                                                  {QStringLiteral("png"), m_config.pngPath},
                                                  {QStringLiteral("chart"), m_config.chartPath}};
    for (const auto &[option, path] : wanted) {
        if (path.isEmpty() || (option == QLatin1String("csv") && m_config.csvToStandardOutput()))
            continue;
        const QString absolute = QFileInfo(path).absoluteFilePath();
        for (const auto &other : m_outputs) {
            if (QFileInfo(other->path()).absoluteFilePath() == absolute && !isCharacterDevice(path)) {
                printError(QStringLiteral("--%1 %2: the same file as %3").arg(option, path, other->option()));
                return false;
            }
        }
        m_outputs.push_back(std::make_unique<OutputFile>(QStringLiteral("--") + option, path));
        if (!m_outputs.back()->open()) {
            printError(m_outputs.back()->error());
            return false;
        }
    }
    return true;
}

void Session::runAll()
{
    CsvSink csv(outputFor("csv"), m_config.csvToStandardOutput());
    if (outputFor("chart"))
        m_chart = std::make_unique<ChartCollector>(m_config, m_optimum);
    Progress progress;
    const World &world = m_config.world;
    for (int run = 1; run <= m_config.repeat; ++run) {
        // Seeds wrap around after 4294967295, as unsigned numbers do.
        const std::uint32_t seed = m_config.seed + static_cast<std::uint32_t>(run - 1);
        m_colony = std::make_unique<Colony>(world.size, world.ants);
        const auto onRow = [&](const GenerationRow &row) {
            csv.add(row);
            if (m_chart)
                m_chart->observe(row);
            progress.update(run, m_config.repeat, row.generation.generation, m_config.generations);
        };
        m_results.push_back(runExperiment(*m_colony, world, run, seed, m_config.generations, onRow));
    }
    progress.clear();
    csv.flush();
}

// Pictures are encoded in memory first: a failing disk is then the output's
// to report, in one line, and never the PNG library's.
void Session::write(OutputFile *output, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        m_unencoded.push_back(output->option() + QLatin1Char(' ') + output->path() + QStringLiteral(": cannot encode the picture"));
    else
        output->write(bytes);
}

void Session::writePictures()
{
    if (OutputFile *png = outputFor("png"))
        write(png, pngBytes(renderWorldImage(worldPicture(*m_colony, m_config.world, m_results.back().bestPath))));
    if (OutputFile *chart = outputFor("chart"))
        write(chart, pngBytes(renderChart(m_chart->finish())));
}

// All or nothing as far as we can: nothing is renamed into place while any
// output has failed.  Each failed output says why in one line.
bool Session::commitOutputs()
{
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
    const std::string summary = summaryText(m_config, m_optimum, m_results).toStdString();
    if (m_config.csvToStandardOutput())
        std::cerr << summary << std::flush;
    else
        std::cout << summary;
}

void Session::printDump() const
{
    if (m_config.dump == Dump::None)
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

bool standardOutputWritten()
{
    std::cout.flush();
    return std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
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

    Session session(config);
    if (!session.openOutputs())
        return ExitBadInput;
    session.runAll();
    session.writePictures();
    // The runs are done and worth reporting even when an output failed.
    const bool written = session.commitOutputs();
    session.printSummary();
    session.printDump();
    if (!standardOutputWritten()) {
        printError(QStringLiteral("cannot write to standard output"));
        return ExitOutputFailed;
    }
    return written ? ExitSuccess : ExitOutputFailed;
}
