#include "generate/GenerationRun.h"

#include "generate/MainWordSpec.h"
#include "generate/TitleEngine.h"
#include "util/TextSplit.h"

GenerationRun::GenerationRun(TitleEngineInput& input, TitleEngineReport& report, RandomGenerator& random)
    : m_input(input), m_report(report), m_random(random) {}

GenerationRun::End GenerationRun::Run() {
    m_state.Reset();
    // One reading of the box serves the sum and the lines, so the progress
    // bar's maximum belongs to the lines that are run.
    const std::string box = m_input.MainWordBoxText();
    const std::optional<std::int32_t> requested = SumRequested(box);
    if (!requested) {
        m_report.ShowMessage(MainWordFormatMessage());
        return End::FormatError;
    }
    m_report.RunStarted(*requested);

    TitleEngine engine(m_input, m_report, m_state, m_random);
    for (const std::string& line : SplitLines(box)) {
        switch (engine.ComposeLine(SplitMainWordLine(line))) {
        case TitleEngine::LineEnd::NextLine:
            break;
        case TitleEngine::LineEnd::MissingParameters:
            return End::MissingParameters;
        case TitleEngine::LineEnd::Stopped:
            return End::Stopped;
        }
    }
    return End::Completed;
}
