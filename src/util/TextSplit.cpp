#include "util/TextSplit.h"

#include "util/TextSearch.h"

std::vector<std::string> SplitText(std::string_view text, std::string_view delimiter) {
    if (delimiter.empty())
        return {std::string(text)};

    std::string appended;
    if (text.find(delimiter) == std::string_view::npos) {
        appended = std::string(text) + std::string(delimiter);
        text = appended;
    }
    if (text == delimiter)
        return {std::string()};

    std::vector<std::string> pieces;
    std::size_t pos = 0;
    for (;;) {
        std::size_t found = text.find(delimiter, pos);
        if (found == std::string_view::npos)
            break;
        pieces.emplace_back(text.substr(pos, found - pos));
        pos = found + delimiter.size();
    }
    if (pos < text.size())
        pieces.emplace_back(text.substr(pos));
    return pieces;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::ptrdiff_t found = FindText(text, "\r\n", static_cast<std::ptrdiff_t>(pos) + 1);
        if (found < 0) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        std::size_t breakAt = static_cast<std::size_t>(found) - 1;
        lines.emplace_back(text.substr(pos, breakAt - pos));
        pos = breakAt + 2;
    }
    return lines;
}
