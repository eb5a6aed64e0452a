#include "words/RegexCharSet.h"

#include "words/CaseFold.h"

#include <algorithm>

RegexCharSet RegexCharSet::Of(char16_t first, char16_t last) {
    RegexCharSet set;
    set.AddRange(first, last);
    return set;
}

void RegexCharSet::AddRange(char16_t first, char16_t last) {
    if (first > last)
        std::swap(first, last);
    SetAsciiBits(first, last);
    // Find the ranges that overlap or touch [first, last] and merge them.
    auto begin =
        std::lower_bound(m_ranges.begin(), m_ranges.end(), first, [](const Range& r, char16_t value) {
            return static_cast<std::uint32_t>(r.last) + 1 < value;
        });
    auto end = begin;
    std::uint32_t mergedFirst = first;
    std::uint32_t mergedLast = last;
    while (end != m_ranges.end() && static_cast<std::uint32_t>(end->first) <= mergedLast + 1) {
        mergedFirst = std::min<std::uint32_t>(mergedFirst, end->first);
        mergedLast = std::max<std::uint32_t>(mergedLast, end->last);
        ++end;
    }
    Range merged{static_cast<char16_t>(mergedFirst), static_cast<char16_t>(mergedLast)};
    if (begin == end) {
        m_ranges.insert(begin, merged);
    } else {
        *begin = merged;
        m_ranges.erase(begin + 1, end);
    }
}

void RegexCharSet::AddSet(const RegexCharSet& other) {
    for (const Range& r : other.m_ranges)
        AddRange(r.first, r.last);
}

std::uint32_t RegexCharSet::Size() const {
    std::uint32_t size = 0;
    for (const Range& r : m_ranges)
        size += static_cast<std::uint32_t>(r.last - r.first) + 1;
    return size;
}

RegexCharSet RegexCharSet::Negated() const {
    RegexCharSet result;
    std::uint32_t next = 0;
    for (const Range& r : m_ranges) {
        if (r.first > next)
            result.AddRange(static_cast<char16_t>(next), static_cast<char16_t>(r.first - 1));
        next = static_cast<std::uint32_t>(r.last) + 1;
    }
    if (next <= 0xFFFF)
        result.AddRange(static_cast<char16_t>(next), 0xFFFF);
    return result;
}

RegexCharSet RegexCharSet::CaseClosed() const {
    RegexCharSet result = *this;
    const std::vector<char16_t>& cased = UnitsWithCaseVariants();
    for (const Range& r : m_ranges) {
        auto it = std::lower_bound(cased.begin(), cased.end(), r.first);
        for (; it != cased.end() && *it <= r.last; ++it) {
            char16_t variants[kMaxCaseVariants];
            int count = CaseVariants(*it, variants);
            for (int i = 0; i < count; ++i)
                result.Add(variants[i]);
        }
    }
    return result;
}

bool RegexCharSet::ContainsAbove127(char16_t unit) const {
    auto it = std::upper_bound(m_ranges.begin(), m_ranges.end(), unit,
                               [](char16_t value, const Range& r) { return value < r.first; });
    return it != m_ranges.begin() && unit <= (it - 1)->last;
}

void RegexCharSet::SetAsciiBits(char16_t first, char16_t last) {
    for (std::uint32_t c = first; c <= last && c < 128; ++c)
        m_ascii[c >> 6] |= std::uint64_t{1} << (c & 63);
}
