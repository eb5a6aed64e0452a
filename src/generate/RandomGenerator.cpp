#include "generate/RandomGenerator.h"

#include <chrono>
#include <functional>
#include <thread>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace {

std::uint64_t SplitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

std::uint64_t FreshSeed() {
    std::uint64_t seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    seed ^= static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) * 31;
#if defined(__x86_64__) || defined(__i386__)
    seed ^= __rdtsc() * 0x2545F4914F6CDD1Dull;
#endif
    seed ^= std::hash<std::thread::id>()(std::this_thread::get_id()) * 0x9E3779B97F4A7C15ull;
    return seed;
}

} // namespace

RandomGenerator::RandomGenerator() {
    Seed(FreshSeed());
}

void RandomGenerator::Seed(std::uint64_t seed) {
    for (std::uint64_t& word : m_state)
        word = SplitMix64(seed);
}

std::uint64_t RandomGenerator::Next() {
    const std::uint64_t result = RotateLeft(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = RotateLeft(m_state[3], 45);
    return result;
}

std::uint64_t RandomGenerator::Below(std::uint64_t bound) {
    if (bound == 0)
        return 0;
    // Rejection keeps every value equally likely: draws from the incomplete
    // top block of the 64-bit range are thrown away.
    const std::uint64_t limit = -bound % bound; // 2^64 mod bound
    for (;;) {
        std::uint64_t value = Next();
        if (value >= limit)
            return value % bound;
    }
}

std::int64_t RandomGenerator::UniformInt(std::int64_t low, std::int64_t high) {
    if (high < low)
        return low;
    const std::uint64_t span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low);
    const std::uint64_t offset = span == ~0ull ? Next() : Below(span + 1);
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(low) + offset);
}

RandomGenerator& ThreadRandom() {
    thread_local RandomGenerator random;
    return random;
}

std::int64_t TimestampRandom(std::int64_t a, std::int64_t b) {
    if (b < a)
        return 0;
    return ThreadRandom().UniformInt(a, b);
}

void ShuffleTexts(std::vector<std::string>& texts, RandomGenerator& random) {
    for (std::size_t i = texts.size(); i > 1; --i)
        std::swap(texts[i - 1], texts[random.Below(i)]);
}
