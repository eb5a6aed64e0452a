// The composition done the literal way, kept as the oracle for TitleEngine:
// every attempt copies the pool that holds each word weight times, shuffles it
// uniformly, drops repeats and inserts the main word. Its cost grows with the
// sum of the weights; the engine must give titles with the same distribution.
#pragma once

#include "generate/MainWordSpec.h"
#include "generate/RandomGenerator.h"
#include "generate/TitleEngineIo.h"
#include "generate/TitleRunState.h"
#include "util/Number.h"
#include "util/TextSearch.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

// One line, as TitleEngine::ComposeLine; returns false when the run must end.
inline bool ReferenceComposeLine(const MainWordSpec& line, TitleEngineInput& input, TitleEngineReport& report,
                                 TitleRunState& state, RandomGenerator& random) {
    std::vector<RootWord> rows = input.RootWords();
    if (input.MainWordBoxText().empty() || input.MinimumLengthText().empty() ||
        input.MaximumLengthText().empty() || rows.empty()) {
        report.ShowMessage(MissingParametersMessage());
        return false;
    }
    std::vector<std::string> pool;
    for (const RootWord& row : rows) {
        if (FindText(line.mainWord, row.word, 1) != -1)
            continue;
        for (std::int32_t i = 0; i < TextToInt32(row.weight); ++i)
            pool.push_back(row.word);
    }
    report.SetStartCaption(StopCaptionText());

    int produced = 0;
    for (int attempts = 1;; ++attempts) {
        if (attempts == 2000) {
            report.ShowMessage(CompositionFailedMessage());
            break;
        }
        std::vector<std::string> sequence = pool;
        ShuffleTexts(sequence, random);
        DropDuplicateTexts(sequence);
        std::int64_t low = std::max(0, TextToInt32(input.PositionMinimumText()));
        std::int64_t high = std::max(0, TextToInt32(input.PositionMaximumText()));
        if (high < low)
            std::swap(low, high);
        std::int64_t position = random.UniformInt(low, high);
        if (position >= 1 && position <= static_cast<std::int64_t>(sequence.size()) + 1)
            sequence.insert(sequence.begin() + (position - 1), line.mainWord);
        if (sequence.size() < 15) {
            report.ShowMessage(TooFewWordsMessage());
            break;
        }
        double quarter = std::floor(TextToNumber(input.MaximumLengthText()) / 4);
        bool done = false;
        std::string title;
        for (std::size_t k = 1; k <= sequence.size() && static_cast<double>(k) <= quarter; ++k) {
            title += sequence[k - 1];
            double length = static_cast<double>(title.size());
            double maximum = TextToNumber(input.MaximumLengthText());
            state.pendingWordCount = NumberGreater(length, maximum) ? 0 : state.pendingWordCount + 1;
            if (!NumberGreater(length, maximum) &&
                NumberGreaterOrEqual(length, TextToNumber(input.MinimumLengthText())) &&
                state.titleSet.Insert(title) && FindText(title, line.mainWord, 1) != -1) {
                state.titleWordTotal += state.pendingWordCount;
                state.pendingWordCount = 0;
                ++produced;
                state.resultText += title;
                if (!NumberEquals(produced, line.RequestedCount()))
                    state.resultText += "\r\n";
                report.TitleAccepted();
                break;
            }
            if (NumberEquals(produced, line.RequestedCount())) {
                done = true;
                break;
            }
        }
        if (done)
            break;
    }
    state.resultText += "\r\n";
    return true;
}
