#include "outputfile.h"

#include "interrupts.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <utility>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The descriptor of this process that a path names (/dev/stdout,
// /dev/fd/3, /proc/self/fd/3), or -1.
int ownDescriptor(const QByteArray &path)
{
    const QString clean = QDir::cleanPath(QFile::decodeName(path));
    if (clean == QLatin1String("/dev/stdout"))
        return 1;
    if (clean == QLatin1String("/dev/stderr"))
        return 2;
    static const QRegularExpression pattern(QStringLiteral("\\A(?:/dev/fd|/proc/(self|thread-self|\\d+)/fd)/(\\d+)\\z"));
    const QRegularExpressionMatch match = pattern.match(clean);
    if (!match.hasMatch())
        return -1;
    const QString process = match.captured(1);
    bool isNumber = false;
    const qint64 pid = process.toLongLong(&isNumber);
    if (isNumber && pid != ::getpid())
        return -1;
    const int descriptor = match.captured(2).toInt(&isNumber);
    return isNumber ? descriptor : -1;
}

// Where an output goes: the end of its chain of symbolic links (which need
// not exist yet), or one of our own descriptors.
struct Target
{
    QByteArray path;
    int descriptor = -1;
    int error = 0;
};

Target resolveTarget(const QString &path)
{
    Target target;
    if (path == QLatin1String("-")) {
        target.descriptor = STDOUT_FILENO;
        return target;
    }
    target.path = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    for (int hop = 0; hop < 40; ++hop) {
        // Checked before following the link: /dev/fd/3 "points" at names like
        // pipe:[1234] that are no paths.
        target.descriptor = ownDescriptor(target.path);
        struct stat info = {};
        if (target.descriptor >= 0 || ::lstat(target.path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        char link[PATH_MAX];
        const ssize_t length = ::readlink(target.path.constData(), link, sizeof link);
        if (length < 0 || length == static_cast<ssize_t>(sizeof link)) {
            target.error = length < 0 ? errno : ENAMETOOLONG;
            return target;
        }
        QByteArray next(link, static_cast<int>(length));
        if (!next.startsWith('/'))
            next.prepend(target.path.left(target.path.lastIndexOf('/') + 1));
        target.path = next;
    }
    target.error = ELOOP;
    return target;
}

// A reader that closes its end of a pipe must give us EPIPE, which we report,
// and not SIGPIPE, which would end the program without a word.  SIGPIPE is
// blocked while writing, and the one our write raised is taken back.
class SigpipeBlocked
{
public:
    SigpipeBlocked()
    {
        sigemptyset(&m_sigpipe);
        sigaddset(&m_sigpipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        m_wasPending = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &m_sigpipe, &m_previous);
    }
    ~SigpipeBlocked()
    {
        const timespec now = {0, 0};
        if (!m_wasPending)
            while (sigtimedwait(&m_sigpipe, nullptr, &now) == SIGPIPE) {
            }
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    }
    SigpipeBlocked(const SigpipeBlocked &) = delete;
    SigpipeBlocked &operator=(const SigpipeBlocked &) = delete;

private:
    sigset_t m_sigpipe;
    sigset_t m_previous;
    bool m_wasPending = false;
};

// 0, or the errno of the failure.
int writeAll(int descriptor, const char *data, qint64 size)
{
    const SigpipeBlocked blocked;
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, static_cast<size_t>(std::min<qint64>(size, 1 << 30)));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO; // nothing taken and no reason given
        data += written;
        size -= written;
    }
    return 0;
}

} // namespace

OutputFile::OutputFile(const QString &option, const QString &path) : m_option(option), m_path(path) {}

OutputFile::~OutputFile()
{
    if (!m_finished)
        discard();
}

FileIdentity OutputFile::identity() const
{
    const Target target = resolveTarget(m_path);
    if (target.descriptor >= 0)
        return identityOfDescriptor(target.descriptor);
    return target.error != 0 ? FileIdentity() : identityOfPath(target.path.toStdString());
}

bool OutputFile::open()
{
    const Target target = resolveTarget(m_path);
    if (target.error != 0)
        return fail(target.error);
    if (target.descriptor >= 0)
        return openDescriptor(target.descriptor);
    struct stat info = {};
    if (::stat(target.path.constData(), &info) != 0)
        return errno == ENOENT ? openTemporary(target.path, nullptr) : fail(errno);
    if (S_ISDIR(info.st_mode))
        return fail(EISDIR);
    if (!S_ISREG(info.st_mode))
        return openInPlace(target.path);
    // Renaming over a file we may not write would be a way round its
    // permissions.
    if (::access(target.path.constData(), W_OK) != 0)
        return fail(errno);
    return openTemporary(target.path, &info);
}

