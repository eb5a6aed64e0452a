// Generated GBK text for the root-word benchmarks: weighted lines
// "word TAB weight CR LF" of GB2312 characters, the shape of a root-word file.
#pragma once

#include <cstddef>
#include <random>
#include <string>

inline const std::string kBenchDress = "\xC1\xAC\xD2\xC2\xC8\xB9"; // 连衣裙

// Lines until the text holds at least `bytes` bytes, or exactly `lines` lines
// when lines > 0. About one line in 50 holds 连衣裙.
inline std::string WeightedGbkLines(std::size_t bytes, std::size_t lines = 0, unsigned seed = 1) {
    std::mt19937 random(seed);
    std::string text;
    for (std::size_t line = 0; lines > 0 ? line < lines : text.size() < bytes; ++line) {
        std::size_t characters = 2 + random() % 7;
        for (std::size_t i = 0; i < characters; ++i) {
            // Lead bytes B0..D7 stop short of C1, so 连衣裙 appears only where put.
            text += static_cast<char>(0xB0 + random() % 0x10);
            text += static_cast<char>(0xA1 + random() % 0x5E);
        }
        if (random() % 50 == 0)
            text += kBenchDress;
        text += '\t';
        text += std::to_string(random() % 1000);
        text += "\r\n";
    }
    return text;
}
