// Reading and writing root-word lists in tests: rows written in UTF-8 as
// "word:weight" or "word:weight:share", shown back as "ID:word:weight:share"
// lines.
#pragma once

#include "util/CodePage.h"
#include "words/MemoryRowTable.h"
#include "words/RootWordList.h"

#include <string>
#include <vector>

inline std::string Gbk(std::string_view utf8) {
    return Utf8ToGbk(utf8);
}

inline MemoryRowTable MakeRootWordList(const std::vector<std::string>& rows) {
    MemoryRowTable list;
    for (const std::string& row : rows) {
        std::size_t first = row.find(':');
        std::size_t second = row.find(':', first + 1);
        std::string share = second == std::string::npos ? "" : row.substr(second + 1);
        AppendRootWord(list, Gbk(row.substr(0, first)), row.substr(first + 1, second - first - 1), share);
    }
    return list;
}

// Every row, one line each; "" for an empty list.
inline std::string ShowRows(const RowTable& list) {
    std::string out;
    for (int row = 1; row <= list.RowCount(); ++row) {
        out += list.CellText(row, kIdColumn) + ":" + GbkToUtf8(list.CellText(row, kWordColumn)) + ":" +
               list.CellText(row, kWeightColumn);
        std::string share = list.CellText(row, kShareColumn);
        if (!share.empty())
            out += ":" + share;
        out += "\n";
    }
    return out;
}

// The expected rows without IDs, numbered 1..n as the list must number them.
inline std::string NumberedRows(const std::vector<std::string>& rows) {
    std::string out;
    for (std::size_t i = 0; i < rows.size(); ++i)
        out += std::to_string(i + 1) + ":" + rows[i] + "\n";
    return out;
}
