// The program's random numbers: one generator per thread, seeded once, with
// uniform draws over inclusive ranges. The same seed gives the same sequence
// on every build, since neither the engine (xoshiro256**) nor the range
// reduction comes from the standard library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class RandomGenerator {
public:
    // Seeded from the time-stamp counter, the clock and the thread.
    RandomGenerator();
    explicit RandomGenerator(std::uint64_t seed) { Seed(seed); }

    void Seed(std::uint64_t seed);
    std::uint64_t Next();

    // A uniform integer in [low, high]; low when high < low.
    std::int64_t UniformInt(std::int64_t low, std::int64_t high);
    // A uniform integer in [0, bound); 0 when bound is 0.
    std::uint64_t Below(std::uint64_t bound);

private:
    std::uint64_t m_state[4];
};

// The calling thread's own generator.
RandomGenerator& ThreadRandom();

// A uniform integer in [a, b] from the thread's generator; 0 when b < a.
std::int64_t TimestampRandom(std::int64_t a, std::int64_t b);

// Fisher-Yates: every order equally likely.
void ShuffleTexts(std::vector<std::string>& texts, RandomGenerator& random);
