#include "words/RootWordCommands.h"

#include "util/TextSearch.h"
#include "words/RootWordImport.h"
#include "words/RootWordRows.h"
#include "words/SortRowsByColumn.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Optimise step by step as the command has always worked: take the first
// scratch row, delete every later row whose word it contains, repeat.
std::string NaiveOptimise(const RowTable& list) {
    TextRows scratch;
    for (const RootWord& row : ReadRootWords(list))
        scratch.push_back({row.word, std::to_string(row.word.size()), row.weight});
    SortRowsByColumn(scratch, 1, true);
    MemoryRowTable out;
    const std::size_t rounds = scratch.size();
    for (std::size_t round = 0; round < rounds && !scratch.empty(); ++round) {
        std::string word = scratch[0][0];
        if (word.empty())
            break;
        AppendRootWord(out, word, scratch[0][2]);
        scratch.erase(scratch.begin());
        for (std::size_t i = scratch.size(); i-- > 0;) {
            if (FindText(word, scratch[i][0], 1) > 0)
                scratch.erase(scratch.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    return ShowRows(out);
}

TEST(OptimiseRootWords, DropsContainedWords) {
    const struct {
        const char* name;
        std::vector<std::string> rows;
        std::vector<std::string> expected;
    } cases[] = {
        {"contained in a longer word",
         {"连衣裙:10", "连衣裙女:20", "裙:30", "修身:40"},
         {"连衣裙女:20", "修身:40"}},
        // Equal lengths come out of the sort last-first, so here the later
        // repeat is the one kept.
        {"repeat: the sort's tie order decides", {"a:1", "b:2", "a:3"}, {"a:3", "b:2"}},
        {"repeat of equal length", {"ab:1", "cd:2", "ab:3", "cd:4"}, {"cd:4", "ab:3"}},
        {"case differs", {"abc:1", "ABC:2", "b:3"}, {"ABC:2", "abc:1"}},
        {"shares emptied", {"ab:1:5", "a:2:3"}, {"ab:1"}},
        {"empty list", {}, {}},
    };
    for (const auto& c : cases) {
        MemoryRowTable list = MakeRootWordList(c.rows);
        std::string naive = NaiveOptimise(list);
        OptimiseRootWords(list);
        EXPECT_EQ(ShowRows(list), NumberedRows(c.expected)) << c.name;
        EXPECT_EQ(ShowRows(list), naive) << c.name;
        EXPECT_EQ(list.VisibleRow(), 1) << c.name;
    }
}

TEST(OptimiseRootWords, LooksAtCharacterBoundaries) {
    MemoryRowTable list;
    AppendRootWord(list, "\xC1\xAC\xD2\xC2", "1"); // 连衣
    AppendRootWord(list, "\xAC\xD2", "2");         // 亦, whose bytes span the seam of 连 and 衣
    AppendRootWord(list, "\xC1", "3");             // a lone lead byte: 连 does start with it
    OptimiseRootWords(list);
    EXPECT_EQ(CopyAllRootWords(list), "\xC1\xAC\xD2\xC2\t1\r\n\xAC\xD2\t2\r\n");
}

TEST(OptimiseRootWords, AgreesWithTheStepByStepCommand) {
    // Short words over a few characters, ASCII and GBK, so that containment
    // and repeats are common; lone lead bytes included.
    const std::vector<std::string> pieces = {"a", "b", "A", "\xC1\xAC", "\xD2\xC2", "\xAC", "\xC1"};
    std::mt19937 random(8);
    for (int round = 0; round < 200; ++round) {
        MemoryRowTable list;
        for (int i = static_cast<int>(random() % 40); i > 0; --i) {
            std::string word;
            for (int k = 1 + static_cast<int>(random() % 4); k > 0; --k)
                word += pieces[random() % pieces.size()];
            AppendRootWord(list, word, std::to_string(random() % 100));
        }
        std::string naive = NaiveOptimise(list);
        OptimiseRootWords(list);
        ASSERT_EQ(ShowRows(list), naive) << "round " << round;
    }
}

TEST(RootWordCommands, CopyAllThenPaste) {
    const struct {
        const char* name;
        std::vector<std::string> rows;
        std::vector<std::string> pasted;
    } cases[] = {
        {"small weights survive", {"连衣裙:7:3", "修身:007", "百搭:99"}, {"连衣裙:7", "修身:007", "百搭:99"}},
        {"large weights rescale", {"a:200", "b:50"}, {"a:100", "b:25"}},
        {"weight without digits is lost", {"a:x", "b:5"}, {"b:5"}},
        {"repeat keeps its first row", {"a:5", "a:6"}, {"a:5"}},
        {"empty list", {}, {}},
    };
    for (const auto& c : cases) {
        MemoryRowTable list = MakeRootWordList(c.rows);
        std::string text = CopyAllRootWords(list);
        PasteRootWords(text, BannedWordList(), list);
        EXPECT_EQ(ShowRows(list), NumberedRows(c.pasted)) << c.name;
    }
    EXPECT_EQ(CopyAllRootWords(MakeRootWordList({"a:1:5", "b:x"})), "a\t1\r\nb\tx\r\n");
}

TEST(RootWordCommands, ResetWeightsKeepsShares) {
    MemoryRowTable list = MakeRootWordList({"a:5:12.5", "b:x"});
    ResetWeights(list);
    EXPECT_EQ(ShowRows(list), NumberedRows({"a:1:12.5", "b:1"}));
}

TEST(RootWordCommands, DeleteSelected) {
    const struct {
        const char* name;
        std::vector<int> selected;
        std::vector<std::string> expected;
    } cases[] = {
        {"none", {}, {"a:1", "b:2", "c:3", "d:4"}},
        {"one", {2}, {"a:1", "c:3", "d:4"}},
        {"in any order", {4, 1, 3}, {"b:2"}},
        {"all", {1, 2, 3, 4}, {}},
    };
    for (const auto& c : cases) {
        MemoryRowTable list = MakeRootWordList({"a:1", "b:2", "c:3", "d:4"});
        for (int row : c.selected)
            list.SelectRow(row);
        DeleteSelectedRows(list);
        EXPECT_EQ(ShowRows(list), NumberedRows(c.expected)) << c.name;
    }
}

TEST(RootWordCommands, ClearEditAndAdd) {
    MemoryRowTable list = MakeRootWordList({"a:1", "b:"});
    EXPECT_FALSE(CanEditWeight(list)); // no current row
    list.SetCurrentRow(1);
    EXPECT_TRUE(CanEditWeight(list));
    list.SetCurrentRow(2);
    EXPECT_FALSE(CanEditWeight(list)); // empty weight
    ShowLastRow(list);
    EXPECT_EQ(list.VisibleRow(), 2);
    ClearRootWords(list);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_FALSE(CanEditWeight(list));
}

} // namespace
