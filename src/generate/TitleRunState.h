// What a generation run gathers across all its main words. A new run starts
// it afresh; it lives until then.
#pragma once

#include "generate/TitleSet.h"

#include <cstdint>
#include <string>

struct TitleRunState {
    // Accepted titles, each followed by CR LF except the last of a line, and
    // one CR LF after every line.
    std::string resultText;
    // Words counted into accepted titles; the share column divides by it.
    std::int32_t titleWordTotal = 0;
    // Words counted since the last accepted title; carried across attempts.
    std::int32_t pendingWordCount = 0;
    // Every title that reached the duplicate test in this run.
    TitleSet titleSet;

    void Reset() {
        resultText.clear();
        titleWordTotal = 0;
        pendingWordCount = 0;
        titleSet.Clear();
    }
};
