#include "generate/LiteralWordCounter.h"

#include <algorithm>
#include <map>
#include <queue>
#include <unordered_map>

LiteralWordCounter::LiteralWordCounter(const std::vector<std::u16string>& words) {
    std::unordered_map<std::u16string, std::uint32_t> ids;
    std::vector<std::u16string> distinct;
    for (const std::u16string& word : words) {
        auto [it, inserted] = ids.emplace(word, static_cast<std::uint32_t>(distinct.size()));
        if (inserted)
            distinct.push_back(word);
        m_wordOfListing.push_back(it->second);
    }
    m_distinctCount = distinct.size();
    Build(distinct);
}

// The trie is first built with ordered maps, then frozen into sorted edge
// arrays (binary search per step) with a dense table for the root.
void LiteralWordCounter::Build(const std::vector<std::u16string>& distinct) {
    std::vector<std::map<char16_t, std::uint32_t>> children(1);
    std::vector<std::int32_t> wordAt(1, -1);
    std::vector<std::uint32_t> depth(1, 0);
    for (std::size_t id = 0; id < distinct.size(); ++id) {
        if (distinct[id].empty())
            continue;
        std::uint32_t node = 0;
        for (char16_t c : distinct[id]) {
            auto found = children[node].find(c);
            if (found == children[node].end()) {
                const auto next = static_cast<std::uint32_t>(children.size());
                children[node].emplace(c, next);
                children.emplace_back();
                wordAt.push_back(-1);
                depth.push_back(depth[node] + 1);
                node = next;
            } else {
                node = found->second;
            }
        }
        wordAt[node] = static_cast<std::int32_t>(id);
    }

    m_nodes.assign(children.size(), Node{});
    for (std::size_t node = 0; node < children.size(); ++node) {
        m_nodes[node].firstEdge = static_cast<std::uint32_t>(m_edgeChars.size());
        m_nodes[node].edgeCount = static_cast<std::uint32_t>(children[node].size());
        m_nodes[node].word = wordAt[node];
        m_nodes[node].depth = depth[node];
        for (const auto& [c, target] : children[node]) {
            m_edgeChars.push_back(c);
            m_edgeTargets.push_back(target);
        }
    }
    m_rootNext.assign(0x10000, 0);
    for (const auto& [c, target] : children[0])
        m_rootNext[c] = static_cast<std::int32_t>(target);

    // Failure links breadth first: a node's failure is the longest proper
    // suffix of its path that is also a path of the trie.
    std::queue<std::uint32_t> pending;
    for (const auto& [c, target] : children[0])
        pending.push(target);
    while (!pending.empty()) {
        const std::uint32_t node = pending.front();
        pending.pop();
        const std::uint32_t failure = m_nodes[node].failure;
        m_nodes[node].nextOutput =
            m_nodes[failure].word >= 0 ? static_cast<std::int32_t>(failure) : m_nodes[failure].nextOutput;
        for (const auto& [c, target] : children[node]) {
            m_nodes[target].failure = Step(failure, c);
            pending.push(target);
        }
    }
}

std::int32_t LiteralWordCounter::Child(std::uint32_t node, char16_t c) const {
    const Node& n = m_nodes[node];
    auto begin = m_edgeChars.begin() + n.firstEdge;
    auto end = begin + n.edgeCount;
    auto found = std::lower_bound(begin, end, c);
    if (found == end || *found != c)
        return -1;
    return static_cast<std::int32_t>(m_edgeTargets[static_cast<std::size_t>(found - m_edgeChars.begin())]);
}

std::uint32_t LiteralWordCounter::Step(std::uint32_t node, char16_t c) const {
    while (node != 0) {
        std::int32_t child = Child(node, c);
        if (child >= 0)
            return static_cast<std::uint32_t>(child);
        node = m_nodes[node].failure;
    }
    return static_cast<std::uint32_t>(m_rootNext[c]);
}

std::vector<std::int64_t> LiteralWordCounter::Count(std::u16string_view text) const {
    std::vector<std::int64_t> counts(m_distinctCount, 0);
    // End (exclusive) of each word's last counted match: a new match must start at or after it.
    std::vector<std::size_t> countedUpTo(m_distinctCount, 0);
    std::uint32_t node = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        node = Step(node, text[i]);
        for (std::int32_t out = m_nodes[node].word >= 0 ? static_cast<std::int32_t>(node)
                                                        : m_nodes[node].nextOutput;
             out >= 0; out = m_nodes[static_cast<std::size_t>(out)].nextOutput) {
            const Node& match = m_nodes[static_cast<std::size_t>(out)];
            const auto word = static_cast<std::size_t>(match.word);
            const std::size_t start = i + 1 - match.depth;
            if (start >= countedUpTo[word]) {
                ++counts[word];
                countedUpTo[word] = i + 1;
            }
        }
    }
    std::vector<std::int64_t> perListing;
    perListing.reserve(m_wordOfListing.size());
    for (std::uint32_t id : m_wordOfListing)
        perListing.push_back(counts[id]);
    return perListing;
}
