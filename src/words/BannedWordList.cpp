#include "words/BannedWordList.h"

#include "util/TextFile.h"

BannedWordList::BannedWordList() {
    m_lines.Init(HashKeyType::Bytes, HashValueType::Integer);
}

BannedWordList BannedWordList::FromFileBytes(std::string_view bytes) {
    return FromText(DecodeTextFile(bytes));
}

BannedWordList BannedWordList::FromText(std::string_view text) {
    BannedWordList list;
    text = text.substr(0, text.find('\0'));
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        list.m_lines.Set(text.substr(start, end - start), 1);
        start = end + 2;
    }
    return list;
}

bool BannedWordList::IsBanned(std::string_view word) const {
    return m_lines.Contains(word);
}
