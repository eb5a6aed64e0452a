#include "words/HashedWords.h"

#include <bit>
#include <cstdint>
#include <string_view>

namespace {

// Lists shorter than this are one part.
constexpr std::size_t kPartedFrom = 4096;
constexpr int kPartBits = 8;
constexpr std::uint32_t kNoEntry = ~std::uint32_t{0};

// FNV-1a, then a final mix, so that the top bits (the part) and the low bits
// (the place in a part's table) both depend on every byte.
std::uint64_t HashWord(std::string_view word) {
    std::uint64_t hash = 0xCBF29CE484222325u;
    for (unsigned char c : word) {
        hash ^= c;
        hash *= 0x100000001B3u;
    }
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDu;
    hash ^= hash >> 33;
    return hash;
}

// A word's place in the list and the bits of its hash that pick its place
// in its part's table (the top bits picked the part).
struct Entry {
    std::uint32_t hash;
    std::uint32_t index;
};

} // namespace

void HashedWords::Reserve(std::size_t count) {
    m_words.reserve(count);
    m_hashes.reserve(count);
}

void HashedWords::Add(std::string word) {
    m_hashes.push_back(HashWord(word));
    m_words.push_back(std::move(word));
}

std::vector<bool> HashedWords::FirstOccurrences() const {
    const std::size_t count = m_words.size();
    std::vector<bool> first(count, true);
    const int partBits = count < kPartedFrom ? 0 : kPartBits;
    auto partOf = [partBits](std::uint64_t hash) {
        return partBits == 0 ? std::size_t{0} : static_cast<std::size_t>(hash >> (64 - partBits));
    };

    // The entries grouped by part, in list order within each part. A match
    // count is an int, so an index fits 32 bits.
    std::vector<std::size_t> partStart((std::size_t{1} << partBits) + 1, 0);
    for (std::uint64_t hash : m_hashes)
        ++partStart[partOf(hash) + 1];
    for (std::size_t part = 1; part < partStart.size(); ++part)
        partStart[part] += partStart[part - 1];
    std::vector<Entry> entries(count);
    std::vector<std::size_t> next(partStart.begin(), partStart.end() - 1);
    for (std::size_t i = 0; i < count; ++i) {
        entries[next[partOf(m_hashes[i])]++] = {static_cast<std::uint32_t>(m_hashes[i]),
                                                static_cast<std::uint32_t>(i)};
    }

    // Each part through an open-addressing table of positions in entries.
    std::vector<std::uint32_t> table;
    for (std::size_t part = 0; part + 1 < partStart.size(); ++part) {
        const std::size_t begin = partStart[part];
        const std::size_t end = partStart[part + 1];
        const std::size_t mask = std::bit_ceil(2 * (end - begin) + 1) - 1;
        table.assign(mask + 1, kNoEntry);
        for (std::size_t k = begin; k < end; ++k) {
            const Entry& entry = entries[k];
            std::size_t slot = static_cast<std::size_t>(entry.hash) & mask;
            for (; table[slot] != kNoEntry; slot = (slot + 1) & mask) {
                const Entry& seen = entries[table[slot]];
                if (seen.hash == entry.hash && m_words[seen.index] == m_words[entry.index]) {
                    first[entry.index] = false;
                    break;
                }
            }
            if (table[slot] == kNoEntry)
                table[slot] = static_cast<std::uint32_t>(k);
        }
    }
    return first;
}
