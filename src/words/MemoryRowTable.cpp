#include "words/MemoryRowTable.h"

#include <algorithm>

int MemoryRowTable::InsertRow() {
    m_cells.resize(m_cells.size() + static_cast<std::size_t>(m_columns));
    return ++m_rowCount;
}

void MemoryRowTable::DeleteRow(int row) {
    if (!IsRow(row))
        return;
    const auto first = m_cells.begin() + static_cast<std::ptrdiff_t>(CellIndex(row, 1));
    for (auto cell = first; cell != first + m_columns; ++cell)
        m_deadBytes += cell->length;
    m_cells.erase(first, first + m_columns);
    --m_rowCount;
    DropDeadBytes();
    std::erase(m_selection, row);
    for (int& selected : m_selection) {
        if (selected > row)
            --selected;
    }
}

void MemoryRowTable::DeleteAllRows() {
    m_cells.clear();
    m_text.clear();
    m_deadBytes = 0;
    m_rowCount = 0;
    m_selection.clear();
    m_currentRow = 0;
}

std::string MemoryRowTable::CellText(int row, int column) const {
    if (!IsCell(row, column))
        return {};
    const Cell& cell = m_cells[CellIndex(row, column)];
    return m_text.substr(cell.offset, cell.length);
}

void MemoryRowTable::SetCellText(int row, int column, std::string_view text) {
    if (!IsCell(row, column))
        return;
    Cell& cell = m_cells[CellIndex(row, column)];
    if (text.size() <= cell.length) {
        m_text.replace(cell.offset, text.size(), text);
        m_deadBytes += cell.length - text.size();
    } else {
        m_deadBytes += cell.length;
        cell.offset = m_text.size();
        m_text.append(text);
    }
    cell.length = text.size();
    DropDeadBytes();
}

void MemoryRowTable::DropDeadBytes() {
    if (m_deadBytes <= 4096 || m_deadBytes <= m_text.size() / 2)
        return;
    std::string live;
    live.reserve(m_text.size() - m_deadBytes);
    for (Cell& cell : m_cells) {
        const std::size_t offset = live.size();
        live.append(m_text, cell.offset, cell.length);
        cell.offset = offset;
    }
    m_text = std::move(live);
    m_deadBytes = 0;
}

void MemoryRowTable::SelectRow(int row) {
    if (IsRow(row) && std::find(m_selection.begin(), m_selection.end(), row) == m_selection.end())
        m_selection.push_back(row);
}
