// Composes the titles for one line of the main-word box.
//
// Each attempt orders the root words as a uniform shuffle of the weighted pool
// would (first occurrences kept), puts the main word at a random position in
// the position range, and grows the title word by word until it is long
// enough, new in this run and holds the main word. The word order is drawn
// lazily, so an attempt costs what it uses, not the sum of the weights.
#pragma once

#include "generate/MainWordSpec.h"
#include "generate/TitleEngineIo.h"
#include "generate/TitleRunState.h"
#include "generate/WordSampler.h"
#include "util/HashTable.h"

#include <string>
#include <vector>

class RandomGenerator;

class TitleEngine {
public:
    // A main word is given up after this many attempts (successful ones included).
    static constexpr int kAttemptLimit = 2000;
    // An attempt needs this many entries, main word included.
    static constexpr std::size_t kMinimumSequence = 15;

    enum class LineEnd {
        NextLine,          // finished or abandoned: go on with the next line
        MissingParameters, // the run ends here
        Stopped,           // a stop was requested
    };

    TitleEngine(TitleEngineInput& input, TitleEngineReport& report, TitleRunState& state,
                RandomGenerator& random);

    LineEnd ComposeLine(const MainWordSpec& line);

private:
    enum class AttemptEnd { Continue, LineDone, Abandon };

    bool ParametersPresent(const std::vector<RootWord>& rows);
    void BuildPool(const std::string& mainWord, const std::vector<RootWord>& rows);
    AttemptEnd Attempt(const MainWordSpec& line);
    std::size_t DrawPosition();
    AttemptEnd GrowTitle(const MainWordSpec& line, std::size_t position, std::size_t entries);
    void Accept(const MainWordSpec& line);

    TitleEngineInput& m_input;
    TitleEngineReport& m_report;
    TitleRunState& m_state;
    RandomGenerator& m_random;

    // Per line: the distinct usable words and their summed weights.
    std::vector<std::string> m_words;
    WordSampler m_sampler;
    HashTable m_wordIds;
    int m_produced = 0;
    int m_attempts = 0;
    std::string m_title;
};
