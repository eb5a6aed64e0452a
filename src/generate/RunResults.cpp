#include "generate/RunResults.h"

#include "generate/RunTexts.h"
#include "generate/ShareRefresh.h"
#include "util/TextSplit.h"
#include "util/TextTidy.h"

RunResults CollectRunResults(const TitleRunState& state, const std::vector<RootWord>& rows) {
    RunResults results;
    results.resultText = TidyLines(state.resultText);
    const std::vector<std::string> titles = SplitLines(results.resultText);
    results.titleCount = titles.size();
    results.headerText = ResultHeaderText(titles.size());

    std::string joined;
    joined.reserve(results.resultText.size());
    for (const std::string& title : titles)
        joined += title;
    results.shares = ShareRefresh(rows, joined, state.titleWordTotal);
    return results;
}
