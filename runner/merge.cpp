#include "merge.h"

#include "numbers.h"
#include "worldfile.h"

#include <QFile>

#include <algorithm>
#include <memory>

namespace {

const QByteArray kSweepPrefix = "#vormis-run shard ";
const QByteArray kSweepMiddle = " of the sweep: ";
const QByteArray kWorldPrefix = "#world options as given: ";
const QByteArray kGivenPrefix = "#parameters as given: ";
const QByteArray kRunPrefix = "#run ";
const QByteArray kEnd = "#end";

// The whole sweep as options that parseCommandLine reads back.
QStringList sweepArguments(const RunConfig &config)
{
    const World &world = config.world;
    QStringList arguments{QStringLiteral("--size"), QString::number(world.size), QStringLiteral("--home"),
                          cellText(world.home), QStringLiteral("--food"), cellText(world.food)};
    for (const Cell &cell : world.obstacles)
        arguments << QStringLiteral("--obstacle") << cellText(cell);
    for (int p = 0; p < kParameterCount; ++p) {
        if (!anyRuleTakes(config.parameters, static_cast<Parameter>(p)))
            continue;
        arguments << QStringLiteral("--") + QLatin1String(parameterName(static_cast<Parameter>(p)))
                  << config.parameters[static_cast<std::size_t>(p)].join(QLatin1Char(','));
    }
    arguments << QStringLiteral("--generations") << QString::number(config.generations) << QStringLiteral("--seed")
              << QString::number(config.seed) << QStringLiteral("--repeat") << QString::number(config.repeat);
    return arguments;
}

// A count or number of the file: negative for anything but a whole number.
long long wholeNumber(const QByteArray &text)
{
    return ::wholeNumber(QString::fromLatin1(text)).value_or(-1);
}

// One file read line by line, knowing where each line starts.
class LineReader
{
public:
    explicit LineReader(const QString &path) : m_file(path) {}

    bool open(QString &error)
    {
        if (m_file.open(QIODevice::ReadOnly))
            return true;
        error = QStringLiteral("--merge %1: %2").arg(m_file.fileName(), m_file.errorString());
        return false;
    }

    // The next line without its '\n'; false at the end.  A last line without
    // '\n' is a cut-off line, and ends the file too.
    bool next(QByteArray &line)
    {
        m_offset = m_file.pos();
        line = m_file.readLine();
        if (line.isEmpty() || !line.endsWith('\n'))
            return false;
        line.chop(1);
        ++m_number;
        return true;
    }

    qint64 offset() const { return m_offset; } // where the last line started
    bool atEnd() const { return m_file.atEnd(); }
    // "shard.csv:12: " and the fault
    QString fault(const QString &what) const
    {
        return QStringLiteral("--merge %1:%2: %3").arg(m_file.fileName()).arg(m_number).arg(what);
    }
    QString name() const { return m_file.fileName(); }

private:
    QFile m_file;
    qint64 m_offset = 0;
    int m_number = 0;
};

struct Preamble
{
    QByteArray sweep; // after "of the sweep: "
    QByteArray world;
    QByteArray given;
};

bool readPreamble(LineReader &reader, Preamble &preamble, QString &error)
{
    QByteArray line;
    const bool sweep = reader.next(line) && line.startsWith(kSweepPrefix) && line.contains(kSweepMiddle);
    if (sweep)
        preamble.sweep = line.mid(line.indexOf(kSweepMiddle) + kSweepMiddle.size());
    const bool world = sweep && reader.next(line) && line.startsWith(kWorldPrefix);
    if (world)
        preamble.world = line.mid(kWorldPrefix.size());
    const bool given = world && reader.next(line) && line.startsWith(kGivenPrefix);
    if (given)
        preamble.given = line.mid(kGivenPrefix.size());
    if (!given || !reader.next(line) || line + '\n' != QByteArray::fromStdString(csvHeader())) {
        error = reader.fault(QStringLiteral("not a shard file of vormis-run (see --shard)"));
        return false;
    }
    return true;
}

bool configFromPreamble(const Preamble &preamble, RunConfig &config, QString &error)
{
    QStringList arguments{QStringLiteral("vormis-run")};
    arguments += QString::fromUtf8(preamble.sweep).split(QLatin1Char(' '));
    QString message;
    if (parseCommandLine(arguments, config, message) != ParseOutcome::Run) {
        error = QStringLiteral("the sweep of the shard files cannot be read: %1").arg(message);
        return false;
    }
    config.worldOptions = QString::fromUtf8(preamble.world);
    const QStringList given = QString::fromUtf8(preamble.given).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int p = 0; p < kParameterCount; ++p)
        config.parameterGiven[static_cast<std::size_t>(p)] =
            given.contains(QLatin1String(parameterName(static_cast<Parameter>(p))));
    return true;
}

