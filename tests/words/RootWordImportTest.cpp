#include "words/RootWordImport.h"

#include "words/RootWordRows.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Case {
    const char* name;
    std::string text; // UTF-8, turned into GBK bytes
    std::vector<std::string> expected;
    std::string banned = "";
};

void RunImports(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        MemoryRowTable list = MakeRootWordList({"old:1"});
        ImportRootWords(Gbk(c.text), BannedWordList::FromFileBytes(Gbk(c.banned)), list);
        EXPECT_EQ(ShowRows(list), NumberedRows(c.expected)) << c.name;
    }
}

TEST(ImportRootWords, Formats) {
    RunImports({
        {"weighted, plain line ignored", "连衣裙\t100\r\n修身\t50\r\n百搭\r\n", {"连衣裙:100", "修身:50"}},
        {"plain", "连衣裙\r\n修身\r\n", {"连衣裙:1", "修身:1"}},
        {"plain with empty lines", "\r\n连衣裙\r\n\r\n\r\n修身\r\n\r\n", {"连衣裙:1", "修身:1"}},
        {"plain without final line end", "a\r\nb", {"a:1", "b:1"}},
        {"tab inside the word", "x\ty\t12\r\n", {"x\ty:12"}},
        {"text after the digits", "a\t12abc\r\n", {"a:12"}},
        {"tab without digits is plain", "a\tb\r\nc\r\n", {"a\tb:1", "c:1"}},
        {"empty word skipped", "\t5\r\nb\t3\r\n", {"b:3"}},
        {"empty text", "", {}},
        {"only line ends", "\r\n\r\n", {}},
        {"repeated plain word", "a\r\nb\r\na\r\n", {"a:1", "b:1"}},
        {"case matters for repeats", "a\r\nA\r\n", {"a:1", "A:1"}},
        {"spaces kept", " a \r\n", {" a :1"}},
    });
}

TEST(ImportRootWords, Weights) {
    RunImports({
        {"largest 250 scales to 100",
         "a\t250\r\nb\t5\r\nc\t3\r\nd\t4\r\ne\t1\r\nf\t0\r\n",
         {"a:100", "b:2", "c:1", "d:2", "e:1", "f:1"}},
        {"largest 99 keeps the digits", "a\t99\r\nb\t007\r\nc\t0\r\n", {"a:99", "b:007", "c:0"}},
        {"exactly 100", "a\t100\r\nb\t0100\r\nc\t50\r\n", {"a:100", "b:100", "c:50"}},
        // The second "a" is dropped but its 200 still sets the scale.
        {"first repeat wins", "a\t5\r\nb\t1\r\na\t200\r\n", {"a:3", "b:1"}},
        {"beyond 32 bits clamps",
         "a\t99999999999\r\nb\t2147483647\r\nc\t1073741824\r\nd\t1\r\n",
         {"a:100", "b:100", "c:50", "d:1"}},
        {"scale rounds half up", "a\t200\r\nb\t3\r\nc\t5\r\n", {"a:100", "b:2", "c:3"}},
    });
}

TEST(ImportRootWords, BannedWords) {
    RunImports({
        {"whole line banned", "连衣裙\t5\r\n修身连衣裙\t3\r\n", {"修身连衣裙:3"}, "连衣裙\r\n"},
        {"plain", "连衣裙\r\n修身\r\n", {"修身:1"}, "连衣裙"},
        {"several lines", "a\r\nb\r\nc\r\n", {"b:1"}, "a\r\nc\r\n"},
        {"LF lines ban too", "a\r\nb\r\nc\r\n", {"b:1"}, "a\nc\n"},
        {"CR lines ban too", "a\r\nb\r\nc\r\n", {"b:1"}, "a\rc"},
        {"case-sensitive", "A\r\nb\r\n", {"A:1", "b:1"}, "a\r\n"},
        {"no partial lines", "ab\r\n", {"ab:1"}, "a\r\nb\r\n"},
        // Lines of the file are never joined: "a@b" is not banned by "a" and "b".
        {"at sign", "a@b\r\n", {"a@b:1"}, "a\r\nb\r\n"},
        {"banned weight still scales", "a\t400\r\nb\t40\r\n", {"b:10"}, "a\r\n"},
    });
}

