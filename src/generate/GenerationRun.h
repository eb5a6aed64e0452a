// One generation run over every line of the main-word box: the worker's
// routine without the window. It sums the requested counts (the progress
// bar's maximum), then composes each line in order with one TitleEngine whose
// titles, word total and title set are shared by all lines.
#pragma once

#include "generate/TitleEngineIo.h"
#include "generate/TitleRunState.h"

class RandomGenerator;

class GenerationRun {
public:
    enum class End {
        Completed,         // every line was composed (or abandoned with its message)
        FormatError,       // a line had "--" with an empty side: no title was made
        MissingParameters, // a line found a parameter missing: the lines after it were not run
        Stopped,           // a stop was requested
    };

    GenerationRun(TitleEngineInput& input, TitleEngineReport& report, RandomGenerator& random);

    End Run();
    const TitleRunState& State() const { return m_state; }

private:
    TitleEngineInput& m_input;
    TitleEngineReport& m_report;
    RandomGenerator& m_random;
    TitleRunState m_state;
};
