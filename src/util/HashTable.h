// A chained hash map on its own memory pool. Keys are 32-bit integers, texts
// (up to their first NUL, compared byte for byte) or byte strings; values are
// integers, texts, byte strings or objects copied and released by a caller's
// handler. The program uses it to drop repeated texts while keeping the first
// occurrence of each.
//
// Buckets are a power of two in number and found with one multiplication and
// one shift (Fibonacci hashing). Keys(), Values() and iteration go in bucket
// order, then chain order; new entries go to the end of their chain. All
// memory lives in the table's Arena, so Destroy is one release.
//
// Every operation on a table that was never initialised (or was destroyed)
// does nothing and answers 0 or false.
#pragma once

#include "util/Arena.h"

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class HashKeyType : std::int32_t { Integer = 3, Text = 10, Bytes = 11 };
enum class HashValueType : std::int32_t { Integer = 3, Text = 10, Bytes = 11, Object = 99 };

// Copies and releases the values of a table whose value type is Object.
class HashValueHandler {
public:
    virtual ~HashValueHandler() = default;
    virtual void* Copy(void* value) = 0;
    virtual void Release(void* value) = 0;
};

// A key as passed in or handed out: an integer or a view of bytes. Views handed
// out by the table stay valid until that entry is changed or removed.
class HashKey {
public:
    HashKey() = default;
    template <std::integral T>
    HashKey(T integer) : m_integer(static_cast<std::int32_t>(integer)), m_isInteger(true) {}
    HashKey(const char* text) : m_bytes(text ? text : "") {}
    HashKey(std::string_view bytes) : m_bytes(bytes) {}
    HashKey(const std::string& bytes) : m_bytes(bytes) {}

    bool IsInteger() const { return m_isInteger; }
    std::int32_t Integer() const { return m_integer; }
    std::string_view Bytes() const { return m_bytes; }

private:
    std::string_view m_bytes;
    std::int32_t m_integer = 0;
    bool m_isInteger = false;
};

// A value as passed in or handed out, with the same lifetime rule as HashKey.
class HashValue {
public:
    HashValue() : m_kind(Kind::Integer) {}
    template <std::integral T>
    HashValue(T integer) : m_integer(static_cast<std::int64_t>(integer)), m_kind(Kind::Integer) {}
    HashValue(const char* text) : m_bytes(text ? text : ""), m_kind(Kind::Bytes) {}
    HashValue(std::string_view bytes) : m_bytes(bytes), m_kind(Kind::Bytes) {}
    HashValue(const std::string& bytes) : m_bytes(bytes), m_kind(Kind::Bytes) {}
    static HashValue FromObject(void* object) {
        HashValue value;
        value.m_object = object;
        value.m_kind = Kind::Object;
        return value;
    }

    bool IsInteger() const { return m_kind == Kind::Integer; }
    bool IsBytes() const { return m_kind == Kind::Bytes; }
    bool IsObject() const { return m_kind == Kind::Object; }
    std::int64_t Integer() const { return m_integer; }
    std::string_view Bytes() const { return m_bytes; }
    void* Object() const { return m_object; }

private:
    enum class Kind { Integer, Bytes, Object };
    std::string_view m_bytes;
    std::int64_t m_integer = 0;
    void* m_object = nullptr;
    Kind m_kind;
};

class HashTable {
public:
    static constexpr std::uint32_t kMinCapacity = 16;
    static constexpr std::uint32_t kMaxCapacity = 1u << 30;
    static constexpr float kDefaultLoadFactor = 0.75f;

    HashTable() = default;
    ~HashTable() { Destroy(); }
    HashTable(HashTable&& other) noexcept;
    HashTable& operator=(HashTable&& other) noexcept;
    HashTable(const HashTable&) = delete;
    HashTable& operator=(const HashTable&) = delete;

    // Destroys any previous content first. Unknown types become Integer;
    // capacities below 16 become 16, others are rounded down to a power of two
    // (at most 2^30); a load factor not strictly between 0 and 1 becomes 0.75.
    // False when memory runs out; the table is then uninitialised.
    bool Init(HashKeyType keyType = HashKeyType::Integer, HashValueType valueType = HashValueType::Integer,
              std::uint32_t capacity = kMinCapacity, float loadFactor = kDefaultLoadFactor);
    // Releases handler values and all memory; the table is uninitialised after.
    void Destroy();
    bool IsInitialised() const { return m_buckets != nullptr; }

    // Rehashes into capacity buckets (rounded down to a power of two, kept
    // within 16..2^30); nothing when that is the current capacity.
    void Resize(std::uint32_t capacity);

    // 1 inserted, 2 an existing key's value replaced, 0 not initialised, the
    // key or value not of the table's kind, or out of memory.
    int Set(HashKey key, HashValue value);
    bool Get(HashKey key, HashValue& value) const;
    bool Remove(HashKey key);
    bool Contains(HashKey key) const;

    std::uint32_t Capacity() const { return m_capacity; }
    std::uint32_t Count() const { return m_count; }
    float LoadFactor() const { return m_loadFactor; }
    HashKeyType KeyType() const { return m_keyType; }
    HashValueType ValueType() const { return m_valueType; }

    std::vector<HashKey> Keys() const;
    std::vector<HashValue> Values() const;

    // Walks all entries; after the last one Next answers false once and the
    // walk starts over. Any entry may be removed during a walk; entries added
    // during it may or may not be visited, and a resize ends it.
    void ResetIteration();
    bool Next(HashKey& key, HashValue& value);
    bool NextKey(HashKey& key);
    bool NextValue(HashValue& value);

    // Not owned; used for value type Object. Without one, object pointers are
    // stored as they are and never released.
    void SetValueHandler(HashValueHandler* handler) { m_handler = handler; }

private:
    struct Node;
    struct StoredBytes;

    std::uint32_t BucketOf(std::uint32_t hash) const { return (hash * 0x9E3779B9u) >> m_shift; }
    bool KeyFits(const HashKey& key) const;
    bool ValueFits(const HashValue& value) const;
    std::string_view KeyBytes(const HashKey& key) const;
    std::uint32_t HashOf(const HashKey& key) const;
    Node* const* FindLink(const HashKey& key, std::uint32_t hash) const;
    Node* NewNode(std::uint32_t hash, const HashKey& key, const HashValue& value);
    bool StoreValue(Node& node, const HashValue& value);
    void ReleaseValue(Node& node);
    void FreeNode(Node* node);
    HashKey KeyOf(const Node& node) const;
    HashValue ValueOf(const Node& node) const;
    Node* NextNode();
    bool SetCapacity(std::uint32_t capacity);
    void TakeFrom(HashTable& other) noexcept;

    Arena m_arena;
    Node** m_buckets = nullptr;
    std::uint32_t m_capacity = 0;
    float m_loadFactor = kDefaultLoadFactor;
    std::uint32_t m_count = 0;
    std::uint32_t m_threshold = 0;
    std::uint32_t m_shift = 0;
    HashKeyType m_keyType = HashKeyType::Integer;
    HashValueType m_valueType = HashValueType::Integer;
    HashValueHandler* m_handler = nullptr;
    std::uint32_t m_iterationBucket = 0;
    Node* m_iterationNext = nullptr;
};
