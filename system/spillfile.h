#ifndef VORMIS_SYSTEM_SPILLFILE_H
#define VORMIS_SYSTEM_SPILLFILE_H

#include <cstddef>
#include <string>

#include <sys/types.h>

// Text kept on disk rather than in memory until it is read back, in the
// order it was written: a file without a name in $TMPDIR (or /tmp), which
// the system removes however the program ends.  The file is made on the
// first append.
class SpillFile
{
public:
    SpillFile() = default;
    ~SpillFile();
    SpillFile(const SpillFile &) = delete;
    SpillFile &operator=(const SpillFile &) = delete;

    // All of it or nothing: false when the file cannot be made or the disk is
    // full, and the caller keeps the text.
    bool append(const std::string &text);
    // Appends up to limit of the bytes not read yet to out; false when the
    // file cannot be read.
    bool readInto(std::string &out, std::size_t limit);
    bool drained() const { return m_read == m_written; }

private:
    bool create();

    int m_descriptor = -1;
    off_t m_written = 0;
    off_t m_read = 0;
};

#endif
