#include "merge.h"

#include "numbers.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

const QByteArray kRunPrefix = "#run ";
const QByteArray kEndPrefix = "#end crc32 ";
constexpr qint64 kCopyPiece = 1 << 20;

// A count of the file: -1 for anything but a whole number.
long long wholeNumber(const QByteArray &text)
{
    return ::wholeNumber(QString::fromLatin1(text)).value_or(-1);
}

// A mean with two decimals ("12.25") in hundredths; -1 for anything else.
long long hundredths(const QByteArray &text)
{
    const qsizetype dot = text.size() - 3;
    if (dot < 1 || text[dot] != '.' || text[dot + 1] == '-')
        return -1;
    const long long whole = wholeNumber(text.left(dot));
    const long long fraction = wholeNumber(text.mid(dot + 1));
    return whole < 0 || fraction < 0 ? -1 : whole * 100 + fraction;
}

// A field of the file in a message: short, and printable.
QString shown(const QByteArray &field)
{
    QString text = QString::fromLatin1(field.left(20));
    for (QChar &c : text)
        if (c.unicode() < 0x20 || c.unicode() >= 0x7f)
            c = QLatin1Char('?');
    return text;
}

bool fail(QString &why, const QString &text)
{
    why = text;
    return false;
}

// What the runs of one setting can give.
struct RunLimits
{
    int ants = 0;
    int optimum = 0; // the shortest possible path; 0: the food cannot be reached
    int longest = 0; // the free cells: no path is longer
    std::string columns; // the setting's CSV columns
};

// The sweep as its rows are checked against it.
struct SweepRows
{
    const RunConfig &config;
    int columns = 0;
    int lateFrom = 0; // the first late generation
    std::vector<RunLimits> settings;

    SweepRows(const ShardSet &set, int lateGenerations)
        : config(set.config),
          columns(static_cast<int>(std::count(set.csvHeader.begin(), set.csvHeader.end(), ',')) + 1),
          lateFrom(set.config.generations - lateGenerations + 1)
    {
        for (const Setting &setting : config.settings) {
            const World world = settingWorld(config.world, setting);
            const int cells = world.size * world.size - static_cast<int>(world.obstacles.size());
            settings.push_back({world.ants, shortestPathCells(world), cells, settingColumns(setting)});
        }
    }
    const RunLimits &limitsOf(long long run) const
    {
        return settings[static_cast<std::size_t>((run - 1) / config.repeat)];
    }
    std::uint32_t seedOf(long long run) const
    {
        return config.seed + static_cast<std::uint32_t>((run - 1) % config.repeat);
    }
};

// What is known of the run being read.
struct RunReading
{
    ShardRun run; // run.run is 0 between runs
    int generation = 0;
    long long arrivals = 0;
    long long lateArrivals = 0;
    long long lateHundredths = 0; // the late means times their ants
    qint64 offset = 0;
    ShardChecksum checksum;
};

// What one row says of its generation.
struct RowLengths
{
    long long ants = 0;
    long long shortest = 0; // 0: none
    long long mean = 0;     // in hundredths; 0: none
};

// The lengths of a row: shortest and mean, each empty exactly when no ant is
// at the food, within what the world allows.
bool readLengths(const QList<QByteArray> &fields, const RunLimits &limits, RowLengths &row, QString &why)
{
    const bool none = row.ants == 0;
    row.shortest = none && fields[5].isEmpty() ? 0 : wholeNumber(fields[5]);
    if (none ? row.shortest != 0 : row.shortest < limits.optimum || row.shortest > limits.longest || limits.optimum == 0)
        return fail(why, QStringLiteral("shortest '%1': expected %2")
                             .arg(shown(fields[5]),
                                  none ? QStringLiteral("none without ants at the food")
                                       : QStringLiteral("a path of %1 to %2 cells").arg(limits.optimum).arg(limits.longest)));
    row.mean = none && fields[7].isEmpty() ? 0 : hundredths(fields[7]);
    if (none ? row.mean != 0 : row.mean < 100 * row.shortest || row.mean > 100LL * limits.longest)
        return fail(why, QStringLiteral("mean_length '%1': expected %2")
                             .arg(shown(fields[7]),
                                  none ? QStringLiteral("none without ants at the food")
                                       : QStringLiteral("a mean of two decimals from %1 to %2").arg(row.shortest).arg(limits.longest)));
    return true;
}