bool OutputFile::openDescriptor(int descriptor)
{
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0)
        return fail(errno);
    if ((flags & O_ACCMODE) == O_RDONLY)
        return fail(EBADF);
    m_descriptor = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
    return m_descriptor >= 0 || fail(errno);
}

bool OutputFile::openInPlace(const QByteArray &target)
{
    do
        m_descriptor = ::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    while (m_descriptor < 0 && errno == EINTR);
    return m_descriptor >= 0 || fail(errno);
}

// A new file gets the usual 0666 less the umask; a replaced one keeps its
// owner, group and mode, set once the temporary exists because the umask
// may not allow the mode.  Giving a file away takes root; as anyone else
// the temporary stays the user's own, as a new file would be.
bool OutputFile::openTemporary(const QByteArray &target, const struct stat *existing)
{
    // The suffix ('.' and up to 7 characters) shortens the target's name
    // rather than making a name too long for the folder.
    const qsizetype slash = target.lastIndexOf('/');
    const long longest = ::pathconf(target.left(std::max<qsizetype>(slash, 1)).constData(), _PC_NAME_MAX);
    const qsizetype kept = std::max<qsizetype>(1, (longest > 0 ? longest : NAME_MAX) - 8);
    const QByteArray stem = target.left(slash + 1) + target.mid(slash + 1).left(kept) + '.';
    for (int attempt = 0; attempt < 100 && m_temporary.isEmpty(); ++attempt) {
        const QByteArray name = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        if (!createTemporary(name, existing != nullptr) && errno != EEXIST)
            return fail(errno);
    }
    if (m_temporary.isEmpty())
        return fail(EEXIST);
    m_target = target;
    if (!existing)
        return true;
    if ((existing->st_uid != ::geteuid() || existing->st_gid != ::getegid())
        && ::fchown(m_descriptor, existing->st_uid, existing->st_gid) != 0) {
        // Not ours to give away: the new file stays the user's.
    }
    return ::fchmod(m_descriptor, existing->st_mode & 07777) == 0 || fail(errno);
}

// Created and registered for removal with no interruption in between.
bool OutputFile::createTemporary(const QByteArray &name, bool exists)
{
    const InterruptsHeld held;
    m_descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
    if (m_descriptor < 0)
        return false;
    m_temporary = name;
    m_temporarySlot = registerTemporary(name.constData());
    return true;
}

bool OutputFile::write(const char *data, qint64 size)
{
    if (failed() || m_finished)
        return false;
    if (m_descriptor < 0)
        return fail(EBADF);
    const int error = writeAll(m_descriptor, data, size);
    return error == 0 || fail(error);
}

bool OutputFile::commit()
{
    if (m_finished)
        return m_committed;
    if (m_descriptor < 0)
        return fail(EBADF);
    // Delayed write errors (a full disk among them) show in fsync() and
    // close(); they must be seen before the old file is replaced.
    if (!m_target.isEmpty() && ::fsync(m_descriptor) != 0)
        return fail(errno);
    // After close() fails with EINTR the descriptor is gone all the same.
    if (::close(std::exchange(m_descriptor, -1)) != 0 && errno != EINTR)
        return fail(errno);
    if (!m_target.isEmpty() && ::rename(m_temporary.constData(), m_target.constData()) != 0)
        return fail(errno);
    unregisterTemporary(std::exchange(m_temporarySlot, -1));
    m_temporary.clear();
    m_finished = true;
    m_committed = true;
    return true;
}

void OutputFile::discard()
{
    if (m_descriptor >= 0)
        ::close(std::exchange(m_descriptor, -1));
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    unregisterTemporary(std::exchange(m_temporarySlot, -1));
    m_temporary.clear();
    m_finished = true;
}

QString OutputFile::error() const
{
    if (m_errno == 0)
        return QString();
    return QStringLiteral("%1 %2: %3").arg(m_option, m_path, QString::fromLocal8Bit(std::strerror(m_errno)));
}

// Keeps the first failure and discards the output, so that a full disk gets
// its space back at once.
bool OutputFile::fail(int error)
{
    if (m_errno == 0)
        m_errno = error;
    discard();
    return false;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QByteArray();
    return bytes;
}
