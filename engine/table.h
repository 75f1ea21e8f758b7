#ifndef VORMIS_TABLE_H
#define VORMIS_TABLE_H

#include <cstddef>
#include <vector>

// A rows x cols table: one contiguous block of values and a row index of
// pointers into it, so that table[x][y] costs two indexings and rows() can be
// lent out as a plain T** to readers that only know the row index.
template <typename T>
class Table
{
public:
    Table() = default;
    Table(int rows, int cols)
        : m_cols(cols > 0 ? cols : 0),
          m_block(static_cast<std::size_t>(rows > 0 ? rows : 0) * static_cast<std::size_t>(m_cols)),
          m_index(static_cast<std::size_t>(rows > 0 ? rows : 0))
    {
        for (std::size_t r = 0; r < m_index.size(); ++r)
            m_index[r] = m_block.data() + r * static_cast<std::size_t>(m_cols);
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
    std::vector<T> m_block;
    std::vector<T *> m_index;
};

#endif
