// The rows of the root-word list as the commands see them: numbered rows of
// text cells, a current row and a selection. The list view control implements
// it on screen; MemoryRowTable implements it in memory for tests and for the
// command-line composer. The commands use these operations and nothing else,
// so they work the same over either.
//
// Rows and columns are numbered from 1. An operation on a row or column that
// does not exist does nothing, and a read of one gives empty text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class RowTable {
public:
    virtual ~RowTable() = default;

    virtual int RowCount() const = 0;
    // Appends an empty row and returns its number.
    virtual int InsertRow() = 0;
    // Later rows move up by one; the row leaves the selection.
    virtual void DeleteRow(int row) = 0;
    // Also empties the selection and clears the current row.
    virtual void DeleteAllRows() = 0;
    virtual std::string CellText(int row, int column) const = 0;
    virtual void SetCellText(int row, int column, std::string_view text) = 0;
    // 0 when there is none.
    virtual int CurrentRow() const = 0;
    // Scrolls so that the row can be seen.
    virtual void EnsureVisible(int row) = 0;
    // Row numbers in the order in which they were selected.
    virtual std::vector<int> SelectedRows() const = 0;
    virtual int SelectedCount() const = 0;
};
