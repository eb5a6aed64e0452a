// Draws words without replacement, each with probability proportional to its
// weight among the words not drawn yet.
//
// This is exactly the order in which words first appear in a uniformly
// shuffled pool that holds every word weight times: the next new word is the
// one owning the first remaining copy, and every remaining copy is equally
// likely to be first. Drawing it directly costs O(log n) per word whatever the
// weights add up to, where shuffling the pool would cost their sum.
#pragma once

#include <cstdint>
#include <vector>

class RandomGenerator;

class WordSampler {
public:
    // Words of weight 0 are never drawn.
    void Reset(const std::vector<std::uint64_t>& weights);
    // Number of words with a weight above 0: the length of a full draw.
    std::size_t DrawableCount() const { return m_drawableCount; }
    // Draws the next word of the order; there must be one left.
    std::uint32_t Draw(RandomGenerator& random);
    // Puts back every word drawn since the last Restore (or Reset).
    void Restore();

private:
    void Add(std::size_t word, std::int64_t delta);
    std::size_t Find(std::uint64_t target) const;

    std::vector<std::uint64_t> m_weights;
    std::vector<std::uint64_t> m_tree; // Fenwick tree of the remaining weights, 1-based
    std::vector<std::uint32_t> m_drawn;
    std::uint64_t m_remaining = 0;
    std::size_t m_drawableCount = 0;
    std::size_t m_topBit = 0;
};
