#include "words/RootWordCommands.h"

#include "util/Gbk.h"
#include "words/RootWordList.h"
#include "words/SortRowsByColumn.h"

#include <set>
#include <unordered_map>

namespace {

// Marks every word after `from` that equals a substring of `word` starting at
// one of its character boundaries. Only substrings as long as some word are
// looked up, so the work per word is its length times the number of distinct
// word lengths, not its length squared.
void MarkContained(std::string_view word, std::size_t from, const std::vector<std::size_t>& lengths,
                   std::unordered_map<std::string_view, std::vector<std::size_t>>& byText,
                   std::vector<bool>& removed) {
    for (std::size_t start = 0; start < word.size(); start += GbkCharLength(word, start)) {
        for (std::size_t length : lengths) {
            if (length > word.size() - start)
                break;
            auto it = byText.find(word.substr(start, length));
            if (it == byText.end())
                continue;
            for (std::size_t index : it->second) {
                if (index > from)
                    removed[index] = true;
            }
            byText.erase(it); // its later copies are all marked now
        }
    }
}

} // namespace

// Sorted longest first, a word can only occur inside words before it, and it
// occurs inside some word before it exactly when it occurs inside a word that
// survives (occurrence at character boundaries is transitive). So one pass
// over the survivors, each marking the words it contains, gives what taking
// the first row and deleting every row it contains, again and again, gives.
void OptimiseRootWords(RowTable& list) {
    TextRows scratch; // word, byte length, weight
    for (const RootWord& row : ReadRootWords(list))
        scratch.push_back({row.word, std::to_string(row.word.size()), row.weight});
    SortRowsByColumn(scratch, 1, true);
    list.DeleteAllRows();

    std::unordered_map<std::string_view, std::vector<std::size_t>> byText;
    std::set<std::size_t> distinctLengths;
    for (std::size_t i = 0; i < scratch.size(); ++i) {
        byText[scratch[i][0]].push_back(i);
        if (!scratch[i][0].empty())
            distinctLengths.insert(scratch[i][0].size());
    }
    const std::vector<std::size_t> lengths(distinctLengths.begin(), distinctLengths.end());
    std::vector<bool> removed(scratch.size(), false);
    for (std::size_t i = 0; i < scratch.size(); ++i) {
        if (removed[i])
            continue;
        const std::string& word = scratch[i][0];
        if (word.empty())
            break; // only empty words remain, and they are dropped
        AppendRootWord(list, word, scratch[i][2]);
        MarkContained(word, i, lengths, byText, removed);
    }
    list.EnsureVisible(1);
}

std::string CopyAllRootWords(const RowTable& list) {
    std::string text;
    for (const RootWord& row : ReadRootWords(list))
        text.append(row.word).append("\t").append(row.weight).append("\r\n");
    return text;
}

void ResetWeights(RowTable& list) {
    const int count = list.RowCount();
    for (int row = 1; row <= count; ++row)
        list.SetCellText(row, kWeightColumn, "1");
}

void DeleteSelectedRows(RowTable& list) {
    const int count = list.SelectedCount();
    for (int i = 0; i < count; ++i) {
        std::vector<int> selected = list.SelectedRows();
        if (selected.empty())
            break;
        list.DeleteRow(selected.front());
    }
    RenumberRows(list);
}

void ClearRootWords(RowTable& list) {
    list.DeleteAllRows();
}

bool CanEditWeight(const RowTable& list) {
    return list.RowCount() > 0 && !list.CellText(list.CurrentRow(), kWeightColumn).empty();
}

void ShowLastRow(RowTable& list) {
    list.EnsureVisible(list.RowCount());
}
