// A list of words, and which of them are the first occurrence of their text,
// for loading a root-word file that repeats some: the first of a repeated word
// wins.
//
// One hash table over a whole file's words outgrows the cache, and then every
// lookup waits on main memory, so that loading twice the words takes well
// over twice the time. Here each word is hashed as it is added, the hashes
// split the list into parts of a few thousand, and each part is looked
// through with a small table of its own: time and memory stay linear, the
// tables stay in the cache, and the words themselves are read again only to
// compare two with the same hash.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class HashedWords {
public:
    void Reserve(std::size_t count);
    void Add(std::string word);

    std::size_t Size() const { return m_words.size(); }
    const std::string& operator[](std::size_t i) const { return m_words[i]; }

    // One flag per word, in list order: true for the first word with its
    // bytes.
    std::vector<bool> FirstOccurrences() const;

private:
    std::vector<std::string> m_words;
    std::vector<std::uint64_t> m_hashes;
};
