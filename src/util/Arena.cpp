#include "util/Arena.h"

#include <cstdlib>
#include <cstring>
#include <utility>

struct alignas(16) Arena::Chunk {
    Chunk* next;
};

struct alignas(16) Arena::LargeBlock {
    LargeBlock* previous;
    LargeBlock* next;
};

Arena::Arena(Arena&& other) noexcept {
    TakeFrom(other);
}

Arena& Arena::operator=(Arena&& other) noexcept {
    if (this != &other) {
        Release();
        TakeFrom(other);
    }
    return *this;
}

void Arena::TakeFrom(Arena& other) noexcept {
    m_freeLists = std::exchange(other.m_freeLists, {});
    m_cursor = std::exchange(other.m_cursor, nullptr);
    m_end = std::exchange(other.m_end, nullptr);
    m_nextChunkSize = std::exchange(other.m_nextChunkSize, 64 * 1024);
    m_chunks = std::exchange(other.m_chunks, nullptr);
    m_large = std::exchange(other.m_large, nullptr);
}

void* Arena::Allocate(std::size_t size) {
    if (size == 0)
        size = 1;
    if (size > kLargestSmall)
        return AllocateLarge(size, false);
    return AllocateSmall(SizeClass(size));
}

void* Arena::AllocateZeroed(std::size_t size) {
    if (size > kLargestSmall)
        return AllocateLarge(size, true); // fresh pages come zeroed: no pass over a huge bucket array
    void* block = Allocate(size);
    if (block)
        std::memset(block, 0, size);
    return block;
}

void* Arena::AllocateSmall(std::size_t sizeClass) {
    if (void* block = m_freeLists[sizeClass]) {
        std::memcpy(&m_freeLists[sizeClass], block, sizeof(void*));
        return block;
    }
    std::size_t bytes = sizeClass * kGranule;
    if (static_cast<std::size_t>(m_end - m_cursor) < bytes) {
        // Chunks grow up to 1 MiB so that big tables need few of them.
        std::size_t chunkSize = m_nextChunkSize;
        auto* chunk = static_cast<Chunk*>(std::malloc(sizeof(Chunk) + chunkSize));
        if (!chunk)
            return nullptr;
        chunk->next = m_chunks;
        m_chunks = chunk;
        m_cursor = reinterpret_cast<char*>(chunk + 1);
        m_end = m_cursor + chunkSize;
        if (m_nextChunkSize < 1024 * 1024)
            m_nextChunkSize *= 2;
    }
    void* block = m_cursor;
    m_cursor += bytes;
    return block;
}

void* Arena::AllocateLarge(std::size_t size, bool zeroed) {
    if (size > static_cast<std::size_t>(-1) - sizeof(LargeBlock))
        return nullptr;
    void* memory =
        zeroed ? std::calloc(1, sizeof(LargeBlock) + size) : std::malloc(sizeof(LargeBlock) + size);
    auto* large = static_cast<LargeBlock*>(memory);
    if (!large)
        return nullptr;
    large->previous = nullptr;
    large->next = m_large;
    if (m_large)
        m_large->previous = large;
    m_large = large;
    return large + 1;
}

void Arena::Free(void* block, std::size_t size) {
    if (!block)
        return;
    if (size == 0)
        size = 1;
    if (size <= kLargestSmall) {
        std::size_t sizeClass = SizeClass(size);
        std::memcpy(block, &m_freeLists[sizeClass], sizeof(void*));
        m_freeLists[sizeClass] = block;
        return;
    }
    auto* large = static_cast<LargeBlock*>(block) - 1;
    if (large->previous)
        large->previous->next = large->next;
    else
        m_large = large->next;
    if (large->next)
        large->next->previous = large->previous;
    std::free(large);
}

void Arena::Release() {
    while (m_chunks)
        std::free(std::exchange(m_chunks, m_chunks->next));
    while (m_large)
        std::free(std::exchange(m_large, m_large->next));
    m_freeLists = {};
    m_cursor = m_end = nullptr;
    m_nextChunkSize = 64 * 1024;
}
