#include "generate/ShareRefresh.h"

#include "generate/LiteralWordCounter.h"
#include "util/CodePage.h"
#include "util/Number.h"
#include "words/CaseFold.h"
#include "words/RegexMatcher.h"

namespace {

// The matcher ignores case by comparing folded characters; GBK text converts
// to the Basic Multilingual Plane only, so folding unit by unit is the same.
std::u16string Folded(std::string_view gbk) {
    std::u16string text = GbkToUtf16(gbk);
    for (char16_t& c : text)
        c = FoldUnit(c);
    return text;
}

std::string ShareText(std::int64_t matches, std::int32_t titleWordTotal) {
    return NumberToText(RoundNumber(static_cast<double>(matches) / titleWordTotal * 100, 2));
}

} // namespace

std::vector<std::string> ShareRefresh(const std::vector<RootWord>& rows, std::string_view joinedTitles,
                                      std::int32_t titleWordTotal) {
    std::vector<std::string> shares(rows.size(), "0");
    if (titleWordTotal <= 0)
        return shares; // no title was made

    std::vector<std::size_t> literalRows;
    std::vector<std::u16string> literalWords;
    std::vector<std::int64_t> matches(rows.size(), 0);
    RegexMatcher matcher;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::string& word = rows[row].word;
        if (!word.empty() && IsLiteralPattern(word)) {
            literalRows.push_back(row);
            literalWords.push_back(Folded(word));
        } else if (matcher.Match(word, joinedTitles)) {
            matches[row] = matcher.MatchCount();
        }
    }
    if (!literalRows.empty()) {
        const std::vector<std::int64_t> counts = LiteralWordCounter(literalWords).Count(Folded(joinedTitles));
        for (std::size_t i = 0; i < literalRows.size(); ++i)
            matches[literalRows[i]] = counts[i];
    }

    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row].weight != "0")
            shares[row] = ShareText(matches[row], titleWordTotal);
    return shares;
}
