#ifndef VORMIS_RUNNER_OUTPUTFILE_H
#define VORMIS_RUNNER_OUTPUTFILE_H

#include "fileidentity.h"

#include <QByteArray>
#include <QString>

class QImage;
struct stat;

// One output of vormis-run (--csv FILE, --png FILE, --chart FILE).
//
// A regular file, or a path where nothing exists yet, is written to a
// temporary file in the same folder, which commit() renames over the target:
// readers never see half a file, and a failed output leaves the old one as it
// was.  The new file keeps the old one's permissions; a symbolic link is
// followed and its target replaced, the link itself stays.  An existing file
// that is not writable is refused, as a shell's "> file" refuses it.
//
// Anything else (a named pipe, a device such as /dev/null, a terminal) is
// opened and written in place and is never removed or replaced.  Opening a
// named pipe waits until a reader opens it, as "> pipe" in a shell does.
// /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N name descriptors
// this process already has, and "-" standard output; those are duplicated
// rather than opened again, so the bytes go where the descriptor points, at
// its offset, as "> /dev/stdout" does in a shell.  Bytes written in place cannot be taken back: discard()
// only closes.
//
// A temporary is registered with the interrupt handlers (interrupts.h), so
// that Ctrl-C removes it; create and commit it on the thread that installed
// them.  Its name is the target's with a random suffix, the target's name
// shortened if the suffix would make it too long.  A replaced file keeps its
// owner and group where the system allows it (always for root).
//
// Use: identity() to compare it with the other files of the command line,
// open() before the work starts, so that an impossible output is
// reported at once; write() as the data comes; then commit(), or discard() if
// anything went wrong.  The first failure is kept: later writes do nothing
// and commit() fails.  Destroying an uncommitted file discards it.
class OutputFile
{
public:
    // option is the option as written on the command line ("--csv"); it and
    // the path only serve to name the output in error().
    OutputFile(const QString &option, const QString &path);
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // The file the output names, worked out without opening it.
    FileIdentity identity() const;
    bool open();
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // Flushes to the disk, closes, and renames the temporary into place.
    bool commit();
    // Closes and removes the temporary; the target is left untouched, and a
    // later commit() returns false.
    void discard();
    // Fails the output with the errno, as a failed write does.
    void setFailed(int error) { fail(error); }

    bool failed() const { return m_errno != 0; }
    // One line naming the output and the system's reason, for instance
    // "--csv /dev/full: No space left on device"; empty while nothing failed.
    QString error() const;

    QString option() const { return m_option; }
    QString path() const { return m_path; }

private:
    bool openDescriptor(int descriptor);
    bool openInPlace(const QByteArray &target);
    bool openTemporary(const QByteArray &target, const struct stat *existing);
    bool createTemporary(const QByteArray &name, bool exists);
    bool fail(int error);

    QString m_option;
    QString m_path;
    QByteArray m_target;    // what commit() replaces; empty when written in place
    QByteArray m_temporary; // the temporary beside m_target
    int m_descriptor = -1;
    int m_temporarySlot = -1; // in the interrupt handlers' list
    int m_errno = 0;
    bool m_finished = false; // committed, discarded or failed
    bool m_committed = false;
};

// The image as the bytes of a PNG file, encoded in memory so that a failing
// disk is reported by OutputFile and never by the PNG library; empty if the
// image cannot be encoded.
QByteArray pngBytes(const QImage &image);

#endif
