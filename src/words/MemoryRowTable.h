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

    // Where a cell's text lies in m_text.
    struct Cell {
        std::size_t offset = 0;
        std::size_t length = 0;
    };

    std::size_t CellIndex(int row, int column) const {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_columns) +
               static_cast<std::size_t>(column - 1);
    }
    // Rewrites m_text without the dead bytes once they make up half of it.
    void DropDeadBytes();

    int m_columns;
    int m_rowCount = 0;
    // Row by row, m_columns cells each, their texts in one string: a list of
    // hundreds of thousands of short root words is a few large blocks rather
    // than an allocation per row or per cell. A text that does not fit where
    // the old one was goes to the end; the bytes left behind are counted and
    // dropped once they make up half of m_text.
    std::deque<Cell> m_cells;
    std::string m_text;
    std::size_t m_deadBytes = 0;
    std::vector<int> m_selection;
    int m_currentRow = 0;
    int m_visibleRow = 0;
};
