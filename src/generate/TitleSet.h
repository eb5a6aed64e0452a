// The titles a run has already tried, compared byte for byte. Shared by all
// main words of a run, so no title is made twice in one run.
#pragma once

#include "util/HashTable.h"

#include <string>
#include <string_view>
#include <vector>

class TitleSet {
public:
    TitleSet();
    // True when the title was not in the set; it stays in it from now on.
    bool Insert(std::string_view title);
    bool Contains(std::string_view title) const;
    std::size_t Size() const { return m_titles.Count(); }
    void Clear();

private:
    HashTable m_titles;
};

// Removes every text equal to an earlier one, keeping first occurrences in
// their order.
void DropDuplicateTexts(std::vector<std::string>& texts);
