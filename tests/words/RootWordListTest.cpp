#include "words/RootWordList.h"

#include "words/MemoryRowTable.h"
#include "words/RootWordRows.h"

#include <gtest/gtest.h>

namespace {

TEST(MemoryRowTable, SelectionAndCurrentRowFollowDeletions) {
    MemoryRowTable table;
    for (int i = 0; i < 5; ++i)
        table.InsertRow();
    table.SelectRow(4);
    table.SelectRow(2);
    table.SelectRow(5);
    table.SelectRow(2); // already selected
    table.SetCurrentRow(3);
    table.DeleteRow(2);
    EXPECT_EQ(table.SelectedRows(), (std::vector<int>{3, 4}));
    EXPECT_EQ(table.CurrentRow(), 3); // keeps its number
    table.DeleteRow(9);
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.CellText(9, 1), "");
    table.SetCellText(1, 5, "x"); // no fifth column
    EXPECT_EQ(table.CellText(1, 5), "");
    table.DeleteAllRows();
    EXPECT_EQ(table.SelectedCount(), 0);
    EXPECT_EQ(table.CurrentRow(), 0);
}

TEST(RootWordList, AppendNumbersTheRow) {
    MemoryRowTable list = MakeRootWordList({"连衣裙:100", "修身:7:12.5"});
    EXPECT_EQ(ShowRows(list), NumberedRows({"连衣裙:100", "修身:7:12.5"}));
}

TEST(RootWordList, Reorders) {
    const struct {
        const char* name;
        void (*reorder)(RowTable&);
        std::vector<std::string> rows;
        std::vector<std::string> expected;
    } cases[] = {
        {"weights", ReorderByWeight, {"a:5", "b:50", "c:abc", "d:7"}, {"b:50", "d:7", "a:5", "c:abc"}},
        {"keeps shares", ReorderByWeight, {"a:1:3", "b:2:0.5"}, {"b:2:0.5", "a:1:3"}},
        {"empty", ReorderByWeight, {}, {}},
        {"fractions", ReorderByWeight, {"a:1.5", "b:1.25", "c:2"}, {"c:2", "a:1.5", "b:1.25"}},
        {"shares", ReorderByShare, {"a:9:0.33", "b:1:12.5", "c:5:3"}, {"b:1:12.5", "c:5:3", "a:9:0.33"}},
        // Only the first share is looked at; an empty one later counts as 0.
        {"later share empty", ReorderByShare, {"a:1:2", "b:1", "c:1:7"}, {"c:1:7", "a:1:2", "b:1"}},
        {"first share empty", ReorderByShare, {"a:1", "b:1:7"}, {"a:1", "b:1:7"}},
        {"no shares", ReorderByShare, {"a:1", "b:2"}, {"a:1", "b:2"}},
        {"empty list", ReorderByShare, {}, {}},
    };
    for (const auto& c : cases) {
        MemoryRowTable list = MakeRootWordList(c.rows);
        c.reorder(list);
        EXPECT_EQ(ShowRows(list), NumberedRows(c.expected)) << c.name;
    }
}

TEST(RootWordList, ReorderShowsTheFirstRow) {
    MemoryRowTable list = MakeRootWordList({"a:1", "b:2"});
    list.EnsureVisible(2);
    ReorderByWeight(list);
    EXPECT_EQ(list.VisibleRow(), 1);
    list.EnsureVisible(2);
    ReorderByShare(list); // no shares: nothing happens
    EXPECT_EQ(list.VisibleRow(), 2);
}

} // namespace
