// Reading the text files the program loads (root words, banned words).
#pragma once

#include <string>
#include <string_view>

// Turns the bytes of a text file into the program's GBK text:
// - a UTF-8 byte-order mark, a UTF-16 (LE or BE) byte-order mark, or bytes that
//   are well-formed UTF-8 with at least one multi-byte sequence are converted
//   from Unicode; anything else is taken as GBK;
// - characters that GBK cannot hold are dropped;
// - the text ends at its first NUL character;
// - CR LF, LF and lone CR line ends all become CR LF.
std::string DecodeTextFile(std::string_view bytes);

// CR LF, LF and lone CR all become CR LF.
std::string NormaliseLineEnds(std::string_view text);
