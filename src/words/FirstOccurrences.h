// Which words of a list are the first occurrence of their text, for loading a
// root-word file that repeats some: the first of a repeated word wins.
//
// One hash table over a whole file's words outgrows the cache, and then every
// lookup waits on main memory, so that loading twice the words takes well
// over twice the time. Here the words are hashed once, split by hash into
// parts of a few thousand, and each part is looked through with a small table
// of its own: time and memory stay linear, and the tables stay in the cache.
#pragma once

#include <string>
#include <vector>

// One flag per word, in list order: true for the first word with its bytes.
std::vector<bool> FirstOccurrences(const std::vector<std::string>& words);
