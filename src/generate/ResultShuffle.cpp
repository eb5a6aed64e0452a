#include "generate/ResultShuffle.h"

#include "generate/RandomGenerator.h"
#include "util/TextSplit.h"

std::string ShuffleResultText(std::string_view text, RandomGenerator& random) {
    std::vector<std::string> lines = SplitText(text, "\r\n");
    ShuffleTexts(lines, random);
    std::string shuffled;
    shuffled.reserve(text.size() + 2 * lines.size());
    for (const std::string& line : lines)
        shuffled.append(line).append("\r\n");
    return shuffled;
}
