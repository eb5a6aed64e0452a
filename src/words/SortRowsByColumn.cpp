#include "words/SortRowsByColumn.h"

#include "util/Number.h"

#include <algorithm>
#include <cmath>

namespace {

// The ascending array, held as blocks of at most 2 * kBlock entries so that an
// insertion moves one block's entries, not the whole array's. starts[b] is the
// 0-based position of block b's first entry.
class BlockedArray {
public:
    struct Entry {
        double key;
        std::size_t index;
    };

    std::size_t Size() const { return m_size; }

    // 1-based, as the insertion rule counts.
    const Entry& At(std::size_t position) const {
        std::size_t b = BlockOf(position - 1);
        return m_blocks[b][position - 1 - m_starts[b]];
    }

    void Insert(std::size_t position, Entry entry) {
        if (m_blocks.empty()) {
            m_blocks.emplace_back();
            m_starts.push_back(0);
        }
        std::size_t offset = position - 1;
        std::size_t b = offset == m_size ? m_blocks.size() - 1 : BlockOf(offset);
        std::vector<Entry>& block = m_blocks[b];
        block.insert(block.begin() + static_cast<std::ptrdiff_t>(offset - m_starts[b]), entry);
        ++m_size;
        if (block.size() > 2 * kBlock) {
            std::vector<Entry> upper(block.begin() + kBlock, block.end());
            block.resize(kBlock);
            m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(upper));
            m_starts.insert(m_starts.begin() + static_cast<std::ptrdiff_t>(b) + 1, 0);
        }
        for (std::size_t i = b + 1; i < m_blocks.size(); ++i)
            m_starts[i] = m_starts[i - 1] + m_blocks[i - 1].size();
    }

    std::vector<std::size_t> Indexes() const {
        std::vector<std::size_t> out;
        out.reserve(m_size);
        for (const auto& block : m_blocks) {
            for (const Entry& entry : block)
                out.push_back(entry.index);
        }
        return out;
    }

private:
    static constexpr std::size_t kBlock = 256;

    std::size_t BlockOf(std::size_t offset) const {
        auto it = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
        return static_cast<std::size_t>(it - m_starts.begin()) - 1;
    }

    std::vector<std::vector<Entry>> m_blocks;
    std::vector<std::size_t> m_starts;
    std::size_t m_size = 0;
};

std::size_t InsertionPosition(const BlockedArray& array, double key) {
    const std::size_t c = array.Size();
    if (c == 0)
        return 1;
    if (key - array.At(c).key >= -kNumberTolerance)
        return c + 1;
    if (key - array.At(1).key <= kNumberTolerance)
        return 1;
    std::size_t lo = 1;
    std::size_t hi = c;
    while (lo + 1 < hi) {
        std::size_t mid = (lo + hi) / 2;
        double d = key - array.At(mid).key;
        if (std::fabs(d) <= kNumberTolerance) {
            lo = mid;
            break;
        }
        if (d > 0)
            lo = mid;
        else
            hi = mid;
    }
    return lo + 1;
}

} // namespace

std::vector<std::size_t> InsertionSortOrder(const std::vector<double>& keys) {
    BlockedArray array;
    for (std::size_t i = 0; i < keys.size(); ++i)
        array.Insert(InsertionPosition(array, keys[i]), {keys[i], i});
    return array.Indexes();
}

void SortRowsByColumn(TextRows& rows, std::size_t column, bool descending) {
    std::vector<double> keys;
    keys.reserve(rows.size());
    for (const auto& row : rows)
        keys.push_back(column < row.size() ? TextToNumber(row[column]) : 0.0);
    std::vector<std::size_t> order = InsertionSortOrder(keys);
    if (descending)
        std::reverse(order.begin(), order.end());
    TextRows sorted;
    sorted.reserve(rows.size());
    for (std::size_t index : order)
        sorted.push_back(std::move(rows[index]));
    rows = std::move(sorted);
}
