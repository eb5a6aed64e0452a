#include "generate/MainWordSpec.h"

#include "util/Number.h"
#include "util/TextSearch.h"
#include "util/TextSplit.h"

#include <cmath>

double MainWordSpec::RequestedCount() const {
    return TextToNumber(countText);
}

namespace {

bool HasSeparator(std::string_view text) {
    return FindText(text, kMainWordSeparator, 1) != -1;
}

} // namespace

MainWordSpec SplitMainWordLine(std::string_view line) {
    std::ptrdiff_t first = FindText(line, kMainWordSeparator, 1);
    if (first == -1)
        return {};
    // The last separator: keep searching from one byte after each match, as
    // "a---3" ends its main word at the first and starts its count after the last.
    std::ptrdiff_t last = first;
    for (std::ptrdiff_t next; (next = FindText(line, kMainWordSeparator, last + 1)) != -1;)
        last = next;
    MainWordSpec parsed;
    parsed.mainWord = std::string(line.substr(0, static_cast<std::size_t>(first - 1)));
    parsed.countText =
        std::string(line.substr(static_cast<std::size_t>(last - 1) + kMainWordSeparator.size()));
    return parsed;
}

std::optional<RunMessage> CheckBeforeStart(std::string_view mainWordBoxText, std::size_t rootWordRows) {
    if (mainWordBoxText.empty() || !HasSeparator(mainWordBoxText))
        return MainWordMissingMessage();
    if (rootWordRows < kMinimumRootWordRows)
        return TooFewRootWordsMessage();
    return std::nullopt;
}

std::optional<std::int32_t> SumRequested(std::string_view mainWordBoxText) {
    double total = 0;
    for (const std::string& line : SplitLines(mainWordBoxText)) {
        if (line.empty() || !HasSeparator(line))
            continue;
        MainWordSpec parsed = SplitMainWordLine(line);
        if (parsed.mainWord.empty() || parsed.countText.empty())
            return std::nullopt;
        total = TruncateToInt32(total + parsed.RequestedCount());
    }
    return static_cast<std::int32_t>(total);
}
