// A set of UTF-16 units held as sorted, disjoint, non-adjacent ranges, with a
// bitmap for the ASCII units that make up most tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

class RegexCharSet {
public:
    struct Range {
        char16_t first;
        char16_t last;
    };

    RegexCharSet() = default;
    static RegexCharSet Of(char16_t first, char16_t last);

    void Add(char16_t unit) { AddRange(unit, unit); }
    void AddRange(char16_t first, char16_t last);
    void AddSet(const RegexCharSet& other);

    bool Contains(char16_t unit) const {
        if (unit < 128)
            return (m_ascii[unit >> 6] >> (unit & 63)) & 1;
        return ContainsAbove127(unit);
    }
    bool IsEmpty() const { return m_ranges.empty(); }
    const std::vector<Range>& Ranges() const { return m_ranges; }
    // Number of units in the set.
    std::uint32_t Size() const;

    RegexCharSet Negated() const;
    // Every unit whose case folding equals that of some member.
    RegexCharSet CaseClosed() const;

    friend bool operator==(const RegexCharSet& a, const RegexCharSet& b) {
        return a.m_ranges.size() == b.m_ranges.size() &&
               std::equal(a.m_ranges.begin(), a.m_ranges.end(), b.m_ranges.begin(),
                          [](Range x, Range y) { return x.first == y.first && x.last == y.last; });
    }

private:
    bool ContainsAbove127(char16_t unit) const;
    void SetAsciiBits(char16_t first, char16_t last);

    std::vector<Range> m_ranges;
    std::uint64_t m_ascii[2] = {0, 0};
};
