// The commands of the root-word list's context menu that work on the rows
// themselves. Paste is PasteRootWords (RootWordImport.h); the two weight
// dialog commands use CanEditWeight and ShowLastRow before opening it.
#pragma once

#include "words/RowTable.h"

#include <string>

// 词根优化: drops every word that occurs inside a longer (or an equal, earlier)
// word, at a character boundary and case-sensitively, together with its
// weight. The survivors keep their weights and stand longest first, in the
// order SortRowsByColumn gives equal lengths; every share is empty after.
void OptimiseRootWords(RowTable& list);

// 复制所有: "word TAB weight CR LF" per row, the weighted import format.
std::string CopyAllRootWords(const RowTable& list);

// 权重归一: every weight becomes "1"; IDs, words and shares stay.
void ResetWeights(RowTable& list);

// 删除选中: deletes the selected rows (the first selected one, as many times
// as rows were selected), then renumbers the rest.
void DeleteSelectedRows(RowTable& list);

// 清空列表.
void ClearRootWords(RowTable& list);

// 修改权重 opens the weight dialog only when the current row has a weight.
bool CanEditWeight(const RowTable& list);

// 增加词根 scrolls to the last row before it opens the dialog.
void ShowLastRow(RowTable& list);
