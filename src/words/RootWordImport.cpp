#include "words/RootWordImport.h"

#include "util/Number.h"
#include "util/TextFile.h"
#include "util/TextTidy.h"
#include "words/HashedWords.h"
#include "words/RegexMatcher.h"
#include "words/RootWordList.h"

#include <algorithm>
#include <vector>

namespace {

std::string ScaledWeight(std::string_view digits, std::int32_t value, std::int32_t max,
                         std::string_view maxText) {
    if (digits == maxText)
        return "100";
    double scaled = RoundNumber(100.0 / max * value, 0);
    return NumberToText(std::max(scaled, 1.0));
}

// The entries that are neither empty nor banned, in text order, before
// repeats are dropped.
struct Candidates {
    HashedWords words;
    std::vector<int> matches;
    std::vector<std::int32_t> values;
};

void LoadWeighted(const RegexMatcher& matcher, const BannedWordList& banned, RowTable& list) {
    const int count = matcher.MatchCount();
    // Every entry counts towards the largest weight, also those dropped below.
    std::int32_t max = 0;
    Candidates candidates;
    candidates.words.Reserve(static_cast<std::size_t>(count));
    candidates.matches.reserve(static_cast<std::size_t>(count));
    candidates.values.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        std::string digits = matcher.GroupText(i, 2);
        const std::int32_t value = TextToInt32(digits);
        max = std::max(max, value);
        std::string word = matcher.GroupText(i, 1);
        if (word.empty() || digits.empty() || banned.IsBanned(word))
            continue;
        candidates.words.Add(std::move(word));
        candidates.matches.push_back(i);
        candidates.values.push_back(value);
    }
    const std::vector<bool> first = candidates.words.FirstOccurrences();
    const std::string maxText = std::to_string(max);
    for (std::size_t k = 0; k < first.size(); ++k) {
        if (!first[k])
            continue;
        std::string digits = matcher.GroupText(candidates.matches[k], 2);
        AppendRootWord(list, candidates.words[k],
                       max >= 100 ? ScaledWeight(digits, candidates.values[k], max, maxText) : digits);
    }
}

void LoadPlain(const RegexMatcher& matcher, const BannedWordList& banned, RowTable& list) {
    HashedWords words;
    words.Reserve(static_cast<std::size_t>(matcher.MatchCount()));
    for (int i = 1; i <= matcher.MatchCount(); ++i) {
        std::string word = matcher.GroupText(i, 1);
        if (!word.empty() && !banned.IsBanned(word))
            words.Add(std::move(word));
    }
    const std::vector<bool> first = words.FirstOccurrences();
    for (std::size_t k = 0; k < first.size(); ++k) {
        if (first[k])
            AppendRootWord(list, words[k], "1");
    }
}

} // namespace

void LoadRootWords(std::string_view text, const BannedWordList& banned, RowTable& list) {
    RegexMatcher matcher;
    matcher.Match("(.*?)\t(\\d+)", text);
    if (matcher.MatchCount() > 0) {
        LoadWeighted(matcher, banned, list);
        return;
    }
    matcher.Match("(.+)\r", text);
    LoadPlain(matcher, banned, list);
}

void ImportRootWords(std::string_view fileBytes, const BannedWordList& banned, RowTable& list) {
    list.DeleteAllRows();
    std::string text = DecodeTextFile(fileBytes);
    text += "\r\n";
    // Tidying only removes bytes, so the result goes back into the room the
    // text already has, with space left for the final line end.
    const std::string tidy = TidyLines(text);
    text.assign(tidy);
    text += "\r\n";
    LoadRootWords(text, banned, list);
}

void PasteRootWords(std::string_view clipboardText, const BannedWordList& banned, RowTable& list) {
    // Text copied from elsewhere may end its lines in LF alone; without the
    // CR of CR LF the plain format would see only the last line.
    std::string text = NormaliseLineEnds(clipboardText.substr(0, clipboardText.find('\0')));
    text = TidyLines(text) + "\r\n";
    list.DeleteAllRows();
    LoadRootWords(text, banned, list);
}
