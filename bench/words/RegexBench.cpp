// The matcher over 10 MB of GBK root-word lines, against std::wregex with the
// nearest pattern (ECMAScript "." stops at CR too, so "[^\n]" stands in for
// it). The matcher's time includes turning the GBK subject into UTF-16; the
// baseline gets its subject already converted. The goal is 10x.
//
// And the pattern that makes backtracking engines hang: "(a+)+b" over 100,000
// "a" (the goal is under 50 ms).
#include "words/RegexMatcher.h"

#include "WordsBenchData.h"
#include "util/CodePage.h"

#include <benchmark/benchmark.h>

#include <regex>

namespace {

const std::string& TenMegabytes() {
    static const std::string text = WeightedGbkLines(10u << 20);
    return text;
}

void RunMatcher(benchmark::State& state, std::string_view pattern) {
    const std::string& text = TenMegabytes();
    int count = 0;
    for (auto _ : state) {
        RegexMatcher matcher;
        matcher.Match(pattern, text);
        count = matcher.MatchCount();
        benchmark::DoNotOptimize(count);
    }
    state.counters["matches"] = count;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void RunWregex(benchmark::State& state, const wchar_t* pattern) {
    const std::u16string utf16 = GbkToUtf16(TenMegabytes());
    const std::wstring text(utf16.begin(), utf16.end());
    const std::wregex regex(pattern, std::regex::ECMAScript | std::regex::icase | std::regex::multiline);
    int count = 0;
    for (auto _ : state) {
        count = 0;
        for (std::wsregex_iterator it(text.begin(), text.end(), regex), end; it != end; ++it)
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.counters["matches"] = count;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TenMegabytes().size()));
}

void BM_Matcher_Literal(benchmark::State& state) {
    RunMatcher(state, kBenchDress);
}
void BM_Wregex_Literal(benchmark::State& state) {
    RunWregex(state, L"\u8FDE\u8863\u88D9");
}
void BM_Matcher_WeightedLine(benchmark::State& state) {
    RunMatcher(state, "(.*?)\t(\\d+)");
}
void BM_Wregex_WeightedLine(benchmark::State& state) {
    RunWregex(state, L"([^\\n]*?)\\t(\\d+)");
}
void BM_Matcher_PlainLine(benchmark::State& state) {
    RunMatcher(state, "(.+)\r");
}
void BM_Wregex_PlainLine(benchmark::State& state) {
    RunWregex(state, L"([^\\n]+)\\r");
}

void BM_Matcher_NestedPlus(benchmark::State& state) {
    const std::string subject(100'000, 'a');
    for (auto _ : state) {
        RegexMatcher matcher;
        matcher.Match("(a+)+b", subject);
        benchmark::DoNotOptimize(matcher.MatchCount());
    }
}

BENCHMARK(BM_Matcher_Literal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wregex_Literal)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Matcher_WeightedLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wregex_WeightedLine)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Matcher_PlainLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Wregex_PlainLine)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Matcher_NestedPlus)->Unit(benchmark::kMillisecond);

} // namespace
