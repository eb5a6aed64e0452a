#include "words/HashedWords.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

namespace {

std::vector<bool> FirstOccurrences(const std::vector<std::string>& words) {
    HashedWords hashed;
    for (const std::string& word : words)
        hashed.Add(word);
    return hashed.FirstOccurrences();
}

TEST(HashedWords, FirstOfEachTextWins) {
    struct Case {
        const char* name;
        std::vector<std::string> words;
        std::vector<bool> expected;
    };
    const Case cases[] = {
        {"empty list", {}, {}},
        {"one word", {"a"}, {true}},
        {"repeats after the first", {"a", "b", "a", "a", "b"}, {true, true, false, false, false}},
        {"case and length tell apart", {"a", "A", "aa", std::string("a\0", 2)}, {true, true, true, true}},
        {"empty word repeats too", {"", "x", ""}, {true, true, false}},
        {"bytes after a NUL count",
         {std::string("a\0b", 3), std::string("a\0c", 3), std::string("a\0b", 3)},
         {true, true, false}},
        // Two-byte characters whose bytes are the same in another order.
        {"GBK pairs", {"\xC1\xAC\xD2\xC2", "\xD2\xC2\xC1\xAC", "\xC1\xAC\xD2\xC2"}, {true, true, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstOccurrences(c.words), c.expected) << c.name;
}

// Lists long enough to be split into parts by hash, with repeats near and far
// apart, against a plain set.
TEST(HashedWords, LongListsAgreeWithASet) {
    std::mt19937 random(12);
    for (std::size_t size : {100u, 5000u, 70000u}) {
        std::vector<std::string> words;
        for (std::size_t i = 0; i < size; ++i) {
            if (!words.empty() && random() % 4 == 0) {
                words.push_back(words[random() % words.size()]);
            } else {
                std::string word;
                for (int k = static_cast<int>(random() % 6); k >= 0; --k)
                    word += static_cast<char>('a' + random() % 5);
                words.push_back(word);
            }
        }
        std::vector<bool> expected;
        std::set<std::string> seen;
        for (const std::string& word : words)
            expected.push_back(seen.insert(word).second);
        EXPECT_EQ(FirstOccurrences(words), expected) << size;
    }
}

} // namespace
