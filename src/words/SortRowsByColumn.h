// Ordering rows by the number in one of their cells, the way the list's
// reorderings and the optimise command have always ordered them. The order of
// keys that compare equal (within the 1e-7 tolerance) follows from how each
// key is inserted, and it decides which of two repeated words optimise keeps,
// so the insertion is reproduced exactly:
//
//   Keys are read in row order and inserted into an ascending array at
//   1-based position (c keys so far, e = 1e-7):
//     c = 0                    -> 1
//     key - last >= -e         -> c + 1 (after the last, also when equal)
//     key - first <= e         -> 1 (before the first, also when equal)
//     otherwise halve: lo = 1, hi = c; while lo < hi - 1: mid = (lo + hi) / 2,
//       d = key - key[mid]; |d| <= e: lo = mid, stop; d > 0: lo = mid; else
//       hi = mid                -> lo + 1
//
// A descending sort reads that array from its end.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A table of text rows, columns counted from 0: the scratch table the
// reorderings copy the list into.
using TextRows = std::vector<std::vector<std::string>>;

// Indexes into keys in the order of the ascending array the insertion builds.
// Runs in O(n sqrt n) time, so that 200,000 rows reorder at once.
std::vector<std::size_t> InsertionSortOrder(const std::vector<double>& keys);

// Reorders the rows by the shared text-to-number reading of one column; a
// missing cell or one without a leading number counts as 0.
void SortRowsByColumn(TextRows& rows, std::size_t column, bool descending);
