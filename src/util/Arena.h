// A private memory pool, the table's own heap: small blocks are carved from
// large chunks and recycled through per-size free lists, large blocks are
// allocated one by one, and Release frees everything at once. Allocation never
// throws; it returns nullptr when memory runs out.
#pragma once

#include <array>
#include <cstddef>

class Arena {
public:
    Arena() = default;
    ~Arena() { Release(); }
    Arena(Arena&& other) noexcept;
    Arena& operator=(Arena&& other) noexcept;
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // Uninitialised memory aligned for any scalar type.
    void* Allocate(std::size_t size);
    void* AllocateZeroed(std::size_t size);
    // size must be the size the block was allocated with.
    void Free(void* block, std::size_t size);
    void Release();

private:
    struct Chunk;
    struct LargeBlock;
    static constexpr std::size_t kGranule = 16;
    static constexpr std::size_t kLargestSmall = 1024;

    static std::size_t SizeClass(std::size_t size) { return (size + kGranule - 1) / kGranule; }
    void* AllocateSmall(std::size_t sizeClass);
    void* AllocateLarge(std::size_t size, bool zeroed);
    void TakeFrom(Arena& other) noexcept;

    std::array<void*, kLargestSmall / kGranule + 1> m_freeLists{};
    char* m_cursor = nullptr;
    char* m_end = nullptr;
    std::size_t m_nextChunkSize = 64 * 1024;
    Chunk* m_chunks = nullptr;
    LargeBlock* m_large = nullptr;
};
