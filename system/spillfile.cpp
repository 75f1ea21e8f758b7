#include "spillfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::string temporaryFolder()
{
    const char *folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

} // namespace

SpillFile::~SpillFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

// O_TMPFILE makes a file that never has a name.  Where the file system cannot
// (few Linux ones), a named one is removed at once.
bool SpillFile::create()
{
    const std::string folder = temporaryFolder();
    m_descriptor = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (m_descriptor >= 0)
        return true;
    const std::string name = folder + "/vormis-run-XXXXXX";
    std::vector<char> path(name.begin(), name.end());
    path.push_back('\0');
    m_descriptor = ::mkostemp(path.data(), O_CLOEXEC);
    if (m_descriptor >= 0)
        ::unlink(path.data());
    return m_descriptor >= 0;
}

bool SpillFile::append(const std::string &text)
{
    if (m_descriptor < 0 && !create())
        return false;
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::pwrite(m_descriptor, text.data() + done, text.size() - done,
                                         m_written + static_cast<off_t>(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false; // m_written stays: what was written is overwritten next time
        done += static_cast<std::size_t>(written);
    }
    m_written += static_cast<off_t>(done);
    return true;
}

bool SpillFile::readInto(std::string &out, std::size_t limit)
{
    const auto count = static_cast<std::size_t>(std::min<off_t>(m_written - m_read, static_cast<off_t>(limit)));
    const std::size_t start = out.size();
    out.resize(start + count);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(m_descriptor, &out[start + done], count - done, m_read + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            out.resize(start + done);
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    m_read += static_cast<off_t>(done);
    return true;
}
