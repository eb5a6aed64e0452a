#include "util/HashTable.h"

#include <bit>
#include <cstring>
#include <new>
#include <utility>

struct HashTable::Node {
    Node* next;
    std::uint32_t hash;
    std::size_t keyLength; // text keys are stored with a terminating zero after these bytes
    union {
        std::int64_t integer;
        StoredBytes* bytes; // nullptr for an empty text or byte string
        void* object;
    } value;

    char* KeyData() { return reinterpret_cast<char*>(this + 1); }
    const char* KeyData() const { return reinterpret_cast<const char*>(this + 1); }
};

struct HashTable::StoredBytes {
    std::size_t length;
    char* Data() { return reinterpret_cast<char*>(this + 1); }
};

namespace {

std::uint32_t HashBytes(std::string_view bytes) {
    std::uint32_t hash = 0;
    for (char c : bytes)
        hash = hash * 31 + static_cast<unsigned char>(c);
    return hash;
}

std::uint32_t NormaliseCapacity(std::uint32_t capacity) {
    if (capacity < HashTable::kMinCapacity)
        return HashTable::kMinCapacity;
    if (capacity > HashTable::kMaxCapacity)
        return HashTable::kMaxCapacity;
    return std::bit_floor(capacity);
}

} // namespace

HashTable::HashTable(HashTable&& other) noexcept {
    TakeFrom(other);
}

HashTable& HashTable::operator=(HashTable&& other) noexcept {
    if (this != &other) {
        Destroy();
        TakeFrom(other);
    }
    return *this;
}

void HashTable::TakeFrom(HashTable& other) noexcept {
    m_arena = std::move(other.m_arena);
    m_buckets = std::exchange(other.m_buckets, nullptr);
    m_capacity = std::exchange(other.m_capacity, 0);
    m_loadFactor = other.m_loadFactor;
    m_count = std::exchange(other.m_count, 0);
    m_threshold = std::exchange(other.m_threshold, 0);
    m_shift = std::exchange(other.m_shift, 0);
    m_keyType = other.m_keyType;
    m_valueType = other.m_valueType;
    m_handler = other.m_handler;
    m_iterationBucket = std::exchange(other.m_iterationBucket, 0);
    m_iterationNext = std::exchange(other.m_iterationNext, nullptr);
}

bool HashTable::Init(HashKeyType keyType, HashValueType valueType, std::uint32_t capacity, float loadFactor) {
    Destroy();
    switch (keyType) {
    case HashKeyType::Integer:
    case HashKeyType::Text:
    case HashKeyType::Bytes:
        break;
    default:
        keyType = HashKeyType::Integer;
    }
    switch (valueType) {
    case HashValueType::Integer:
    case HashValueType::Text:
    case HashValueType::Bytes:
    case HashValueType::Object:
        break;
    default:
        valueType = HashValueType::Integer;
    }
    if (!(loadFactor > 1e-7f && loadFactor < 1.0f - 1e-7f))
        loadFactor = kDefaultLoadFactor;

    m_keyType = keyType;
    m_valueType = valueType;
    m_loadFactor = loadFactor;
    if (!SetCapacity(NormaliseCapacity(capacity))) {
        m_arena.Release();
        return false;
    }
    return true;
}

void HashTable::Destroy() {
    if (!m_buckets)
        return;
    if (m_valueType == HashValueType::Object && m_handler) {
        for (std::uint32_t b = 0; b < m_capacity; ++b)
            for (Node* node = m_buckets[b]; node; node = node->next)
                m_handler->Release(node->value.object);
    }
    m_arena.Release();
    m_buckets = nullptr;
    m_capacity = m_count = m_threshold = m_shift = 0;
    m_iterationBucket = 0;
    m_iterationNext = nullptr;
}

// Moves every node, in old bucket order and chain order, to the end of its new
// chain, so that equal-bucket entries keep their relative order.
bool HashTable::SetCapacity(std::uint32_t capacity) {
    const auto shift = static_cast<std::uint32_t>(32 - std::countr_zero(capacity));
    auto** buckets = static_cast<Node**>(m_arena.AllocateZeroed(sizeof(Node*) * capacity));
    if (!buckets)
        return false;
    auto** tails =
        m_buckets ? static_cast<Node**>(m_arena.AllocateZeroed(sizeof(Node*) * capacity)) : nullptr;
    if (m_buckets && !tails) {
        m_arena.Free(buckets, sizeof(Node*) * capacity);
        return false;
    }

    Node** oldBuckets = std::exchange(m_buckets, buckets);
    const std::uint32_t oldCapacity = std::exchange(m_capacity, capacity);
    m_shift = shift;
    m_threshold = static_cast<std::uint32_t>(static_cast<double>(capacity) * m_loadFactor);
    if (!oldBuckets)
        return true;

    for (std::uint32_t b = 0; b < oldCapacity; ++b) {
        for (Node* node = oldBuckets[b]; node;) {
            Node* next = std::exchange(node->next, nullptr);
            std::uint32_t target = BucketOf(node->hash);
            (tails[target] ? tails[target]->next : m_buckets[target]) = node;
            tails[target] = node;
            node = next;
        }
    }
    m_arena.Free(tails, sizeof(Node*) * capacity);
    m_arena.Free(oldBuckets, sizeof(Node*) * oldCapacity);
    m_iterationBucket = m_capacity; // a resize ends a walk
    m_iterationNext = nullptr;
    return true;
}

