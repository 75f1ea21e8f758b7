#include "shardheader.h"

#include "numbers.h"
#include "worldfile.h"

#include <map>

namespace {

const QByteArray kFormatLine = "#vormis-run shard file, format 2";
const QByteArray kFormatPrefix = "#vormis-run shard file, format ";
const QByteArray kFirstFormatPrefix = "#vormis-run shard "; // format 1: "#vormis-run shard K/N of the sweep: ..."

// A field's value and the line it is on.
struct Field
{
    QString value;
    int line = 0;
};
using Fields = std::map<QString, Field>;

QString parameterText(Parameter parameter)
{
    return QString::fromLatin1(parameterName(parameter));
}

bool isFieldName(const QString &name)
{
    for (const char *fixed : {"shard", "world", "generations", "seed", "repeat", "world-options", "given"})
        if (name == QLatin1String(fixed))
            return true;
    for (int p = 0; p < kParameterCount; ++p)
        if (name == parameterText(static_cast<Parameter>(p)))
            return true;
    return false;
}

QByteArray fieldLine(const char *name, const QString &value)
{
    return QByteArray("#") + name + ' ' + value.toUtf8() + '\n';
}

bool readFormat(LineReader &reader, QString &error)
{
    QByteArray line;
    if (!reader.next(line)) {
        error = reader.failed().isEmpty() ? reader.faultAt(0, QStringLiteral("empty, or not a shard file of vormis-run"))
                                          : reader.failed();
        return false;
    }
    if (line == kFormatLine)
        return true;
    const std::optional<long long> format = wholeNumber(QString::fromLatin1(line.mid(kFormatPrefix.size())));
    if (line.startsWith(kFormatPrefix) && format)
        error = reader.fault(QStringLiteral("a shard file of format %1; this vormis-run reads format 2").arg(*format));
    else if (line.startsWith(kFirstFormatPrefix) && line.contains(" of the sweep: "))
        error = reader.fault(QStringLiteral("a shard file of an older vormis-run (format 1); this one reads format 2: "
                                            "run the shard again"));
    else
        error = reader.fault(QStringLiteral("not a shard file of vormis-run (see --shard)"));
    return false;
}

// The named fields, each once, up to the CSV's header line.
bool readFields(LineReader &reader, const std::string &csvHeader, Fields &fields, QByteArray &sweep, QString &error)
{
    QByteArray line;
    while (reader.next(line)) {
        if (!line.startsWith('#')) {
            if (line + '\n' == QByteArray::fromStdString(csvHeader))
                return true;
            error = reader.fault(QStringLiteral("expected a #field or the CSV's header"));
            return false;
        }
        const qsizetype space = line.indexOf(' ');
        const QString name = QString::fromUtf8(line.mid(1, space < 0 ? -1 : space - 1));
        if (!isFieldName(name)) {
            error = reader.fault(QStringLiteral("unknown field #%1 (a shard file holds only its sweep)").arg(name));
            return false;
        }
        if (fields.count(name) > 0) {
            error = reader.fault(QStringLiteral("#%1 a second time (first on line %2)").arg(name).arg(fields[name].line));
            return false;
        }
        fields[name] = {space < 0 ? QString() : QString::fromUtf8(line.mid(space + 1)), reader.lineNumber()};
        if (name != QLatin1String("shard"))
            sweep += line + '\n';
    }
    error = reader.failed().isEmpty() ? reader.faultAt(0, QStringLiteral("cut off before the CSV's header"))
                                      : reader.failed();
    return false;
}

const Field *findField(const Fields &fields, const QString &name, const LineReader &reader, QString &error)
{
    const auto field = fields.find(name);
    if (field != fields.end())
        return &field->second;
    error = reader.faultAt(0, QStringLiteral("no #%1 field").arg(name));
    return nullptr;
}

bool applyWorld(const Fields &fields, RunConfig &config, const LineReader &reader, QString &error)
{
    const Field *field = findField(fields, QStringLiteral("world"), reader, error);
    if (!field)
        return false;
    QByteArray text = field->value.toUtf8();
    text.replace(' ', '\n');
    WorldFileError fault;
    if (parseWorldText(text + '\n', config.world, fault))
        return true;
    QString where = QStringLiteral("#world");
    if (fault.line > 0)
        where += QStringLiteral(" row %1").arg(fault.line);
    if (fault.column > 0)
        where += QStringLiteral(", column %1").arg(fault.column);
    error = reader.faultAt(field->line, where + QStringLiteral(": ") + fault.message);
    return false;
}

// One field read as its option: "--alpha 200: expected ..." becomes
// "#alpha 200: expected ..." on the field's line.
bool applyField(const Fields &fields, const QString &name, RunConfig &config, const LineReader &reader,
                QString &error)
{
    const Field *field = findField(fields, name, reader, error);
    if (!field)
        return false;
    QString why;
    if (setSweepField(config, name, field->value, why))
        return true;
    if (why.startsWith(QLatin1String("--")))
        why.replace(0, 2, QStringLiteral("#"));
    error = reader.faultAt(field->line, why);
    return false;
}

// The parameters in their order (the rule before the parameters of one
// rule), then the runs; a parameter none of the rules takes has no field.
bool applySweep(const Fields &fields, RunConfig &config, const LineReader &reader, QString &error)
{
    for (int p = 0; p < kParameterCount; ++p) {
        const auto parameter = static_cast<Parameter>(p);
        const QString name = parameterText(parameter);
        const bool needed = parameter == Parameter::Rule || anyRuleTakes(config.parameters, parameter);
        if ((needed || fields.count(name) > 0) && !applyField(fields, name, config, reader, error))
            return false;
    }
    for (const char *name : {"generations", "seed", "repeat", "shard"})
        if (!applyField(fields, QString::fromLatin1(name), config, reader, error))
            return false;
    QString why;
    if (finishSweep(config, why))
        return true;
    error = reader.faultAt(0, why);
    return false;
}

// The escape after a backslash in $'...', as shellQuoted writes it, from
// text[at]; moves at past it.
QChar unescaped(const QString &text, qsizetype &at)
{
    const QChar c = text[at++];
    if (c == QLatin1Char('n'))
        return QLatin1Char('\n');
    if (c == QLatin1Char('t'))
        return QLatin1Char('\t');
    if (c != QLatin1Char('u'))
        return c;
    const QChar code(text.mid(at, 4).toUShort(nullptr, 16));
    at += 4;
    return code;
}

// A word in $'...' from text[at]; false if it is not closed.
bool readEscaped(const QString &text, qsizetype &at, QString &word)
{
    at += 2;
    while (at < text.size()) {
        const QChar c = text[at++];
        if (c == QLatin1Char('\''))
            return true;
        word += c == QLatin1Char('\\') && at < text.size() ? unescaped(text, at) : c;
    }
    return false;
}

// The words of a command line as shellQuoted writes them; false for text it
// cannot have written.
bool shellWords(const QString &text, QStringList &words)
{
    QString word;
    qsizetype at = 0;
    while (at < text.size()) {
        const QChar c = text[at];
        if (c == QLatin1Char(' ')) {
            words << word;
            word.clear();
            ++at;
        } else if (c == QLatin1Char('\'')) {
            const qsizetype end = text.indexOf(QLatin1Char('\''), at + 1);
            if (end < 0)
                return false;
            word += text.mid(at + 1, end - at - 1);
            at = end + 1;
        } else if (c == QLatin1Char('\\') && at + 1 < text.size()) {
            word += text[at + 1];
            at += 2;
        } else if (c == QLatin1Char('$') && text.mid(at + 1, 1) == QLatin1String("'")) {
            if (!readEscaped(text, at, word))
                return false;
        } else {
            word += c;
            ++at;
        }
    }
    if (!text.isEmpty())
        words << word;
    return true;
}

// Shown in the command that repeats a run, so only options of the world,
// quoted exactly as vormis-run quotes them: nothing else can run from it.
bool readWorldOptions(const Fields &fields, RunConfig &config, const LineReader &reader, QString &error)
{
    const Field *field = findField(fields, QStringLiteral("world-options"), reader, error);
    if (!field)
        return false;
    QStringList words;
    bool ok = shellWords(field->value, words) && shellQuoted(words) == field->value;
    for (qsizetype i = 0; ok && i < words.size(); ++i) {
        if (words[i] == QLatin1String("--example"))
            continue;
        const QStringList withValue{"--world", "--size", "--home", "--food", "--obstacle"};
        ok = withValue.contains(words[i]) && ++i < words.size();
    }
    if (!ok) {
        error = reader.faultAt(field->line, QStringLiteral("#world-options: expected the options of a world, "
                                                           "quoted as vormis-run quotes them"));
        return false;
    }
    config.worldOptions = field->value;
    return true;
}

bool readGiven(const Fields &fields, RunConfig &config, const LineReader &reader, QString &error)
{
    const Field *field = findField(fields, QStringLiteral("given"), reader, error);
    if (!field)
        return false;
    config.parameterGiven.fill(false);
    const QStringList names = field->value.isEmpty() ? QStringList() : field->value.split(QLatin1Char(' '));
    for (const QString &name : names) {
        int p = 0;
        while (p < kParameterCount && name != parameterText(static_cast<Parameter>(p)))
            ++p;
        if (p == kParameterCount || config.parameterGiven[static_cast<std::size_t>(p)]) {
            error = reader.faultAt(field->line, QStringLiteral("#given: expected parameters, each once, not %1").arg(name));
            return false;
        }
        config.parameterGiven[static_cast<std::size_t>(p)] = true;
    }
    return true;
}

} // namespace

