#include "words/RootWordImport.h"

#include "util/HashTable.h"
#include "util/Number.h"
#include "util/TextFile.h"
#include "util/TextTidy.h"
#include "words/RegexMatcher.h"
#include "words/RootWordList.h"

#include <algorithm>
#include <vector>

namespace {

// Words accepted so far in one load.
class SeenWords {
public:
    SeenWords() { m_words.Init(HashKeyType::Bytes, HashValueType::Integer); }
    // True the first time a word is offered.
    bool Add(std::string_view word) { return m_words.Set(word, 1) == 1; }

private:
    HashTable m_words;
};

std::string ScaledWeight(std::string_view digits, std::int32_t max) {
    if (digits == std::to_string(max))
        return "100";
    double scaled = RoundNumber(100.0 / max * TextToInt32(digits), 0);
    return NumberToText(std::max(scaled, 1.0));
}

void LoadWeighted(const RegexMatcher& matcher, const BannedWordList& banned, RowTable& list) {
    const int count = matcher.MatchCount();
    // Every entry counts towards the largest weight, also those dropped below.
    std::int32_t max = 0;
    for (int i = 1; i <= count; ++i)
        max = std::max(max, TextToInt32(matcher.GroupText(i, 2)));
    SeenWords seen;
    for (int i = 1; i <= count; ++i) {
        std::string word = matcher.GroupText(i, 1);
        std::string digits = matcher.GroupText(i, 2);
        if (word.empty() || digits.empty() || banned.IsBanned(word) || !seen.Add(word))
            continue;
        AppendRootWord(list, word, max >= 100 ? ScaledWeight(digits, max) : digits);
    }
}

void LoadPlain(const RegexMatcher& matcher, const BannedWordList& banned, RowTable& list) {
    SeenWords seen;
    for (int i = 1; i <= matcher.MatchCount(); ++i) {
        std::string word = matcher.GroupText(i, 1);
        if (word.empty() || banned.IsBanned(word) || !seen.Add(word))
            continue;
        AppendRootWord(list, word, "1");
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
    text = TidyLines(text + "\r\n") + "\r\n";
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