void HashTable::Resize(std::uint32_t capacity) {
    if (!m_buckets)
        return;
    capacity = NormaliseCapacity(capacity);
    if (capacity != m_capacity)
        SetCapacity(capacity);
}

bool HashTable::KeyFits(const HashKey& key) const {
    return key.IsInteger() == (m_keyType == HashKeyType::Integer);
}

bool HashTable::ValueFits(const HashValue& value) const {
    switch (m_valueType) {
    case HashValueType::Integer:
        return value.IsInteger();
    case HashValueType::Text:
    case HashValueType::Bytes:
        return value.IsBytes();
    case HashValueType::Object:
        return value.IsObject();
    }
    return false;
}

std::string_view HashTable::KeyBytes(const HashKey& key) const {
    std::string_view bytes = key.Bytes();
    if (m_keyType == HashKeyType::Text)
        bytes = bytes.substr(0, bytes.find('\0')); // a text ends at its terminating zero
    return bytes;
}

std::uint32_t HashTable::HashOf(const HashKey& key) const {
    if (m_keyType == HashKeyType::Integer)
        return static_cast<std::uint32_t>(key.Integer());
    return HashBytes(KeyBytes(key));
}

HashTable::Node* const* HashTable::FindLink(const HashKey& key, std::uint32_t hash) const {
    Node* const* link = &m_buckets[BucketOf(hash)];
    const bool integerKeys = m_keyType == HashKeyType::Integer;
    const std::string_view bytes = integerKeys ? std::string_view() : KeyBytes(key);
    for (; *link; link = &(*link)->next) {
        const Node& node = **link;
        if (node.hash != hash)
            continue;
        if (integerKeys ||
            (node.keyLength == bytes.size() && std::memcmp(node.KeyData(), bytes.data(), bytes.size()) == 0))
            break;
    }
    return link;
}

bool HashTable::StoreValue(Node& node, const HashValue& value) {
    switch (m_valueType) {
    case HashValueType::Integer:
        node.value.integer = value.Integer();
        return true;
    case HashValueType::Text:
    case HashValueType::Bytes: {
        std::string_view bytes = value.Bytes();
        if (m_valueType == HashValueType::Text)
            bytes = bytes.substr(0, bytes.find('\0'));
        node.value.bytes = nullptr;
        if (bytes.empty())
            return true;
        auto* stored = static_cast<StoredBytes*>(m_arena.Allocate(sizeof(StoredBytes) + bytes.size()));
        if (!stored)
            return false;
        stored->length = bytes.size();
        std::memcpy(stored->Data(), bytes.data(), bytes.size());
        node.value.bytes = stored;
        return true;
    }
    case HashValueType::Object:
        node.value.object = m_handler ? m_handler->Copy(value.Object()) : value.Object();
        return true;
    }
    return false;
}

void HashTable::ReleaseValue(Node& node) {
    switch (m_valueType) {
    case HashValueType::Integer:
        break;
    case HashValueType::Text:
    case HashValueType::Bytes:
        if (node.value.bytes)
            m_arena.Free(node.value.bytes, sizeof(StoredBytes) + node.value.bytes->length);
        node.value.bytes = nullptr;
        break;
    case HashValueType::Object:
        if (m_handler)
            m_handler->Release(node.value.object);
        node.value.object = nullptr;
        break;
    }
}

HashTable::Node* HashTable::NewNode(std::uint32_t hash, const HashKey& key, const HashValue& value) {
    const std::string_view bytes = m_keyType == HashKeyType::Integer ? std::string_view() : KeyBytes(key);
    const std::size_t keySize = m_keyType == HashKeyType::Text ? bytes.size() + 1 : bytes.size();
    auto* node = static_cast<Node*>(m_arena.Allocate(sizeof(Node) + keySize));
    if (!node)
        return nullptr;
    node->next = nullptr;
    node->hash = hash;
    node->keyLength = bytes.size();
    if (!bytes.empty())
        std::memcpy(node->KeyData(), bytes.data(), bytes.size());
    if (m_keyType == HashKeyType::Text)
        node->KeyData()[bytes.size()] = '\0';
    if (!StoreValue(*node, value)) {
        m_arena.Free(node, sizeof(Node) + keySize);
        return nullptr;
    }
    return node;
}