// The counts and lengths of a row: ants at the food within the colony,
// arrivals adding up, a best that is the best so far.
bool readMeasures(const QList<QByteArray> &fields, const SweepRows &sweep, RunReading &reading, QString &why)
{
    const RunLimits &limits = sweep.limitsOf(reading.run.run);
    RowLengths row;
    row.ants = wholeNumber(fields[4]);
    if (row.ants < 0 || row.ants > limits.ants)
        return fail(why, QStringLiteral("ants_at_food '%1': expected 0 to %2").arg(shown(fields[4])).arg(limits.ants));
    if (wholeNumber(fields[3]) != reading.arrivals + row.ants)
        return fail(why, QStringLiteral("arrivals '%1': expected %2, the run's arrivals so far")
                             .arg(shown(fields[3]))
                             .arg(reading.arrivals + row.ants));
    if (!readLengths(fields, limits, row, why))
        return false;
    const int before = reading.run.best;
    const int best = row.shortest > 0 && (before == 0 || row.shortest < before) ? static_cast<int>(row.shortest) : before;
    if (fields[6] != (best > 0 ? QByteArray::number(best) : QByteArray()))
        return fail(why, QStringLiteral("best '%1': expected %2, the best so far")
                             .arg(shown(fields[6]), best > 0 ? QString::number(best) : QStringLiteral("none")));
    ++reading.generation;
    reading.arrivals += row.ants;
    reading.run.arrivals = reading.arrivals;
    if (best != before)
        reading.run.bestGeneration = reading.generation;
    reading.run.best = best;
    reading.run.bestSoFar.push_back(best);
    reading.run.generationBest.push_back(static_cast<int>(row.shortest));
    if (reading.generation >= sweep.lateFrom) {
        reading.lateArrivals += row.ants;
        reading.lateHundredths += row.mean * row.ants;
    }
    return true;
}

// One row: the next generation of the run, with the run's seed and setting.
bool readRow(const QByteArray &line, const SweepRows &sweep, RunReading &reading, QString &why)
{
    const QList<QByteArray> fields = line.split(',');
    if (fields.size() != sweep.columns)
        return fail(why, QStringLiteral("expected %1 columns").arg(sweep.columns));
    const long long run = reading.run.run;
    if (wholeNumber(fields[0]) != run || fields[1] != QByteArray::number(reading.run.seed)
        || wholeNumber(fields[2]) != reading.generation + 1)
        return fail(why, QStringLiteral("expected generation %1 of run %2 (seed %3)")
                             .arg(reading.generation + 1)
                             .arg(run)
                             .arg(reading.run.seed));
    if (!line.endsWith(QByteArray::fromStdString(sweep.limitsOf(run).columns)))
        return fail(why, QStringLiteral("the setting is not that of run %1 in the sweep").arg(run));
    reading.checksum.add(line + '\n');
    return readMeasures(fields, sweep, reading, why);
}

