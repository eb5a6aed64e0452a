#include "words/RegexLiteral.h"

#include "words/CaseFold.h"

#include <algorithm>
#include <string>

namespace {

bool HasCasedUnit(std::u16string_view literal) {
    return std::any_of(literal.begin(), literal.end(), [](char16_t c) { return HasCaseVariants(c); });
}

std::size_t FindFolded(std::u16string_view subject, std::u16string_view literal, std::size_t from) {
    std::u16string folded(literal);
    for (char16_t& c : folded)
        c = FoldUnit(c);
    const std::size_t last = subject.size() - literal.size();
    for (std::size_t i = from; i <= last; ++i) {
        if (FoldUnit(subject[i]) != folded[0])
            continue;
        std::size_t k = 1;
        while (k < folded.size() && FoldUnit(subject[i + k]) == folded[k])
            ++k;
        if (k == folded.size())
            return i;
    }
    return std::u16string_view::npos;
}

} // namespace

std::size_t FindLiteral(std::u16string_view subject, std::u16string_view literal, bool ignoreCase,
                        std::size_t from) {
    if (from > subject.size() || literal.size() > subject.size() - from)
        return std::u16string_view::npos;
    if (literal.empty())
        return from;
    // Chinese text has no case, so most words take the exact search.
    if (!ignoreCase || !HasCasedUnit(literal))
        return subject.find(literal, from);
    return FindFolded(subject, literal, from);
}
