#include "words/RootWordList.h"

#include "words/SortRowsByColumn.h"

namespace {

// The scratch copy the reorderings sort: word, weight, share.
constexpr std::size_t kScratchWeight = 1;
constexpr std::size_t kScratchShare = 2;

void ReorderBy(RowTable& list, std::size_t scratchColumn) {
    TextRows scratch;
    for (const RootWord& row : ReadRootWords(list))
        scratch.push_back({row.word, row.weight, row.share});
    SortRowsByColumn(scratch, scratchColumn, true);
    list.DeleteAllRows();
    for (const auto& row : scratch)
        AppendRootWord(list, row[0], row[kScratchWeight], row[kScratchShare]);
    list.EnsureVisible(1);
}

} // namespace

void AppendRootWord(RowTable& list, std::string_view word, std::string_view weight, std::string_view share) {
    int row = list.InsertRow();
    list.SetCellText(row, kIdColumn, std::to_string(list.RowCount()));
    list.SetCellText(row, kWordColumn, word);
    list.SetCellText(row, kWeightColumn, weight);
    if (!share.empty())
        list.SetCellText(row, kShareColumn, share);
}

std::vector<RootWord> ReadRootWords(const RowTable& list) {
    std::vector<RootWord> rows;
    const int count = list.RowCount();
    rows.reserve(static_cast<std::size_t>(count));
    for (int row = 1; row <= count; ++row)
        rows.push_back({list.CellText(row, kWordColumn), list.CellText(row, kWeightColumn),
                        list.CellText(row, kShareColumn)});
    return rows;
}

void RenumberRows(RowTable& list) {
    const int count = list.RowCount();
    for (int row = 1; row <= count; ++row)
        list.SetCellText(row, kIdColumn, std::to_string(row));
}

void ReorderByWeight(RowTable& list) {
    ReorderBy(list, kScratchWeight);
}

void ReorderByShare(RowTable& list) {
    if (list.RowCount() == 0 || list.CellText(1, kShareColumn).empty())
        return;
    ReorderBy(list, kScratchShare);
}
