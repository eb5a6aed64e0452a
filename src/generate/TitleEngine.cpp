#include "generate/TitleEngine.h"

#include "generate/RandomGenerator.h"
#include "util/Number.h"
#include "util/TextSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Word counts stop at the top of their 32-bit range instead of wrapping.
std::int32_t SaturatingAdd(std::int32_t total, std::int32_t add) {
    return total > std::numeric_limits<std::int32_t>::max() - add ? std::numeric_limits<std::int32_t>::max()
                                                                  : total + add;
}

} // namespace

TitleEngine::TitleEngine(TitleEngineInput& input, TitleEngineReport& report, TitleRunState& state,
                         RandomGenerator& random)
    : m_input(input), m_report(report), m_state(state), m_random(random) {}

TitleEngine::LineEnd TitleEngine::ComposeLine(const MainWordSpec& line) {
    const std::vector<RootWord> rows = m_input.RootWords();
    if (!ParametersPresent(rows)) {
        m_report.ShowMessage(MissingParametersMessage());
        return LineEnd::MissingParameters;
    }
    m_produced = 0;
    m_attempts = 0;
    BuildPool(line.mainWord, rows);
    m_report.SetStartCaption(StopCaptionText());

    for (AttemptEnd end = AttemptEnd::Continue; end == AttemptEnd::Continue;) {
        if (m_report.StopRequested())
            return LineEnd::Stopped;
        end = Attempt(line);
    }
    m_state.resultText += "\r\n";
    return LineEnd::NextLine;
}

bool TitleEngine::ParametersPresent(const std::vector<RootWord>& rows) {
    return !m_input.MainWordBoxText().empty() && !m_input.MinimumLengthText().empty() &&
           !m_input.MaximumLengthText().empty() && !rows.empty();
}

// Root words that occur inside the main word are left out; a word listed on
// several rows is one word whose weight is the sum of theirs, as its copies
// in the pool would be.
void TitleEngine::BuildPool(const std::string& mainWord, const std::vector<RootWord>& rows) {
    m_words.clear();
    m_wordIds.Init(HashKeyType::Bytes, HashValueType::Integer);
    std::vector<std::uint64_t> weights;
    for (const RootWord& row : rows) {
        if (FindText(mainWord, row.word, 1) != -1)
            continue;
        const std::int32_t weight = TextToInt32(row.weight);
        if (weight <= 0)
            continue;
        HashValue id;
        if (m_wordIds.Get(row.word, id)) {
            weights[static_cast<std::size_t>(id.Integer())] += static_cast<std::uint64_t>(weight);
            continue;
        }
        m_wordIds.Set(row.word, static_cast<std::int64_t>(m_words.size()));
        m_words.push_back(row.word);
        weights.push_back(static_cast<std::uint64_t>(weight));
    }
    m_sampler.Reset(weights);
}

// The main word's position (1-based entry number), or 0 when the drawn
// position lies outside the sequence and the main word is left out.
std::size_t TitleEngine::DrawPosition() {
    std::int64_t low = std::max(0, TextToInt32(m_input.PositionMinimumText()));
    std::int64_t high = std::max(0, TextToInt32(m_input.PositionMaximumText()));
    if (high < low)
        std::swap(low, high);
    const std::int64_t position = m_random.UniformInt(low, high);
    const auto words = static_cast<std::int64_t>(m_sampler.DrawableCount());
    return position >= 1 && position <= words + 1 ? static_cast<std::size_t>(position) : 0;
}

TitleEngine::AttemptEnd TitleEngine::Attempt(const MainWordSpec& line) {
    if (++m_attempts == kAttemptLimit) {
        m_report.ShowMessage(CompositionFailedMessage());
        return AttemptEnd::Abandon;
    }
    const std::size_t position = DrawPosition();
    const std::size_t entries = m_sampler.DrawableCount() + (position != 0 ? 1 : 0);
    if (entries < kMinimumSequence) {
        m_report.ShowMessage(TooFewWordsMessage());
        return AttemptEnd::Abandon;
    }
    AttemptEnd end = GrowTitle(line, position, entries);
    m_sampler.Restore();
    return end;
}

// Appends entries one by one. The maximum length bounds the words tried to a
// quarter of it; a sequence shorter than that ends the attempt at its end.
TitleEngine::AttemptEnd TitleEngine::GrowTitle(const MainWordSpec& line, std::size_t position,
                                               std::size_t entries) {
    const double quarter = std::floor(TextToNumber(m_input.MaximumLengthText()) / 4);
    const std::size_t steps =
        quarter < 1 ? 0 : std::min(entries, static_cast<std::size_t>(std::min(quarter, 1e9)));

    m_title.clear();
    for (std::size_t k = 1; k <= steps; ++k) {
        m_title += k == position ? line.mainWord : m_words[m_sampler.Draw(m_random)];

        const double length = static_cast<double>(m_title.size());
        const double maximum = TextToNumber(m_input.MaximumLengthText());
        const bool tooLong = NumberGreater(length, maximum);
        m_state.pendingWordCount = tooLong ? 0 : SaturatingAdd(m_state.pendingWordCount, 1);

        const bool accepted = !tooLong &&
                              NumberGreaterOrEqual(length, TextToNumber(m_input.MinimumLengthText())) &&
                              m_state.titleSet.Insert(m_title) && FindText(m_title, line.mainWord, 1) != -1;
        if (accepted) {
            Accept(line);
            return AttemptEnd::Continue;
        }
        if (NumberEquals(m_produced, line.RequestedCount()))
            return AttemptEnd::LineDone;
    }
    return AttemptEnd::Continue;
}

void TitleEngine::Accept(const MainWordSpec& line) {
    m_state.titleWordTotal = SaturatingAdd(m_state.titleWordTotal, m_state.pendingWordCount);
    m_state.pendingWordCount = 0;
    ++m_produced;
    m_state.resultText += m_title;
    if (!NumberEquals(m_produced, line.RequestedCount()))
        m_state.resultText += "\r\n";
    m_report.TitleAccepted();
}
