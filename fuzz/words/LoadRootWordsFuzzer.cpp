// Loading root words from arbitrary bytes (any encoding, any line ends, NUL,
// binary): no crash, no hang, and the list's invariants hold.
#include "words/MemoryRowTable.h"
#include "words/RootWordImport.h"
#include "words/RootWordList.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first line of the input is the banned-word file.
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t split = bytes.find('\n');
    std::string_view banned = split == std::string_view::npos ? std::string_view() : bytes.substr(0, split);
    std::string_view file = split == std::string_view::npos ? bytes : bytes.substr(split + 1);
    MemoryRowTable list;
    ImportRootWords(file, BannedWordList::FromFileBytes(banned), list);
    for (int row = 1; row <= list.RowCount(); ++row) {
        std::string word = list.CellText(row, kWordColumn);
        if (list.CellText(row, kIdColumn) != std::to_string(row) || word.empty() ||
            word.find('\n') != std::string::npos || list.CellText(row, kWeightColumn).empty())
            std::abort();
        for (int earlier = 1; earlier < row; ++earlier) {
            if (list.CellText(earlier, kWordColumn) == word)
                std::abort(); // repeats are dropped
        }
    }
    return 0;
}
