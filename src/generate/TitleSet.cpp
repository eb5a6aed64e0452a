#include "generate/TitleSet.h"

TitleSet::TitleSet() {
    Clear();
}

bool TitleSet::Insert(std::string_view title) {
    return m_titles.Set(title, 0) == 1;
}

bool TitleSet::Contains(std::string_view title) const {
    return m_titles.Contains(title);
}

void TitleSet::Clear() {
    m_titles.Init(HashKeyType::Bytes, HashValueType::Integer);
}

void DropDuplicateTexts(std::vector<std::string>& texts) {
    HashTable seen;
    seen.Init(HashKeyType::Text, HashValueType::Integer);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (seen.Set(texts[i], 0) == 2)
            continue;
        if (kept != i)
            texts[kept] = std::move(texts[i]);
        ++kept;
    }
    texts.resize(kept);
}
