#include "table.h"

#include <cstdlib>
#include <new>

#include <sys/mman.h>

namespace {

constexpr std::size_t kMappedFrom = 64 * 1024;

} // namespace

ZeroBlock::ZeroBlock(std::size_t bytes) : m_bytes(bytes)
{
    if (bytes == 0)
        return;
    if (bytes >= kMappedFrom) {
        void *mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        m_mapped = mapped != MAP_FAILED;
        if (m_mapped) {
            m_data = mapped;
            return;
        }
    }
    // Small blocks, and large ones when no more mappings are to be had.
    m_data = std::calloc(bytes, 1);
    if (!m_data)
        throw std::bad_alloc();
}

ZeroBlock::~ZeroBlock()
{
    if (m_mapped)
        munmap(m_data, m_bytes);
    else
        std::free(m_data);
}
