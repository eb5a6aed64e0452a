#include "util/HashTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

std::uint32_t FibonacciBucket(std::uint32_t hash, std::uint32_t capacity) {
    std::uint32_t shift = 32 - std::countr_zero(capacity);
    return (hash * static_cast<std::uint32_t>(-1640531527)) >> shift;
}

std::vector<std::string> TextKeys(const HashTable& table) {
    std::vector<std::string> keys;
    for (const HashKey& key : table.Keys())
        keys.emplace_back(key.Bytes());
    return keys;
}

TEST(HashTable, InitNormalisesCapacityAndLoadFactor) {
    const struct {
        std::uint32_t capacity;
        float loadFactor;
        std::uint32_t expectedCapacity;
        float expectedLoadFactor;
    } cases[] = {
        {100, 0.75f, 64, 0.75f},     {5, 0.75f, 16, 0.75f},    {0, 0.75f, 16, 0.75f},
        {16, 0.75f, 16, 0.75f},      {1025, 0.5f, 1024, 0.5f}, {0xFFFFFFFFu, 0.75f, 1u << 30, 0.75f},
        {16, 1.0f, 16, 0.75f},       {16, 0.0f, 16, 0.75f},    {16, -2.0f, 16, 0.75f},
        {16, 0.9999999f, 16, 0.75f},
    };
    for (const auto& c : cases) {
        HashTable table;
        ASSERT_TRUE(table.Init(HashKeyType::Integer, HashValueType::Integer, c.capacity, c.loadFactor));
        EXPECT_EQ(table.Capacity(), c.expectedCapacity) << c.capacity;
        EXPECT_FLOAT_EQ(table.LoadFactor(), c.expectedLoadFactor) << c.loadFactor;
    }
}

TEST(HashTable, UnknownTypesBecomeInteger) {
    HashTable table;
    ASSERT_TRUE(table.Init(static_cast<HashKeyType>(7), static_cast<HashValueType>(42)));
    EXPECT_EQ(table.KeyType(), HashKeyType::Integer);
    EXPECT_EQ(table.ValueType(), HashValueType::Integer);
}

TEST(HashTable, UninitialisedTableAnswersNothing) {
    HashTable table;
    HashValue value;
    HashKey key;
    EXPECT_EQ(table.Set(1, 2), 0);
    EXPECT_FALSE(table.Get(1, value));
    EXPECT_FALSE(table.Contains(1));
    EXPECT_FALSE(table.Remove(1));
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_EQ(table.Capacity(), 0u);
    EXPECT_TRUE(table.Keys().empty());
    EXPECT_FALSE(table.Next(key, value));
    table.Resize(64);
    EXPECT_EQ(table.Capacity(), 0u);

    ASSERT_TRUE(table.Init());
    table.Destroy();
    EXPECT_EQ(table.Set(1, 2), 0);
    EXPECT_EQ(table.Capacity(), 0u);
}

TEST(HashTable, SetReportsInsertAndReplace) {
    HashTable table;
    ASSERT_TRUE(table.Init(HashKeyType::Text, HashValueType::Text));
    EXPECT_EQ(table.Set("a", "one"), 1);
    EXPECT_EQ(table.Set("a", "two"), 2);
    EXPECT_EQ(table.Count(), 1u);
    HashValue value;
    ASSERT_TRUE(table.Get("a", value));
    EXPECT_EQ(value.Bytes(), "two");

    EXPECT_EQ(table.Set(5, "x"), 0) << "an integer key in a text table";
    EXPECT_EQ(table.Set("b", 5), 0) << "an integer value in a text-valued table";
}

TEST(HashTable, ThirteenthInsertDoublesSixteenBuckets) {
    HashTable table;
    ASSERT_TRUE(table.Init());
    for (int key = 1; key <= 12; ++key)
        ASSERT_EQ(table.Set(key, key), 1);
    EXPECT_EQ(table.Capacity(), 16u);
    ASSERT_EQ(table.Set(13, 13), 1);
    EXPECT_EQ(table.Capacity(), 32u);
    for (int key = 1; key <= 13; ++key)
        EXPECT_TRUE(table.Contains(key)) << key;
}