// What is known of the run being read.
struct RunReading
{
    long long run = 0;
    int generation = 0;
    RunResult result;
    std::vector<int> bestSoFar;
    std::vector<int> generationBest;
    qint64 offset = 0;
};

bool fail(QString &why, const QString &text)
{
    why = text;
    return false;
}

// Reads one row of the run: its number, seed, generation and setting must be
// those the sweep gives it.
bool readRow(const QByteArray &line, const RunConfig &config, const std::vector<std::string> &columns,
             RunReading &reading, QString &why)
{
    const QList<QByteArray> fields = line.split(',');
    constexpr int kColumns = 8 + kParameterCount;
    if (fields.size() != kColumns)
        return fail(why, QStringLiteral("expected %1 columns").arg(kColumns));
    const long long repeat = config.repeat;
    const std::size_t setting = static_cast<std::size_t>((reading.run - 1) / repeat);
    const std::uint32_t seed = config.seed + static_cast<std::uint32_t>((reading.run - 1) % repeat);
    if (wholeNumber(fields[0]) != reading.run || fields[1] != QByteArray::number(seed)
        || wholeNumber(fields[2]) != reading.generation + 1)
        return fail(why, QStringLiteral("expected generation %1 of run %2 (seed %3)")
                             .arg(reading.generation + 1)
                             .arg(reading.run)
                             .arg(seed));
    if (!line.endsWith(QByteArray::fromStdString(columns[setting])))
        return fail(why, QStringLiteral("the setting is not that of run %1 in the sweep").arg(reading.run));
    const long long shortest = fields[5].isEmpty() ? 0 : wholeNumber(fields[5]);
    const long long best = fields[6].isEmpty() ? 0 : wholeNumber(fields[6]);
    if (shortest < 0 || best < 0 || wholeNumber(fields[3]) < 0 || wholeNumber(fields[4]) < 0)
        return fail(why, QStringLiteral("expected whole numbers"));
    ++reading.generation;
    reading.result.arrivals = wholeNumber(fields[3]); // the running total: the last row's is the run's
    if (best != reading.result.best) { // best only improves: its last change is where it was first found
        reading.result.best = static_cast<int>(best);
        reading.result.bestGeneration = reading.generation;
    }
    reading.bestSoFar.push_back(static_cast<int>(best));
    reading.generationBest.push_back(static_cast<int>(shortest));
    return true;
}

// "#run N late L A restarts R", closing a run whose rows are all there.
bool readRunEnd(const QByteArray &line, RunReading &reading, int generations, QString &why)
{
    const QList<QByteArray> words = line.split(' ');
    if (reading.generation != generations) {
        why = QStringLiteral("run %1 stops after %2 of %3 generations")
                  .arg(reading.run)
                  .arg(reading.generation)
                  .arg(generations);
        return false;
    }
    if (words.size() != 7 || words[0] != "#run" || wholeNumber(words[1]) != reading.run || words[2] != "late"
        || wholeNumber(words[3]) < 0 || wholeNumber(words[4]) < 0 || words[5] != "restarts"
        || wholeNumber(words[6]) < 0 || wholeNumber(words[6]) > reading.generation) {
        why = QStringLiteral("expected #run %1 late LENGTHS ARRIVALS restarts RESTARTS").arg(reading.run);
        return false;
    }
    reading.result.lateLengthSum = wholeNumber(words[3]);
    reading.result.lateArrivals = wholeNumber(words[4]);
    reading.result.restarts = static_cast<int>(wholeNumber(words[6]));
    return true;
}

// A new run starts with the file's next row: a run of the sweep, after the
// file's earlier runs, in no other file.
bool startRun(const QByteArray &line, ShardSet &set, long long previous, RunReading &reading, QString &why)
{
    const long long run = wholeNumber(line.left(line.indexOf(',')));
    if (run < 1 || run > set.config.runCount() || run <= previous) {
        why = QStringLiteral("expected a run of the sweep after run %1").arg(previous);
        return false;
    }
    const ShardRun &seen = set.runs[static_cast<std::size_t>(run - 1)];
    if (seen.file >= 0) {
        why = QStringLiteral("run %1 is also in %2").arg(run).arg(set.files[seen.file]);
        return false;
    }
    reading = RunReading();
    reading.run = run;
    reading.result.run = static_cast<int>(run);
    reading.result.seed = set.config.seed + static_cast<std::uint32_t>((run - 1) % set.config.repeat);
    return true;
}

