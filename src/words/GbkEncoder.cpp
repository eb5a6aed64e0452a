#include "words/GbkEncoder.h"

#include "util/CodePage.h"

#include <atomic>
#include <cstdint>

namespace {

// Per unit: 0 when not yet known, else kKnown | length << 16 | bytes (first
// byte in bits 0-7). Code page 936 holds no character outside the BMP and
// converts unit by unit without state, so a lone surrogate, like any unit GBK
// cannot hold, has length 0 and vanishes as it does from Utf16ToGbk.
constexpr std::uint32_t kKnown = 1u << 31;
std::atomic<std::uint32_t> g_units[0x10000];

std::uint32_t Lookup(char16_t unit) {
    std::uint32_t entry = g_units[unit].load(std::memory_order_relaxed);
    if (entry != 0)
        return entry;
    std::string bytes = Utf16ToGbk(std::u16string_view(&unit, 1));
    entry = kKnown | static_cast<std::uint32_t>(bytes.size() <= 2 ? bytes.size() : 0) << 16;
    for (std::size_t i = 0; i < bytes.size() && i < 2; ++i)
        entry |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    // Every thread computes the same value, so a race only repeats work.
    g_units[unit].store(entry, std::memory_order_relaxed);
    return entry;
}

} // namespace

void AppendAsGbk(std::u16string_view units, std::string& out) {
    out.reserve(out.size() + units.size() * 2);
    for (char16_t unit : units) {
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
            continue;
        }
        std::uint32_t entry = Lookup(unit);
        std::uint32_t length = (entry >> 16) & 3;
        if (length >= 1)
            out.push_back(static_cast<char>(entry & 0xFF));
        if (length == 2)
            out.push_back(static_cast<char>((entry >> 8) & 0xFF));
    }
}
