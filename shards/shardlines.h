#ifndef VORMIS_SHARDS_SHARDLINES_H
#define VORMIS_SHARDS_SHARDLINES_H

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <string>

// The CRC-32 of the bytes added so far (zlib's, as gzip and PNG use it).
class ShardChecksum
{
public:
    void add(const char *data, std::size_t size);
    void add(const std::string &text) { add(text.data(), text.size()); }
    void add(const QByteArray &bytes) { add(bytes.constData(), static_cast<std::size_t>(bytes.size())); }
    std::uint32_t value() const { return m_value; }
    // As the files write it: eight lowercase hexadecimal digits.
    QByteArray text() const;

private:
    std::uint32_t m_value = 0;
};

// A shard file read line by line: only a regular file (a pipe or a device
// cannot be read again, and /dev/zero would never end), lines of at most
// kMaxShardLine bytes, each line's start and number known and the checksum
// of everything read so far kept.  Messages name the file as --merge does.
constexpr qint64 kMaxShardLine = 1 << 20;

class LineReader
{
public:
    explicit LineReader(const QString &path) : m_path(path) {}

    bool open(QString &error);
    // The next line without its '\n'; false at the end, at a last line
    // without '\n' (a cut-off file) and at a line too long (see failed()).
    bool next(QByteArray &line);

    // For reading a part again: up to size bytes from offset; less only at
    // the end or on a failure.
    QByteArray readAt(qint64 offset, qint64 size);

    qint64 offset() const { return m_offset; } // where the last line started
    int lineNumber() const { return m_number; }
    bool atEnd() const { return m_file.atEnd(); }
    // The fault that stopped next(), if any: a line too long or a read error.
    const QString &failed() const { return m_failure; }
    // The checksum of the lines before the last one read.
    const ShardChecksum &checksumBeforeLine() const { return m_checksumBefore; }
    QString name() const { return m_path; }
    // "--merge shard.csv:12: what"; without the number for line 0.
    QString fault(const QString &what) const { return faultAt(m_number, what); }
    QString faultAt(int line, const QString &what) const;

private:
    QString m_path;
    QFile m_file;
    qint64 m_offset = 0;
    int m_number = 0;
    ShardChecksum m_checksum;
    ShardChecksum m_checksumBefore;
    QString m_failure;
};

#endif
