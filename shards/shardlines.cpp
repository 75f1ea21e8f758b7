#include "shardlines.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void ShardChecksum::add(const char *data, std::size_t size)
{
    // zlib counts in uInt; a larger piece goes in parts.
    while (size > 0) {
        const uInt part = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
        m_value = static_cast<std::uint32_t>(crc32(m_value, reinterpret_cast<const Bytef *>(data), part));
        data += part;
        size -= part;
    }
}

QByteArray ShardChecksum::text() const
{
    return QByteArray::number(m_value, 16).rightJustified(8, '0');
}

// Opened without waiting (a named pipe would wait for a writer) and taken
// only if it is a regular file.
bool LineReader::open(QString &error)
{
    const int descriptor = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info = {};
    const bool opened = descriptor >= 0 && ::fstat(descriptor, &info) == 0;
    const int reason = errno;
    if (!opened || !S_ISREG(info.st_mode)) {
        if (descriptor >= 0)
            ::close(descriptor);
        const QString why = opened ? QStringLiteral("not a regular file (a shard file is read more than once)")
                                   : QString::fromLocal8Bit(std::strerror(reason));
        error = QStringLiteral("--merge %1: %2").arg(m_path, why);
        return false;
    }
    m_file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    return true;
}

bool LineReader::next(QByteArray &line)
{
    m_offset = m_file.pos();
    m_checksumBefore = m_checksum;
    line = m_file.readLine(kMaxShardLine + 1);
    if (m_file.error() != QFileDevice::NoError) {
        m_failure = QStringLiteral("--merge %1: %2").arg(m_path, m_file.errorString());
        return false;
    }
    if (line.isEmpty() || !line.endsWith('\n')) {
        if (!m_file.atEnd())
            m_failure = faultAt(m_number + 1, QStringLiteral("a line longer than %1 bytes").arg(kMaxShardLine));
        return false;
    }
    m_checksum.add(line);
    line.chop(1);
    ++m_number;
    return true;
}

QByteArray LineReader::readAt(qint64 offset, qint64 size)
{
    return m_file.seek(offset) ? m_file.read(size) : QByteArray();
}

QString LineReader::faultAt(int line, const QString &what) const
{
    if (line <= 0)
        return QStringLiteral("--merge %1: %2").arg(m_path, what);
    return QStringLiteral("--merge %1:%2: %3").arg(m_path).arg(line).arg(what);
}
