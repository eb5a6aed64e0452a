#include "words/CaseFold.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <memory>

namespace {

struct FoldRun {
    char32_t first;
    char32_t last;
    std::int32_t delta;
    std::int32_t step;
};

constexpr FoldRun kFoldRuns[] = {
#include "words/CaseFoldTable.inc"
};

char32_t FoldByRuns(char32_t c) {
    const FoldRun* run = std::upper_bound(std::begin(kFoldRuns), std::end(kFoldRuns), c,
                                          [](char32_t value, const FoldRun& r) { return value < r.first; });
    if (run == std::begin(kFoldRuns))
        return c;
    --run;
    if (c > run->last || (c - run->first) % static_cast<char32_t>(run->step) != 0)
        return c;
    return static_cast<char32_t>(static_cast<std::int32_t>(c) + run->delta);
}

// The BMP part expanded once: the folding of every unit, and for every folded
// unit the list of units that fold to it (a chain through m_nextVariant).
class FoldTables {
public:
    FoldTables() {
        for (std::uint32_t c = 0; c < kUnits; ++c) {
            m_fold[c] = static_cast<char16_t>(FoldByRuns(c));
            m_firstVariant[c] = kNone;
            m_nextVariant[c] = kNone;
        }
        // Walk backwards so that each chain lists its units in ascending order.
        for (std::uint32_t c = kUnits; c-- > 0;) {
            char16_t target = m_fold[c];
            m_nextVariant[c] = m_firstVariant[target];
            m_firstVariant[target] = static_cast<char16_t>(c);
        }
        for (std::uint32_t c = 0; c < kUnits; ++c) {
            if (HasVariants(static_cast<char16_t>(c)))
                m_withVariants.push_back(static_cast<char16_t>(c));
        }
    }

    char16_t Fold(char16_t c) const { return m_fold[c]; }

    int Variants(char16_t c, char16_t (&variants)[kMaxCaseVariants]) const {
        // A chain is never empty: the folded unit folds to itself.
        int count = 0;
        char16_t v = m_firstVariant[m_fold[c]];
        do {
            variants[count++] = v;
            v = m_nextVariant[v];
        } while (v != kNone && count < kMaxCaseVariants);
        return count;
    }

    bool HasVariants(char16_t c) const {
        char16_t first = m_firstVariant[m_fold[c]];
        return m_nextVariant[first] != kNone;
    }

    const std::vector<char16_t>& UnitsWithVariants() const { return m_withVariants; }

private:
    static constexpr std::uint32_t kUnits = 0x10000;
    // 0xFFFF folds to itself and has no variant, so it never follows another
    // unit in a chain and can mark a chain's end.
    static constexpr char16_t kNone = 0xFFFF;
    std::array<char16_t, kUnits> m_fold;
    std::array<char16_t, kUnits> m_firstVariant;
    std::array<char16_t, kUnits> m_nextVariant;
    std::vector<char16_t> m_withVariants;
};

const FoldTables& Tables() {
    static const std::unique_ptr<FoldTables> tables = std::make_unique<FoldTables>();
    return *tables;
}

} // namespace

char32_t SimpleCaseFold(char32_t c) {
    if (c < 0x10000)
        return Tables().Fold(static_cast<char16_t>(c));
    return FoldByRuns(c);
}

char16_t FoldUnit(char16_t c) {
    return Tables().Fold(c);
}

bool HasCaseVariants(char16_t c) {
    return Tables().HasVariants(c);
}

int CaseVariants(char16_t c, char16_t (&variants)[kMaxCaseVariants]) {
    return Tables().Variants(c, variants);
}

const std::vector<char16_t>& UnitsWithCaseVariants() {
    return Tables().UnitsWithVariants();
}
