// Filling the root-word list from text: a file picked in the open dialog
// (ImportRootWords) or the clipboard (PasteRootWords). Both replace the whole
// list; the caller has read the file or the clipboard, and the banned words.
//
// Two formats, told apart by the whole text:
//   weighted  some line holds a word, a TAB and digits ("连衣裙\t100"); every
//             match of "(.*?)\t(\d+)" is an entry and other lines are ignored;
//   plain     otherwise every line is a word ("(.+)\r") with weight "1".
// Banned, repeated and empty words are dropped; the first of a repeated word
// wins with its weight. When the largest weight is 100 or more, weights are
// scaled so that it becomes 100 and none falls below 1 (digits beyond a 32-bit
// integer count as 2147483647); otherwise they stay as written, "007" too.
#pragma once

#include "words/BannedWordList.h"
#include "words/RowTable.h"

#include <string_view>

// Appends the accepted entries of GBK text with CR LF line ends to the list
// (which the caller has emptied), in the order of the text.
void LoadRootWords(std::string_view text, const BannedWordList& banned, RowTable& list);

// The file's bytes as read: GBK, or UTF-8 / UTF-16 as DecodeTextFile reads
// them; any line ends; the text stops at a NUL.
void ImportRootWords(std::string_view fileBytes, const BannedWordList& banned, RowTable& list);

// The clipboard's text in GBK, any line ends; the text stops at a NUL.
void PasteRootWords(std::string_view clipboardText, const BannedWordList& banned, RowTable& list);
