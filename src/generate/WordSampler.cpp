#include "generate/WordSampler.h"

#include "generate/RandomGenerator.h"

#include <bit>

void WordSampler::Reset(const std::vector<std::uint64_t>& weights) {
    m_weights = weights;
    m_tree.assign(weights.size() + 1, 0);
    m_drawn.clear();
    m_remaining = 0;
    m_drawableCount = 0;
    // Linear construction: each node passes its sum on to its parent.
    for (std::size_t i = 1; i <= weights.size(); ++i) {
        m_tree[i] += weights[i - 1];
        std::size_t parent = i + (i & (~i + 1));
        if (parent <= weights.size())
            m_tree[parent] += m_tree[i];
        m_remaining += weights[i - 1];
        m_drawableCount += weights[i - 1] > 0;
    }
    m_topBit = weights.empty() ? 0 : std::bit_floor(weights.size());
}

void WordSampler::Add(std::size_t word, std::int64_t delta) {
    for (std::size_t i = word + 1; i < m_tree.size(); i += i & (~i + 1))
        m_tree[i] += static_cast<std::uint64_t>(delta);
}

// The word whose share of the remaining weights covers target: the first
// whose running sum exceeds it.
std::size_t WordSampler::Find(std::uint64_t target) const {
    std::size_t position = 0;
    for (std::size_t step = m_topBit; step > 0; step >>= 1) {
        std::size_t next = position + step;
        if (next < m_tree.size() && m_tree[next] <= target) {
            position = next;
            target -= m_tree[next];
        }
    }
    return position; // 0-based word index
}

std::uint32_t WordSampler::Draw(RandomGenerator& random) {
    auto word = static_cast<std::uint32_t>(Find(random.Below(m_remaining)));
    Add(word, -static_cast<std::int64_t>(m_weights[word]));
    m_remaining -= m_weights[word];
    m_drawn.push_back(word);
    return word;
}

void WordSampler::Restore() {
    for (std::uint32_t word : m_drawn) {
        Add(word, static_cast<std::int64_t>(m_weights[word]));
        m_remaining += m_weights[word];
    }
    m_drawn.clear();
}
