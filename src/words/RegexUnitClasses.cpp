#include "words/RegexUnitClasses.h"

#include <algorithm>
#include <map>

RegexUnitClasses::RegexUnitClasses(const std::vector<RegexCharSet>& sets) {
    // The units split into intervals at every range bound of every set; units
    // of one interval are in the same sets.
    std::vector<std::uint32_t> starts{0};
    for (const RegexCharSet& set : sets) {
        for (const RegexCharSet::Range& r : set.Ranges()) {
            starts.push_back(r.first);
            if (r.last < 0xFFFF)
                starts.push_back(static_cast<std::uint32_t>(r.last) + 1);
        }
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    auto intervalOf = [&](std::uint32_t unit) {
        return static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), unit) -
                                        starts.begin() - 1);
    };

    // The sets that hold each interval.
    const std::size_t setWords = std::max<std::size_t>(1, (sets.size() + 63) / 64);
    std::vector<std::uint64_t> holders(starts.size() * setWords, 0);
    for (std::size_t s = 0; s < sets.size(); ++s) {
        for (const RegexCharSet::Range& r : sets[s].Ranges()) {
            for (std::size_t k = intervalOf(r.first); k < starts.size() && starts[k] <= r.last; ++k)
                holders[k * setWords + s / 64] |= std::uint64_t{1} << (s % 64);
        }
    }

    // One class per distinct holder list, numbered in order of first use.
    std::map<std::vector<std::uint64_t>, int> ids;
    std::vector<int> intervalClass(starts.size());
    std::vector<std::size_t> firstInterval;
    for (std::size_t k = 0; k < starts.size(); ++k) {
        auto first = holders.begin() + static_cast<std::ptrdiff_t>(k * setWords);
        auto [it, added] =
            ids.emplace(std::vector<std::uint64_t>(first, first + static_cast<std::ptrdiff_t>(setWords)),
                        static_cast<int>(ids.size()));
        if (added)
            firstInterval.push_back(k);
        intervalClass[k] = it->second;
    }
    m_count = static_cast<int>(ids.size());
    m_wordsPerSet = static_cast<std::size_t>(m_count + 1 + 63) / 64; // the end class included
    m_members.assign(sets.size() * m_wordsPerSet, 0);
    for (std::size_t c = 0; c < firstInterval.size(); ++c) {
        for (std::size_t s = 0; s < sets.size(); ++s) {
            if ((holders[firstInterval[c] * setWords + s / 64] >> (s % 64)) & 1)
                m_members[s * m_wordsPerSet + c / 64] |= std::uint64_t{1} << (c % 64);
        }
    }

    for (std::uint32_t unit = 0; unit < 128; ++unit)
        m_ascii[unit] = static_cast<std::uint16_t>(intervalClass[intervalOf(unit)]);
    for (std::uint32_t block = 0; block < 256; ++block) {
        const std::uint32_t first = block << 8;
        const std::size_t k = intervalOf(first);
        if (k + 1 == starts.size() || starts[k + 1] > first + 0xFF) {
            m_blocks[block] = kWholeBlock | static_cast<std::uint32_t>(intervalClass[k]);
            continue;
        }
        m_blocks[block] = static_cast<std::uint32_t>(m_blockTables.size() >> 8);
        for (std::uint32_t unit = first; unit <= first + 0xFF; ++unit)
            m_blockTables.push_back(static_cast<std::uint16_t>(intervalClass[intervalOf(unit)]));
    }
}
