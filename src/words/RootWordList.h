// The root-word list: rows of four text cells in a RowTable.
//
//   column 1  ID      the row's own number, "1" to "n", after every command
//   column 2  word    never empty, never holds a line feed
//   column 3  weight  normally digits; read as a number where it is used
//   column 4  share   empty until a generation run has filled it
#pragma once

#include "words/RowTable.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr int kIdColumn = 1;
inline constexpr int kWordColumn = 2;
inline constexpr int kWeightColumn = 3;
inline constexpr int kShareColumn = 4;

struct RootWord {
    std::string word;
    std::string weight;
    std::string share{}; // empty until a run has finished
};

// Appends a row as every writer of the list does: ID = the new row count.
void AppendRootWord(RowTable& list, std::string_view word, std::string_view weight,
                    std::string_view share = {});

// The rows in list order (a snapshot for readers such as the title engine).
std::vector<RootWord> ReadRootWords(const RowTable& list);

// Writes the ID cell of every row.
void RenumberRows(RowTable& list);

// The reorderings started from the "权重" and "几率" headers: largest first,
// through SortRowsByColumn, keeping every row's cells; then row 1 is made
// visible. Reorder by share does nothing when row 1's share is empty (also on
// an empty list), since no run has filled the column.
void ReorderByWeight(RowTable& list);
void ReorderByShare(RowTable& list);