std::string shardHeader(const RunConfig &config)
{
    QByteArray world = worldText(config.world);
    world.chop(1);
    world.replace('\n', ' ');
    QByteArray text = kFormatLine + '\n';
    text += fieldLine("shard", QStringLiteral("%1/%2").arg(config.shard).arg(config.shards));
    text += fieldLine("world", QString::fromLatin1(world));
    QStringList given;
    for (int p = 0; p < kParameterCount; ++p) {
        const auto parameter = static_cast<Parameter>(p);
        if (anyRuleTakes(config.parameters, parameter))
            text += fieldLine(parameterName(parameter), config.parameters[static_cast<std::size_t>(p)].join(QLatin1Char(',')));
        if (config.parameterGiven[static_cast<std::size_t>(p)])
            given << parameterText(parameter);
    }
    text += fieldLine("generations", QString::number(config.generations));
    text += fieldLine("seed", QString::number(config.seed));
    text += fieldLine("repeat", QString::number(config.repeat));
    text += fieldLine("world-options", config.worldOptions);
    text += fieldLine("given", given.join(QLatin1Char(' ')));
    return text.toStdString();
}

bool readShardHeader(LineReader &reader, const std::string &csvHeader, ShardHeader &header, QString &error)
{
    Fields fields;
    header.sweep.clear();
    RunConfig config;
    if (!readFormat(reader, error) || !readFields(reader, csvHeader, fields, header.sweep, error)
        || !applyWorld(fields, config, reader, error) || !applySweep(fields, config, reader, error)
        || !readWorldOptions(fields, config, reader, error) || !readGiven(fields, config, reader, error))
        return false;
    header.shard = config.shard;
    header.shards = config.shards;
    config.sharded = false;
    config.shard = config.shards = 1;
    header.config = config;
    return true;
}
