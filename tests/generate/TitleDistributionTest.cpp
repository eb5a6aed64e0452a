// The engine draws its word order lazily; these tests show that its titles
// keep the distribution of the literal algorithm (a uniform shuffle of the
// weighted pool, first occurrences kept). Seeds are fixed; each comparison is
// a two-sample chi-square test at the 0.1 % level.
#include "generate/TitleEngine.h"
#include "generate/WordSampler.h"

#include "FakeRun.h"
#include "ReferenceTitleEngine.h"
#include "util/TextSplit.h"
#include "util/TextTidy.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// 0.1 % critical values of chi-square by degrees of freedom.
double ChiSquareCritical(std::size_t degrees) {
    const std::map<std::size_t, double> table = {{2, 13.82}, {16, 39.25}, {23, 49.73}};
    return table.at(degrees);
}

template <typename Key>
double TwoSampleChiSquare(const std::map<Key, int>& a, const std::map<Key, int>& b, std::size_t& categories) {
    std::map<Key, std::pair<int, int>> joined;
    for (const auto& [key, count] : a)
        joined[key].first = count;
    for (const auto& [key, count] : b)
        joined[key].second = count;
    double chiSquare = 0;
    for (const auto& [key, counts] : joined) {
        double difference = counts.first - counts.second;
        chiSquare += difference * difference / (counts.first + counts.second);
    }
    categories = joined.size();
    return chiSquare;
}

// Full draw orders of four words with weights 1..4: all 24 orders, with the
// sampler's frequencies against those of the shuffled pool.
TEST(WordSampler, OrdersMatchAShuffledPool) {
    const std::vector<std::uint64_t> weights = {1, 2, 3, 4};
    std::vector<std::string> pool;
    for (std::size_t word = 0; word < weights.size(); ++word)
        pool.insert(pool.end(), weights[word], std::string(1, static_cast<char>('a' + word)));

    RandomGenerator random(21);
    WordSampler sampler;
    sampler.Reset(weights);
    std::map<std::string, int> sampled, shuffled;
    const int draws = 60000;
    for (int i = 0; i < draws; ++i) {
        std::string order;
        for (std::size_t k = 0; k < weights.size(); ++k)
            order += static_cast<char>('a' + sampler.Draw(random));
        sampler.Restore();
        ++sampled[order];

        std::vector<std::string> sequence = pool;
        ShuffleTexts(sequence, random);
        DropDuplicateTexts(sequence);
        std::string reference;
        for (const std::string& word : sequence)
            reference += word;
        ++shuffled[reference];
    }
    std::size_t categories = 0;
    double chiSquare = TwoSampleChiSquare(sampled, shuffled, categories);
    ASSERT_EQ(categories, 24u);
    EXPECT_LT(chiSquare, ChiSquareCritical(categories - 1));
    // The first word alone: probability weight / 10.
    std::map<char, int> first;
    for (const auto& [order, count] : sampled)
        first[order[0]] += count;
    for (std::size_t word = 0; word < weights.size(); ++word)
        EXPECT_NEAR(first['a' + static_cast<char>(word)] / double(draws), weights[word] / 10.0, 0.01);
}

TEST(WordSampler, NeverDrawsWeightlessWordsAndRestoresItsDraws) {
    RandomGenerator random(5);
    WordSampler sampler;
    sampler.Reset({0, 3, 0, 1});
    EXPECT_EQ(sampler.DrawableCount(), 2u);
    for (int i = 0; i < 1000; ++i) {
        std::uint32_t first = sampler.Draw(random);
        std::uint32_t second = sampler.Draw(random);
        ASSERT_TRUE((first == 1 && second == 3) || (first == 3 && second == 1));
        sampler.Restore();
    }
}

struct Observed {
    std::map<std::string, int> firstEntries; // the first 4 bytes of each title
    std::map<int, int> mainWordPositions;    // the main word's entry number
    int titles = 0;
};

// Runs many lines, each with a fresh run state, and collects what the titles show.
template <typename ComposeLine> Observed Observe(ComposeLine compose) {
    FakeInput input;
    input.mainWordBox = Gbk("裙子--30");
    input.minimum = input.maximum = "12";
    input.positionMinimum = "1";
    input.positionMaximum = "4";
    for (int word = 0; word < 16; ++word)
        input.rows.push_back({FakeInput::WordOfFourBytes(word), std::to_string(word + 1)});
    input.rows.push_back({FakeInput::WordOfFourBytes(0), "3"}); // a repeated row adds its weight

    const std::string mainWord = Gbk("裙子");
    Observed observed;
    for (int line = 0; line < 300; ++line) {
        FakeReport report;
        TitleRunState state;
        compose(SplitMainWordLine(input.mainWordBox), input, report, state);
        for (const std::string& title : SplitLines(TidyLines(state.resultText))) {
            ++observed.titles;
            ++observed.firstEntries[title.substr(0, 4)];
            ++observed.mainWordPositions[static_cast<int>(FindText(title, mainWord, 1) - 1) / 4 + 1];
        }
    }
    return observed;
}

TEST(TitleDistribution, EngineMatchesTheLiteralAlgorithm) {
    RandomGenerator engineRandom(77), referenceRandom(78);
    Observed engine =
        Observe([&](const MainWordSpec& line, FakeInput& input, FakeReport& report, TitleRunState& state) {
            TitleEngine(input, report, state, engineRandom).ComposeLine(line);
        });
    Observed reference =
        Observe([&](const MainWordSpec& line, FakeInput& input, FakeReport& report, TitleRunState& state) {
            ReferenceComposeLine(line, input, report, state, referenceRandom);
        });
    ASSERT_EQ(engine.titles, 9000);
    ASSERT_EQ(reference.titles, 9000);

    std::size_t categories = 0;
    double firstChiSquare = TwoSampleChiSquare(engine.firstEntries, reference.firstEntries, categories);
    EXPECT_EQ(categories, 17u) << "16 words and the main word";
    EXPECT_LT(firstChiSquare, ChiSquareCritical(categories - 1));

    double positionChiSquare =
        TwoSampleChiSquare(engine.mainWordPositions, reference.mainWordPositions, categories);
    EXPECT_EQ(categories, 3u) << "a main word drawn fourth is beyond a title of three entries";
    EXPECT_LT(positionChiSquare, ChiSquareCritical(categories - 1));
}

} // namespace
