// The UTF-16 units split into classes that a list of unit sets cannot tell
// apart: two units of one class belong to exactly the same sets. An engine
// that steps by class tests a consuming instruction with one bit, whatever its
// set looks like, and finds a unit's class with one or two table reads.
#pragma once

#include "words/RegexCharSet.h"

#include <cstdint>
#include <vector>

class RegexUnitClasses {
public:
    explicit RegexUnitClasses(const std::vector<RegexCharSet>& sets);

    // Classes 0..Count()-1 hold units; EndClass() stands for the end of the
    // subject and belongs to no set.
    int Count() const { return m_count; }
    int EndClass() const { return m_count; }

    int Of(char16_t unit) const {
        if (unit < 128)
            return m_ascii[unit];
        const std::uint32_t block = m_blocks[unit >> 8];
        if (block & kWholeBlock)
            return static_cast<int>(block & ~kWholeBlock);
        return m_blockTables[(block << 8) | (unit & 0xFFu)];
    }

    // Words per set in Members: bit c of a set's words is set when class c
    // belongs to it.
    std::size_t WordsPerSet() const { return m_wordsPerSet; }
    const std::vector<std::uint64_t>& Members() const { return m_members; }

private:
    // A block of 256 units all in one class stores the class with this flag;
    // any other block stores the index of its own table.
    static constexpr std::uint32_t kWholeBlock = 1u << 31;

    int m_count = 0;
    std::uint16_t m_ascii[128] = {};
    std::uint32_t m_blocks[256] = {};
    std::vector<std::uint16_t> m_blockTables;
    std::size_t m_wordsPerSet = 1;
    std::vector<std::uint64_t> m_members;
};
