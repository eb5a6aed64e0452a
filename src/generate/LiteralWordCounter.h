// Counts, in one pass over a text, how often each of many words occurs, the
// way a global regular-expression search counts a plain word: left to right,
// each match starting after the end of the previous one (non-overlapping).
// Aho-Corasick over UTF-16 code units; the caller folds case beforehand when
// case is to be ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LiteralWordCounter {
public:
    // Empty words never match. A word may be listed more than once; each
    // listing gets the same count.
    explicit LiteralWordCounter(const std::vector<std::u16string>& words);

    // One count per word, in the order the words were given.
    std::vector<std::int64_t> Count(std::u16string_view text) const;

private:
    struct Node {
        std::uint32_t firstEdge =
            0; // edges of this node: m_edgeChars/m_edgeTargets[firstEdge, firstEdge + edgeCount)
        std::uint32_t edgeCount = 0;
        std::uint32_t failure = 0;
        std::int32_t word = -1;       // distinct word ending here
        std::int32_t nextOutput = -1; // nearest node on the failure chain that ends a word
        std::uint32_t depth = 0;
    };

    std::int32_t Child(std::uint32_t node, char16_t c) const;
    std::uint32_t Step(std::uint32_t node, char16_t c) const;
    void Build(const std::vector<std::u16string>& distinct);

    std::vector<Node> m_nodes;
    std::vector<char16_t> m_edgeChars;
    std::vector<std::uint32_t> m_edgeTargets;
    std::vector<std::int32_t>
        m_rootNext; // the root's transitions for every code unit: most steps start there
    std::vector<std::uint32_t> m_wordOfListing;
    std::size_t m_distinctCount = 0;
};