void HashTable::FreeNode(Node* node) {
    ReleaseValue(*node);
    const std::size_t keySize = m_keyType == HashKeyType::Text ? node->keyLength + 1 : node->keyLength;
    m_arena.Free(node, sizeof(Node) + keySize);
}

int HashTable::Set(HashKey key, HashValue value) {
    if (!m_buckets || !KeyFits(key) || !ValueFits(value))
        return 0;
    const std::uint32_t hash = HashOf(key);
    auto** link = const_cast<Node**>(FindLink(key, hash));
    if (Node* existing = *link) {
        // Copy the new value before releasing the old one: they may be the same object.
        Node replacement = *existing;
        if (!StoreValue(replacement, value))
            return 0;
        ReleaseValue(*existing);
        existing->value = replacement.value;
        return 2;
    }
    Node* node = NewNode(hash, key, value);
    if (!node)
        return 0;
    *link = node;
    ++m_count;
    if (m_count > m_threshold && m_capacity < kMaxCapacity)
        SetCapacity(m_capacity * 2);
    return 1;
}

bool HashTable::Get(HashKey key, HashValue& value) const {
    if (!m_buckets || !KeyFits(key))
        return false;
    const Node* node = *FindLink(key, HashOf(key));
    if (!node)
        return false;
    value = ValueOf(*node);
    return true;
}

bool HashTable::Contains(HashKey key) const {
    return m_buckets && KeyFits(key) && *FindLink(key, HashOf(key)) != nullptr;
}

bool HashTable::Remove(HashKey key) {
    if (!m_buckets || !KeyFits(key))
        return false;
    auto** link = const_cast<Node**>(FindLink(key, HashOf(key)));
    Node* node = *link;
    if (!node)
        return false;
    if (m_iterationNext == node)
        m_iterationNext = node->next;
    *link = node->next;
    FreeNode(node);
    --m_count;
    return true;
}

HashKey HashTable::KeyOf(const Node& node) const {
    if (m_keyType == HashKeyType::Integer)
        return HashKey(static_cast<std::int32_t>(node.hash));
    return HashKey(std::string_view(node.KeyData(), node.keyLength));
}

HashValue HashTable::ValueOf(const Node& node) const {
    switch (m_valueType) {
    case HashValueType::Integer:
        return HashValue(node.value.integer);
    case HashValueType::Text:
    case HashValueType::Bytes:
        if (!node.value.bytes)
            return HashValue(std::string_view());
        return HashValue(std::string_view(node.value.bytes->Data(), node.value.bytes->length));
    case HashValueType::Object:
        return HashValue::FromObject(node.value.object);
    }
    return HashValue();
}

std::vector<HashKey> HashTable::Keys() const {
    std::vector<HashKey> keys;
    keys.reserve(m_count);
    for (std::uint32_t b = 0; b < m_capacity; ++b)
        for (const Node* node = m_buckets[b]; node; node = node->next)
            keys.push_back(KeyOf(*node));
    return keys;
}

std::vector<HashValue> HashTable::Values() const {
    std::vector<HashValue> values;
    values.reserve(m_count);
    for (std::uint32_t b = 0; b < m_capacity; ++b)
        for (const Node* node = m_buckets[b]; node; node = node->next)
            values.push_back(ValueOf(*node));
    return values;
}

void HashTable::ResetIteration() {
    m_iterationBucket = 0;
    m_iterationNext = nullptr;
}

HashTable::Node* HashTable::NextNode() {
    if (!m_buckets)
        return nullptr;
    Node* node = m_iterationNext;
    while (!node && m_iterationBucket < m_capacity)
        node = m_buckets[m_iterationBucket++];
    if (!node) {
        ResetIteration(); // the walk is over; the next one starts from the top
        return nullptr;
    }
    m_iterationNext = node->next;
    return node;
}

bool HashTable::Next(HashKey& key, HashValue& value) {
    Node* node = NextNode();
    if (!node)
        return false;
    key = KeyOf(*node);
    value = ValueOf(*node);
    return true;
}

bool HashTable::NextKey(HashKey& key) {
    HashValue value;
    return Next(key, value);
}

bool HashTable::NextValue(HashValue& value) {
    HashKey key;
    return Next(key, value);
}