TEST(HashTable, TextKeysAreComparedByteForByteUpToTheirEnd) {
    HashTable table;
    ASSERT_TRUE(table.Init(HashKeyType::Text, HashValueType::Integer));
    EXPECT_EQ(table.Set("Dress", 0), 1);
    EXPECT_EQ(table.Set("dress", 0), 1);
    EXPECT_EQ(table.Set(std::string("Dress"), 0), 2);
    EXPECT_EQ(table.Set(std::string_view("Dress\0tail", 10), 0), 2) << "a text ends at its zero";
    EXPECT_EQ(table.Set("\xC1\xAC\xD2\xC2\xC8\xB9", 0), 1);
    EXPECT_EQ(table.Count(), 3u);

    HashTable bytes;
    ASSERT_TRUE(bytes.Init(HashKeyType::Bytes, HashValueType::Integer));
    EXPECT_EQ(bytes.Set(std::string_view("ab\0c", 4), 1), 1);
    EXPECT_EQ(bytes.Set(std::string_view("ab", 2), 2), 1) << "byte keys keep their zeros";
    EXPECT_EQ(bytes.Set(std::string_view(), 3), 1) << "the empty key is a key";
    EXPECT_TRUE(bytes.Contains(std::string_view()));
}

// "Aa" and "BB" share the hash h = h * 31 + c, so they share a chain.
TEST(HashTable, KeysGoInBucketOrderThenChainOrder) {
    HashTable table;
    ASSERT_TRUE(table.Init(HashKeyType::Integer, HashValueType::Integer, 16));
    std::vector<std::int32_t> inserted = {5, 99, -3, 1 << 20, 7, 12345, 0, 64};
    for (std::int32_t key : inserted)
        table.Set(key, 0);
    std::vector<std::int32_t> expected = inserted;
    std::stable_sort(expected.begin(), expected.end(), [](std::int32_t a, std::int32_t b) {
        return FibonacciBucket(static_cast<std::uint32_t>(a), 16) <
               FibonacciBucket(static_cast<std::uint32_t>(b), 16);
    });
    std::vector<std::int32_t> keys;
    for (const HashKey& key : table.Keys())
        keys.push_back(key.Integer());
    EXPECT_EQ(keys, expected);

    HashTable texts;
    ASSERT_TRUE(texts.Init(HashKeyType::Text, HashValueType::Integer));
    texts.Set("BB", 0);
    texts.Set("Aa", 0);
    EXPECT_EQ(TextKeys(texts), (std::vector<std::string>{"BB", "Aa"}));
    EXPECT_TRUE(texts.Remove("BB"));
    EXPECT_TRUE(texts.Contains("Aa"));
    EXPECT_FALSE(texts.Contains("BB"));
}

TEST(HashTable, ResizeKeepsChainOrder) {
    HashTable table;
    ASSERT_TRUE(table.Init(HashKeyType::Text, HashValueType::Integer));
    // Many keys with one hash end in one chain whatever the capacity.
    const std::vector<std::string> colliding = {"AaAa", "BBBB", "AaBB", "BBAa"};
    for (const std::string& key : colliding)
        table.Set(key, 0);
    for (int i = 0; i < 40; ++i)
        table.Set("key" + std::to_string(i), i);
    EXPECT_EQ(table.Capacity(), 64u);
    table.Resize(16);
    EXPECT_EQ(table.Capacity(), 16u);
    table.Resize(1000);
    EXPECT_EQ(table.Capacity(), 512u);
    std::vector<std::string> keys = TextKeys(table);
    std::vector<std::string> chain;
    std::copy_if(keys.begin(), keys.end(), std::back_inserter(chain), [&](const std::string& key) {
        return key.size() == 4 && key.find("key") == std::string::npos;
    });
    EXPECT_EQ(chain, colliding);
}

