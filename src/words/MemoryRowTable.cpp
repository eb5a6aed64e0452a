#include "words/MemoryRowTable.h"

#include <algorithm>

int MemoryRowTable::InsertRow() {
    m_rows.emplace_back(static_cast<std::size_t>(m_columns));
    return RowCount();
}

void MemoryRowTable::DeleteRow(int row) {
    if (!IsRow(row))
        return;
    m_rows.erase(m_rows.begin() + (row - 1));
    std::erase(m_selection, row);
    for (int& selected : m_selection) {
        if (selected > row)
            --selected;
    }
}

void MemoryRowTable::DeleteAllRows() {
    m_rows.clear();
    m_selection.clear();
    m_currentRow = 0;
}

std::string MemoryRowTable::CellText(int row, int column) const {
    if (!IsCell(row, column))
        return {};
    return m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
}

void MemoryRowTable::SetCellText(int row, int column, std::string_view text) {
    if (IsCell(row, column))
        m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] = text;
}

void MemoryRowTable::SelectRow(int row) {
    if (IsRow(row) && std::find(m_selection.begin(), m_selection.end(), row) == m_selection.end())
        m_selection.push_back(row);
}
