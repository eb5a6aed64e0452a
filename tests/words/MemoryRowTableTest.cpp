#include "words/MemoryRowTable.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Random edits, texts growing, shrinking and emptied, rows deleted anywhere
// (and outside the table), against a plain table of strings: every cell reads
// back what was last written to it, also after the dead texts are dropped.
TEST(MemoryRowTable, CellsReadBackWhatWasWritten) {
    std::mt19937 random(7);
    for (int columns : {1, 4}) {
        MemoryRowTable table(columns);
        std::vector<std::vector<std::string>> model;
        for (int step = 0; step < 20000; ++step) {
            const int row = static_cast<int>(random() % (model.size() + 2)); // 0 and n + 1 are no rows
            const int column = static_cast<int>(random() % static_cast<unsigned>(columns + 2));
            switch (random() % 10) {
            case 0:
            case 1:
                EXPECT_EQ(table.InsertRow(), static_cast<int>(model.size()) + 1);
                model.emplace_back(static_cast<std::size_t>(columns));
                break;
            case 2:
                table.DeleteRow(row);
                if (row >= 1 && row <= static_cast<int>(model.size()))
                    model.erase(model.begin() + (row - 1));
                break;
            default: {
                std::string text(random() % 3 == 0 ? 0 : random() % 40, static_cast<char>('a' + step % 26));
                table.SetCellText(row, column, text);
                if (row >= 1 && row <= static_cast<int>(model.size()) && column >= 1 && column <= columns)
                    model[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)] = text;
                break;
            }
            }
            if (step == 15000) {
                table.DeleteAllRows();
                model.clear();
            }
            ASSERT_EQ(table.RowCount(), static_cast<int>(model.size()));
            if (step % 97 == 0 || step > 19900) {
                for (std::size_t r = 0; r < model.size(); ++r) {
                    for (std::size_t c = 0; c < model[r].size(); ++c)
                        ASSERT_EQ(table.CellText(static_cast<int>(r + 1), static_cast<int>(c + 1)),
                                  model[r][c])
                            << "step " << step;
                }
                EXPECT_EQ(table.CellText(static_cast<int>(model.size()) + 1, 1), "");
                EXPECT_EQ(table.CellText(1, columns + 1), "");
            }
        }
    }
}

} // namespace
