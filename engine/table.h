#ifndef VORMIS_TABLE_H
#define VORMIS_TABLE_H

#include <cstddef>
#include <type_traits>
#include <utility>
#include <vector>

// A block of fresh zero pages: calloc, or from 64 KiB on a private anonymous
// mapping, so that pages never written are never touched and cost no memory.
// (calloc clears reused heap memory itself, and glibc serves blocks below its
// mapping threshold from the heap.)  Throws std::bad_alloc when there is none.
class ZeroBlock
{
public:
    ZeroBlock() = default;
    explicit ZeroBlock(std::size_t bytes);
    ~ZeroBlock();
    ZeroBlock(ZeroBlock &&other) noexcept { swap(other); }
    ZeroBlock &operator=(ZeroBlock &&other) noexcept
    {
        ZeroBlock(std::move(other)).swap(*this);
        return *this;
    }
    ZeroBlock(const ZeroBlock &) = delete;
    ZeroBlock &operator=(const ZeroBlock &) = delete;

    void *data() const { return m_data; }

private:
    void swap(ZeroBlock &other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_bytes, other.m_bytes);
        std::swap(m_mapped, other.m_mapped);
    }

    void *m_data = nullptr;
    std::size_t m_bytes = 0;
    bool m_mapped = false;
};

// A rows x cols table of zeros to begin with: one contiguous block of values
// and a row index of pointers into it, so that table[x][y] costs two
// indexings and rows() can be lent out as a plain T** to readers that only
// know the row index.  The block is a ZeroBlock: an ant's path table has room
// for N x N cells, of which a walk seldom records more than a few thousand.
template <typename T>
class Table
{
    static_assert(std::is_arithmetic<T>::value, "the block's zero bytes must be the value 0");

public:
    Table() = default;
    Table(int rows, int cols)
        : m_cols(cols > 0 ? cols : 0),
          m_block(static_cast<std::size_t>(rows > 0 ? rows : 0) * static_cast<std::size_t>(m_cols) * sizeof(T)),
          m_index(static_cast<std::size_t>(rows > 0 ? rows : 0))
    {
        T *values = static_cast<T *>(m_block.data());
        for (std::size_t r = 0; r < m_index.size(); ++r)
            m_index[r] = values + r * static_cast<std::size_t>(m_cols);
    }

    // Moving keeps the row pointers valid: the block's storage moves with it.
    Table(Table &&) noexcept = default;
    Table &operator=(Table &&) noexcept = default;
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    T *operator[](int row) { return m_index[static_cast<std::size_t>(row)]; }
    const T *operator[](int row) const { return m_index[static_cast<std::size_t>(row)]; }

    T **rows() { return m_index.empty() ? nullptr : m_index.data(); }
    const T *const *rows() const { return m_index.empty() ? nullptr : m_index.data(); }
    int rowCount() const { return static_cast<int>(m_index.size()); }
    int columnCount() const { return m_cols; }

private:
    int m_cols = 0;
    ZeroBlock m_block;
    std::vector<T *> m_index;
};

#endif
