// Text-key insert and lookup of a million distinct 20-byte keys, against the
// standard library's map.
#include "util/HashTable.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::size_t kKeyCount = 1'000'000;

const std::vector<std::string>& Keys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> made;
        made.reserve(kKeyCount);
        std::mt19937_64 random(1);
        for (std::size_t i = 0; i < kKeyCount; ++i) {
            std::string key(20, '\0');
            for (char& c : key)
                c = static_cast<char>('!' + random() % 94);
            key.replace(0, 8, std::to_string(10'000'000 + i)); // distinct by construction
            made.push_back(std::move(key));
        }
        return made;
    }();
    return keys;
}

void BM_HashTableInsertLookup(benchmark::State& state) {
    const auto& keys = Keys();
    for (auto _ : state) {
        HashTable table;
        table.Init(HashKeyType::Text, HashValueType::Integer);
        for (std::size_t i = 0; i < keys.size(); ++i)
            table.Set(keys[i], static_cast<int>(i));
        std::int64_t sum = 0;
        HashValue value;
        for (const std::string& key : keys) {
            table.Get(key, value);
            sum += value.Integer();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
}
BENCHMARK(BM_HashTableInsertLookup)->Unit(benchmark::kMillisecond);

void BM_UnorderedMapInsertLookup(benchmark::State& state) {
    const auto& keys = Keys();
    for (auto _ : state) {
        std::unordered_map<std::string, int> map;
        for (std::size_t i = 0; i < keys.size(); ++i)
            map.emplace(keys[i], static_cast<int>(i));
        std::int64_t sum = 0;
        for (const std::string& key : keys)
            sum += map.find(key)->second;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
}
BENCHMARK(BM_UnorderedMapInsertLookup)->Unit(benchmark::kMillisecond);

} // namespace
