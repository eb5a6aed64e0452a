#include "words/GbkTranscoder.h"

#include "util/CodePage.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

namespace {

// Per unit: 0 when not yet known, else kKnown | length << 16 | bytes (first
// byte in bits 0-7). Code page 936 holds no character outside the BMP and
// converts unit by unit without state, so a lone surrogate, like any unit GBK
// cannot hold, has length 0 and vanishes as it does from Utf16ToGbk.
constexpr std::uint32_t kKnown = 1u << 31;
std::atomic<std::uint32_t> g_units[0x10000];

std::uint32_t EncodedUnit(char16_t unit) {
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

// The unit of every two-byte character that the code page converts, on its
// own, into one unit other than "?"; 0 for the rest (which then take the slow
// way with their context). Built with one conversion per lead byte: all its
// pairs separated by LF, which no pair absorbs.
class PairTable {
public:
    PairTable() {
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            std::string pairs;
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                pairs += static_cast<char>(lead);
                pairs += static_cast<char>(trail);
                pairs += '\n';
            }
            std::u16string units = GbkToUtf16(pairs);
            std::size_t start = 0;
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                std::size_t end = units.find(u'\n', start);
                if (end == std::u16string::npos)
                    break;
                if (end - start == 1 && units[start] != u'?' && units[start] != 0)
                    m_units[lead - 0x80][trail] = units[start];
                start = end + 1;
            }
        }
    }
    char16_t Unit(unsigned char lead, unsigned char trail) const { return m_units[lead - 0x80][trail]; }

private:
    std::array<std::array<char16_t, 256>, 128> m_units{};
};

const PairTable& Pairs() {
    static const std::unique_ptr<PairTable> table = std::make_unique<PairTable>();
    return *table;
}

} // namespace

std::u16string DecodeGbk(std::string_view gbk) {
    const PairTable& pairs = Pairs();
    // Units go through a small buffer into room reserved for the most there
    // can be, so that no unit is written twice and no page of the room that
    // stays unused is touched.
    constexpr std::ptrdiff_t kChunk = 4096;
    char16_t buffer[kChunk + 1];
    std::u16string out;
    out.reserve(gbk.size());
    const auto* from = reinterpret_cast<const unsigned char*>(gbk.data());
    const auto* const end = from + gbk.size();
    while (from < end) {
        // A pair's second byte may lie past the stop, never past the end.
        const unsigned char* const stop = from + std::min(end - 1 - from, kChunk);
        char16_t* to = buffer;
        while (from < stop) {
            const unsigned char lead = *from;
            if (lead < 0x80) {
                *to++ = lead;
                ++from;
                continue;
            }
            const char16_t unit = pairs.Unit(lead, from[1]); // none for lead byte 0x80
            if (unit == 0)
                return GbkToUtf16(gbk); // something only the code page itself may read
            *to++ = unit;
            from += 2;
        }
        if (from == end - 1) {
            if (*from >= 0x80)
                return GbkToUtf16(gbk);
            *to++ = *from++;
        }
        out.append(buffer, static_cast<std::size_t>(to - buffer));
    }
    return out;
}

void AppendAsGbk(std::u16string_view units, std::string& out) {
    // Room for two bytes per unit, written through a pointer and cut back.
    const std::size_t start = out.size();
    out.resize(start + 2 * units.size());
    char* to = out.data() + start;
    for (char16_t unit : units) {
        if (unit < 0x80) {
            *to++ = static_cast<char>(unit);
            continue;
        }
        const std::uint32_t entry = EncodedUnit(unit);
        const std::uint32_t length = (entry >> 16) & 3;
        if (length >= 1)
            *to++ = static_cast<char>(entry & 0xFF);
        if (length == 2)
            *to++ = static_cast<char>((entry >> 8) & 0xFF);
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}