TEST(ImportRootWords, LineEndsAndEncodings) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> expected;
    } cases[] = {
        {"LF lines", Gbk("连衣裙\n修身\n"), {"连衣裙:1", "修身:1"}},
        {"CR lines", Gbk("连衣裙\r修身\r"), {"连衣裙:1", "修身:1"}},
        {"mixed", "a\nb\r\nc\rd", {"a:1", "b:1", "c:1", "d:1"}},
        {"weighted LF", "a\t5\nb\t6\n", {"a:5", "b:6"}},
        {"UTF-8", "\xE8\xBF\x9E\xE8\xA1\xA3\xE8\xA3\x99\t5\n", {"连衣裙:5"}},
        {"UTF-8 with BOM",
         "\xEF\xBB\xBF"
         "a\r\nb\r\n",
         {"a:1", "b:1"}},
        // "a\t5\n连\t7" with 连 = U+8FDE
        {"UTF-16 LE",
         std::string("\xFF\xFE"
                     "a\0\t\0"
                     "5\0\n\0\xDE\x8F\t\0"
                     "7\0",
                     16),
         {"a:5", "连:7"}},
        {"UTF-16 BE", std::string("\xFE\xFF\0a\0\r\0\n\0b", 10), {"a:1", "b:1"}},
        {"NUL ends the text", std::string("a\r\nb\0c\r\n", 8), {"a:1", "b:1"}},
        {"NUL in a weighted file", std::string("a\t5\r\nb\0\t7\r\n", 11), {"a:5"}},
        {"character GBK lacks is dropped",
         "\xEF\xBB\xBF"
         "a\xF0\x9F\x98\x80"
         "b\n",
         {"ab:1"}},
    };
    for (const auto& c : cases) {
        MemoryRowTable list;
        ImportRootWords(c.bytes, BannedWordList(), list);
        EXPECT_EQ(ShowRows(list), NumberedRows(c.expected)) << c.name;
    }
}

TEST(ImportRootWords, LargeAndBinaryInputsLoad) {
#ifdef _WIN32
    GTEST_SKIP() << "run natively; under Wine it only costs time";
#endif
    std::mt19937 random(3);
    std::string binary(1 << 20, '\0');
    for (char& c : binary)
        c = static_cast<char>(1 + random() % 255); // no NUL
    std::string large;
    large.reserve(100u << 20);
    while (large.size() < (100u << 20)) {
        large += Gbk("连衣裙") + std::to_string(large.size() % 5000) + "\t" +
                 std::to_string(large.size() % 300) + "\r\n";
        if (large.size() % 7 == 0)
            large += binary.substr(0, 4096);
    }
    MemoryRowTable list;
    ImportRootWords(large, BannedWordList(), list);
    EXPECT_GT(list.RowCount(), 500);
    ImportRootWords(binary, BannedWordList(), list);
    EXPECT_EQ(list.CellText(list.RowCount(), kIdColumn), std::to_string(list.RowCount()));
    ImportRootWords(std::string(100u << 20, 'x'), BannedWordList(), list); // one line of 100 MB
    EXPECT_EQ(list.RowCount(), 1);
}

TEST(PasteRootWords, ReplacesTheList) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> expected;
    } cases[] = {
        {"empty clipboard", "", {}},
        {"weighted", Gbk("连衣裙\t100\r\n修身\t50\r\n"), {"连衣裙:100", "修身:50"}},
        {"plain without final line end", "a\r\nb", {"a:1", "b:1"}},
        {"LF lines", "a\nb\n", {"a:1", "b:1"}},
        {"NUL ends the text", std::string("a\r\nb\0c", 6), {"a:1", "b:1"}},
    };
    for (const auto& c : cases) {
        MemoryRowTable list = MakeRootWordList({"old:1:5"});
        PasteRootWords(c.text, BannedWordList::FromText("b"), list);
        std::vector<std::string> expected;
        for (const std::string& row : c.expected) {
            if (row != "b:1")
                expected.push_back(row);
        }
        EXPECT_EQ(ShowRows(list), NumberedRows(expected)) << c.name;
    }
}

TEST(BannedWordList, WholeLinesOnly) {
    BannedWordList banned = BannedWordList::FromText(Gbk("连衣裙\r\n\r\nab\r\n"));
    const struct {
        const char* word;
        bool banned;
    } cases[] = {{"连衣裙", true}, {"ab", true}, {"修身连衣裙", false},
                 {"连衣", false},  {"a", false}, {"AB", false}};
    for (const auto& c : cases)
        EXPECT_EQ(banned.IsBanned(Gbk(c.word)), c.banned) << c.word;
    EXPECT_FALSE(BannedWordList().IsBanned("a"));
}

} // namespace