// "#run N late L A restarts R", closing a run whose rows are all there: A
// must be the late arrivals of the rows, L agree with their means to the
// rounding, and R be at most one a generation.
bool readRunEnd(const QByteArray &line, const SweepRows &sweep, RunReading &reading, QString &why)
{
    const long long run = reading.run.run;
    if (reading.generation != sweep.config.generations)
        return fail(why, QStringLiteral("run %1 stops after %2 of %3 generations")
                             .arg(run)
                             .arg(reading.generation)
                             .arg(sweep.config.generations));
    const QList<QByteArray> words = line.split(' ');
    if (words.size() != 7 || words[0] != "#run" || wholeNumber(words[1]) != run || words[2] != "late"
        || words[5] != "restarts")
        return fail(why, QStringLiteral("expected #run %1 late LENGTHS ARRIVALS restarts RESTARTS").arg(run));
    const long long restarts = wholeNumber(words[6]);
    if (restarts < 0 || restarts > reading.generation)
        return fail(why, QStringLiteral("restarts '%1': expected 0 to %2").arg(shown(words[6])).arg(reading.generation));
    const long long lengths = wholeNumber(words[3]);
    const long long arrivals = wholeNumber(words[4]);
    if (arrivals != reading.lateArrivals)
        return fail(why, QStringLiteral("late arrivals '%1': the rows give %2").arg(shown(words[4])).arg(reading.lateArrivals));
    const long long longest = sweep.limitsOf(run).longest;
    if (lengths < 0 || lengths > arrivals * longest || 2 * std::llabs(100 * lengths - reading.lateHundredths) > arrivals)
        return fail(why, QStringLiteral("late lengths '%1': not what the rows' means give").arg(shown(words[3])));
    reading.run.lateLengthSum = lengths;
    reading.run.lateArrivals = arrivals;
    reading.run.restarts = static_cast<int>(restarts);
    return true;
}

// The runs of one file, after its header.
class RunsReader
{
public:
    RunsReader(ShardSet &set, const SweepRows &sweep, int file)
        : m_set(set), m_sweep(sweep), m_file(file), m_reader(set.files[file])
    {
    }

    bool read(const ShardRunHandler &onRun, QString &error);

private:
    bool readHeader(QString &error);
    bool startRun(const QByteArray &line, QString &why);
    void closeRun(const ShardRunHandler &onRun);
    bool readEnd(const QByteArray &line, QString &why);

    ShardSet &m_set;
    const SweepRows &m_sweep;
    const int m_file;
    LineReader m_reader;
    ShardHeader m_header;
    RunReading m_reading;
    long long m_previous = 0; // the file's last run read
};

// The header once more: the file must not have changed since the sweep was
// read from it.
bool RunsReader::readHeader(QString &error)
{
    if (!m_reader.open(error) || !readShardHeader(m_reader, m_set.csvHeader, m_header, error))
        return false;
    if (m_header.sweep == m_set.sweep)
        return true;
    error = m_reader.faultAt(0, QStringLiteral("changed while it was read"));
    return false;
}

// A new run starts with the file's next row: a run of the file's shard,
// after its earlier runs, in no other file.
bool RunsReader::startRun(const QByteArray &line, QString &why)
{
    const long long run = wholeNumber(line.left(line.indexOf(',')));
    if (run < 1 || run > m_set.config.runCount() || run <= m_previous || (run - m_header.shard) % m_header.shards != 0)
        return fail(why, QStringLiteral("expected a run of shard %1/%2 after run %3")
                             .arg(m_header.shard)
                             .arg(m_header.shards)
                             .arg(m_previous));
    const ShardSpan &seen = m_set.runs[static_cast<std::size_t>(run - 1)];
    if (seen.file >= 0)
        return fail(why, QStringLiteral("run %1 is also in %2").arg(run).arg(m_set.files[seen.file]));
    m_reading = RunReading();
    m_reading.run.run = static_cast<int>(run);
    m_reading.run.seed = m_sweep.seedOf(run);
    m_reading.offset = m_reader.offset();
    return true;
}

void RunsReader::closeRun(const ShardRunHandler &onRun)
{
    const long long run = m_reading.run.run;
    m_set.runs[static_cast<std::size_t>(run - 1)] = {m_file, m_reading.offset, m_reader.offset() - m_reading.offset,
                                                     m_reading.checksum.value()};
    onRun(m_reading.run);
    m_previous = run;
    m_reading.run.run = 0;
}

