#include "words/SortRowsByColumn.h"

#include "util/Number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// The insertion exactly as written down: a plain array, every insertion
// shifting what follows.
std::vector<std::size_t> NaiveInsertionOrder(const std::vector<double>& keys) {
    std::vector<std::pair<double, std::size_t>> array;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        double key = keys[i];
        std::size_t c = array.size();
        std::size_t position; // 1-based
        if (c == 0) {
            position = 1;
        } else if (key - array[c - 1].first >= -1e-7) {
            position = c + 1;
        } else if (key - array[0].first <= 1e-7) {
            position = 1;
        } else {
            std::size_t lo = 1, hi = c;
            while (lo < hi - 1) {
                std::size_t mid = (lo + hi) / 2;
                double d = key - array[mid - 1].first;
                if (std::fabs(d) <= 1e-7) {
                    lo = mid;
                    break;
                }
                if (d > 0)
                    lo = mid;
                else
                    hi = mid;
            }
            position = lo + 1;
        }
        array.insert(array.begin() + static_cast<std::ptrdiff_t>(position - 1), {key, i});
    }
    std::vector<std::size_t> order;
    for (const auto& entry : array)
        order.push_back(entry.second);
    return order;
}

TEST(SortRowsByColumn, TiesFollowTheInsertion) {
    const struct {
        std::vector<double> keys;
        std::vector<std::size_t> ascending;
    } cases[] = {
        {{}, {}},
        {{5}, {0}},
        {{1, 2, 3}, {0, 1, 2}},
        {{3, 2, 1}, {2, 1, 0}},
        {{2, 2, 2}, {0, 1, 2}},             // equal to the last: after it
        {{2, 1, 1}, {2, 1, 0}},             // equal to the first (and below the last): before it
        {{1, 3, 2, 2}, {0, 2, 3, 1}},       // halving meets an equal key: right after it
        {{1, 5, 3, 3, 3}, {0, 2, 4, 3, 1}}, // the third 3 lands between the first two
        {{1, 1.00000005, 1}, {0, 1, 2}},    // within the tolerance counts as equal
        {{2, 1, 1.00000005, 1.5}, {2, 1, 3, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InsertionSortOrder(c.keys), c.ascending);
        EXPECT_EQ(NaiveInsertionOrder(c.keys), c.ascending);
    }
}

TEST(SortRowsByColumn, AgreesWithThePlainArrayOnManyKeys) {
    std::mt19937 random(12);
    for (int round = 0; round < 40; ++round) {
        std::size_t n = 1 + random() % 3000;
        std::vector<double> keys(n);
        for (double& key : keys) {
            // Few distinct values, so ties abound, some of them near-ties.
            key = static_cast<double>(random() % (1 + round)) + (random() % 4 == 0 ? 5e-8 : 0.0);
        }
        ASSERT_EQ(InsertionSortOrder(keys), NaiveInsertionOrder(keys)) << "round " << round;
    }
}

TEST(SortRowsByColumn, ReordersRowsByTheColumnsNumber) {
    TextRows rows = {{"a", "5"}, {"b", "50"}, {"c", "abc"}, {"d", "7"}, {"e"}, {"f", "7.5x"}};
    SortRowsByColumn(rows, 1, true);
    std::string order;
    for (const auto& row : rows)
        order += row[0];
    EXPECT_EQ(order, "bfdace"); // "abc" and the missing cell count 0; "e", equal to the first, went before it
    SortRowsByColumn(rows, 1, false);
    order.clear();
    for (const auto& row : rows)
        order += row[0];
    EXPECT_EQ(order, "ecadfb");
}

} // namespace
