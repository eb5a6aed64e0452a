// RowTable in memory. Current row and selection behave as the list view's: a
// deleted row leaves the selection and the numbers after it move down, while
// the current row keeps its number (it then names the row that moved into its
// place).
#pragma once

#include "words/RowTable.h"

#include <deque>

class MemoryRowTable final : public RowTable {
public:
    explicit MemoryRowTable(int columns = 4) : m_columns(columns) {}

    int RowCount() const override { return m_rowCount; }
    int InsertRow() override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override;
    std::string CellText(int row, int column) const override;
    void SetCellText(int row, int column, std::string_view text) override;
    int CurrentRow() const override { return m_currentRow; }
    void EnsureVisible(int row) override { m_visibleRow = row; }
    std::vector<int> SelectedRows() const override { return m_selection; }
    int SelectedCount() const override { return static_cast<int>(m_selection.size()); }

    // What a user's clicks would do.
    void SetCurrentRow(int row) { m_currentRow = IsRow(row) ? row : 0; }
    // Adds a row at the end of the selection (no change when already selected).
    void SelectRow(int row);
    // The row last passed to EnsureVisible (0 before any).
    int VisibleRow() const { return m_visibleRow; }

private:
    bool IsRow(int row) const { return row >= 1 && row <= RowCount(); }
    bool IsCell(int row, int column) const { return IsRow(row) && column >= 1 && column <= m_columns; }

    std::size_t CellIndex(int row, int column) const {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_columns) +
               static_cast<std::size_t>(column - 1);
    }

    int m_columns;
    int m_rowCount = 0;
    // Row by row, m_columns cells each. In blocks rather than one vector per
    // row: a list of hundreds of thousands of root words is then a few
    // thousand allocations, and growing it never copies what it holds.
    std::deque<std::string> m_cells;
    std::vector<int> m_selection;
    int m_currentRow = 0;
    int m_visibleRow = 0;
};