bool readFileRuns(ShardSet &set, int file, const ShardRunHandler &onRun, QString &error)
{
    LineReader reader(set.files[file]);
    Preamble preamble;
    if (!reader.open(error) || !readPreamble(reader, preamble, error))
        return false;
    std::vector<std::string> columns;
    for (const Setting &setting : set.config.settings)
        columns.push_back(settingColumns(setting));
    RunReading reading;
    long long previous = 0;
    QByteArray line;
    QString why;
    while (reader.next(line)) {
        if (line == kEnd && reading.run == 0) {
            if (reader.atEnd())
                return true;
            why = QStringLiteral("lines after #end");
            break;
        }
        if (line.startsWith(kRunPrefix) && reading.run > 0) {
            if (!readRunEnd(line, reading, set.config.generations, why))
                break;
            const qint64 length = reader.offset() - reading.offset;
            set.runs[static_cast<std::size_t>(reading.run - 1)] = {file, reading.offset, length};
            onRun(reading.result, reading.bestSoFar, reading.generationBest);
            previous = reading.run;
            reading.run = 0;
            continue;
        }
        if (reading.run == 0 && !startRun(line, set, previous, reading, why))
            break;
        if (reading.generation == 0)
            reading.offset = reader.offset();
        if (!readRow(line, set.config, columns, reading, why))
            break;
    }
    error = why.isEmpty() ? QStringLiteral("--merge %1: cut off (no #end line)").arg(reader.name()) : reader.fault(why);
    return false;
}

} // namespace

std::string shardPreamble(const RunConfig &config)
{
    QStringList given;
    for (int p = 0; p < kParameterCount; ++p)
        if (config.parameterGiven[static_cast<std::size_t>(p)])
            given << QLatin1String(parameterName(static_cast<Parameter>(p)));
    const QString text = QStringLiteral("%1%2/%3%4%5\n%6%7\n%8%9\n")
                             .arg(QLatin1String(kSweepPrefix))
                             .arg(config.shard)
                             .arg(config.shards)
                             .arg(QLatin1String(kSweepMiddle), sweepArguments(config).join(QLatin1Char(' ')),
                                  QLatin1String(kWorldPrefix), config.worldOptions, QLatin1String(kGivenPrefix),
                                  given.join(QLatin1Char(' ')));
    return text.toStdString();
}

std::string shardRunLine(const RunResult &result)
{
    return QStringLiteral("#run %1 late %2 %3 restarts %4\n")
        .arg(result.run)
        .arg(result.lateLengthSum)
        .arg(result.lateArrivals)
        .arg(result.restarts)
        .toStdString();
}

std::string shardEnd()
{
    return kEnd.toStdString() + '\n';
}

bool readShardSweep(const QStringList &files, ShardSet &set, QString &error)
{
    set.files = files;
    Preamble first;
    for (int i = 0; i < files.size(); ++i) {
        LineReader reader(files[i]);
        Preamble preamble;
        if (!reader.open(error) || !readPreamble(reader, preamble, error))
            return false;
        if (i == 0) {
            first = preamble;
        } else if (preamble.sweep != first.sweep || preamble.world != first.world || preamble.given != first.given) {
            error = QStringLiteral("--merge %1: from another sweep than %2").arg(files[i], files[0]);
            return false;
        }
    }
    if (!configFromPreamble(first, set.config, error))
        return false;
    set.runs.assign(static_cast<std::size_t>(set.config.runCount()), ShardRun());
    return true;
}

bool readShardRuns(ShardSet &set, const ShardRunHandler &onRun, QString &error)
{
    for (int file = 0; file < set.files.size(); ++file)
        if (!readFileRuns(set, file, onRun, error))
            return false;
    for (std::size_t i = 0; i < set.runs.size(); ++i) {
        if (set.runs[i].file < 0) {
            error = QStringLiteral("--merge: run %1 of the sweep is in none of the files").arg(i + 1);
            return false;
        }
    }
    return true;
}

bool copyShardRows(const ShardSet &set, const std::function<void(const QByteArray &)> &write, QString &error)
{
    std::vector<std::unique_ptr<QFile>> files(static_cast<std::size_t>(set.files.size()));
    write(QByteArray::fromStdString(csvHeader()));
    for (const ShardRun &run : set.runs) {
        std::unique_ptr<QFile> &file = files[static_cast<std::size_t>(run.file)];
        if (!file) {
            file = std::make_unique<QFile>(set.files[run.file]);
            if (!file->open(QIODevice::ReadOnly)) {
                error = QStringLiteral("--merge %1: %2").arg(file->fileName(), file->errorString());
                return false;
            }
        }
        qint64 left = run.length;
        bool ok = file->seek(run.offset);
        while (ok && left > 0) {
            const QByteArray rows = file->read(std::min<qint64>(left, 1 << 20));
            ok = !rows.isEmpty();
            left -= rows.size();
            write(rows);
        }
        if (!ok) {
            error = QStringLiteral("--merge %1: changed while it was read").arg(file->fileName());
            return false;
        }
    }
    return true;
}