// "#end crc32 X": the checksum of everything before it, and nothing after.
bool RunsReader::readEnd(const QByteArray &line, QString &why)
{
    if (line != kEndPrefix + m_reader.checksumBeforeLine().text())
        return fail(why, QStringLiteral("the checksum does not match: the file was changed after it was written"));
    if (!m_reader.atEnd())
        return fail(why, QStringLiteral("lines after the end"));
    return true;
}

bool RunsReader::read(const ShardRunHandler &onRun, QString &error)
{
    if (!readHeader(error))
        return false;
    QByteArray line;
    QString why;
    while (m_reader.next(line)) {
        const bool inRun = m_reading.run.run > 0;
        if (inRun && line.startsWith(kRunPrefix)) {
            if (!readRunEnd(line, m_sweep, m_reading, why))
                break;
            closeRun(onRun);
        } else if (!inRun && line.startsWith(kEndPrefix)) {
            if (readEnd(line, why))
                return true;
            break;
        } else if ((!inRun && !startRun(line, why)) || !readRow(line, m_sweep, m_reading, why)) {
            break;
        }
    }
    if (!why.isEmpty())
        error = m_reader.fault(why);
    else if (!m_reader.failed().isEmpty())
        error = m_reader.failed();
    else
        error = m_reader.faultAt(0, QStringLiteral("cut off (no #end line)"));
    return false;
}

} // namespace

std::string shardRunLine(long long run, long long lateLengthSum, long long lateArrivals, int restarts)
{
    return QStringLiteral("#run %1 late %2 %3 restarts %4\n")
        .arg(run)
        .arg(lateLengthSum)
        .arg(lateArrivals)
        .arg(restarts)
        .toStdString();
}

std::string shardEnd(const ShardChecksum &checksum)
{
    return (kEndPrefix + checksum.text() + '\n').toStdString();
}

bool readShardSweep(const QStringList &files, const std::string &csvHeader, ShardSet &set, QString &error)
{
    set = ShardSet();
    set.files = files;
    set.csvHeader = csvHeader;
    for (int i = 0; i < files.size(); ++i) {
        LineReader reader(files[i]);
        ShardHeader header;
        if (!reader.open(error) || !readShardHeader(reader, csvHeader, header, error))
            return false;
        if (i == 0) {
            set.config = header.config;
            set.sweep = header.sweep;
        } else if (header.sweep != set.sweep) {
            error = QStringLiteral("--merge %1: from another sweep than %2").arg(files[i], files[0]);
            return false;
        }
    }
    set.runs.assign(static_cast<std::size_t>(set.config.runCount()), ShardSpan());
    return true;
}

bool readShardRuns(ShardSet &set, int lateGenerations, const ShardRunHandler &onRun, QString &error)
{
    const SweepRows sweep(set, lateGenerations);
    for (int file = 0; file < set.files.size(); ++file)
        if (!RunsReader(set, sweep, file).read(onRun, error))
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
    std::vector<std::unique_ptr<LineReader>> files(static_cast<std::size_t>(set.files.size()));
    write(QByteArray::fromStdString(set.csvHeader));
    for (const ShardSpan &span : set.runs) {
        std::unique_ptr<LineReader> &file = files[static_cast<std::size_t>(span.file)];
        if (!file) {
            file = std::make_unique<LineReader>(set.files[span.file]);
            if (!file->open(error))
                return false;
        }
        ShardChecksum checksum;
        for (qint64 done = 0; done < span.length;) {
            const QByteArray rows = file->readAt(span.offset + done, std::min(span.length - done, kCopyPiece));
            if (rows.isEmpty())
                break;
            checksum.add(rows);
            write(rows);
            done += rows.size();
        }
        if (checksum.value() != span.checksum) {
            error = file->faultAt(0, QStringLiteral("changed while it was read"));
            return false;
        }
    }
    return true;
}
