// FindText over 1 MB of GBK text whose match is at the very end, against the
// character-by-character walk and a plain byte search (which may match inside
// a character, so it only shows the ceiling).
#include "util/TextSearch.h"

#include "util/NaiveTextSearch.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

const std::string kDress = "\xC1\xAC\xD2\xC2\xC8\xB9"; // 连衣裙

// Mostly GB2312 hanzi (B0A1..F7FE), one character in eight ASCII.
const std::string& MegabyteOfGbk() {
    static const std::string text = [] {
        std::string made;
        std::mt19937 random(5);
        while (made.size() < (1u << 20)) {
            if (random() % 8 == 0) {
                made += static_cast<char>('a' + random() % 26);
            } else {
                made += static_cast<char>(0xB0 + random() % 0x48);
                made += static_cast<char>(0xA1 + random() % 0x5E);
            }
            if (made.size() >= kDress.size() &&
                made.compare(made.size() - kDress.size(), kDress.size(), kDress) == 0)
                made.resize(made.size() - kDress.size());
        }
        return made + kDress + "Z";
    }();
    return text;
}

template <typename Find> void RunSearch(benchmark::State& state, std::string_view needle, Find find) {
    const std::string& text = MegabyteOfGbk();
    for (auto _ : state)
        benchmark::DoNotOptimize(find(text, needle));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_FindText_Chinese(benchmark::State& state) {
    RunSearch(state, kDress, [](std::string_view h, std::string_view n) { return FindText(h, n, 1); });
}
void BM_FindText_Ascii(benchmark::State& state) {
    RunSearch(state, "Z", [](std::string_view h, std::string_view n) { return FindText(h, n, 1); });
}
void BM_NaiveWalk_Chinese(benchmark::State& state) {
    RunSearch(state, kDress, [](std::string_view h, std::string_view n) { return NaiveFindText(h, n, 1); });
}
void BM_NaiveWalk_Ascii(benchmark::State& state) {
    RunSearch(state, "Z", [](std::string_view h, std::string_view n) { return NaiveFindText(h, n, 1); });
}
void BM_ByteSearchOnly_Chinese(benchmark::State& state) {
    RunSearch(state, kDress, [](std::string_view h, std::string_view n) { return h.find(n); });
}

BENCHMARK(BM_FindText_Chinese)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindText_Ascii)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NaiveWalk_Chinese)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NaiveWalk_Ascii)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ByteSearchOnly_Chinese)->Unit(benchmark::kMicrosecond);

} // namespace
