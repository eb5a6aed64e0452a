// The banned words of "违规词.txt": a word is banned when it equals one whole
// line of the file, byte for byte; a word that merely contains a banned word
// is not banned. The file is read anew by every import, paste and addition,
// so a list lives for one command.
#pragma once

#include "util/HashTable.h"

#include <string_view>

class BannedWordList {
public:
    // No file, or an empty one: nothing is banned.
    BannedWordList();

    // The file's bytes as read: GBK, or UTF-8 / UTF-16 as DecodeTextFile
    // reads them, with CR LF, LF or CR line ends. Text stops at a NUL.
    static BannedWordList FromFileBytes(std::string_view bytes);
    // GBK text whose lines end in CR LF.
    static BannedWordList FromText(std::string_view text);

    bool IsBanned(std::string_view word) const;

private:
    HashTable m_lines;
};