TEST(HashTable, DropsRepeatedTextsKeepingFirstOccurrences) {
    std::vector<std::string> list = {"a", "b", "a", "c", "b"};
    HashTable seen;
    ASSERT_TRUE(seen.Init(HashKeyType::Text, HashValueType::Integer));
    for (std::size_t i = 0; i < list.size();) {
        if (seen.Set(list[i], 0) == 2)
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
    EXPECT_EQ(list, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(HashTable, TextAndByteValuesAreCopies) {
    HashTable table;
    ASSERT_TRUE(table.Init(HashKeyType::Integer, HashValueType::Bytes));
    std::string source("x\0y", 3);
    table.Set(1, source);
    table.Set(2, "");
    source[0] = 'z';
    HashValue value;
    ASSERT_TRUE(table.Get(1, value));
    EXPECT_EQ(value.Bytes(), std::string_view("x\0y", 3));
    ASSERT_TRUE(table.Get(2, value));
    EXPECT_TRUE(value.Bytes().empty());
    EXPECT_EQ(table.Values().size(), 2u);
}

class CountingHandler : public HashValueHandler {
public:
    void* Copy(void* value) override {
        ++copies;
        return new int(*static_cast<int*>(value));
    }
    void Release(void* value) override {
        ++releases;
        delete static_cast<int*>(value);
    }
    int copies = 0;
    int releases = 0;
};

TEST(HashTable, ObjectValuesGoThroughTheHandler) {
    CountingHandler handler;
    int one = 1, two = 2;
    {
        HashTable table;
        ASSERT_TRUE(table.Init(HashKeyType::Integer, HashValueType::Object));
        table.SetValueHandler(&handler);
        table.Set(1, HashValue::FromObject(&one));
        table.Set(2, HashValue::FromObject(&one));
        table.Set(1, HashValue::FromObject(&two)); // replaces: one release
        EXPECT_EQ(handler.copies, 3);
        EXPECT_EQ(handler.releases, 1);
        HashValue value;
        ASSERT_TRUE(table.Get(1, value));
        EXPECT_EQ(*static_cast<int*>(value.Object()), 2);

        // Setting an entry to its own stored object must copy before releasing.
        table.Set(1, value);
        ASSERT_TRUE(table.Get(1, value));
        EXPECT_EQ(*static_cast<int*>(value.Object()), 2);

        table.Remove(2);
        EXPECT_EQ(handler.releases, 3);
        ASSERT_TRUE(table.Init(HashKeyType::Integer, HashValueType::Object)); // Init destroys the old content
        EXPECT_EQ(handler.releases, 4);
        table.Set(3, HashValue::FromObject(&one));
    }
    EXPECT_EQ(handler.copies, handler.releases) << "the destructor releases what is left";
}

TEST(HashTable, IterationVisitsEveryEntryOnceAndStartsOver) {
    HashTable table;
    ASSERT_TRUE(table.Init(HashKeyType::Integer, HashValueType::Integer));
    for (int key = 0; key < 100; ++key)
        table.Set(key, key * 10);

    std::vector<std::int32_t> visited;
    HashKey key;
    HashValue value;
    table.ResetIteration();
    while (table.Next(key, value)) {
        EXPECT_EQ(value.Integer(), key.Integer() * 10);
        visited.push_back(key.Integer());
        if (key.Integer() % 3 == 0) {
            EXPECT_TRUE(table.Remove(key)); // removing the entry just handed out is allowed
        }
    }
    std::vector<std::int32_t> order;
    for (const HashKey& k : table.Keys())
        order.push_back(k.Integer());
    std::sort(visited.begin(), visited.end());
    EXPECT_EQ(visited.size(), 100u);
    EXPECT_TRUE(std::adjacent_find(visited.begin(), visited.end()) == visited.end());
    EXPECT_EQ(table.Count(), 66u);

    // After the end the cursor is cleared: the next walk starts from the top.
    std::vector<std::int32_t> second;
    while (table.NextKey(key))
        second.push_back(key.Integer());
    EXPECT_EQ(second, order);
}

// A model check: random operations against std::unordered_map.
TEST(HashTable, AgreesWithAStandardMapUnderRandomOperations) {
    HashTable table;
    ASSERT_TRUE(table.Init(HashKeyType::Bytes, HashValueType::Integer, 16, 0.5f));
    std::unordered_map<std::string, std::int64_t> model;
    std::mt19937 random(11);
    for (int step = 0; step < 200000; ++step) {
        std::string key = std::to_string(random() % 5000);
        switch (random() % 4) {
        case 0:
        case 1: {
            std::int64_t value = random();
            int expected = model.count(key) ? 2 : 1;
            ASSERT_EQ(table.Set(key, value), expected);
            model[key] = value;
            break;
        }
        case 2:
            ASSERT_EQ(table.Remove(key), model.erase(key) == 1);
            break;
        default: {
            HashValue value;
            bool found = table.Get(key, value);
            ASSERT_EQ(found, model.count(key) == 1);
            if (found) {
                ASSERT_EQ(value.Integer(), model[key]);
            }
        }
        }
    }
    EXPECT_EQ(table.Count(), model.size());
    EXPECT_EQ(table.Keys().size(), model.size());
}

TEST(HashTable, MovesOwnership) {
    HashTable table;
    ASSERT_TRUE(table.Init(HashKeyType::Text, HashValueType::Text));
    table.Set("k", "v");
    HashTable moved(std::move(table));
    EXPECT_FALSE(table.IsInitialised());
    HashValue value;
    ASSERT_TRUE(moved.Get("k", value));
    EXPECT_EQ(value.Bytes(), "v");
}

} // namespace
