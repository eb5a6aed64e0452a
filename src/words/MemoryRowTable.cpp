#include "words/MemoryRowTable.h"

#include <algorithm>

int MemoryRowTable::InsertRow() {
    m_cells.resize(m_cells.size() + static_cast<std::size_t>(m_columns));
    return ++m_rowCount;
}

void MemoryRowTable::DeleteRow(int row) {
    if (!IsRow(row))
        return;
    const auto first = m_cells.begin() + static_cast<std::ptrdiff_t>(row - 1) * m_columns;
    m_cells.erase(first, first + m_columns);
    --m_rowCount;
    std::erase(m_selection, row);
    for (int& selected : m_selection) {
        if (selected > row)
            --selected;
    }
}

void MemoryRowTable::DeleteAllRows() {
    m_cells.clear();
    m_rowCount = 0;
    m_selection.clear();
    m_currentRow = 0;
}

std::string MemoryRowTable::CellText(int row, int column) const {
    if (!IsCell(row, column))
        return {};
    return m_cells[CellIndex(row, column)];
}

void MemoryRowTable::SetCellText(int row, int column, std::string_view text) {
    if (IsCell(row, column))
        m_cells[CellIndex(row, column)] = text;
}

void MemoryRowTable::SelectRow(int row) {
    if (IsRow(row) && std::find(m_selection.begin(), m_selection.end(), row) == m_selection.end())
        m_selection.push_back(row);
}
