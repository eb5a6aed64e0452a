// What the window shows when a run ends (or is stopped): the tidied titles,
// their number in the header, and the refreshed share column.
#pragma once

#include "generate/TitleEngineIo.h"
#include "generate/TitleRunState.h"

#include <string>
#include <vector>

struct RunResults {
    std::string resultText;          // the titles, CR LF between them, no empty line, no trailing break
    std::size_t titleCount = 0;      // 0 for an empty result
    std::string headerText;          // "生成结果【本次共生成" N "个标题】"
    std::vector<std::string> shares; // one per root-word row
};

RunResults CollectRunResults(const TitleRunState& state, const std::vector<RootWord>& rows);
